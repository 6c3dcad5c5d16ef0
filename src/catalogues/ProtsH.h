#pragma once

// The ECU protocol catalogue: the protocols a device model can talk to its engine control
// unit with, in the order the device numbers them. The settings store the 0-based position
// of the chosen protocol (section 10, `Protocol`), not its code.

#include "DeviceModels.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <bitset>
#include <cstdint>
#include <vector>

constexpr int MaxProtParams = 101;
constexpr int MaxProtBlocks = 101;
constexpr int SubtypeSelectorCount = 8;
constexpr int WideSubtypeSelector = 4;  // the one selector with more room
constexpr int MaxSubtypeItems = 21;     // choices of every other selector
constexpr int MaxWideSubtypeItems = 61; // choices of the wide selector
constexpr int NoFaultCodes = 1000;      // fault-code format of protocols without fault codes

// Protocol codes that mean "no ECU data at all".
constexpr std::uint8_t ProtCodeCarburettor = 0xFE;
constexpr std::uint8_t ProtCodeUniversal = 0xFF;

// One catalogue entry.
class TProtBase {
public:
    TProtBase(QString name, std::uint8_t code, int faultCodeFormat);

    QString Name;
    std::uint8_t Code = 0;
    std::vector<std::uint8_t> Params; // measured-parameter numbers, at most MaxProtParams
    std::vector<std::uint8_t> Blocks; // additional-system unit codes, at most MaxProtBlocks
    int FaultCodeFormat = 0;          // 0..10; NoFaultCodes or anything else: no texts

    // Sub-type selectors: an empty caption hides the selector; SubtypeItems[k] holds at
    // least SubtypeCount[k] texts (the digit presets fill what an entry does not name).
    std::array<QString, SubtypeSelectorCount> SubtypeCaption;
    std::array<int, SubtypeSelectorCount> SubtypeCount{};
    std::array<QStringList, SubtypeSelectorCount> SubtypeItems;

    bool CoolantWarnings = true;
    bool ReadyWarnings = true;
    bool AtOilTemp = false;
    bool EngOilTemp = false;
    bool FanControl = false;
    bool LightsOptions = false;
    bool MethodChoices = false;
    bool Hybrid = false;
    int EcuFuelLevels = 0; // 0..3 fuel-level readings supplied by the ECU
    bool HybridCooling = false;
    bool TrimMethod = false;
    bool AirTemperMethod = false;

    int ParamCount() const { return int(Params.size()); }
    int BlockCount() const { return int(Blocks.size()); }
    bool HasParam(int number) const;
    // The choices a selector offers: its first SubtypeCount texts; empty when hidden.
    QStringList Choices(int selector) const;

    // Appends a parameter number; 0 is ignored, a full list raises ERangeError.
    void AddParameter(std::uint8_t number);
    void AddBlock(std::uint8_t unitCode);
    // Gives a selector its caption and choice count (at most the selector's room).
    void SetSubtype(int selector, const QString& caption, int count);
    static int SubtypeRoom(int selector);
};

// The catalogue built for one device model, with that model's capabilities.
class TProtCatalogue {
public:
    // Empties the list and the capabilities, applies the model's row and appends the
    // model's entries. `protocol` is the stored position, of which only the low byte
    // counts; one beyond the list leaves no current entry.
    void Build(std::uint16_t deviceType, int protocol);

    std::uint16_t DeviceType() const { return deviceType_; }
    const TDeviceCaps& Caps() const { return caps_; }

    int Count() const { return int(entries_.size()); }
    // nullptr outside 0..Count()-1.
    const TProtBase* Entry(int position) const;
    // nullptr when the stored position lies beyond the list.
    const TProtBase* Current() const { return Entry(current_); }
    int CurrentPosition() const { return Current() ? current_ : -1; }
    // As Build: only the low byte of a stored position counts.
    void SetCurrent(int position) { current_ = position & 0xFF; }
    QStringList Names() const;

    // True when some entry of this model queries the unit with this code.
    bool UnitInUse(std::uint8_t unitCode) const { return unitsInUse_[unitCode]; }

private:
    std::uint16_t deviceType_ = 0;
    TDeviceCaps caps_;
    std::vector<TProtBase> entries_;
    int current_ = -1;
    std::bitset<256> unitsInUse_;
};

// The fault-code format of the entry a stored position picks in a device model's catalogue
// (only the low byte counts, as in Build); 0 when the position lies beyond the model's list
// or the model is unknown. Reads the master list alone: no catalogue is built.
int EntryFaultCodeFormat(std::uint16_t deviceType, int protocol);

// Section 10 places of the protocol choice (byte offsets in the 60-byte record).
constexpr int ProtocolOffset = 4;        // u16 position of the chosen protocol
constexpr int AppliedProtocolOffset = 6; // u16 copy made when a choice is applied
constexpr int SubtypeOffset = 12;        // eight u8 sub-type choices

// Applies a protocol chosen in the editor: stores the position in `Protocol` and its copy,
// resets the eight sub-type choices and makes the entry current. A position outside the
// catalogue raises ERangeError and changes nothing.
void SelectProtocol(TProtCatalogue& catalogue, QByteArray& section10, int position);
