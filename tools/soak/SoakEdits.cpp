#include "SoakEdits.h"

#include "ByteAccess.h"
#include "FieldTable.h"
#include "Pars32H.h"

#include <algorithm>
#include <limits>

namespace {

constexpr int TableAddress = ImageBase; // device address of the header
constexpr float MaxEditedNumber = 100000;

template <typename T> std::int64_t anyOf(std::mt19937& rng) {
    return std::uniform_int_distribution<std::int64_t>(std::numeric_limits<T>::min(),
                                                       std::numeric_limits<T>::max())(rng);
}

std::int64_t randomInteger(const FieldDef& f, std::mt19937& rng) {
    if (f.isBitField())
        return std::uniform_int_distribution<std::int64_t>(0, (std::int64_t(1) << f.bitWidth) -
                                                                  1)(rng);
    switch (f.type) {
    case FieldType::U8:
        return anyOf<std::uint8_t>(rng);
    case FieldType::S8:
        return anyOf<std::int8_t>(rng);
    case FieldType::U16:
        return anyOf<std::uint16_t>(rng);
    case FieldType::S16:
        return anyOf<std::int16_t>(rng);
    case FieldType::U32:
        return anyOf<std::uint32_t>(rng);
    case FieldType::S32:
        return anyOf<std::int32_t>(rng);
    default: // U64: any bit pattern
        return anyOf<std::int64_t>(rng);
    }
}

} // namespace

void EditRandomFields(TMK& model, std::mt19937& rng) {
    const auto fields = FieldTable();
    const int edits = std::uniform_int_distribution<int>(1, MaxEditsPerCycle)(rng);
    for (int e = 0; e < edits; ++e) {
        const FieldDef& f =
            fields[std::uniform_int_distribution<std::size_t>(0, fields.size() - 1)(rng)];
        // A write keeps the device's own journals and totals, so an edit of them never
        // reaches the device; ExpectedMemory would count it as lost.
        if (f.deviceRecord) continue;
        const int index = std::uniform_int_distribution<int>(0, f.elementCount() - 1)(rng);
        switch (f.type) {
        case FieldType::Text: {
            QString text;
            const int length = std::uniform_int_distribution<int>(0, f.count - 1)(rng);
            for (int i = 0; i < length; ++i)
                text += QChar(std::uniform_int_distribution<int>('0', 'z')(rng));
            model.SetText(f.name, text);
            break;
        }
        case FieldType::Bytes: { // journal areas and the like: raw bytes
            QByteArray& record = model.Section(f.section);
            for (int i = 0; i < f.count; ++i)
                record[f.offset + i] = char(rng());
            break;
        }
        case FieldType::F32:
            if (!f.isBitField()) {
                model.SetNumber(
                    f.name, index,
                    std::uniform_real_distribution<float>(-MaxEditedNumber, MaxEditedNumber)(rng));
                break;
            }
            [[fallthrough]];
        default:
            model.Set(f.name, index, randomInteger(f, rng));
            break;
        }
    }
}

QByteArray ExpectedMemory(const QByteArray& memoryBefore, const TMK& model) {
    QByteArray expected = memoryBefore;
    for (int i = 1; i <= SectionCountMax; ++i) {
        const int address = bytes::u16le(memoryBefore, TableAddress + 4 + 4 * (i - 1));
        const int length = bytes::u16le(memoryBefore, TableAddress + 6 + 4 * (i - 1));
        const int count = std::min(length - SectionTrailerBytes, SectionRecordSize(i));
        if (address < ImageBase || count <= 0) continue;
        expected.replace(address, count, model.Section(i).left(count));
    }
    return expected;
}
