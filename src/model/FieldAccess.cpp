#include "FieldAccess.h"

#include "ByteAccess.h"
#include "DeviceText.h"

#include <cfloat>
#include <cmath>
#include <limits>

namespace {

bool IsIntegerType(FieldType t) {
    return t != FieldType::F32 && t != FieldType::Text && t != FieldType::Bytes;
}

[[noreturn]] void WrongKind(const FieldDef& f, const char* what) {
    throw TError(QStringLiteral("Settings field \"%1\" is not %2")
                     .arg(QString::fromUtf8(f.name), QString::fromUtf8(what)));
}

qsizetype ElementOffset(const FieldDef& f, int index) {
    if (index < 0 || index >= f.elementCount()) throw ERangeError();
    return qsizetype(f.offset) + qsizetype(index) * FieldTypeWidth(f.type);
}

// The element's word as a signed value (sign-extended for signed types, a u64 as its bit
// pattern).
std::int64_t ReadWord(const QByteArray& r, FieldType t, qsizetype o) {
    switch (t) {
    case FieldType::U8:
        return bytes::u8(r, o);
    case FieldType::S8:
        return bytes::s8(r, o);
    case FieldType::U16:
        return bytes::u16le(r, o);
    case FieldType::S16:
        return bytes::s16le(r, o);
    case FieldType::U32:
        return bytes::u32le(r, o);
    case FieldType::S32:
        return bytes::s32le(r, o);
    case FieldType::U64:
        return std::int64_t(bytes::u64le(r, o));
    default:
        throw ERangeError();
    }
}

// Stores the low bits of v that the type holds; the caller has checked the range.
void WriteWord(QByteArray& r, FieldType t, qsizetype o, std::int64_t v) {
    switch (t) {
    case FieldType::U8:
    case FieldType::S8:
        bytes::setU8(r, o, std::uint8_t(v));
        return;
    case FieldType::U16:
    case FieldType::S16:
        bytes::setU16le(r, o, std::uint16_t(v));
        return;
    case FieldType::U32:
    case FieldType::S32:
        bytes::setU32le(r, o, std::uint32_t(v));
        return;
    case FieldType::U64:
        bytes::setU64le(r, o, std::uint64_t(v));
        return;
    default:
        throw ERangeError();
    }
}

bool Fits(const FieldDef& f, std::int64_t v) {
    if (f.isBitField()) return v >= 0 && v < (std::int64_t(1) << f.bitWidth);
    switch (f.type) {
    case FieldType::U8:
        return v >= 0 && v <= 0xFF;
    case FieldType::S8:
        return v >= -128 && v <= 127;
    case FieldType::U16:
        return v >= 0 && v <= 0xFFFF;
    case FieldType::S16:
        return v >= -32768 && v <= 32767;
    case FieldType::U32:
        return v >= 0 && v <= 0xFFFFFFFFLL;
    case FieldType::S32:
        return v >= std::numeric_limits<std::int32_t>::min() &&
               v <= std::numeric_limits<std::int32_t>::max();
    case FieldType::U64:
        return true; // the bit pattern of any int64
    default:
        return false;
    }
}

std::uint64_t BitMask(const FieldDef& f) {
    return (std::uint64_t(1) << f.bitWidth) - 1;
}

} // namespace

std::int64_t ReadFieldInt(const QByteArray& record, const FieldDef& f, int index) {
    if (!IsIntegerType(f.type)) WrongKind(f, "an integer field");
    const std::int64_t word = ReadWord(record, f.type, ElementOffset(f, index));
    if (!f.isBitField()) return word;
    return std::int64_t((std::uint64_t(word) >> f.bitShift) & BitMask(f));
}

void WriteFieldInt(QByteArray& record, const FieldDef& f, int index, std::int64_t value) {
    if (!IsIntegerType(f.type)) WrongKind(f, "an integer field");
    const qsizetype o = ElementOffset(f, index);
    if (!Fits(f, value)) throw ERangeError();
    if (!f.isBitField()) {
        // Reading first checks the bounds, so a short record is refused untouched.
        ReadWord(record, f.type, o);
        WriteWord(record, f.type, o, value);
        return;
    }
    const std::uint64_t mask = BitMask(f) << f.bitShift;
    std::uint64_t word = std::uint64_t(ReadWord(record, f.type, o));
    word = (word & ~mask) | ((std::uint64_t(value) << f.bitShift) & mask);
    WriteWord(record, f.type, o, std::int64_t(word));
}

double ReadFieldNumber(const QByteArray& record, const FieldDef& f, int index) {
    if (f.type == FieldType::F32) return bytes::f32le(record, ElementOffset(f, index));
    const std::int64_t v = ReadFieldInt(record, f, index);
    if (f.type == FieldType::U64 && !f.isBitField()) return double(std::uint64_t(v));
    return double(v);
}

void WriteFieldNumber(QByteArray& record, const FieldDef& f, int index, double value) {
    if (!std::isfinite(value)) throw ERangeError();
    if (f.type == FieldType::F32) {
        const qsizetype o = ElementOffset(f, index);
        if (std::fabs(value) > FLT_MAX) throw ERangeError();
        bytes::setF32le(record, o, float(value));
        return;
    }
    if (!IsIntegerType(f.type)) WrongKind(f, "a number field");
    // Integer fields take the nearest integer, a half going to the even neighbour (the
    // default rounding mode).
    const double r = std::nearbyint(value);
    constexpr double two63 = 9223372036854775808.0;
    if (f.type == FieldType::U64 && !f.isBitField()) {
        if (r < 0 || r >= 2 * two63) throw ERangeError();
        WriteFieldInt(record, f, index, std::int64_t(std::uint64_t(r)));
        return;
    }
    if (r < -two63 || r >= two63) throw ERangeError();
    WriteFieldInt(record, f, index, std::int64_t(r));
}

QString ReadFieldText(const QByteArray& record, const FieldDef& f) {
    if (f.type != FieldType::Text) WrongKind(f, "a text field");
    bytes::checkRange(record.size(), f.offset, f.count);
    QByteArrayView field(record.constData() + f.offset, f.count);
    const qsizetype zero = field.indexOf('\0');
    return DecodeDeviceText(zero < 0 ? field : field.first(zero));
}

void WriteFieldText(QByteArray& record, const FieldDef& f, const QString& text) {
    if (f.type != FieldType::Text) WrongKind(f, "a text field");
    bytes::checkRange(record.size(), f.offset, f.count);
    const QByteArray encoded = EncodeDeviceText(text);
    if (encoded.size() > f.count - 1) throw ERangeError();
    record.replace(f.offset, encoded.size(), encoded);
    record[f.offset + encoded.size()] = '\0';
}

QByteArray ReadFieldBytes(const QByteArray& record, const FieldDef& f) {
    bytes::checkRange(record.size(), f.offset, FieldByteSize(f));
    return record.mid(f.offset, FieldByteSize(f));
}
