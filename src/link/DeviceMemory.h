#pragma once

// The trip computer's 8192-byte settings memory over the link: connecting, reading the
// whole memory into the model's settings image, and writing the sections back.
//
// Memory map: block n (0..255) holds device addresses n*32 .. n*32+31. Blocks 0 and 128
// are never read; the image holds blocks 1..127 then 129..255 (8128 bytes), so image
// offset = address - 32 for addresses 32..4095 and address - 64 for 4128..8191.

#include <cstdint>
#include <functional>
#include <optional>

class TML_RS;
class TMK;

namespace devmem {

constexpr std::uint8_t DeviceAddress = 0xF4;
constexpr int MemorySize = 8192;
constexpr int BlockSize = 32;
constexpr int HalfBlocks = 128; // blocks per 4096-byte half
constexpr int ImageBase = 32;   // device address of image byte 0
constexpr int ImageSize = MemorySize - 2 * BlockSize;
constexpr int ReadBlockCount = 2 * (HalfBlocks - 1);
// The table has room for this many (address, length) pairs.
constexpr int MaxTableSections = 14;
// The device keeps this many bytes of its own behind every section; they are never sent.
constexpr int SectionTrailer = 4;

constexpr std::uint16_t ConnectResponseTimeoutMs = 100;
constexpr std::uint16_t WriteResponseTimeoutMs = 2000;

enum Command : std::uint8_t {
    CmdIdentify = 0x01,
    CmdWriteBlock = 0x04,
    CmdReadBlock = 0x05,
    CmdEndRegion = 0x07,
    CmdBeginRegion = 0x0C,
};

// Image offset of a device address; nullopt for addresses the image does not hold
// (blocks 0 and 128, and anything outside the memory).
std::optional<int> ImageOffset(int address);
// The device address held at an image offset (0 .. ImageSize - 1).
int DeviceAddressOfImageOffset(int offset);

// Whole-memory progress of the read after the given block: round(block x 100 / 254).
int ReadProgress(int block);
// done x 100 / total rounded to the nearest integer, a half to the even neighbour.
int RoundedPercent(int done, int total);

} // namespace devmem

struct TConnectResult {
    bool connected = false;
    std::uint16_t version = 0;
};

// Sends Identify with a 100 ms reply time-out until the trip computer answers (errors are
// never shown) or isCancelled(), asked once between rounds, says so. A round ends at once
// when the link's interruption says so (TML_RS::SetInterruption).
TConnectResult WaitForDevice(TML_RS& link, const std::function<bool()>& isCancelled);

// Reads blocks 1..127 and 129..255 into a buffer of its own and, only when every block has
// arrived, makes it the model's settings image. A failed read leaves the image as it was
// and passes the link's error on. progress receives 0..100.
void ReadImage(TML_RS& link, TMK& model, const std::function<void(int)>& progress);

// Writes every section of the image's table (SectionCount pairs at image offset 4k): one
// region of Length - 4 bytes from the section's address, in 32-byte blocks and a short last
// block. The whole table is checked first: a section the image does not hold raises
// ERangeError before anything is sent. Sets the reply time-out to 2000 ms.
void WriteSections(TML_RS& link, const TMK& model, const std::function<void(int)>& progress);
