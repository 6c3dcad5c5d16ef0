#pragma once

// A list of settings rows grouped under bold titles (the editor page, or "Journals and
// totals"), with a value column per side: the change list of a write and a comparison.

#include "Prompt.h"

#include <QStringList>
#include <vector>

class QStandardItemModel;
class QTreeView;
class QWidget;

// Fills model with one bold group row per run of rows of the same group; read-only.
void FillChangeTree(QStandardItemModel* model, const QStringList& headers,
                    const std::vector<TChangeRow>& rows);

// Expands every group and sizes the columns to their contents, with room to spare.
void FitChangeTree(QTreeView* view);

// A read-only view for such a model, alternate rows shaded, no selection.
QTreeView* MakeChangeTree(QWidget* parent, const char* name);
