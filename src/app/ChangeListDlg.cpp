#include "ChangeListDlg.h"

#include "ChangeTree.h"
#include "Language.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStandardItemModel>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

constexpr int PreferredWidth = 720; // px; a caption, two values and room to spare
constexpr int PreferredHeight = 480;
constexpr int MaxScreenShare = 80; // % of the screen the list may take at most

QString countText(std::size_t count) {
    if (count == 0)
        return Tx("No setting differs from the device. Write the settings anyway?",
                  "Настройки не отличаются от записанных в МК. Всё равно записать?");
    return Tx("Settings that will change in the device: %1",
              "Настройки, которые изменятся в МК: %1")
        .arg(count);
}

} // namespace

TChangeListDlg::TChangeListDlg(const TChangeList& list, QWidget* parent)
    : QDialog(parent), list_(list), count_(new QLabel(this)),
      view_(MakeChangeTree(this, "tvChanges")),
      replace_(new QCheckBox(Tx("Also replace the device's journals and running totals with those "
                                "of these settings",
                                "Также заменить журналы и счётчики МК данными этих настроек"),
                             this)),
      hide_(new QCheckBox(Tx("Do not show this list again", "Больше не показывать этот список"),
                          this)) {
    setObjectName(QStringLiteral("ChangeListDlg"));
    setWindowTitle(Tx("Write the settings to the device", "Запись настроек в МК"));

    count_->setObjectName(QStringLiteral("lChangeCount"));
    count_->setWordWrap(true);

    // Off by default: the device keeps what it recorded unless the user asks otherwise.
    replace_->setObjectName(QStringLiteral("cbReplaceRecords"));
    replace_->setChecked(false);
    replace_->setVisible(list_.canReplaceRecords);
    connect(replace_, &QCheckBox::toggled, this, [this] { showRows(); });
    hide_->setObjectName(QStringLiteral("cbHideChangeList"));

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* write = buttons->addButton(Tx("Write", "Записать"), QDialogButtonBox::AcceptRole);
    QPushButton* cancel = buttons->addButton(Tx("Cancel", "Отмена"), QDialogButtonBox::RejectRole);
    write->setObjectName(QStringLiteral("bWrite"));
    cancel->setObjectName(QStringLiteral("bCancel"));
    write->setDefault(true);
    write->setFocus();
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(count_);
    layout->addWidget(view_, 1);
    layout->addWidget(replace_);
    layout->addWidget(hide_);
    layout->addWidget(buttons);
    showRows();

    if (list_.rows.empty() && !list_.canReplaceRecords) {
        adjustSize();
        return;
    }
    QSize size(PreferredWidth, PreferredHeight);
    if (const QScreen* screen = parent ? parent->screen() : QApplication::primaryScreen())
        size = size.boundedTo(screen->availableSize() * MaxScreenShare / 100);
    resize(size);
}

void TChangeListDlg::showRows() {
    const std::vector<TChangeRow>& rows = ReplaceRecords() ? list_.replacingRows : list_.rows;
    count_->setText(countText(rows.size()));
    FillChangeTree(static_cast<QStandardItemModel*>(view_->model()),
                   {Tx("Setting", "Настройка"), Tx("In the device", "В МК"),
                    Tx("New value", "Новое значение")},
                   rows);
    FitChangeTree(view_);
    view_->setVisible(!rows.empty());
}

bool TChangeListDlg::HideFromNowOn() const {
    return hide_->isChecked();
}

bool TChangeListDlg::ReplaceRecords() const {
    return list_.canReplaceRecords && replace_->isChecked();
}
