#include "ColorGrids.h"

#include "ColorSchemes.h"
#include "Pars32H.h"
#include "ScreenColours.h"

#include <QHeaderView>
#include <QPainter>
#include <QTableView>
#include <algorithm>

namespace {

constexpr int TextInset = 2;    // px from the cell's left and top edge
constexpr int RowPadding = 6;   // px above and below the text of a row
constexpr int NameColumn = 110; // px, at least
constexpr int ColourColumn = 110;

// Black or white, whichever reads better on the colour.
QColor textOn(const QColor& c) {
    return 0.299 * c.redF() + 0.587 * c.greenF() + 0.114 * c.blueF() > 0.5 ? Qt::black : Qt::white;
}

} // namespace

TColourGridModel::TColourGridModel(const TMK& model, std::span<const TRoleRow> roles,
                                   std::function<int()> scheme, QObject* parent)
    : QAbstractTableModel(parent), model_(model), roles_(roles), scheme_(std::move(scheme)) {}

int TColourGridModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    return roles_.empty() ? PaletteColourCount : int(roles_.size());
}

int TColourGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QString TColourGridModel::RowName(int row) const {
    if (roles_.empty()) return Tx("Color #", "Цвет #") + QString::number(row);
    return roles_[std::size_t(row)].name.text();
}

int TColourGridModel::PaletteIndex(int row) const {
    if (roles_.empty()) return row;
    // A stored index beyond the palette shows as the colour the screen would use for it.
    return RolePaletteIndex(model_, scheme_(), roles_[std::size_t(row)].role) & 0x0F;
}

QVariant TColourGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int row = index.row();
    if (index.column() == 0) return role == Qt::DisplayRole ? QVariant(RowName(row)) : QVariant();
    const int palette = PaletteIndex(row);
    const Rgb565 word = PaletteColour(model_, scheme_(), palette);
    switch (role) {
    case Qt::DisplayRole: {
        if (!roles_.empty()) return Tx("Color #", "Цвет #") + QString::number(palette);
        const Rgb5 c = word.ToRgb5();
        return QStringLiteral("%1, %2, %3").arg(c.r).arg(c.g).arg(c.b);
    }
    case Qt::BackgroundRole:
        return ToQColor(word);
    case Qt::ForegroundRole:
        return textOn(ToQColor(word));
    default:
        return {};
    }
}

void TColourGridModel::Repaint() {
    emit dataChanged(index(0, 0), index(rowCount() - 1, 1));
}

void TColourCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    if (index.column() != 1) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    painter->save();
    painter->fillRect(option.rect, index.data(Qt::BackgroundRole).value<QColor>());
    painter->setPen(index.data(Qt::ForegroundRole).value<QColor>());
    painter->setFont(option.font);
    const QRect text = option.rect.adjusted(TextInset, TextInset, 0, 0);
    painter->drawText(text, Qt::AlignLeft | Qt::AlignTop, index.data().toString());
    painter->restore();
}

QTableView* MakeColourGrid(const char* name, TColourGridModel* model, QWidget* parent) {
    auto* grid = new QTableView(parent);
    grid->setObjectName(QString::fromUtf8(name));
    grid->setModel(model);
    grid->setItemDelegate(new TColourCellDelegate(grid));
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + RowPadding);
    grid->setColumnWidth(0, NameColumn);
    grid->setColumnWidth(1, ColourColumn);
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int height =
        model->rowCount() * grid->verticalHeader()->defaultSectionSize() + 2 * grid->frameWidth();
    grid->setFixedHeight(height);
    grid->setMinimumWidth(NameColumn + ColourColumn + 2 * grid->frameWidth());
    return grid;
}

void FitNameColumn(QTableView* grid) {
    grid->resizeColumnToContents(0);
    grid->setColumnWidth(0, std::max(grid->columnWidth(0) + RowPadding, NameColumn));
    grid->setMinimumWidth(grid->columnWidth(0) + ColourColumn + 2 * grid->frameWidth());
}
