// Section 3 (64 bytes): level-sensor calibrations, tank mode and capacities. Section 4
// (420 bytes): the tared table of up to 68 points, volumes and readings in two parallel
// arrays. Gaps between rows are reserved bytes, carried unchanged.

#include "FieldRows.h"

namespace {

using enum FieldType;

// clang-format off
constexpr FieldDef kRows[] = {
    // name                section offset type count default shift width
    {"Oil6L",                3,    0, S16,    1, 1000, 0, 0},  // sensor units
    {"Lit6L",                3,    2, S16,    1,    6, 0, 0},  // litres
    {"Oil43L",               3,    4, S16,    1,   10, 0, 0},
    {"Lit43L",               3,    6, S16,    1,   43, 0, 0},
    {"OilCalibrResArr",      3,    8, S16,    7,    0, 0, 0},
    {"OilCalibrLitArr",      3,   22, S16,    7,    0, 0, 0},
    {"OilCalibrQuant",       3,   36, U8,     1,    7, 0, 0},
    {"TankMode",             3,   37, S8,     1,    0, 0, 0},
    {"TankMeth",             3,   38, S8,     1,    0, 0, 0},
    {"K100Manual",           3,   42, S16,    1,    0, 0, 0},  // 0.1 L/100 km
    {"TankContFull",         3,   44, S16,    1,   50, 0, 0},  // litres
    {"LinkGaps",             3,   46, U16,    1,    0, 0, 0},  // counted by the device
    {"GazContFull",          3,   56, S16,    1,   50, 0, 0},  // litres

    {"TarirByte0",           4,    0, U8,     1,    0, 0, 0},
    {"TarirFlagFinish",      4,    1, U8,     1,    1, 0, 0},
    {"TarirLeng",            4,    2, U8,     1,   15, 0, 0},
    {"TarirHighStart",       4,    6, U8,     1,    0, 0, 0},
    {"TarirIncline",         4,    7, U8,     1,    0, 0, 0},
    {"TarirLit",             4,    8, U8,    68,    0, 0, 0},  // litres; points 0..14 set apart
    {"TarirRes",             4,  144, S16,   68,    0, 0, 0},  // readings; points 0..14 set apart
};
// clang-format on

} // namespace

std::span<const FieldDef> fieldrows::FuelRows() {
    return kRows;
}
