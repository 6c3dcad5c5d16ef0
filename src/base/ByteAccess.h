#pragma once

// Bounds-checked little-endian access to byte records. Every multi-byte value in the
// device memory, the settings file and on the link is least significant byte first.
// An access past the end raises ERangeError instead of reading or writing stray memory.

#include "Errors.h"

#include <QByteArray>
#include <cstdint>
#include <cstring>
#include <type_traits>

namespace bytes {

inline void checkRange(qsizetype size, qsizetype offset, qsizetype width) {
    if (offset < 0 || width < 0 || offset > size - width)
        throw ERangeError();
}

template <std::size_t N>
using UnsignedOf = std::conditional_t<N == 8, std::uint64_t,
                                      std::conditional_t<N == 4, std::uint32_t,
                                                         std::conditional_t<N == 2, std::uint16_t,
                                                                            std::uint8_t>>>;

template <typename T> T readLe(const QByteArray& b, qsizetype offset) {
    checkRange(b.size(), offset, sizeof(T));
    UnsignedOf<sizeof(T)> v = 0;
    for (qsizetype i = sizeof(T) - 1; i >= 0; --i)
        v = static_cast<UnsignedOf<sizeof(T)>>((std::uint64_t(v) << 8) |
                                               static_cast<std::uint8_t>(b[offset + i]));
    T out;
    std::memcpy(&out, &v, sizeof(T));
    return out;
}

template <typename T> void writeLe(QByteArray& b, qsizetype offset, T value) {
    checkRange(b.size(), offset, sizeof(T));
    UnsignedOf<sizeof(T)> v;
    std::memcpy(&v, &value, sizeof(T));
    for (qsizetype i = 0; i < qsizetype(sizeof(T)); ++i)
        b[offset + i] = static_cast<char>((std::uint64_t(v) >> (8 * i)) & 0xFF);
}

inline std::uint8_t u8(const QByteArray& b, qsizetype o) { return readLe<std::uint8_t>(b, o); }
inline std::int8_t s8(const QByteArray& b, qsizetype o) { return readLe<std::int8_t>(b, o); }
inline std::uint16_t u16le(const QByteArray& b, qsizetype o) { return readLe<std::uint16_t>(b, o); }
inline std::int16_t s16le(const QByteArray& b, qsizetype o) { return readLe<std::int16_t>(b, o); }
inline std::uint32_t u32le(const QByteArray& b, qsizetype o) { return readLe<std::uint32_t>(b, o); }
inline std::int32_t s32le(const QByteArray& b, qsizetype o) { return readLe<std::int32_t>(b, o); }
inline std::uint64_t u64le(const QByteArray& b, qsizetype o) { return readLe<std::uint64_t>(b, o); }
inline float f32le(const QByteArray& b, qsizetype o) { return readLe<float>(b, o); }

inline void setU8(QByteArray& b, qsizetype o, std::uint8_t v) { writeLe(b, o, v); }
inline void setS8(QByteArray& b, qsizetype o, std::int8_t v) { writeLe(b, o, v); }
inline void setU16le(QByteArray& b, qsizetype o, std::uint16_t v) { writeLe(b, o, v); }
inline void setS16le(QByteArray& b, qsizetype o, std::int16_t v) { writeLe(b, o, v); }
inline void setU32le(QByteArray& b, qsizetype o, std::uint32_t v) { writeLe(b, o, v); }
inline void setS32le(QByteArray& b, qsizetype o, std::int32_t v) { writeLe(b, o, v); }
inline void setU64le(QByteArray& b, qsizetype o, std::uint64_t v) { writeLe(b, o, v); }
inline void setF32le(QByteArray& b, qsizetype o, float v) { writeLe(b, o, v); }

} // namespace bytes
