#pragma once

// The fuel page's tare table as a grid: one row per point, columns "#", litres and sensor
// units. The grid keeps the cell texts as typed; the page stores them into the model when
// the user leaves the grid (the rules are model/TareTable.h).

#include "TareTable.h"

#include <QAbstractTableModel>
#include <QStyledItemDelegate>
#include <vector>

class QTableView;

class TTareGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { NumberColumn, LitresColumn, UnitsColumn, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    // Shows these rows; with none, one empty row that takes no input.
    void SetRows(std::vector<TareRowTexts> rows);
    const std::vector<TareRowTexts>& Rows() const { return rows_; }
    // Set by every cell edit, cleared by the page once the texts are stored.
    bool Modified() const { return modified_; }
    void ClearModified() { modified_ = false; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

private:
    std::vector<TareRowTexts> rows_;
    bool modified_ = false;
};

// Cell editors that take digits only: up to three for litres, four for sensor units.
class TTareDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
};

// Creates the grid "sgTarir" over the model.
QTableView* MakeTareGrid(QWidget* parent, TTareGridModel* model);
