#include "ChangeListDlg.h"

#include "Language.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStandardItemModel>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int PreferredWidth = 720; // px; a caption, two values and room to spare
constexpr int PreferredHeight = 480;
constexpr int MaxScreenShare = 80;  // % of the screen the list may take at most
constexpr int MinColumnWidth = 140; // px; values line up in a column of their own
constexpr int ColumnPadding = 16;

QString countText(std::size_t count) {
    if (count == 0)
        return Tx("No setting differs from the device. Write the settings anyway?",
                  "Настройки не отличаются от записанных в МК. Всё равно записать?");
    return Tx("Settings that will change in the device: %1",
              "Настройки, которые изменятся в МК: %1")
        .arg(count);
}

QStandardItemModel* buildModel(const std::vector<TChangeRow>& rows, QObject* parent) {
    auto* model = new QStandardItemModel(parent);
    model->setHorizontalHeaderLabels({Tx("Setting", "Настройка"), Tx("In the device", "В МК"),
                                      Tx("New value", "Новое значение")});
    QStandardItem* group = nullptr;
    for (const TChangeRow& r : rows) {
        if (!group || group->text() != r.group) {
            group = new QStandardItem(r.group);
            QFont bold = group->font();
            bold.setBold(true);
            group->setFont(bold);
            model->appendRow({group, new QStandardItem, new QStandardItem});
        }
        group->appendRow({new QStandardItem(r.setting), new QStandardItem(r.before),
                          new QStandardItem(r.after)});
    }
    for (int i = 0; i < model->rowCount(); ++i)
        for (int c = 0; c < model->columnCount(); ++c)
            if (QStandardItem* item = model->item(i, c)) item->setEditable(false);
    return model;
}

} // namespace

TChangeListDlg::TChangeListDlg(const std::vector<TChangeRow>& rows, QWidget* parent)
    : QDialog(parent), view_(new QTreeView(this)),
      hide_(new QCheckBox(Tx("Do not show this list again", "Больше не показывать этот список"),
                          this)) {
    setObjectName(QStringLiteral("ChangeListDlg"));
    setWindowTitle(Tx("Write the settings to the device", "Запись настроек в МК"));

    auto* count = new QLabel(countText(rows.size()), this);
    count->setObjectName(QStringLiteral("lChangeCount"));
    count->setWordWrap(true);

    view_->setObjectName(QStringLiteral("tvChanges"));
    view_->setModel(buildModel(rows, view_));
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setSelectionMode(QAbstractItemView::NoSelection);
    view_->setAlternatingRowColors(true);
    view_->expandAll();
    view_->header()->setStretchLastSection(true);
    view_->header()->setSectionResizeMode(0, QHeaderView::Interactive);
    for (int c = 0; c < 3; ++c) {
        view_->resizeColumnToContents(c);
        view_->setColumnWidth(c, std::max(view_->columnWidth(c) + ColumnPadding, MinColumnWidth));
    }
    view_->setVisible(!rows.empty());
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
    layout->addWidget(count);
    layout->addWidget(view_, 1);
    layout->addWidget(hide_);
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

bool TChangeListDlg::HideFromNowOn() const {
    return hide_->isChecked();
}
