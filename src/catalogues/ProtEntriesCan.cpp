// Protocol master list 1..28: CAN buses of domestic and Toyota-family ECUs, hybrids, J1939.

#include "ProtEntryDefs.h"

namespace prot {
namespace {

using enum Caption;
using enum Choices;

// clang-format off
constexpr EntryDef Rows[] = {
    /*   1 */ {"M74CAN", nullptr, 0x0B, 1, {17, 18, 25, 20, 33, 22, 23, 24, 36, 37, 19}, {{1, FanChannel, 3, Fan3}, {4, AtOilTemper, 4, AtJatco}}, AtOil, 2},
    /*   2 */ {"M74.8", nullptr, 0x07, 1, {17, 18, 25, 20, 33, 22, 23, 24, 19}, {{1, FanChannel, 5, Fan5}}, 0, 0},
    /*   3 */ {"M86", nullptr, 0x10, 1, {17, 25, 20, 33, 22, 23, 24, 36, 37, 19}, {{1, FanChannel, 3, Fan3}, {4, AtOilTemper, 4, AtJatco}}, AtOil, 3},
    /*   4 */ {"UAZ 17971E5", "УАЗ 17971E5", 0x12, 1, {17, 18, 25, 20, 33, 22, 23, 24, 19, 37, 36}, {{1, FanChannel, 3, Fan3}, {4, AtOilTemper, 3, AtCaptiva}}, AtOil, 0},
    /*   5 */ {"UAZ AECS D", "УАЗ AECS D", 0xB4, 1, {17, 18, 19, 25, 20, 33, 22, 23, 24, 37, 21, 36}, {{4, AtOilTemper, 3, AtCaptiva}}, AtOil, 0},
    /*   6 */ {"M86Pro", nullptr, 0xB5, 1, {17, 18, 25, 20, 33, 22, 23, 24, 36, 37, 19}, {{1, FanChannel, 3, Fan3}, {4, AtOilTemper, 3, AtCaptiva}}, AtOil, 1},
    /*   7 */ {"CAN Toyota", nullptr, 0x0C, 0, {17, 18, 19, 24, 25, 27, 20, 22, 23, 36}, {{1, CanRate, 2, Rates41}, {4, AtOilTemper, 6, AtToyota}}, AtOil, 0},
    /*   8 */ {"Estima20", nullptr, 0xE6, 0, {17, 18, 19, 24, 25, 27, 20, 22, 23, 36, 44, 45, 46, 47, 48, 49, 50, 51, 53, 54, 63, 64}, {{1, CanRate, 2, Rates41}, {4, AtOilTemper, 6, AtToyota}}, AtOil | Hybrid | HybridCool, 0},
    /*   9 */ {"Toyota Sai", nullptr, 0xEA, 0, {17, 18, 19, 24, 25, 27, 20, 22, 23, 36, 44, 45, 46, 47, 48, 49, 53, 54, 63}, {{1, CanRate, 2, Rates41}, {4, AtOilTemper, 6, AtToyota}}, AtOil | Hybrid, 0},
    /*  10 */ {"Prius2.0", nullptr, 0xE7, 0, {17, 18, 19, 24, 25, 27, 20, 22, 23, 36, 44, 45, 46, 47, 48, 49, 52, 53, 54, 63, 64}, {{1, CanRate, 2, Rates41}, {4, AtOilTemper, 6, AtToyota}}, AtOil | Hybrid | HybridCool, 0},
    /*  11 */ {"Prius3.0", nullptr, 0xE8, 0, {17, 18, 19, 24, 25, 27, 20, 22, 23, 36, 37, 44, 45, 46, 47, 48, 49, 52, 53, 54, 63, 64}, {{1, CanRate, 2, Rates41}, {4, AtOilTemper, 51, AtLong}}, AtOil | Hybrid | AirTemper, 0},
    /*  12 */ {"Lex RX450H", nullptr, 0xEB, 0, {17, 18, 19, 24, 25, 27, 20, 22, 23, 36, 37, 44, 45, 46, 47, 48, 52, 53, 54, 63, 64}, {{1, CanRate, 2, Rates41}, {4, AtOilTemper, 51, AtLong}}, AtOil | Hybrid, 0},
    /*  13 */ {"Harrier", nullptr, 0xEC, 0, {17, 18, 19, 24, 25, 27, 20, 22, 23, 36, 37, 44, 45, 46, 47, 48, 49, 52, 53, 54, 63, 64}, {{1, CanRate, 2, Rates41}, {4, AtOilTemper, 51, AtLong}}, AtOil | Hybrid, 0},
    /*  14 */ {"Prius3.5", nullptr, 0xED, 0, {17, 18, 19, 24, 25, 27, 20, 22, 23, 36, 37, 44, 45, 46, 47, 48, 49, 52, 53, 54, 63, 64}, {{1, CanRate, 2, Rates41}, {4, AtOilTemper, 51, AtLong}}, AtOil | Hybrid, 0},
    /*  15 */ {"Lex RX400H", nullptr, 0xE9, 0, {17, 18, 19, 24, 25, 27, 20, 22, 23, 36, 44, 45, 46, 47, 48, 50, 51, 53, 54, 63}, {{1, CanRate, 2, Rates41}, {4, AtOilTemper, 6, AtToyota}}, AtOil | Hybrid, 0},
    /*  16 */ {"Prius5.0", nullptr, 0xEE, 0, {17, 18, 19, 24, 25, 27, 20, 22, 23, 44, 45, 46, 47, 48, 49, 52, 53, 54, 63, 64}, {{1, CanRate, 2, Rates41}, {4, AtOilTemper, 51, AtLong}}, AtOil | Hybrid | AirTemper, 0},
    /*  17 */ {"Prius5.1", nullptr, 0xF0, 0, {17, 18, 19, 24, 25, 27, 20, 22, 23, 44, 45, 46, 47, 48, 49, 52, 53, 54, 63, 64}, {{1, CanRate, 2, Rates41}, {4, AtOilTemper, 51, AtLong}}, AtOil | Hybrid | AirTemper, 0},
    /*  18 */ {"Prius5.2", nullptr, 0xF3, 0, {17, 18, 19, 24, 25, 27, 20, 22, 23, 44, 45, 46, 47, 48, 49, 52, 53, 54, 63, 64}, {{1, CanRate, 2, Rates41}, {4, AtOilTemper, 51, AtLong}}, AtOil | Hybrid | AirTemper, 0},
    /*  19 */ {"Camry 4.0", nullptr, 0xEF, 0, {17, 18, 19, 24, 25, 27, 20, 22, 23, 36, 44, 45, 46, 47, 48, 49, 52, 53, 54}, {{1, CanRate, 2, Rates41}, {4, AtOilTemper, 6, AtToyota}}, AtOil | Hybrid, 0},
    /*  20 */ {"Lex GS450H", nullptr, 0xF1, 0, {17, 18, 19, 24, 25, 27, 20, 22, 23, 36, 44, 45, 46, 47, 48, 49, 51, 53, 54, 63}, {{1, CanRate, 2, Rates41}, {4, AtOilTemper, 6, AtToyota}}, AtOil | Hybrid, 0},
    /*  21 */ {"Estima10", nullptr, 0xF2, 0, {17, 44, 45, 46, 47, 48, 49, 52, 53, 54, 63}, {}, Hybrid | HybridCool, 0},
    /*  22 */ {"CAN Ford", nullptr, 0x0F, 0, {17, 18, 19, 24, 25, 27, 20, 22, 23, 36, 37, 38, 39}, {{3, ThrottleType, 6, Digits}}, 0, 0},
    /*  23 */ {"CAN Subaru1", nullptr, 0x05, 0, {17, 18, 19, 24, 25, 27, 20}, {}, 0, 0},
    /*  24 */ {"CAN Subaru2", nullptr, 0x06, 0, {17, 18, 19, 24, 25, 27, 20, 22, 23, 21}, {}, 0, 0},
    /*  25 */ {"EDC16 Iveco", nullptr, 0x0D, 1, {17, 18, 24, 25, 20, 35, 38}, {{1, CanRate, 2, Digits}}, 0, 0},
    /*  26 */ {"CAN", nullptr, 0x01, 0, {17, 18, 19, 24, 25, 27, 20, 22, 23, 36, 37}, {{1, CanRate, 2, Rates41}, {2, ExpenseCalc, 6, CanExpense}, {3, ThrottleType, 6, Digits}, {4, AtOilTemper, 51, AtLong}}, AtOil, 3},
    /*  27 */ {"EMS3125", nullptr, 0x11, 0, {17, 18, 19, 24, 25, 20, 33, 27, 38, 37, 22, 23, 36}, {{2, ExpenseCalc, 2, Digits}, {4, AtOilTemper, 3, Digits}}, 0, 0},
    /*  28 */ {"J1939", nullptr, 0x0E, 5, {17, 19, 27, 24, 37}, {{2, ExpenseCalc, 3, Digits}}, 0, 0},
};
// clang-format on

} // namespace

std::span<const EntryDef> CanEntries() {
    return Rows;
}

} // namespace prot
