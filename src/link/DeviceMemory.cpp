#include "DeviceMemory.h"

#include "ByteAccess.h"
#include "Errors.h"
#include "ML_RS232.h"
#include "Pars32H.h"

#include <QByteArray>
#include <algorithm>
#include <set>
#include <vector>

namespace devmem {

namespace {

constexpr int IdentifyReplyData = 3; // one unused byte, then the version word

void report(const std::function<void(int)>& progress, int percent) {
    if (progress) progress(percent);
}

void sendRegionCommand(TML_RS& link, std::uint8_t command, const TRegion& region) {
    link.BeginRequest(DeviceAddress, command);
    link.PutWord(region.address);
    link.PutWord(region.count);
    link.Transact();
}

// blockSent: set before the first block goes out, from when the device may hold part of it.
void writeRegion(TML_RS& link, const QByteArray& image, const TRegion& region, bool& blockSent) {
    sendRegionCommand(link, CmdBeginRegion, region);
    for (int done = 0, block = 0; done < region.count; done += BlockSize, ++block) {
        const int size = std::min(BlockSize, region.count - done);
        blockSent = true;
        link.BeginRequest(DeviceAddress, CmdWriteBlock);
        link.PutWord(static_cast<std::uint16_t>(block));
        link.PutWord(static_cast<std::uint16_t>(size));
        for (int i = 0; i < size; ++i)
            link.PutByte(static_cast<std::uint8_t>(image[region.imageOffset + done + i]));
        link.Transact();
    }
    sendRegionCommand(link, CmdEndRegion, region);
}

} // namespace

std::vector<TRegion> SectionRegions(const QByteArray& image) {
    const int sections = bytes::u8(image, 0);
    if (sections > MaxTableSections) throw ERangeError();
    std::vector<TRegion> regions;
    for (int k = 1; k <= sections; ++k) {
        const int address = bytes::u16le(image, SectionAddressOffset(k));
        const int length = bytes::u16le(image, SectionLengthOffset(k));
        const std::optional<ImageSpan> span = SectionSpan(address, length - SectionTrailerBytes);
        if (!span) throw ERangeError();
        bytes::checkRange(image.size(), span->offset, span->count);
        regions.push_back({k, static_cast<std::uint16_t>(address),
                           static_cast<std::uint16_t>(span->count), span->offset});
    }
    return regions;
}

std::vector<int> BlocksOfSections(const QByteArray& image) {
    std::set<int> blocks;
    for (int b = FirstHeaderBlock; b <= LastHeaderBlock; ++b)
        blocks.insert(b);
    for (const TRegion& r : SectionRegions(image)) {
        const int end = r.address + r.count + SectionTrailerBytes; // one past the table length
        for (int b = r.address / BlockSize; b * BlockSize < end; ++b)
            if (ImageOffset(b * BlockSize)) blocks.insert(b);
    }
    return {blocks.begin(), blocks.end()};
}

QByteArray WithBlocks(QByteArray base, const TSectionRead& read) {
    if (base.size() != ImageSize || read.image.size() != ImageSize) return read.image;
    for (int block : read.blocks) {
        const int offset = *ImageOffset(block * BlockSize);
        base.replace(offset, BlockSize, read.image.mid(offset, BlockSize));
    }
    return base;
}

int ReadProgress(int block) {
    return RoundedPercent(block, ReadBlockCount);
}

int RoundedPercent(int done, int total) {
    if (total <= 0) return 100;
    const int scaled = done * 100;
    int percent = scaled / total;
    const int twiceRest = 2 * (scaled % total);
    if (twiceRest > total || (twiceRest == total && percent % 2 != 0)) ++percent;
    return percent;
}

} // namespace devmem

using namespace devmem;

TConnectResult WaitForDevice(TML_RS& link, const std::function<bool()>& isCancelled) {
    for (;;) {
        link.ResponseTimeout = ConnectResponseTimeoutMs;
        try {
            link.BeginRequest(DeviceAddress, CmdIdentify);
            link.RequireReplyData(IdentifyReplyData);
            link.Transact();
            link.GetByte();
            return {true, link.GetWord()};
        } catch (const TError&) {
            // The user is switching the power off and on; keep asking.
        }
        if (isCancelled && isCancelled()) return {};
    }
}

void ReadImage(TML_RS& link, TMK& model, const std::function<void(int)>& progress) {
    QByteArray image;
    image.reserve(ImageSize);
    for (int half = 0; half < 2; ++half) {
        for (int j = 1; j < HalfBlocks; ++j) {
            const int block = half * HalfBlocks + j;
            image.append(ReadBlock(link, block));
            report(progress, ReadProgress(block));
        }
    }
    model.SettingsImage = image;
}

TSectionRead ReadSectionBlocks(TML_RS& link, const std::function<void(int)>& progress) {
    TSectionRead read{QByteArray(ImageSize, '\0'), {}};
    auto take = [&](int block) {
        read.image.replace(*ImageOffset(block * BlockSize), BlockSize, ReadBlock(link, block));
    };
    // The table says which other blocks are needed; the header's are the lowest of them.
    for (int b = FirstHeaderBlock; b <= LastHeaderBlock; ++b)
        take(b);
    read.blocks = BlocksOfSections(read.image);
    const int total = int(read.blocks.size());
    for (int i = 0; i < total; ++i) {
        const int block = read.blocks[std::size_t(i)];
        if (block > LastHeaderBlock) take(block);
        report(progress, RoundedPercent(i + 1, total));
    }
    return read;
}

QByteArray ReadBlock(TML_RS& link, int block) {
    link.BeginRequest(DeviceAddress, CmdReadBlock);
    link.PutWord(static_cast<std::uint16_t>(block));
    link.RequireReplyData(BlockSize);
    link.Transact();
    QByteArray data(BlockSize, '\0');
    for (char& c : data)
        c = static_cast<char>(link.GetByte());
    return data;
}

void WriteSections(TML_RS& link, const TMK& model, const std::function<void(int)>& progress) {
    const QByteArray image = model.SettingsImage;
    const std::vector<TRegion> regions = SectionRegions(image);
    const int total = int(regions.size());
    bool blockSent = false;
    for (int k = 1; k <= total; ++k) {
        link.ResponseTimeout = WriteResponseTimeoutMs;
        try {
            writeRegion(link, image, regions[static_cast<std::size_t>(k - 1)], blockSent);
        } catch (const TError& e) {
            // Until a block has gone out the device holds what it held.
            if (!blockSent) throw;
            throw EWriteStopped(e.message(), k, total);
        }
        report(progress, RoundedPercent(k, total));
    }
}
