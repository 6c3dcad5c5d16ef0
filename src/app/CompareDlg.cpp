#include "CompareDlg.h"

#include "AtomicSave.h"
#include "ChangeTree.h"
#include "CommonTexts.h"
#include "Errors.h"
#include "HandlerGuard.h"
#include "Language.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStandardItemModel>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

constexpr int PreferredWidth = 760; // px; a caption, two values and room to spare
constexpr int PreferredHeight = 520;
constexpr int MaxScreenShare = 80; // % of the screen the dialog may take at most

// The settings, then the records and what was not compared, each under a title of its own.
std::vector<TChangeRow> rowsOf(const TComparison& c) {
    std::vector<TChangeRow> rows = c.rows;
    const QString records = ComparisonTexts::Records.text();
    for (const journals::TRecordChange& r : c.records)
        rows.push_back({records, r.what, r.before, r.after});
    const QString apart = ComparisonTexts::NotCompared.text();
    for (const QString& line : c.notCompared)
        rows.push_back({apart, line, {}, {}});
    return rows;
}

} // namespace

TCompareDlg::TCompareDlg(TComparison comparison, QString firstName, QString secondName,
                         QWidget* parent)
    : QDialog(parent), comparison_(std::move(comparison)), firstName_(std::move(firstName)),
      secondName_(std::move(secondName)), done_(new QLabel(this)) {
    setObjectName(QStringLiteral("CompareDlg"));
    setWindowTitle(Tx("Compare: %1 and %2", "Сравнение: %1 и %2").arg(firstName_, secondName_));

    auto* notes = new QLabel(comparison_.notes.join(QLatin1Char('\n')), this);
    notes->setObjectName(QStringLiteral("lCompareNotes"));
    notes->setWordWrap(true);
    notes->setVisible(!comparison_.notes.isEmpty());
    QFont bold = notes->font();
    bold.setBold(true);
    notes->setFont(bold);

    const std::vector<TChangeRow> rows = rowsOf(comparison_);
    QTreeView* view = MakeChangeTree(this, "tvCompare");
    FillChangeTree(static_cast<QStandardItemModel*>(view->model()),
                   {Tx("Setting", "Настройка"), firstName_, secondName_}, rows);
    FitChangeTree(view);
    view->setVisible(!rows.empty());
    view->setAccessibleName(windowTitle());

    auto* count = new QLabel(ComparisonCountText(comparison_), this);
    count->setObjectName(QStringLiteral("lCompareCount"));
    done_->setObjectName(QStringLiteral("lCompareDone"));

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* copy = buttons->addButton(Tx("Copy", "Копировать"), QDialogButtonBox::ActionRole);
    QPushButton* save =
        buttons->addButton(Tx("Save as…", "Сохранить как…"), QDialogButtonBox::ActionRole);
    QPushButton* close = buttons->addButton(Tx("Close", "Закрыть"), QDialogButtonBox::RejectRole);
    copy->setObjectName(QStringLiteral("bCopy"));
    save->setObjectName(QStringLiteral("bSaveAs"));
    close->setObjectName(QStringLiteral("bClose"));
    close->setDefault(true);
    connect(copy, &QPushButton::clicked, this, Guarded([this] { CopyClicked(); }));
    connect(save, &QPushButton::clicked, this, Guarded([this] { SaveAsClicked(); }));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(count, 1);
    bottom->addWidget(done_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(notes);
    layout->addWidget(view, 1);
    layout->addLayout(bottom);
    layout->addWidget(buttons);

    if (rows.empty()) {
        adjustSize();
        return;
    }
    QSize size(PreferredWidth, PreferredHeight);
    if (const QScreen* screen = parent ? parent->screen() : QApplication::primaryScreen())
        size = size.boundedTo(screen->availableSize() * MaxScreenShare / 100);
    resize(size);
}

QString TCompareDlg::Text() const {
    return ComparisonText(comparison_, firstName_, secondName_);
}

void TCompareDlg::CopyClicked() {
    QApplication::clipboard()->setText(Text());
    done_->setText(Tx("Copied to the clipboard.", "Скопировано в буфер обмена."));
}

void TCompareDlg::SaveAsClicked() {
    const QString path = Prompt().saveFileName(Tx("Save the comparison", "Сохранить сравнение"),
                                               Tx("Text files (*.txt)", "Текстовые файлы (*.txt)"),
                                               QStringLiteral("txt"));
    if (path.isEmpty()) return;
    if (QFileInfo::exists(path) && !AskYesNo(CommonTexts::FileExists.text())) return;
    SaveWholeFile(
        path, Text().toUtf8(),
        Tx("Cannot save the comparison %1.", "Не удалось сохранить сравнение %1.").arg(path));
    done_->setText(Tx("Saved to %1.", "Сохранено в %1.").arg(QFileInfo(path).fileName()));
}
