#pragma once

// The additional control units of a vehicle that the trip computer can query besides the
// engine control unit (immobilisers, ABS, airbags, gearboxes, climate, tyre pressure,
// hybrid drive and so on), in the order the additional-systems page lists them. A unit's
// code is its bit in the settings' unit selection. The table keeps the device's own list
// as it stands: one code appears twice and one name has two codes.

#include <QString>
#include <cstdint>
#include <span>

struct TAddSystemUnit {
    std::uint8_t code;
    const char* ru;
    const char* en;
    // The name in the current language.
    QString Name() const;
};

std::span<const TAddSystemUnit> AddSystemUnits();
