#include "SimMemory.h"

#include "ByteAccess.h"
#include "DeviceMemory.h"
#include "Errors.h"
#include "FieldTable.h"
#include "Language.h"
#include "Pars32H.h"
#include "SettingsFile.h"
#include "SimHistory.h"

#include <QFile>
#include <QSaveFile>

namespace sim {

namespace {
constexpr std::uint8_t TrailerMarker = 0xA5;
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
        const int length = size + SectionTrailer;
        bytes::setU16le(memory, HeaderAddress + 4 * i, static_cast<std::uint16_t>(address));
        bytes::setU16le(memory, HeaderAddress + 4 * i + 2, static_cast<std::uint16_t>(length));
        memory.replace(address, size, model.Section(i).left(size));
        // The device's own bytes behind the section: a marker the link must never touch.
        for (int t = 0; t < SectionTrailer; ++t)
            memory[address + size + t] = static_cast<char>(TrailerMarker ^ (i << 2) ^ t);
        address += length;
    }
    return memory;
}

QByteArray ImageOfMemory(const QByteArray& memory) {
    QByteArray image;
    image.reserve(devmem::ImageSize);
    for (int offset = 0; offset < devmem::ImageSize; ++offset)
        image.append(memory.at(devmem::DeviceAddressOfImageOffset(offset)));
    return image;
}

QByteArray MemoryWithImage(QByteArray memory, const QByteArray& image) {
    const int count = int(std::min<qsizetype>(image.size(), devmem::ImageSize));
    for (int offset = 0; offset < count; ++offset)
        memory[devmem::DeviceAddressOfImageOffset(offset)] = image.at(offset);
    return memory;
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
