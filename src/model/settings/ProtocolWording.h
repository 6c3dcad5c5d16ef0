#pragma once

// What the chosen ECU protocol changes in the settings' wording: the coolant-temperature
// caption of the limits, the captions of the two overheat warnings, and which temperature
// and timing limits apply at all.

#include "Language.h"

#include <cstdint>

class TProtBase;

struct TCoolantWording {
    TText limitCaption;    // the caption of the coolant limit
    TText overheatRow;     // warning 10
    TText engineRow;       // warning 26
    bool coolantLimit;     // the coolant temperature limit applies
    bool warmUpLimit;      // the warmed-up temperature applies
    bool accelerationRows; // acceleration and braking timing apply
};

// entry nullptr: no protocol (the stored one lies beyond the device's list).
TCoolantWording CoolantWordingFor(const TProtBase* entry);

// Protocol codes without engine data: carburettor, universal, and an outboard engine
// without a data line.
bool DeliversEcuData(const TProtBase* entry);

// Protocol codes the settings' rules ask about.
constexpr std::uint8_t ProtCodeJ1939 = 0x0E;          // trucks: the only protocol with a retarder
constexpr std::uint8_t ProtCodeOutboardNoData = 0xE1; // reports water in the fuel
