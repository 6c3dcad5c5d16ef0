#pragma once

// The trip computer's 8192-byte settings memory over the link: connecting, reading the
// whole memory into the model's settings image, reading only what a write needs, and
// writing the sections back. The memory map and the image offsets are the model's
// (DeviceAddressMap.h).

#include "DeviceAddressMap.h"
#include "Errors.h"

#include <QByteArray>
#include <cstdint>
#include <functional>
#include <vector>

class TML_RS;
class TMK;

namespace devmem {

constexpr std::uint8_t DeviceAddress = 0xF4;
constexpr int ReadBlockCount = 2 * (HalfBlocks - 1);
// The blocks that hold the header (device addresses 32..91).
constexpr int FirstHeaderBlock = ImageBase / BlockSize;
constexpr int LastHeaderBlock = (ImageBase + HeaderSize - 1) / BlockSize;

constexpr std::uint16_t ConnectResponseTimeoutMs = 100;
constexpr std::uint16_t WriteResponseTimeoutMs = 2000;

enum Command : std::uint8_t {
    CmdIdentify = 0x01,
    CmdWriteBlock = 0x04,
    CmdReadBlock = 0x05,
    CmdEndRegion = 0x07,
    CmdBeginRegion = 0x0C,
};

// One region of the device write: a section's bytes without the device's own trailer.
struct TRegion {
    int section;           // 1-based entry of the section table
    std::uint16_t address; // device address of the first byte
    std::uint16_t count;   // bytes written (table length - 4)
    int imageOffset;       // where the image holds them
};
// Every region of the image's section table (SectionCount pairs), checked against the
// image: a region the image has no place for (SectionSpan) or does not hold raises
// ERangeError.
std::vector<TRegion> SectionRegions(const QByteArray& image);

// What a write needs of the device's memory: the header's blocks and those holding the whole
// table length of every section the image's table names (the device's 4 bytes behind each
// section too), ascending, each once. Blocks the image has no place for (0 and 128, where a
// section's last 4 bytes may run) are left out. The table is checked as SectionRegions
// checks it.
std::vector<int> BlocksOfSections(const QByteArray& image);

// The blocks a write read and the image holding them (ImageSize bytes, zero elsewhere).
struct TSectionRead {
    QByteArray image;
    std::vector<int> blocks; // ascending
};
// base (a full image, ImageSize bytes) with the blocks of read put in; read's image when base
// is not a full image.
QByteArray WithBlocks(QByteArray base, const TSectionRead& read);

// Whole-memory progress of the read after the given block: round(block x 100 / 254).
int ReadProgress(int block);
// done x 100 / total rounded to the nearest integer, a half to the even neighbour.
int RoundedPercent(int done, int total);

// The line failed after a block of the write had gone out: the device may hold some new and
// some old bytes. The message is the link's own.
class EWriteStopped : public TError {
public:
    EWriteStopped(const QString& linkMessage, int section, int sections)
        : TError(linkMessage), section_(section), sections_(sections) {}
    int Section() const { return section_; }   // 1-based entry of the table being written
    int Sections() const { return sections_; } // entries the write had to write
private:
    int section_;
    int sections_;
};

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

// Reads what a write needs (BlocksOfSections): the header's blocks first, then by their table
// the sections' blocks in ascending order, with the retries and errors of ReadBlock. A table
// the image cannot hold raises ERangeError before any section's block is read. progress
// receives 0..100 over the blocks read.
devmem::TSectionRead ReadSectionBlocks(TML_RS& link, const std::function<void(int)>& progress);

// Reads one 32-byte block (0..255) of the device's memory.
QByteArray ReadBlock(TML_RS& link, int block);

// Writes every section of the image's table (SectionCount pairs at image offset 4k): one
// region of Length - 4 bytes from the section's address, in 32-byte blocks and a short last
// block. The whole table is checked first: a section the image has no place for
// (SectionSpan) or does not hold raises ERangeError before anything is sent. Sets the reply
// time-out to 2000 ms. A link error once a block has gone out is raised as
// devmem::EWriteStopped (the device may hold part of the write); before, as it is.
void WriteSections(TML_RS& link, const TMK& model, const std::function<void(int)>& progress);
