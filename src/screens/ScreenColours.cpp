#include "ScreenColours.h"

QColor ToQColor(Rgb565 c) {
    const Rgb8 rgb = c.ToRgb8();
    return QColor(rgb.r, rgb.g, rgb.b);
}

TScreenColours TScreenColours::FromRecord(const QByteArray& record) {
    auto byteAt = [&](int i) { return i < record.size() ? std::uint8_t(record[i]) : 0; };
    TScreenColours s;
    for (int i = 0; i < PaletteColourCount; ++i) {
        const int at = PaletteWordOffset(i);
        s.words_[std::size_t(i)] = Rgb565(std::uint16_t(byteAt(at) | byteAt(at + 1) << 8));
        s.colours_[std::size_t(i)] = ToQColor(s.words_[std::size_t(i)]);
    }
    for (int i = 0; i < RoleCount; ++i)
        s.roles_[std::size_t(i)] = byteAt(FirstRoleOffset + i) & 0x0F;
    return s;
}

int TScreenColours::RoleIndex(TColourRole role) const {
    return roles_.at(std::size_t(int(role) - FirstRoleOffset));
}
