#pragma once

// Rows of the device menu table (internals of the menu table).

#include <cstdint>
#include <span>

namespace menu {

// What an entry needs from the device model.
enum class Gate : std::uint8_t {
    Always,
    IgnitionCorr,   // ignition-angle correction
    Vel100,         // acceleration / braking timing
    Voice,          // voice output; these entries take a number only when present
    LowBeamControl, // low-beam control output
    IceWarning,     // glaze-ice warning, the alternative of the low-beam control
    Lights,         // side-light sensing
    JamStats,       // statistics in traffic jams
    Parking,        // parking sensors
    Gas,            // LPG
};

struct Row {
    const char* key;
    const char* en; // nullptr for journal records
    const char* ru;
    std::uint8_t group;
    Gate gate;
    std::uint16_t number; // the entry's number on a model that has every entry
    std::int8_t record;   // journal record number, -1 for other entries
};

// In the device's order.
std::span<const Row> Rows();

} // namespace menu
