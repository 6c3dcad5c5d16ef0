// Protocol master list 99..111: outboard engines, "L" variants, carburettor and universal.

#include "ProtEntryDefs.h"

namespace prot {
namespace {

using enum Caption;
using enum Choices;

// clang-format off
constexpr EntryDef Rows[] = {
    /*  99 */ {"Delphi", nullptr, 0xDC, 1, {17, 19, 25, 20, 22, 23, 21, 24}, {}, 0, 0},
    /* 100 */ {"Delphi1", nullptr, 0xDD, 1, {17, 19, 25, 20, 22, 23, 21, 24}, {}, 0, 0},
    /* 101 */ {"Yamaha", nullptr, 0xDE, 2, {19, 25, 20, 22, 21, 24, 35, 57, 58, 41}, {}, NoCoolant, 0},
    /* 102 */ {"Suzuki", nullptr, 0xDF, 2, {19, 25, 20, 21, 24, 59, 37, 38, 41}, {}, NoCoolant, 0},
    /* 103 */ {"Honda", nullptr, 0xE0, 10, {20, 21, 19, 22, 24, 25, 60, 61, 38}, {}, NoCoolant, 0},
    /* 104 */ {"Evinrude", nullptr, 0xE1, 2, {20, 24, 41, 60, 61}, {}, 0, 0},
    /* 105 */ {"Evinrude2", nullptr, 0xE4, 2, {20, 24, 57}, {}, 0, 0},
    /* 106 */ {"74L", nullptr, 0xAB, 1, {17, 20, 36, 37}, {{1, FanChannel, 3, Fan3}, {4, AtOilTemper, 4, AtJatco}}, AtOil, 1},
    /* 107 */ {"86L", nullptr, 0xAC, 1, {17, 20, 36, 37}, {{1, FanChannel, 3, Fan3}, {4, AtOilTemper, 4, AtJatco}}, AtOil, 1},
    /* 108 */ {"Hidea", nullptr, 0xE2, 1, {17, 18, 19, 25, 20, 22, 21, 24}, {}, NoReady, 0},
    /* 109 */ {"Carb.", "Карб.", 0xFE, 1000, {}, {}, NoCoolant | NoReady, 0},
    /* 110 */ {"Yam2018", nullptr, 0xE3, 2, {17, 27, 37, 35, 38, 41, 42}, {}, 0, 0},
    /* 111 */ {"Uni.", "Универс.", 0xFF, 1000, {}, {}, NoCoolant | NoReady, 0},
};
// clang-format on

} // namespace

std::span<const EntryDef> OtherEntries() {
    return Rows;
}

} // namespace prot
