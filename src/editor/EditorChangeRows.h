#pragma once

// The change list of a write in the editor's words: grouped by editor page (in tab order),
// each row with the control's caption and the values in the units the editor shows, in the
// current language. Fields no control edits come last, under their field-table names.

#include "ChangeList.h"
#include "Prompt.h"

#include <QByteArray>
#include <cstdint>
#include <vector>

// Builds the editor, without showing it, over a copy of the settings about to be written
// (image and device version), so that captions and item lists are those the user saw.
std::vector<TChangeRow> EditorChangeRows(const std::vector<TFieldChange>& changes,
                                         const QByteArray& writtenImage,
                                         std::uint16_t deviceVersion);
