#pragma once

// The simulated trip computer's 8192-byte memory: a valid header and section table at
// device address 32 (eleven sections, each record size + 4 bytes long, from address 92
// up) holding the model's defaults with a generated history in the journals and sums
// (SimHistory.h); every other byte carries an address-derived pattern so that a misplaced
// block shows.

#include "DeviceAddressMap.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

namespace sim {

constexpr int HeaderAddress = ImageBase; // the section table is image byte 0
constexpr int FirstSectionAddress = HeaderAddress + HeaderSize;
constexpr int SectionCount = 11;

// The filler byte at a device address outside the header and the sections.
std::uint8_t PatternByte(int address);

QByteArray BuildDefaultMemory(std::uint8_t settingsVersion);

// The memory as the link's block read lays it out (blocks 1..127, then 129..255).
QByteArray ImageOfMemory(const QByteArray& memory);
// Puts an image back at its device addresses, over the given memory.
QByteArray MemoryWithImage(QByteArray memory, const QByteArray& image);

// Where the memory's own section table puts section i (1..SectionCount): the device address
// of its first byte and the bytes the table gives it, without the device's trailer. nullopt
// when the table has no section i, gives it no bytes, or places it where the image has no
// contiguous room for it (SectionSpan).
struct TSectionPlace {
    int address = 0;
    int count = 0;
};
std::optional<TSectionPlace> FindSection(const QByteArray& memory, int section);

// Moves section i (1..SectionCount) with its trailer to a new device address and points the
// table there; its old place takes the filler pattern. Raises TError when the section would
// not lie whole in one half of the memory's image or would overlap the header or another
// section.
QByteArray MoveSection(QByteArray memory, int section, int address);
// "N" or "N:ADDRESS" (decimal or 0x hex): the section to move and where; the address
// defaults to UpperSectionAddress. nullopt for a malformed text.
constexpr int UpperSectionAddress = 4200;
struct TSectionPlacement {
    int section = 0;
    int address = UpperSectionAddress;
};
std::optional<TSectionPlacement> ParseSectionPlacement(const QString& text);

struct TLoadedMemory {
    QByteArray memory;
    std::uint16_t deviceVersion = 0;
    bool hasVersion = false; // a settings file carries one, a raw dump does not
};

// A raw 8192-byte dump, or a settings file laid over the default memory. Raises TError.
TLoadedMemory LoadMemoryFile(const QString& path, std::uint8_t settingsVersion);
// Writes the raw dump atomically. Raises TError.
void SaveMemoryFile(const QByteArray& memory, const QString& path);

} // namespace sim
