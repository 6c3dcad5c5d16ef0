#pragma once

// Small layout helpers shared by the editor pages: pages are columns of titled groups,
// each group a label | control | unit grid.

#include "EditorControlTable.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

// A page laid out as side-by-side columns; returns the column layouts.
inline std::vector<QVBoxLayout*> MakeColumns(QWidget* page, int count) {
    auto* row = new QHBoxLayout(page);
    row->setSpacing(10);
    std::vector<QVBoxLayout*> columns;
    for (int i = 0; i < count; ++i) {
        auto* column = new QVBoxLayout;
        column->setSpacing(8);
        row->addLayout(column, 1);
        columns.push_back(column);
    }
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
    grid->setColumnStretch(0, 1);
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
