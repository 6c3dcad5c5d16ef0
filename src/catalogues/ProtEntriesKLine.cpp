// Protocol master list 29..98: K-line and older diagnostic buses, VAG, OBD, Opel, Asian makes.

#include "ProtEntryDefs.h"

namespace prot {
namespace {

using enum Caption;
using enum Choices;

// clang-format off
constexpr EntryDef Rows[] = {
    /*  29 */ {"Crysler", "Крайслер", 0x15, 0, {17, 20, 18, 21}, {{1, FaultsRequest, 2, Digits}}, 0, 0},
    /*  30 */ {"J1850", nullptr, 0x16, 0, {17, 20, 18, 22, 19}, {}, 0, 0},
    /*  31 */ {"TOBD1", nullptr, 0x1B, 1000, {17, 20, 28, 19, 25, 21, 29, 31, 30}, {{1, ProtocolType, 3, TobdProtocol}, {2, CoolantVar, 2, TobdCoolant}, {3, ISregVar, 2, TobdISreg}}, 0, 0},
    /*  32 */ {"Mikas", "Микас", 0x1D, 3, {17, 18, 26, 20, 21, 25}, {}, 0, 0},
    /*  33 */ {"DAEWOO-1", "ДЭУ-1", 0x1F, 2, {17, 20, 21}, {}, 0, 0},
    /*  34 */ {"DAEWOO-2", "ДЭУ-2", 0x20, 2, {17, 20, 21}, {}, 0, 0},
    /*  35 */ {"DAEWOO-3", "ДЭУ-3", 0x21, 2, {17, 20, 21}, {}, 0, 0},
    /*  36 */ {"Nissan", nullptr, 0x24, 1, {17, 18, 22, 23}, {}, 0, 0},
    /*  37 */ {"Aveo", nullptr, 0x25, 7, {17, 20, 21}, {{2, FaultsType, 3, Digits}}, 0, 0},
    /*  38 */ {"Aveo 2", nullptr, 0x26, 7, {17, 20, 32, 19, 18, 27, 24, 25, 22, 23, 21, 37}, {{2, FaultsType, 3, Digits}}, 0, 0},
    /*  39 */ {"Mikas 10.3", "Микас 10.3", 0x30, 1, {17, 18, 25, 20, 33, 22, 23, 21, 27, 19, 24}, {{1, FanChannel, 3, Digits}}, 0, 0},
    /*  40 */ {"10/11Corvet", "10/11Корвет", 0x33, 1, {17, 25, 20, 21, 38, 37, 35}, {}, 0, 0},
    /*  41 */ {"Jan", "Январь", 0x29, 1, {17, 18, 25, 20, 22, 21}, {{1, FanChannel, 4, Digits}}, 0, 0},
    /*  42 */ {"Mikas 7.6", "Микас 7.6", 0x2A, 1, {17, 18, 25, 20, 22, 21, 19, 24}, {{1, FanChannel, 3, Digits}}, 0, 0},
    /*  43 */ {"Микас 11", nullptr, 0x2B, 1, {17, 18, 20, 21}, {{1, FanChannel, 3, Digits}}, 0, 0},
    /*  44 */ {"M74", nullptr, 0x2C, 1, {17, 18, 25, 20, 33, 22, 23, 24}, {{1, FanChannel, 3, Digits}}, 0, 0},
    /*  45 */ {"Bosch M7.9.7", "Бош M7.9.7", 0x2D, 1, {17, 18, 25, 20, 22, 23, 21, 24, 27}, {{1, FanChannel, 3, Digits}}, 0, 0},
    /*  46 */ {"Mikas 11E3", "Микас 11E3", 0x2E, 1, {17, 18, 20, 21, 22}, {{1, FanChannel, 3, Digits}}, 0, 0},
    /*  47 */ {"M12", nullptr, 0x2F, 1, {17, 24, 18, 22, 23, 20, 33, 25}, {{1, FanChannel, 3, Digits}, {2, ExpenseCalc, 2, Digits}}, 0, 0},
    /*  48 */ {"UAZ1797", nullptr, 0x31, 1, {17, 18, 25, 20, 33, 24, 22, 23}, {{1, FanChannel, 3, Digits}}, 0, 0},
    /*  49 */ {"EDC16 ЗМЗ", nullptr, 0x32, 1, {17, 18, 20, 27, 24, 35}, {}, 0, 0},
    /*  50 */ {"Bosch M7.0", "Бош M7.0", 0x3D, 1, {17, 18, 25, 20, 22, 21}, {}, 0, 0},
    /*  51 */ {"Sonata", nullptr, 0x3E, 1, {17, 19, 25, 20, 22, 21, 24, 18}, {{0, Type, 2, Type12}}, 0, 0},
    /*  52 */ {"Bosch", nullptr, 0x3F, 1, {17, 20, 21, 22, 19, 24}, {{1, FanChannel, 3, Digits}}, 0, 0},
    /*  53 */ {"Tiggo", nullptr, 0x3F, 1, {17, 20, 21, 22, 19, 24}, {{1, FanChannel, 3, Digits}}, 0, 0},
    /*  54 */ {"Subaru", nullptr, 0x40, 4, {17, 20, 27, 21, 22, 23, 19, 25, 28}, {{3, Os2Type, 2, Os2}}, 0, 0},
    /*  55 */ {"Renault", "Рено", 0x41, 1, {17, 20, 22, 23, 19, 24, 21}, {}, 0, 0},
    /*  56 */ {"VAG 1", nullptr, 0x52, 8, {17, 20, 19, 24, 18}, {}, 0, 0},
    /*  57 */ {"VAG 2", nullptr, 0x53, 8, {17, 20, 22, 18}, {}, 0, 0},
    /*  58 */ {"VAG 3", nullptr, 0x54, 8, {17, 20, 22, 23, 18, 27, 24}, {}, 0, 0},
    /*  59 */ {"VAG 4", nullptr, 0x55, 8, {17, 20, 19, 27}, {}, 0, 0},
    /*  60 */ {"VAG 5", nullptr, 0x56, 8, {17, 20, 24, 27}, {}, 0, 0},
    /*  61 */ {"VAG 6", nullptr, 0x57, 8, {17, 20, 24, 27, 22}, {}, 0, 0},
    /*  62 */ {"VAG 7", nullptr, 0x58, 8, {17, 20, 18, 24, 27, 22, 23}, {}, 0, 0},
    /*  63 */ {"VAG 8", nullptr, 0x59, 8, {17, 20, 18, 22}, {}, 0, 0},
    /*  64 */ {"VAG 9", nullptr, 0x5A, 8, {17, 20, 27, 22, 24}, {}, 0, 0},
    /*  65 */ {"VAG 10", nullptr, 0x5B, 8, {17, 20, 18, 22, 24}, {}, 0, 0},
    /*  66 */ {"VAG 11", nullptr, 0x5C, 8, {17, 20, 27, 23, 24}, {}, 0, 0},
    /*  67 */ {"VAG 12", nullptr, 0x5D, 8, {17, 20, 18, 27, 22, 23, 24}, {{1, OsType, 2, Digits}}, 0, 0},
    /*  68 */ {"VAG 13", nullptr, 0x5E, 8, {17, 27, 22, 24}, {}, 0, 0},
    /*  69 */ {"VAG 14", nullptr, 0x5F, 8, {17, 18, 27, 22, 23, 24}, {}, 0, 0},
    /*  70 */ {"GreatWall", nullptr, 0x51, 2, {17, 19, 22, 24, 21}, {}, 0, 0},
    /*  71 */ {"VAG CE", nullptr, 0x60, 8, {}, {}, NoCoolant, 0},
    /*  72 */ {"Mitsu3", nullptr, 0x65, 0, {17, 20, 19, 18}, {}, 0, 0},
    /*  73 */ {"OBD2E", nullptr, 0x66, 0, {17, 20, 22, 19, 18, 24}, {}, 0, 0},
    /*  74 */ {"OBD2Q", nullptr, 0x67, 0, {17, 20, 22, 19, 18, 24}, {{0, ObdType, 6, Digits}, {1, FaultsRequest, 2, AutoMan}, {2, ExpenseCalc, 2, ExpenseCruis}, {3, ThrottleType, 6, Digits}}, 0, 0},
    /*  75 */ {"OBD2S", nullptr, 0x68, 0, {17, 20, 19, 18, 24}, {{0, ObdType, 6, Digits}, {1, FaultsRequest, 2, AutoMan}, {2, ExpenseCalc, 2, ExpenseCruis}, {3, ThrottleType, 6, Digits}}, 0, 0},
    /*  76 */ {"OBD2P", nullptr, 0x69, 0, {17, 20, 19, 18, 24}, {{0, ObdType, 6, Digits}, {1, FaultsRequest, 2, AutoMan}, {2, ExpenseCalc, 2, ExpenseCruis}, {3, ThrottleType, 6, Digits}}, 0, 0},
    /*  77 */ {"Toyota", nullptr, 0x6F, 0, {17, 20, 19, 18, 22, 21, 24, 36}, {{4, AtOilTemper, 2, Digits}}, 0, 0},
    /*  78 */ {"Toyota1", nullptr, 0x71, 0, {17, 20, 18, 22}, {{1, FaultsRequest, 2, Digits}}, 0, 0},
    /*  79 */ {"Daihatsu", nullptr, 0x70, 0, {17, 20, 19, 18, 22, 23, 24}, {}, 0, 0},
    /*  80 */ {"Mitsu 1", nullptr, 0x74, 9, {17, 20, 22, 23, 24, 27, 21}, {{2, FaultsType, 3, Digits}, {3, CoolAirVar, 2, Digits}}, 0, 0},
    /*  81 */ {"Mitsu 2", nullptr, 0x75, 9, {17, 20, 19, 18, 24}, {{2, FaultsType, 3, Digits}, {3, ExpenseCalc, 2, Digits}}, 0, 0},
    /*  82 */ {"Mitsu 5", nullptr, 0x76, 9, {17, 20, 22, 23, 24, 27, 21}, {{2, FaultsType, 3, Digits}}, 0, 0},
    /*  83 */ {"Opel 1", nullptr, 0x79, 1, {17, 20, 21, 22, 24, 27, 19}, {}, 0, 0},
    /*  84 */ {"Opel 2", nullptr, 0x7A, 1, {17, 20, 21, 24, 22, 25, 18}, {}, 0, 0},
    /*  85 */ {"Opel 3", nullptr, 0x7B, 1, {17, 20, 21, 22, 24, 25, 18}, {}, 0, 0},
    /*  86 */ {"Opel 4", nullptr, 0x7C, 1, {17, 20, 22, 24, 25}, {{3, CoolantVar, 2, Digits}}, 0, 0},
    /*  87 */ {"Opel 5", nullptr, 0x7D, 1, {17, 20, 22, 24, 25, 18}, {}, 0, 0},
    /*  88 */ {"Opel 6", nullptr, 0x7E, 1, {17, 20, 22, 24, 25, 19}, {}, 0, 0},
    /*  89 */ {"Opel 7", nullptr, 0x7F, 1, {17, 20, 24, 18}, {}, 0, 0},
    /*  90 */ {"Opel 8", nullptr, 0x80, 1, {17, 20, 21, 24, 22, 25, 18}, {}, 0, 0},
    /*  91 */ {"SsYong бен", nullptr, 0x83, 1, {17, 20, 22, 27, 18, 24}, {}, 0, 0},
    /*  92 */ {"SsYong диз", nullptr, 0x84, 1, {17, 20, 18, 24}, {{0, ProtocolType, 5, SsYongDiesel}}, 0, 0},
    /*  93 */ {"Mitsu 4", nullptr, 0x8B, 0, {17, 20, 22, 23, 24, 27, 21}, {{1, EngineType, 2, PetrolDiesel}, {2, FaultsType, 2, Digits}}, 0, 0},
    /*  94 */ {"Consult1", nullptr, 0x8D, 2, {17, 20, 28, 21, 22, 24, 25, 19}, {{2, ExpenseCalc, 2, Digits}}, 0, 0},
    /*  95 */ {"Consult1D", nullptr, 0x8E, 2, {17, 20, 28, 24, 19}, {{2, ExpenseCalc, 2, Digits}}, 0, 0},
    /*  96 */ {"Honda", nullptr, 0x97, 2, {17, 20, 22, 21, 19, 24, 25}, {{1, Type, 2, Type21}}, 0, 0},
    /*  97 */ {"Suzuki", nullptr, 0x98, 2, {17, 20, 22, 21, 18, 24}, {}, 0, 0},
    /*  98 */ {"OBDPWM", nullptr, 0xA2, 0, {17, 20, 18, 22, 19}, {}, 0, 0},
};
// clang-format on

} // namespace

std::span<const EntryDef> KLineEntries() {
    return Rows;
}

} // namespace prot
