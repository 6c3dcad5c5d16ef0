// Section 9 (288 bytes): screen layouts (measured-parameter numbers per place), the two
// colour schemes, brightness, sound options, the hot menus and the shown-screen masks.
// Gaps between rows are reserved bytes, carried unchanged.

#include "FieldRows.h"

namespace {

using enum FieldType;

// clang-format off
constexpr FieldDef kRows[] = {
    // name                section offset type count default shift width
    {"DispFlags",            9,    0, U32,    1,    0, 0, 0},
    {"DispShowTitle",        9,    0, U32,    1,    0, 0, 1},
    {"DispShowPBMeth",       9,    0, U32,    1,    0, 1, 1},
    {"SoundKeys",            9,    0, U32,    1,    0, 2, 1},
    {"SoundLock",            9,    0, U32,    1,    0, 3, 1},
    {"ShowDispName",         9,    0, U32,    1,    0, 4, 1},
    // Screens flattened screen by screen: element screen * places + place.
    {"Digit4",               9,   12, U8,    24,    0, 0, 0},  // 6 screens x 4 places
    {"Digit6",               9,   36, U8,    12,    0, 0, 0},  // 2 screens x 6 places
    {"Digit9",               9,   48, U8,    27,    0, 0, 0},  // 3 screens x 9 places
    {"Dig1",                 9,   76, U8,     4,    0, 0, 0},
    // Day scheme at 80, night scheme at 124, 44 bytes each: 16 RGB565 words, 12 role
    // bytes. The model copies its default schemes in.
    {"ColorScheme",          9,   80, Bytes, 88,    0, 0, 0},
    {"DispSpeed",            9,  170, S8,     1,    0, 0, 0},
    {"ActiveColorScheme",    9,  171, S8,     1,    1, 0, 0},
    // Four lists of ten MenuCodes: parameters, averages, parking, spare. The model fills
    // the defaults from the device menu table.
    {"HotMenu",              9,  172, U16,   40,    0, 0, 0},
    {"Intense",              9,  252, U8,     2,    0, 0, 0},
    {"SayEconomPeriod",      9,  254, S8,     1,    0, 0, 0},
    {"SayParamPeriod",       9,  255, S8,     1,    0, 0, 0},
    {"SayHelloMode",         9,  256, S8,     1,    0, 0, 0},
    {"SoundVolume",          9,  257, S8,     1,    0, 0, 0},
    {"FlagSound",            9,  258, S8,     1,    0, 0, 0},
    {"ColorMeth",            9,  259, U8,     1,    0, 4, 4},
    {"IntenseMeth",          9,  259, U8,     1,    0, 0, 4},
    {"IntenseDayTime",       9,  260, S16,    1,    0, 0, 0},  // minutes after midnight
    {"IntenseNightTime",     9,  262, S16,    1,    0, 0, 0},
    {"ShowDisp_1",           9,  264, U64,    1, 4294967295.0, 0, 0},  // low 32 bits set
    {"ShowDisp_6",           9,  272, U16,    1,    1, 0, 0},
    {"ShowDisp_S",           9,  274, U16,    1,  511, 0, 0},
    {"ShowDisp_4",           9,  276, U16,    1,   63, 0, 0},
    {"ShowDisp_9",           9,  278, U16,    1,    7, 0, 0},
    {"ExpPBLim",             9,  280, S16,    1,    8, 0, 0},  // L/h
};
// clang-format on

} // namespace

std::span<const FieldDef> fieldrows::DisplayRows() {
    return kRows;
}
