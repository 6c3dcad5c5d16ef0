#include "DeviceModels.h"

#include <algorithm>
#include <array>

namespace {

enum CapBit : std::uint32_t {
    NoPark = 1u << 0,
    NoGas = 1u << 1,
    NoGasMeth = 1u << 2,
    NoJamStats = 1u << 3,
    AddSystems = 1u << 4,
    NoLights = 1u << 5,
    NoAirTemp = 1u << 6,
    NoSpeedSensor = 1u << 7,
    PowerReserve = 1u << 8,
    SpeedLockRule = 1u << 9,
    GPS = 1u << 10,
    Trim = 1u << 11,
    NoVoice = 1u << 12,
    TSCounter = 1u << 13,
    LowBeam = 1u << 14,
    VAG = 1u << 15,
    AltPalette = 1u << 16,
    NoVel100 = 1u << 17,
    CorrUOZ = 1u << 18,
    AutoOBD = 1u << 19,
    AutoOpel = 1u << 20,
    AccelCalib = 1u << 21,
};

struct CapMember {
    std::uint32_t bit;
    bool TDeviceCaps::*member;
};

// CapUniInput, CapTaximeter, CapVariator and CapNMEA have no bit: no model sets them.
constexpr CapMember CapMembers[] = {
    {NoPark, &TDeviceCaps::CapNoPark},
    {NoGas, &TDeviceCaps::CapNoGas},
    {NoGasMeth, &TDeviceCaps::CapNoGasMeth},
    {NoJamStats, &TDeviceCaps::CapNoJamStats},
    {AddSystems, &TDeviceCaps::CapAddSystems},
    {NoLights, &TDeviceCaps::CapNoLights},
    {NoAirTemp, &TDeviceCaps::CapNoAirTemp},
    {NoSpeedSensor, &TDeviceCaps::CapNoSpeedSensor},
    {PowerReserve, &TDeviceCaps::CapPowerReserve},
    {SpeedLockRule, &TDeviceCaps::CapSpeedLockRule},
    {GPS, &TDeviceCaps::CapGPS},
    {Trim, &TDeviceCaps::CapTrim},
    {NoVoice, &TDeviceCaps::CapNoVoice},
    {TSCounter, &TDeviceCaps::CapTSCounter},
    {LowBeam, &TDeviceCaps::CapLowBeam},
    {VAG, &TDeviceCaps::CapVAG},
    {AltPalette, &TDeviceCaps::CapAltPalette},
    {NoVel100, &TDeviceCaps::CapNoVel100},
    {CorrUOZ, &TDeviceCaps::CapCorrUOZ},
    {AutoOBD, &TDeviceCaps::CapAutoOBD},
    {AutoOpel, &TDeviceCaps::CapAutoOpel},
    {AccelCalib, &TDeviceCaps::CapAccelCalib},
};

struct DeviceRow {
    std::uint16_t code;
    const char* designation;
    std::uint32_t caps;
};

// The models fall into families that share most flags.
constexpr std::uint32_t LowBeamFamily =
    NoGasMeth | AddSystems | NoAirTemp | NoSpeedSensor | LowBeam;
constexpr std::uint32_t MarineFamily =
    NoPark | NoGas | NoJamStats | NoLights | TSCounter | NoVoice | AltPalette | NoVel100;
constexpr std::uint32_t VagFamily = AddSystems | VAG | CorrUOZ | AutoOBD;

// clang-format off
constexpr DeviceRow DeviceRows[] = {
    {0x4000, "TC-4000", NoGas | AddSystems | NoVoice},
    {0x4010, "TC-4010", LowBeamFamily | NoVoice},
    {0x4020, "TC-4020", LowBeamFamily | NoVoice},
    {0x4100, "TC-4100", NoGas | AddSystems},
    {0x4110, "TC-4110", LowBeamFamily},
    {0x4120, "TC-4120", LowBeamFamily},
    {0x4200, "TC-4200", LowBeamFamily | CorrUOZ},
    {0x4210, "TC-4210", LowBeamFamily | CorrUOZ},
    {0x4300, "TC-4300", LowBeamFamily | CorrUOZ | NoVoice},
    {0x4310, "TC-4310", LowBeamFamily | CorrUOZ | NoVoice},
    {0x4400, "TC-4400", AddSystems | CorrUOZ | AutoOBD},
    {0x4500, "TC-4500", AddSystems | CorrUOZ | AutoOBD | NoVoice},
    {0x4600, "TC-4600", VagFamily},
    {0x4610, "TC-4610", VagFamily},
    {0x4700, "TC-4700", VagFamily | NoVoice},
    {0x4710, "TC-4710", VagFamily | NoVoice},
    {0x4800, "TC-4800", VagFamily | NoVoice | NoPark},
    {0x4810, "TC-4810", VagFamily | NoVoice | NoPark},
    {0x5000, "TC-5000", MarineFamily | PowerReserve | SpeedLockRule | GPS | Trim},
    {0x5100, "TC-5100", MarineFamily | NoAirTemp | AutoOBD | AccelCalib},
    {0x5200, "TC-5200", MarineFamily | NoAirTemp | PowerReserve | AccelCalib},
    {0x5800, "TC-5800", MarineFamily | PowerReserve | SpeedLockRule | GPS | Trim | AutoOBD | AccelCalib},
    {0x8000, "TC-8000", VagFamily | AutoOpel},
    {0x8001, "TC-8001", VagFamily | AutoOpel},
    {0x8080, "TC-8080", AddSystems},
    {0x8100, "TC-8100", AddSystems | CorrUOZ | AutoOBD | NoVoice},
    {0x8180, "TC-8180", AddSystems | NoVoice},
    {0x8200, "TC-8200", VagFamily | AutoOpel},
};
// clang-format on

constexpr auto Codes = [] {
    std::array<std::uint16_t, std::size(DeviceRows)> codes{};
    for (std::size_t i = 0; i < codes.size(); ++i)
        codes[i] = DeviceRows[i].code;
    return codes;
}();

const DeviceRow* FindRow(std::uint16_t deviceType) {
    const auto* it = std::find_if(std::begin(DeviceRows), std::end(DeviceRows),
                                  [&](const DeviceRow& r) { return r.code == deviceType; });
    return it == std::end(DeviceRows) ? nullptr : it;
}

} // namespace

std::span<const std::uint16_t> DeviceTypeCodes() {
    return Codes;
}

bool IsKnownDevice(std::uint16_t deviceType) {
    return FindRow(deviceType) != nullptr;
}

QString DeviceDesignation(std::uint16_t deviceType) {
    const DeviceRow* row = FindRow(deviceType);
    return row ? QString::fromLatin1(row->designation) : QString();
}

QString DeviceTypeText(std::uint16_t deviceType) {
    const QString hex = QStringLiteral("0x%1").arg(deviceType, 4, 16, QLatin1Char('0'));
    const QString designation = DeviceDesignation(deviceType);
    return designation.isEmpty() ? hex : QStringLiteral("%1 (%2)").arg(designation, hex);
}

TDeviceCaps DeviceCapabilities(std::uint16_t deviceType) {
    TDeviceCaps caps;
    if (const DeviceRow* row = FindRow(deviceType))
        for (const CapMember& m : CapMembers)
            caps.*(m.member) = (row->caps & m.bit) != 0;
    return caps;
}
