#pragma once

// One colour scheme as the screen shows it: the 16 palette colours spread to 8 bits by the
// display's rule, and the colour of every role.

#include "ColorSchemeLayout.h"
#include "Rgb565.h"

#include <QByteArray>
#include <QColor>
#include <array>

QColor ToQColor(Rgb565 c);

class TScreenColours {
public:
    TScreenColours() = default;
    // From a 44-byte scheme record. Missing bytes count as 0; a role byte outside 0..15
    // picks by its low four bits, the only ones a 16-colour palette can use.
    static TScreenColours FromRecord(const QByteArray& record);

    Rgb565 Word(int paletteIndex) const { return words_.at(std::size_t(paletteIndex)); }
    QColor Palette(int paletteIndex) const { return colours_.at(std::size_t(paletteIndex)); }
    int RoleIndex(TColourRole role) const;
    QColor Role(TColourRole role) const { return Palette(RoleIndex(role)); }

private:
    std::array<Rgb565, PaletteColourCount> words_{};
    std::array<QColor, PaletteColourCount> colours_{};
    std::array<std::uint8_t, RoleCount> roles_{};
};
