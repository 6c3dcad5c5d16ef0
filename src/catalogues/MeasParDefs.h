#pragma once

// Row types of the measured-parameter tables (catalogue internals).

#include "Language.h"

#include <cstdint>
#include <span>

namespace meas {

struct ParRow {
    std::uint8_t number;
    const char* className;
    TText name;
    TText unit;                           // ShortUnit
    int defaultValue, minValue, maxValue; // units of 10^-decimals
    int altMin, altMax;                   // whole units
    std::uint8_t decimals, width;
    std::uint8_t attr1, attr2, attr3;
};

// Texts of one language; rows in the order of ParRows, each naming its class.
struct ParTexts {
    const char* className;
    const char* nameUnit;
    const char* shortName;
    const char* midName;
    const char* midNameUnit;
    const char* altName;
    const char* altUnit;
    const char* caption;
};

// Number order; parameter 11 has two rows, one for each kind of model.
std::span<const ParRow> ParRows();
std::span<const ParTexts> EnglishTexts();
std::span<const ParTexts> RussianTexts();

} // namespace meas
