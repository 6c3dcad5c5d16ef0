#pragma once

// What one screen shows: its kind, the parameter code of each place, or the rows of a menu.
// Parameter codes are the measured-parameter numbers the settings store (0: an empty place).

#include "ScreenGeometry.h"

#include <QString>
#include <cstdint>
#include <vector>

struct TMenuLine {
    int hotNumber = -1; // the number shown before the caption, -1 none
    QString caption;
};

struct TScreenContent {
    TScreenKind kind = TScreenKind::X4;
    // x4, x6, x9: one code a place; x1: the bottom bar's four codes.
    std::vector<std::uint8_t> codes;
    // x1: the parameter of the large value.
    std::uint8_t mainCode = 0;
    // Averages: which set (0 trip, 1 reset 1, 2 reset 2, 3 total, 4 in jams, 5 without jams,
    // 6 taximeter, 7 petrol, 8 gas).
    int averages = 0;
    // Menu: its title, rows and the highlighted row.
    QString title;
    std::vector<TMenuLine> menu;
    int activeRow = 0;
};

// Display options the screens show.
struct TDisplayOptions {
    int consumptionBarLimit = 8; // full scale of the instant-consumption bar, l/h
};

constexpr int AveragesSets = 9;
