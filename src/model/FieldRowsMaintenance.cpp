// Section 5 (128 bytes): maintenance counters and dates, the unit selection of the
// additional systems, the universal input's two scaling points and the accelerometer
// calibration. Gaps between rows are reserved bytes, carried unchanged.

#include "FieldRows.h"

namespace {

using enum FieldType;

// clang-format off
constexpr FieldDef kRows[] = {
    // name                section offset type count default shift width
    {"AirFiltCntK",          5,    0, S8,     1,   15, 0, 0},  // thousands of km
    {"KPPOilCntK",           5,    1, S8,     1,   45, 0, 0},
    {"ForsTOCntK",           5,    2, S8,     1,   30, 0, 0},
    {"GRMStrapCntK",         5,    3, S8,     1,   45, 0, 0},
    {"CoolLiqCntK",          5,    4, S8,     1,   30, 0, 0},
    {"EngOilCntK",           5,    5, S8,     1,   15, 0, 0},
    {"CandleCntK",           5,    6, S8,     1,   30, 0, 0},
    {"AirWaterShow",         5,    7, S8,     1,    0, 0, 0},
    {"TO",                   5,    8, U32,    1, 4392, 0, 0},  // day number (9 Jan 2012)
    {"OSAGO",                5,   12, U32,    1, 4392, 0, 0},  // day number
    // Bit c of byte c / 8 selects unit c; byte 0 also keeps two page choices.
    {"BlocksSel",            5,   20, U8,    32,    0, 0, 0},
    {"BlocksShow",           5,   20, U8,     1,    0, 0, 1},
    {"BlocksShowList",       5,   20, U8,     1,    0, 7, 1},
    // Names: the default texts depend on the language, see SectionDefaults.cpp.
    {"ForsTOName",           5,   52, Text,  16,    0, 0, 0},
    {"GRMStrapName",         5,   68, Text,  16,    0, 0, 0},
    {"CandleName",           5,   84, Text,  16,    0, 0, 0},
    // Reminder switches; the bit rows' defaults repeat the word's default.
    {"TOFlags",              5,  100, U16,    1,  511, 0, 0},
    {"TOFlag_AirFiltCntK",   5,  100, U16,    1,    1, 0, 1},
    {"TOFlag_KPPOilCntK",    5,  100, U16,    1,    1, 1, 1},
    {"TOFlag_ForsTOCntK",    5,  100, U16,    1,    1, 2, 1},
    {"TOFlag_GRMStrapCntK",  5,  100, U16,    1,    1, 3, 1},
    {"TOFlag_CoolLiqCntK",   5,  100, U16,    1,    1, 4, 1},
    {"TOFlag_EngOilCntK",    5,  100, U16,    1,    1, 5, 1},
    {"TOFlag_CandleCntK",    5,  100, U16,    1,    1, 6, 1},
    {"TOFlag_TO",            5,  100, U16,    1,    1, 7, 1},
    {"TOFlag_OSAGO",         5,  100, U16,    1,    1, 8, 1},
    {"TOFlag_MotoHour",      5,  100, U16,    1,    0, 9, 1},
    {"MotoHourLim",          5,  104, S16,    1,    0, 0, 0},  // hours
    {"UniMeasADC",           5,  108, S16,    2,    0, 0, 0},  // [1] defaults apart
    {"UniMeasDat",           5,  112, S16,    2,    0, 0, 0},  // [1] defaults apart
    {"AccelCalibration",     5,  116, U8,     1,    0, 0, 0},  // kept by the device
};
// clang-format on

} // namespace

std::span<const FieldDef> fieldrows::MaintenanceRows() {
    return kRows;
}
