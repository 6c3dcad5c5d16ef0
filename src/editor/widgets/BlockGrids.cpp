#include "BlockGrids.h"

#include "Language.h"

namespace {

constexpr TText kName{"Name", "Название"};
constexpr TText kSelected{"Sel.", "Выбр."};
const QString kSelectedMark = QStringLiteral("V");

} // namespace

void TAllBlocksModel::Reset() {
    beginResetModel();
    endResetModel();
}

void TAllBlocksModel::SelectionChanged() {
    // A code the list holds twice shows its mark in both rows.
    if (rowCount() > 0)
        emit dataChanged(index(0, SelectedColumn), index(rowCount() - 1, SelectedColumn));
}

int TAllBlocksModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : list_.Count();
}

int TAllBlocksModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TAllBlocksModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= list_.Count()) return {};
    const TBlockListEntry& unit = list_.At(index.row());
    if (index.column() == SelectedColumn) {
        if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
        if (role == Qt::DisplayRole)
            return UnitSelected(section5_, unit.Code) ? kSelectedMark : QString();
        return {};
    }
    return role == Qt::DisplayRole ? QVariant(unit.Name) : QVariant();
}

QVariant TAllBlocksModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    return section == NameColumn ? kName.text() : kSelected.text();
}

void TUsedBlocksModel::Refill() {
    beginResetModel();
    rows_ = SelectedRows(list_, section5_);
    endResetModel();
}

int TUsedBlocksModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int TUsedBlocksModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 1;
}

QVariant TUsedBlocksModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole || index.row() >= rowCount()) return {};
    return list_.At(ListRow(index.row())).Name;
}

QVariant TUsedBlocksModel::headerData(int, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    return kName.text();
}
