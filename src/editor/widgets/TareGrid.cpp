#include "TareGrid.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QTableView>

namespace {

constexpr int LitreDigits = 3;
constexpr int UnitDigits = 4;
constexpr int VisibleRows = 12; // the grid's height in rows, heading aside
constexpr int RowPadding = 6;   // px above and below a row's text
constexpr int NumberColumnWidth = 36;
constexpr int ValueColumnWidth = 72;

} // namespace

void TTareGridModel::SetRows(std::vector<TareRowTexts> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int TTareGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : TareGridRowCount(int(rows_.size())) - 1;
}

int TTareGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TTareGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= int(rows_.size())) return {};
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
    const TareRowTexts& row = rows_[std::size_t(index.row())];
    switch (index.column()) {
    case NumberColumn:
        return QString::number(index.row() + 1);
    case LitresColumn:
        return row.litres;
    case UnitsColumn:
        return row.units;
    default:
        return {};
    }
}

QVariant TTareGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    const QStringList headings = TareHeadings();
    return section >= 0 && section < headings.size() ? QVariant(headings[section]) : QVariant();
}

Qt::ItemFlags TTareGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    if (index.row() >= int(rows_.size())) return Qt::ItemIsEnabled; // the empty row of no table
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() != NumberColumn) f |= Qt::ItemIsEditable;
    return f;
}

bool TTareGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) return false;
    TareRowTexts& row = rows_[std::size_t(index.row())];
    QString& cell = index.column() == LitresColumn ? row.litres : row.units;
    if (cell == value.toString()) return true;
    cell = value.toString();
    modified_ = true;
    emit dataChanged(index, index);
    return true;
}

QWidget* TTareDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                     const QModelIndex& index) const {
    const int digits = index.column() == TTareGridModel::LitresColumn ? LitreDigits : UnitDigits;
    auto* edit = new QLineEdit(parent);
    edit->setAlignment(Qt::AlignRight);
    edit->setMaxLength(digits);
    edit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("\\d{0,%1}").arg(digits)), edit));
    return edit;
}

QTableView* MakeTareGrid(QWidget* parent, TTareGridModel* model) {
    auto* view = new QTableView(parent);
    view->setObjectName(QStringLiteral("sgTarir"));
    view->setModel(model);
    view->setItemDelegate(new TTareDelegate(view));
    view->verticalHeader()->hide();
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    // Typing a digit starts an edit; Tab leaves the grid like any other control.
    view->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                          QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    view->setTabKeyNavigation(false);
    view->setColumnWidth(TTareGridModel::NumberColumn, NumberColumnWidth);
    view->setColumnWidth(TTareGridModel::LitresColumn, ValueColumnWidth);
    view->setColumnWidth(TTareGridModel::UnitsColumn, ValueColumnWidth);
    // Compact rows: the table is long and the page has other groups beside it.
    const int rowHeight = view->fontMetrics().height() + RowPadding;
    view->verticalHeader()->setDefaultSectionSize(rowHeight);
    view->verticalHeader()->setMinimumSectionSize(rowHeight);
    view->setMinimumHeight(view->horizontalHeader()->sizeHint().height() + VisibleRows * rowHeight +
                           2 * view->frameWidth());
    view->setFixedWidth(NumberColumnWidth + 2 * ValueColumnWidth + 2 * view->frameWidth() +
                        view->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    return view;
}
