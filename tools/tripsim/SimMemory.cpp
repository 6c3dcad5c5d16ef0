#include "SimMemory.h"

#include "ByteAccess.h"
#include "Errors.h"
#include "FieldTable.h"
#include "Language.h"
#include "Pars32H.h"
#include "SettingsFile.h"
#include "SimHistory.h"

#include <QFile>
#include <QSaveFile>
#include <QStringList>
#include <algorithm>

namespace sim {

namespace {

constexpr std::uint8_t TrailerMarker = 0xA5;

int tableWord(const QByteArray& memory, int offset) {
    return bytes::u16le(memory, HeaderAddress + offset);
}

void setTableWord(QByteArray& memory, int offset, int value) {
    bytes::setU16le(memory, HeaderAddress + offset, static_cast<std::uint16_t>(value));
}

bool overlaps(int a, int aLength, int b, int bLength) {
    return a < b + bLength && b < a + aLength;
}

} // namespace

std::uint8_t PatternByte(int address) {
    return static_cast<std::uint8_t>((address * 7 + (address >> 8) * 13 + 0x5B) & 0xFF);
}

QByteArray BuildDefaultMemory(std::uint8_t settingsVersion) {
    QByteArray memory(MemorySize, '\0');
    for (int a = 0; a < MemorySize; ++a)
        memory[a] = static_cast<char>(PatternByte(a));

    // Header: count, settings version, two reserved bytes, 14 (address, length) pairs.
    memory.replace(HeaderAddress, HeaderSize, QByteArray(HeaderSize, '\0'));
    bytes::setU8(memory, HeaderAddress, SectionCount);
    bytes::setU8(memory, HeaderAddress + 1, settingsVersion);

    TMK model;
    FillHistory(model);
    int address = FirstSectionAddress;
    for (int i = 1; i <= SectionCount; ++i) {
        const int size = SectionRecordSize(i);
        const int length = size + SectionTrailerBytes;
        setTableWord(memory, SectionAddressOffset(i), address);
        setTableWord(memory, SectionLengthOffset(i), length);
        memory.replace(address, size, model.Section(i).left(size));
        // The device's own bytes behind the section: a marker the link must never touch.
        for (int t = 0; t < SectionTrailerBytes; ++t)
            memory[address + size + t] = static_cast<char>(TrailerMarker ^ (i << 2) ^ t);
        address += length;
    }
    return memory;
}

QByteArray ImageOfMemory(const QByteArray& memory) {
    QByteArray image;
    image.reserve(ImageSize);
    for (int offset = 0; offset < ImageSize; ++offset)
        image.append(memory.at(*DeviceAddressOf(offset)));
    return image;
}

QByteArray MemoryWithImage(QByteArray memory, const QByteArray& image) {
    const int count = int(std::min<qsizetype>(image.size(), ImageSize));
    for (int offset = 0; offset < count; ++offset)
        memory[*DeviceAddressOf(offset)] = image.at(offset);
    return memory;
}

std::optional<TSectionPlace> FindSection(const QByteArray& memory, int section) {
    if (memory.size() < MemorySize) return std::nullopt;
    const int count = bytes::u8(memory, HeaderAddress);
    if (section < 1 || section > std::min(count, MaxTableSections)) return std::nullopt;
    const int address = tableWord(memory, SectionAddressOffset(section));
    const int length = tableWord(memory, SectionLengthOffset(section)) - SectionTrailerBytes;
    if (length <= 0 || !SectionSpan(address, length)) return std::nullopt;
    return TSectionPlace{address, length};
}

QByteArray MoveSection(QByteArray memory, int section, int address) {
    const int count = bytes::u8(memory, HeaderAddress);
    if (section < 1 || section > count || count > MaxTableSections)
        throw TError(QStringLiteral("The memory has no section %1.").arg(section));
    const int from = tableWord(memory, SectionAddressOffset(section));
    const int length = tableWord(memory, SectionLengthOffset(section));
    if (from + length > memory.size())
        throw TError(QStringLiteral("Section %1 lies outside the memory.").arg(section));
    // The device's own bytes go along, so the whole length must lie in one half.
    if (!SectionSpan(address, length))
        throw TError(
            QStringLiteral("Section %1 does not fit at address %2.").arg(section).arg(address));
    if (overlaps(address, length, HeaderAddress, HeaderSize))
        throw TError(QStringLiteral("Address %1 overlaps the section table.").arg(address));
    for (int k = 1; k <= count; ++k) {
        const int other = tableWord(memory, SectionAddressOffset(k));
        if (k != section &&
            overlaps(address, length, other, tableWord(memory, SectionLengthOffset(k))))
            throw TError(QStringLiteral("Address %1 overlaps section %2.").arg(address).arg(k));
    }
    const QByteArray moved = memory.mid(from, length);
    for (int a = from; a < from + length; ++a)
        memory[a] = static_cast<char>(PatternByte(a));
    memory.replace(address, length, moved);
    setTableWord(memory, SectionAddressOffset(section), address);
    return memory;
}

std::optional<TSectionPlacement> ParseSectionPlacement(const QString& text) {
    const QStringList parts = text.split(QLatin1Char(':'));
    if (parts.size() > 2) return std::nullopt;
    bool ok = false;
    TSectionPlacement placement;
    placement.section = parts[0].toInt(&ok, 0);
    if (!ok || placement.section < 1 || placement.section > MaxTableSections) return std::nullopt;
    if (parts.size() == 2) {
        placement.address = parts[1].toInt(&ok, 0);
        if (!ok) return std::nullopt;
    }
    return placement;
}

TLoadedMemory LoadMemoryFile(const QString& path, std::uint8_t settingsVersion) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw TError(
            Tx("Cannot open %1: %2", "Не удаётся открыть %1: %2").arg(path, file.errorString()));
    const QByteArray data = file.readAll();
    if (data.size() == MemorySize) return {data, 0, false};
    const DecodedSettingsFile decoded = DecodeSettingsFile(data, path);
    return {MemoryWithImage(BuildDefaultMemory(settingsVersion), decoded.image),
            decoded.deviceVersion, true};
}

void SaveMemoryFile(const QByteArray& memory, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(memory) != memory.size() || !file.commit())
        throw TError(
            Tx("Cannot write %1: %2", "Не удаётся записать %1: %2").arg(path, file.errorString()));
}

} // namespace sim
