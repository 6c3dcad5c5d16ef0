#pragma once

// The screens as a settings model holds them: which parameter each place of each screen
// shows, the hot menus, the colour schemes and the display options, ready for the renderer.
// Screen numbers count from 0.

#include "ScreenColours.h"
#include "ScreenContent.h"

#include <vector>

class TMK;

// Screens of a kind: x4 6, x6 2, x9 3, averages 9, menu 4 (the hot menus), x1 one for each
// parameter of the current protocol's list (0 without a protocol entry).
int ScreenCount(const TMK& model, TScreenKind kind);

// The screen's content; a number outside 0..ScreenCount - 1 raises ERangeError. x1 screens
// carry the n-th parameter of the protocol's list and the bottom bar's four codes.
TScreenContent ScreenFromSettings(const TMK& model, TScreenKind kind, int number);

// The codes of the current protocol entry's list (empty without an entry).
std::vector<std::uint8_t> OfferedCodes(const TMK& model);

// Scheme 0 (day) or 1 (night) of section 9; ERangeError for another number.
TScreenColours SchemeColours(const TMK& model, int scheme);

TDisplayOptions DisplayOptionsOf(const TMK& model);
