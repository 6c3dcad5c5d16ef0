#include "ChangeTree.h"

#include <QHeaderView>
#include <QStandardItemModel>
#include <QTreeView>
#include <algorithm>

namespace {
constexpr int MinColumnWidth = 140; // px; values line up in a column of their own
constexpr int ColumnPadding = 16;
} // namespace

void FillChangeTree(QStandardItemModel* model, const QStringList& headers,
                    const std::vector<TChangeRow>& rows) {
    model->clear();
    model->setHorizontalHeaderLabels(headers);
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
}

void FitChangeTree(QTreeView* view) {
    view->header()->setSectionResizeMode(0, QHeaderView::Interactive);
    view->expandAll();
    for (int c = 0; c < view->model()->columnCount(); ++c) {
        view->resizeColumnToContents(c);
        view->setColumnWidth(c, std::max(view->columnWidth(c) + ColumnPadding, MinColumnWidth));
    }
}

QTreeView* MakeChangeTree(QWidget* parent, const char* name) {
    auto* view = new QTreeView(parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setModel(new QStandardItemModel(view));
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionMode(QAbstractItemView::NoSelection);
    view->setAlternatingRowColors(true);
    view->header()->setStretchLastSection(true);
    return view;
}
