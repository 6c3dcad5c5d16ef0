#pragma once

// The trip computer's 8192-byte settings memory over the link: connecting, reading the
// whole memory into the model's settings image, and writing the sections back. The memory
// map and the image offsets are the model's (DeviceAddressMap.h).

#include "DeviceAddressMap.h"

#include <cstdint>
#include <functional>

class TML_RS;
class TMK;

namespace devmem {

constexpr std::uint8_t DeviceAddress = 0xF4;
constexpr int ReadBlockCount = 2 * (HalfBlocks - 1);

constexpr std::uint16_t ConnectResponseTimeoutMs = 100;
constexpr std::uint16_t WriteResponseTimeoutMs = 2000;

enum Command : std::uint8_t {
    CmdIdentify = 0x01,
    CmdWriteBlock = 0x04,
    CmdReadBlock = 0x05,
    CmdEndRegion = 0x07,
    CmdBeginRegion = 0x0C,
};

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
// never shown) or isCancelled() says so; the event queue runs once between rounds.
TConnectResult WaitForDevice(TML_RS& link, const std::function<bool()>& isCancelled);

// Reads blocks 1..127 and 129..255 into a buffer of its own and, only when every block has
// arrived, makes it the model's settings image. A failed read leaves the image as it was
// and passes the link's error on. progress receives 0..100.
void ReadImage(TML_RS& link, TMK& model, const std::function<void(int)>& progress);

// Writes every section of the image's table (SectionCount pairs at image offset 4k): one
// region of Length - 4 bytes from the section's address, in 32-byte blocks and a short last
// block. The whole table is checked first: a section the image has no place for
// (SectionSpan) or does not hold raises ERangeError before anything is sent. Sets the reply
// time-out to 2000 ms.
void WriteSections(TML_RS& link, const TMK& model, const std::function<void(int)>& progress);
