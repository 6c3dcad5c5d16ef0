#pragma once

// The trip computer's 8192-byte memory as the settings image holds it, and the one rule that
// turns a device address into an image offset and back.
//
// Block n (0..255) holds device addresses n*32 .. n*32+31. Blocks 0 and 128 are never read;
// the image holds blocks 1..127 then 129..255 (8128 bytes), so
//   image offset = address - 32 for addresses 32..4095,
//   image offset = address - 64 for addresses 4128..8191,
// and addresses 0..31, 4096..4127 and 8192 on have no place in the image.

#include <optional>

constexpr int MemorySize = 8192;                       // bytes of the trip computer's memory
constexpr int BlockSize = 32;                          // bytes per read block, per full write block
constexpr int HalfBlocks = MemorySize / 2 / BlockSize; // 128 blocks per half
constexpr int ImageBase = BlockSize;                   // device address of image byte 0
constexpr int ImageSize = MemorySize - 2 * BlockSize;  // 8128: the image of a full read

// The section table at image offset 0: a count, the settings version, two reserved bytes,
// then (address, length) pairs, u16 little-endian each.
constexpr int HeaderSize = 60;
constexpr int MaxTableSections = 14; // pairs the header has room for
// Each table length counts this many bytes the device keeps behind the section's data; the
// program neither reads nor sends them.
constexpr int SectionTrailerBytes = 4;

// Image offset of a device address; nullopt where the image holds no such address.
std::optional<int> ImageOffset(int address);
// Device address held at an image offset; nullopt outside 0 .. ImageSize - 1.
std::optional<int> DeviceAddressOf(int imageOffset);

struct ImageSpan {
    int offset; // image offset of the first byte
    int count;  // bytes
    bool operator==(const ImageSpan&) const = default;
};
// The image bytes of count bytes from a device address. nullopt when the address has no
// image offset, when count is negative, or when the bytes would leave their half of the
// memory (from 4095 into 4096, or past 8191): the image has no contiguous place for them.
std::optional<ImageSpan> SectionSpan(int address, int count);

// Offsets of pair i (1..MaxTableSections) of the section table from the header's start.
constexpr int SectionAddressOffset(int i) {
    return 4 * i;
}
constexpr int SectionLengthOffset(int i) {
    return 4 * i + 2;
}
