#pragma once

// The layout of one colour scheme record (44 bytes) in section 9: a palette of 16 RGB565
// words (little-endian), then colour-role bytes that each hold a palette index 0..15, then
// three bytes that belong to screens the editor never shows and are carried unchanged.
// Scheme 0 is the day scheme, scheme 1 the night scheme.

#include <cstdint>

constexpr int SchemeCount = 2;
constexpr int SchemeRecordSize = 44;
constexpr int SchemeSection = 9;
constexpr int SchemesOffset = 80; // section 9 byte of scheme 0; scheme 1 follows it
constexpr int PaletteColourCount = 16;

constexpr int SchemeOffset(int scheme) {
    return SchemesOffset + scheme * SchemeRecordSize;
}
constexpr int PaletteWordOffset(int colour) {
    return 2 * colour;
}

// Colour roles by their byte offset in the record. The bottom panel's role follows the
// three menu roles.
enum class TColourRole : std::uint8_t {
    DigitColor1 = 32,
    DigitBack1 = 33,
    DigitColor2 = 34,
    DigitBack2 = 35,
    DigitFrame = 36,
    MenuActiveColor = 37,
    MenuActiveBack = 38,
    MenuHotNumColor = 39,
    DigitBottomPanel = 40,
};
constexpr int FirstRoleOffset = 32;
constexpr int RoleCount = 9;
