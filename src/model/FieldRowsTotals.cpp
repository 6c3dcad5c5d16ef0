// Section 1 (164 bytes): the running totals, the odometer and engine-hour start values and
// the auto-reset periods. Section 2 (28 bytes): the two parking-radar channels, element 0
// the rear radar, element 1 the front one. Gaps between rows are reserved bytes, carried
// unchanged.

#include "FieldRows.h"

namespace {

using enum FieldType;

// clang-format off
// An adder is a run of u32 counters: time s, distance m, petrol mL, gas mL (the two
// "only" adders have three: time, distance and their own fuel). The adders and the five
// words behind them are the device's running totals.
constexpr FieldDef kRows[] = {
    // name                section offset type count default shift width device record
    {"AllSum",               1,    0, U32,    4,    0, 0, 0, true},
    {"TripSum",              1,   16, U32,    4,    0, 0, 0, true},
    {"ResetSum",             1,   32, U32,    4,    0, 0, 0, true},
    {"StopSum",              1,   48, U32,    4,    0, 0, 0, true},
    {"NoStopSum",            1,   64, U32,    4,    0, 0, 0, true},
    {"TankSum",              1,   80, U32,    4,    0, 0, 0, true},
    {"OilOnlySum",           1,   96, U32,    3,    0, 0, 0, true},
    {"GasOnlySum",           1,  108, U32,    3,    0, 0, 0, true},
    {"SumsReserve",          1,  120, U32,    5,    0, 0, 0, true},
    {"AllPathStart",         1,  144, S32,    1,    0, 0, 0},  // km
    {"AllTimeStart",         1,  148, S32,    1,    0, 0, 0},  // hours
    {"ResetPeriod",          1,  152, S8,     2,    0, 0, 0},  // days; [1] -1 = prohibited
    {"ResetPeriodOnly",      1,  158, S8,     1,   -1, 0, 0},

    {"ParkUse",              2,    0, U8,     2,    0, 0, 0},
    {"ParkSense",            2,    2, S8,     2,    0, 0, 0},
    {"ParkSpeed",            2,    4, S8,     2,    0, 0, 0},
    {"ParkMinLeng",          2,    6, S8,     2,    0, 0, 0},  // units of 10 cm
    {"ParkStopVel",          2,    8, S8,     2,    0, 0, 0},  // km/h
    {"ParkStopLeng",         2,   10, S8,     2,    0, 0, 0},  // units of 10 cm
    {"ParkBeepType",         2,   14, S8,     1,    0, 0, 0},
    {"ParkStopLengBeep",     2,   15, S8,     1,    0, 0, 0},  // units of 10 cm
    {"ParkForwConstOff",     2,   16, S8,     1,    0, 0, 0},
    {"ParkFarkopLen",        2,   17, S8,     1,    0, 0, 0},  // cm
    {"ParkProbesQntReal",    2,   20, S8,     2,    0, 0, 0},
};
// clang-format on

} // namespace

std::span<const FieldDef> fieldrows::TotalsRows() {
    return kRows;
}
