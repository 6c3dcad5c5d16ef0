#pragma once

// Small layout helpers shared by the editor pages: pages are columns of titled groups,
// each group a label | control | unit grid.

#include "ControlBinder.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

// A page laid out as side-by-side columns packed to the left; returns the column layouts.
// A column whose groups are all hidden takes no room.
inline std::vector<QVBoxLayout*> MakeColumns(QWidget* page, int count) {
    auto* row = new QHBoxLayout(page);
    row->setSpacing(10);
    std::vector<QVBoxLayout*> columns;
    for (int i = 0; i < count; ++i) {
        auto* column = new QVBoxLayout;
        column->setSpacing(8);
        row->addLayout(column);
        columns.push_back(column);
    }
    row->addStretch(1);
    return columns;
}

// A titled group added to a column, with a grid for rows of controls.
inline QGridLayout* AddGroup(TControlBinder& binder, QVBoxLayout* column, const char* name,
                             TText title) {
    auto* group = binder.Caption(new QGroupBox, title);
    group->setObjectName(QString::fromUtf8(name));
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    grid->setColumnStretch(3, 1); // controls stay beside their labels
    column->addWidget(group);
    return grid;
}

// A group filled with rows of the table.
inline QGridLayout* AddRowsGroup(TControlBinder& binder, QVBoxLayout* column, const char* name,
                                 TText title, std::span<const TControlRow> rows) {
    QGridLayout* grid = AddGroup(binder, column, name, title);
    binder.AddRows(grid, rows);
    return grid;
}

// Gives the groups stacked in one column a common label width, so that their controls line
// up. Run after the captions are set.
inline void AlignColumns(QWidget* page) {
    auto* row = qobject_cast<QHBoxLayout*>(page->layout());
    if (!row) return;
    for (int c = 0; c < row->count(); ++c) {
        auto* column = qobject_cast<QVBoxLayout*>(row->itemAt(c)->layout());
        if (!column) continue;
        std::vector<QGridLayout*> grids;
        int width = 0;
        for (int g = 0; g < column->count(); ++g) {
            QWidget* group = column->itemAt(g)->widget();
            auto* grid = group ? qobject_cast<QGridLayout*>(group->layout()) : nullptr;
            if (!grid) continue;
            grids.push_back(grid);
            width = std::max(width, grid->columnMinimumWidth(0));
            for (int r = 0; r < grid->rowCount(); ++r) {
                QLayoutItem* item = grid->itemAtPosition(r, 0);
                int row0, col0, rows, cols;
                if (!item || !item->widget() || item->widget()->isHidden()) continue;
                grid->getItemPosition(grid->indexOf(item->widget()), &row0, &col0, &rows, &cols);
                if (cols == 1) // a check box spanning the row sets no label width
                    width = std::max(width, item->widget()->sizeHint().width());
            }
        }
        for (QGridLayout* grid : grids)
            grid->setColumnMinimumWidth(0, width);
    }
}

// Hides each group box under `root` whose controls are all hidden, and shows it again when
// one returns.
inline void UpdateGroupVisibility(QWidget* root) {
    for (QGroupBox* group : root->findChildren<QGroupBox*>()) {
        bool any = false;
        for (QObject* child : group->children())
            if (auto* w = qobject_cast<QWidget*>(child); w && !w->isHidden()) any = true;
        group->setVisible(any);
    }
}
