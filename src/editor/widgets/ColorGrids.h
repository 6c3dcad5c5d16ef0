#pragma once

// The grids of the colour page, as Qt models: the palette of the edited scheme (16 rows,
// "Color #n") and the role grids (which palette colour paints the digits, backgrounds,
// frame and bottom panel; the menu's active item and hot numbers). Column 0 names the row;
// column 1 is painted in the row's colour with its text 2 pixels in from the cell's corner.

#include "ColorSchemeLayout.h"
#include "Language.h"

#include <QAbstractTableModel>
#include <QStyledItemDelegate>
#include <functional>
#include <span>

class QTableView;
class TMK;

struct TRoleRow {
    TColourRole role;
    TText name;
};

class TColourGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // roles empty: the palette grid. scheme: the scheme being edited.
    TColourGridModel(const TMK& model, std::span<const TRoleRow> roles, std::function<int()> scheme,
                     QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // Row captions in the current language ("Color #3", "Frame").
    QString RowName(int row) const;
    // The palette index the row shows: the row itself, or the role's choice.
    int PaletteIndex(int row) const;
    // Everything may have changed: the grid paints again.
    void Repaint();

private:
    const TMK& model_;
    std::span<const TRoleRow> roles_;
    std::function<int()> scheme_;
};

// Paints column 1 as a solid cell of the row's colour.
class TColourCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

// A grid view over the model: whole rows selected one at a time, no headers, rows as high
// as the text. Any mouse button moves the selection to the row under it.
QTableView* MakeColourGrid(const char* name, TColourGridModel* model, QWidget* parent);
// Widens the name column to the longest caption (run after the captions change language).
void FitNameColumn(QTableView* grid);
