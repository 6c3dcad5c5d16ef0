#pragma once

// The colour word of the trip computer's display, RGB565: red in bits 15..11, green in
// bits 10..5, blue in bits 4..0. This is the one colour type of the program: the settings
// store it, the colour editor reads and writes it in 5-bit units, and the screen renderer
// and the colour grids spread it to 8-bit channels. Stored little-endian like every word.

#include <cstdint>

// Channels in 5-bit units (0..31), as the colour editor shows them.
struct Rgb5 {
    int r = 0, g = 0, b = 0;
    bool operator==(const Rgb5&) const = default;
};

// Channels in 8-bit units (0..255), as a PC screen shows them.
struct Rgb8 {
    int r = 0, g = 0, b = 0;
    bool operator==(const Rgb8&) const = default;
};

class Rgb565 {
public:
    constexpr Rgb565() = default;
    constexpr explicit Rgb565(std::uint16_t word) : word_(word) {}

    // From 5-bit channels (each masked to 5 bits). The 6-bit green field takes the 5-bit
    // green in its upper bits and repeats the lowest green bit below it, so that 31 fills
    // the field.
    static constexpr Rgb565 FromRgb5(int r, int g, int b) {
        return Rgb565(static_cast<std::uint16_t>(((r & 0x1F) << 11) | ((g & 0x1F) << 6) |
                                                 ((g & 1) << 5) | (b & 0x1F)));
    }

    constexpr std::uint16_t Word() const { return word_; }

    // The 5-bit channels; green drops the lowest bit of its 6-bit field.
    constexpr Rgb5 ToRgb5() const {
        return {(word_ >> 11) & 0x1F, (word_ >> 6) & 0x1F, word_ & 0x1F};
    }

    // 8-bit channels by the display's own spreading: 5-bit x 0x8417C >> 16 and 6-bit green
    // x 0x41036 >> 16, so that 31 and 63 give 255 and 0 gives 0.
    constexpr Rgb8 ToRgb8() const {
        const std::uint32_t r5 = (word_ >> 11) & 0x1F, g6 = (word_ >> 5) & 0x3F, b5 = word_ & 0x1F;
        return {int((r5 * 0x8417Cu) >> 16), int((g6 * 0x41036u) >> 16), int((b5 * 0x8417Cu) >> 16)};
    }

    constexpr bool operator==(const Rgb565&) const = default;

private:
    std::uint16_t word_ = 0;
};

// The settings' names for the same rules.
constexpr std::uint16_t PackColor(int r, int g, int b) {
    return Rgb565::FromRgb5(r, g, b).Word();
}
constexpr Rgb5 UnpackColor(std::uint16_t w) {
    return Rgb565(w).ToRgb5();
}
constexpr Rgb8 Rgb565ToColor(std::uint16_t w) {
    return Rgb565(w).ToRgb8();
}
