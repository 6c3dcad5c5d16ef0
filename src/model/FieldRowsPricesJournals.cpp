// Section 7 (860 bytes): trip prices and options, the trip and refuelling journals.
// Section 8 (40 bytes): the sound of each warning. Section 10 (60 bytes): the ECU protocol
// choice and what the device learned about the ECU. Gaps between rows are reserved bytes,
// carried unchanged.

#include "FieldRows.h"

namespace {

using enum FieldType;

// clang-format off
constexpr FieldDef kRows[] = {
    // name                   section offset type count default shift width
    {"PriceExpense",            7,    0, S16,    1,  250, 0, 0},  // tenths per litre
    {"PriceTime",               7,    2, S16,    1,    0, 0, 0},  // units per hour
    {"PricePath",               7,    4, S16,    1,   30, 0, 0},  // tenths per km
    {"PriceGas",                7,    6, S16,    1,    0, 0, 0},  // tenths per litre
    {"TripShowFlag",            7,    8, U8,     1,    0, 0, 0},
    {"TripJournAuto",           7,    9, U8,     1,    0, 0, 0},
    {"TripMinStop",             7,   10, S16,    1,    0, 0, 0},  // units of 5
    // 21 journal records of 20 bytes each; sample records: SectionDefaults.cpp.
    // The device's own records.
    {"TripJournal",             7,   16, Bytes, 420,    0, 0, 0, true},
    {"TankJournal",             7,  436, Bytes, 420,    0, 0, 0, true},

    // One byte per warning: bits 0..2 the first warning's sound, 3..5 the repeats'.
    {"AlarmSound",              8,    0, U8,    32,    0, 0, 0},
    {"AlarmSound_F",            8,    0, U8,    32,    0, 0, 3},
    {"AlarmSound_N",            8,    0, U8,    32,    0, 3, 3},
    {"AlarmVelSecNoSayMax",     8,   32, S8,     1,    0, 0, 0},

    // Set by the device; read only in the editor.
    {"ProtocolFlags",          10,    0, U32,    1,    0, 0, 0},
    {"NeedProtAutoDetect",     10,    0, U32,    1,    0, 0, 1},
    {"NeedPidDetect",          10,    0, U32,    1,    0, 1, 1},
    {"NeedVirtCalcDetect",     10,    0, U32,    1,    0, 2, 1},
    {"Protocol",               10,    4, U16,    1,    0, 0, 0},
    {"PrevProtocol",           10,    6, U16,    1,    0, 0, 0},  // copy of Protocol
    {"ProtocolSelectMeth",     10,    8, S8,     1,    0, 0, 0},
    {"EcuAddress",             10,    9, U8,     1,    0, 0, 0},  // read only
    {"VirtualExpense",         10,   10, U8,     1,    0, 0, 0},  // read only
    {"ProtTypeMain",           10,   12, U8,     1,    0, 0, 0},
    {"ProtTypeAdd1",           10,   13, U8,     1,    0, 0, 0},
    {"ProtTypeAdd2",           10,   14, U8,     1,    0, 0, 0},
    {"ProtTypeAdd3",           10,   15, U8,     1,    0, 0, 0},
    {"ProtTypeAdd4",           10,   16, U8,     1,    0, 0, 0},
    {"ProtTypeAdd5",           10,   17, U8,     1,    0, 0, 0},
    {"ProtTypeAdd6",           10,   18, U8,     1,    0, 0, 0},
    {"ProtTypeAdd7",           10,   19, U8,     1,    0, 0, 0},
    {"PidsConsult",            10,   20, U16,    1,    0, 0, 0},  // read only
    {"StartThrottle",          10,   22, S16,    1,    0, 0, 0},  // read only
    // Supported-PID bitmap; shown as big-endian words, so kept as bytes.
    {"PidMap",                 10,   24, Bytes,  32,    0, 0, 0},
};
// clang-format on

} // namespace

std::span<const FieldDef> fieldrows::PricesJournalsRows() {
    return kRows;
}
