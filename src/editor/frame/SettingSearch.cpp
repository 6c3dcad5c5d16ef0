#include "SettingSearch.h"

#include "ControlBinder.h"
#include "HandlerGuard.h"
#include "Language.h"
#include "MK_SetParamsH.h"
#include "Pars32H.h"
#include "RadioGroup.h"
#include "SettingDescriptions.h"
#include "SettingPages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>

namespace {

constexpr int MarkMs = 1500;  // how long a found control stays marked
constexpr int MarkBorder = 3; // px of the mark around it
constexpr int MaxVisibleItems = 12;
constexpr int ResultsMinWidth = 560; // px: a caption, a page path and a value side by side

} // namespace

void RevealWidget(QWidget* w) {
    for (QWidget* p = w; p && p->parentWidget(); p = p->parentWidget())
        if (auto* stack = qobject_cast<QStackedWidget*>(p->parentWidget()))
            if (auto* tabs = qobject_cast<QTabWidget*>(stack->parentWidget()))
                tabs->setCurrentWidget(p);
}

TSettingSearch::TSettingSearch(TMK_SetParamsDlg& dialog)
    : QObject(&dialog), dialog_(dialog), field_(new QLineEdit(&dialog)),
      results_(new QListWidget(&dialog)) {
    field_->setObjectName(QStringLiteral("eSearch"));
    field_->setClearButtonEnabled(true);
    field_->installEventFilter(this);
    // The list lies over the tabs and leaves the keyboard with the field.
    results_->setObjectName(QStringLiteral("lbSearchResults"));
    results_->setFocusPolicy(Qt::NoFocus);
    results_->setFrameShape(QFrame::Box);
    results_->hide();
    connect(field_, &QLineEdit::textEdited, this, Guarded([this](const QString& text) {
                Refill(text);
                ShowResults();
            }));
    connect(results_, &QListWidget::itemClicked, this,
            Guarded([this](QListWidgetItem* item) { Reveal(results_->row(item)); }));
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now != field_) results_->hide();
    });
    auto* shortcut = new QShortcut(QKeySequence::Find, &dialog);
    connect(shortcut, &QShortcut::activated, this, [this] {
        field_->setFocus(Qt::ShortcutFocusReason);
        field_->selectAll();
    });
}

bool TSettingSearch::eventFilter(QObject* watched, QEvent* event) {
    if (watched != field_ || event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    const int rows = results_->count();
    switch (key) {
    case Qt::Key_Down:
    case Qt::Key_Up:
        if (rows == 0) return false;
        if (results_->isHidden()) ShowResults();
        results_->setCurrentRow(
            std::clamp(results_->currentRow() + (key == Qt::Key_Down ? 1 : -1), 0, rows - 1));
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        RunGuarded([this] {
            if (field_->text() != filledFor_) Refill(field_->text());
            // Enter without a chosen match takes the first one.
            if (!matches_.empty()) Reveal(std::max(results_->currentRow(), 0));
        });
        return true;
    case Qt::Key_Escape:
        if (results_->isHidden()) return false; // the dialog's own Escape
        results_->hide();
        return true;
    default:
        return false;
    }
}

void TSettingSearch::ShowResults() {
    if (matches_.empty()) {
        results_->hide();
        return;
    }
    const QPoint below = field_->mapTo(&dialog_, QPoint(0, field_->height()));
    const int width = std::max(field_->width() * 2, ResultsMinWidth);
    const int rows = std::min(results_->count(), MaxVisibleItems);
    const int height = rows * results_->sizeHintForRow(0) + 2 * results_->frameWidth();
    // Right-aligned with the field, within the dialog.
    const int left = std::max(0, below.x() + field_->width() - width);
    results_->setGeometry(left, below.y(), std::min(width, dialog_.width() - left), height);
    results_->show();
    results_->raise();
}

void TSettingSearch::SetCaptions() {
    field_->setPlaceholderText(Tx("Find a setting", "Найти настройку"));
    field_->setToolTip(Tx("Find a setting by a part of its caption or of its page (Ctrl+F)",
                          "Найти настройку по части названия или страницы (Ctrl+F)"));
}

std::vector<TSettingSearch::TEntry> TSettingSearch::Entries() const {
    const TSettingContext context = SettingContextOf(dialog_.Model());
    const TControlBinder& binder = dialog_.Binder();
    std::vector<TEntry> entries;
    for (const TSettingDesc& s : SettingDescriptions()) {
        if (!SettingOffered(s, context)) continue;
        const QString path = SettingPagePath(s.page);
        bool bound = false;
        for (int k = 0; k < s.count; ++k) {
            QWidget* control = binder.ControlOf(s, k);
            if (!control) continue;
            bound = true;
            if (HiddenByRule(control)) continue;
            const QString caption = SettingCaption(s, context, k);
            if (caption.isEmpty()) continue;
            const TFieldRef ref = SettingField(s, k);
            QString value;
            if (ref.field->type == FieldType::Text) {
                value = dialog_.Model().GetText(ref.field->name);
            } else {
                const TMK& model = dialog_.Model();
                const double stored =
                    ref.bit >= 0 ? double(model.Get(ref.field->name, ref.index) >> ref.bit & 1)
                                 : model.GetNumber(ref.field->name, ref.index);
                value = SettingValueText(s, context, stored, k);
            }
            entries.push_back({caption, path, value, control});
        }
        // Settings a page draws itself (grids, screens, palettes): one entry for the page's
        // widget.
        if (!bound && s.control)
            if (QWidget* control = dialog_.findChild<QWidget*>(QString::fromUtf8(s.control));
                control && !HiddenByRule(control))
                entries.push_back({s.caption.text(), path, QString(), control});
    }
    return entries;
}

QStringList TSettingSearch::Matches(const QString& text) {
    Refill(text);
    QStringList shown;
    for (int r = 0; r < results_->count(); ++r)
        shown << results_->item(r)->text();
    return shown;
}

void TSettingSearch::Refill(const QString& text) {
    filledFor_ = text;
    matches_.clear();
    results_->clear();
    const QString wanted = text.trimmed();
    if (wanted.isEmpty()) return;
    std::vector<TEntry> captionFirst, pathOnly;
    for (TEntry& e : Entries()) {
        if (e.caption.contains(wanted, Qt::CaseInsensitive))
            captionFirst.push_back(std::move(e));
        else if (e.path.contains(wanted, Qt::CaseInsensitive))
            pathOnly.push_back(std::move(e));
    }
    // A caption that holds the text matters more than a page that does.
    matches_ = std::move(captionFirst);
    matches_.insert(matches_.end(), pathOnly.begin(), pathOnly.end());
    for (const TEntry& e : matches_) {
        QString line = e.caption + QStringLiteral("  —  ") + e.path;
        if (!e.value.isEmpty()) line += QStringLiteral("  —  ") + e.value;
        results_->addItem(line);
    }
    if (!matches_.empty()) results_->setCurrentRow(-1);
}

void TSettingSearch::Reveal(int row) {
    if (row < 0 || row >= int(matches_.size())) return;
    QWidget* control = matches_[std::size_t(row)].control;
    results_->hide();
    RevealWidget(control);
    // A group of choices takes the focus on its chosen (or first) button.
    QWidget* target = control;
    if (auto* group = qobject_cast<TRadioGroup*>(control); group && group->count() > 0)
        target = group->button(std::max(group->index(), 0));
    target->setFocus(Qt::OtherFocusReason);
    Mark(control);
}

void TSettingSearch::Mark(QWidget* control) {
    auto* mark = new QFrame(&dialog_);
    mark->setObjectName(QStringLiteral("fSearchMark"));
    mark->setAttribute(Qt::WA_TransparentForMouseEvents);
    mark->setStyleSheet(QStringLiteral("#fSearchMark { border: %1px solid #e8a000; "
                                       "border-radius: 3px; background: transparent; }")
                            .arg(MarkBorder));
    const QPoint at = control->mapTo(&dialog_, QPoint(0, 0));
    mark->setGeometry(
        QRect(at, control->size())
            .adjusted(-MarkBorder - 1, -MarkBorder - 1, MarkBorder + 1, MarkBorder + 1));
    mark->show();
    mark->raise();
    QTimer::singleShot(MarkMs, mark, &QObject::deleteLater);
}
