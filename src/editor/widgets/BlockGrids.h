#pragma once

// The two grids of the additional-systems page as item models over the page's unit list and
// the selection bits of the settings: every unit the device offers with a "V" when chosen,
// and the chosen ones alone, both in the unit table's order.

#include "AddSystems.h"

#include <QAbstractTableModel>
#include <vector>

class TAllBlocksModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { NameColumn, SelectedColumn, ColumnCount };

    TAllBlocksModel(const TBlockList& list, const QByteArray& section5, QObject* parent)
        : QAbstractTableModel(parent), list_(list), section5_(section5) {}

    // The list was rebuilt.
    void Reset();
    // Some selection bits changed.
    void SelectionChanged();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const TBlockList& list_;
    const QByteArray& section5_;
};

class TUsedBlocksModel : public QAbstractTableModel {
    Q_OBJECT
public:
    TUsedBlocksModel(const TBlockList& list, const QByteArray& section5, QObject* parent)
        : QAbstractTableModel(parent), list_(list), section5_(section5) {}

    // The list or the selection changed.
    void Refill();
    // The unit list's row shown in this row.
    int ListRow(int row) const { return rows_.at(std::size_t(row)); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const TBlockList& list_;
    const QByteArray& section5_;
    std::vector<int> rows_;
};
