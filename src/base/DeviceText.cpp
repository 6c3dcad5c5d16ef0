#include "DeviceText.h"

#include <QList>
#include <QStringDecoder>
#include <QStringEncoder>
#include <cstdint>

namespace {

constexpr const char* kCodePage = "windows-1251";

// Unicode of bytes 0x80..0xFF; 0xC0..0xFF are U+0410..U+044F and are computed. 0x98 has
// no character; it maps to U+0098 as the system converters do.
// clang-format off
constexpr std::uint16_t kHigh[64] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 0x88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 0x98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // 0xA0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // 0xA8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // 0xB0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // 0xB8
};
// clang-format on

char32_t TableChar(std::uint8_t b) {
    if (b < 0x80) return b;
    if (b >= 0xC0) return 0x0410 + (b - 0xC0);
    return kHigh[b - 0x80];
}

char TableByte(char32_t c) {
    if (c < 0x80) return char(c);
    if (c >= 0x0410 && c <= 0x044F) return char(0xC0 + (c - 0x0410));
    for (int i = 0; i < 64; ++i)
        if (kHigh[i] == c) return char(0x80 + i);
    return '?';
}

} // namespace

QByteArray EncodeCp1251ByTable(QStringView text) {
    QByteArray out;
    for (char32_t c : text.toUcs4())
        out.append(TableByte(c));
    return out;
}

QString DecodeCp1251ByTable(QByteArrayView bytes) {
    QString out;
    for (char b : bytes)
        out.append(QChar(char16_t(TableChar(std::uint8_t(b)))));
    return out;
}

QByteArray EncodeDeviceText(QStringView text) {
    QStringEncoder enc(kCodePage);
    if (!enc.isValid()) return EncodeCp1251ByTable(text);
    QByteArray whole = enc.encode(text);
    if (!enc.hasError()) return whole;
    // Some character is missing from the code page: convert one at a time so that each
    // missing one becomes '?' (the converter's own substitute is a control character).
    // A fresh converter for each: resetting one does not clear its error flag.
    QByteArray out;
    for (char32_t c : text.toUcs4()) {
        QStringEncoder one(kCodePage);
        const QByteArray b = one.encode(QString::fromUcs4(&c, 1));
        out.append(one.hasError() || b.size() != 1 ? QByteArray("?") : b);
    }
    return out;
}

QString DecodeDeviceText(QByteArrayView bytes) {
    QStringDecoder dec(kCodePage);
    if (!dec.isValid()) return DecodeCp1251ByTable(bytes);
    return dec.decode(bytes);
}
