#pragma once

// Read-only text grids of the journals viewer, filled from the journals' text tables.

#include "JournalExport.h"

#include <QString>
#include <initializer_list>
#include <span>
#include <vector>

class QTableWidget;
class QWidget;

namespace journals::ui {

constexpr int RowHeight = 18; // pixels, every grid of the viewer

// A grid whose cells cannot be edited, with rows of RowHeight and the given column widths.
QTableWidget* MakeGrid(QWidget* parent, const char* name, std::initializer_list<int> widths);

// Widens each column to its widest text, caption included, never below least[column]
// (shorter values keep the designed widths); returns the width of all columns. The view
// elides a text its column cannot hold, and a journal number cut short is no number.
int FitColumns(QTableWidget* grid, std::span<const int> least);

// Header row of the table as the grid's header, the rest as cells. Cells of column 0 look
// like the header (the row numbers); the others are right-aligned when rightAligned.
void FillGrid(QTableWidget* grid, const TextTable& table, bool rightAligned);

// Label/value rows, the row count set to their number.
void FillLabelValues(QTableWidget* grid, const std::vector<LabelValue>& rows);

} // namespace journals::ui
