#pragma once

// Row types of the protocol master list and its companion tables (catalogue internals).

#include <QStringList>
#include <cstdint>
#include <span>
#include <vector>

namespace prot {

// Sub-type selector captions.
enum class Caption : std::uint8_t {
    None,
    Type,
    ObdType,
    ProtocolType,
    OsType,
    Os2Type,
    CoolantVar,
    CoolAirVar,
    ISregVar,
    FaultsType,
    ThrottleType,
    FaultsRequest,
    EngineType,
    FanChannel,
    ExpenseCalc,
    CanRate,
    AtOilTemper,
    Engine,
};

// Choice texts of a selector; Digits keeps the presets.
enum class Choices : std::uint8_t {
    Digits,
    Fan3,         // "1", "2", "1+2"
    Fan5,         // "1", "2", "1+2", "3", "4"
    AtJatco,      // gearboxes of the domestic ECUs
    AtCaptiva,    // gearboxes of the UAZ ECUs
    Rates41,      // CAN requests a second: "4", "1"
    AtToyota,     // short gearbox preset
    AtLong,       // long gearbox / vehicle preset
    CanExpense,   // consumption calculation of the generic CAN entry
    AutoMan,      // fault request: automatic or by hand
    ExpenseCruis, // consumption calculation of the OBD entries
    TobdProtocol,
    TobdCoolant,
    TobdISreg,
    SsYongDiesel,
    Os2,
    PetrolDiesel,
    Type12,
    Type21,
};

struct SelectorDef {
    std::int8_t index; // selector 0..7
    Caption caption;   // Caption::None ends the list
    std::uint8_t count;
    Choices choices;
};

enum EntryFlag : std::uint16_t {
    NoCoolant = 1 << 0, // CoolantWarnings cleared
    NoReady = 1 << 1,   // ReadyWarnings cleared
    AtOil = 1 << 2,
    Hybrid = 1 << 3,
    HybridCool = 1 << 4,
    AirTemper = 1 << 5,
};

constexpr int MaxOwnParams = 24;
constexpr int MaxSelectors = 4;

struct EntryDef {
    const char* name;
    const char* nameRu; // nullptr: the same in both languages
    std::uint8_t code;
    std::int16_t faultFormat;
    std::uint8_t params[MaxOwnParams]; // own parameters, ended by 0
    SelectorDef selectors[MaxSelectors];
    std::uint16_t flags;
    std::uint8_t fuelLevels;
};

// Master list, split by family; master number n is row n - 1 of the concatenation.
std::span<const EntryDef> CanEntries();   // 1..28
std::span<const EntryDef> KLineEntries(); // 29..98
std::span<const EntryDef> OtherEntries(); // 99..111
constexpr int MasterCount = 111;
// nullptr outside 1..MasterCount.
const EntryDef* MasterEntry(int number);

// Unit codes of the additional systems an entry queries; empty where not known.
std::span<const std::uint8_t> MasterBlocks(int number);

QString CaptionText(Caption c);
// Texts of a choice set (Digits gives an empty list).
QStringList ChoiceTexts(Choices c);

// Entry numbers of a model's catalogue in order; empty for an unknown code.
std::vector<std::uint8_t> ModelEntries(std::uint16_t deviceType);
// Parameters a model adds to every entry after the entry's own.
std::span<const std::uint8_t> ModelExtraParams(std::uint16_t deviceType);

} // namespace prot
