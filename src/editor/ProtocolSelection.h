#pragma once

// What the chosen ECU protocol changes in the editor's wording: the coolant-temperature
// caption of the limits page, the captions of the two overheat warning rows, and which
// temperature and timing limits apply at all.

#include "Language.h"

#include <cstdint>

class TProtBase;

struct TCoolantWording {
    TText limitCaption;    // the caption of the coolant limit edit
    TText overheatRow;     // warning row 10
    TText engineRow;       // warning row 26
    bool coolantLimit;     // the coolant temperature limit applies
    bool warmUpLimit;      // the warmed-up temperature applies
    bool accelerationRows; // acceleration and braking timing apply
};

// entry nullptr: no protocol (the stored one lies beyond the device's list).
TCoolantWording CoolantWordingFor(const TProtBase* entry);

// Protocol codes without engine data: carburettor, universal, and an outboard engine
// without a data line.
bool DeliversEcuData(const TProtBase* entry);
