// Connecting, reading the memory and writing sections, against the simulated device's
// protocol engine on the scripted port.

#include "DeviceMemory.h"
#include "ByteAccess.h"
#include "Errors.h"
#include "LinkRig.h"
#include "LinkTexts.h"
#include "Pars32H.h"
#include "SimDevice.h"
#include "SimMemory.h"

#include <gtest/gtest.h>

namespace {

struct TDeviceRig : TLinkRig {
    TDeviceRig() : device(sim::BuildDefaultMemory(1), 0x4610) {
        port->responder = [this](const QByteArray& frame) {
            std::vector<TTimedBytes> script;
            if (silentFrom > 0 && device.requestCount + 1 >= silentFrom) return script;
            if (auto reply = device.Handle(frame, 0)) script.push_back({*reply});
            return script;
        };
    }
    // The commands as sent: code and the first two words of data.
    std::vector<std::array<int, 3>> commands() const {
        std::vector<std::array<int, 3>> out;
        for (const TWrite& w : port->writes) {
            auto word = [&](int at) {
                return w.frame.size() > at + 1 ? int(bytes::u16le(w.frame, at)) : -1;
            };
            out.push_back({int(static_cast<std::uint8_t>(w.frame[4])), word(5), word(7)});
        }
        return out;
    }
    sim::TSimDevice device;
    int silentFrom = 0; // the device stops answering at this request number
};

// An image whose table holds the given (address, length) pairs, the rest a pattern.
QByteArray imageWithTable(const std::vector<std::pair<int, int>>& table) {
    QByteArray image(ImageSize, '\0');
    for (int i = 0; i < image.size(); ++i)
        image[i] = static_cast<char>(i * 31 + 7);
    bytes::setU8(image, 0, static_cast<std::uint8_t>(table.size()));
    for (std::size_t k = 0; k < table.size(); ++k) {
        const int i = int(k + 1);
        bytes::setU16le(image, SectionAddressOffset(i), static_cast<std::uint16_t>(table[k].first));
        bytes::setU16le(image, SectionLengthOffset(i), static_cast<std::uint16_t>(table[k].second));
    }
    return image;
}

} // namespace

TEST(DeviceMemory, ReadImageTakesBlocks1To127And129To255InOrder) {
    TDeviceRig rig;
    TMK model;
    std::vector<int> progress;
    rig.link->ResponseTimeout = 100;
    ReadImage(*rig.link, model, [&](int p) { progress.push_back(p); });

    const auto commands = rig.commands();
    ASSERT_EQ(commands.size(), 254u);
    for (int i = 0; i < 254; ++i) {
        EXPECT_EQ(commands[i][0], devmem::CmdReadBlock);
        EXPECT_EQ(commands[i][1], i < 127 ? i + 1 : i + 2);
    }
    EXPECT_EQ(model.SettingsImage, sim::ImageOfMemory(rig.device.memory));
    EXPECT_EQ(rig.link->ResponseTimeout, 100);

    ASSERT_EQ(progress.size(), 254u);
    EXPECT_EQ(progress.front(), 0);  // block 1: 0.39
    EXPECT_EQ(progress[126], 50);    // block 127
    EXPECT_EQ(progress[252], 100);   // block 254
    EXPECT_EQ(progress.back(), 100); // block 255: 100.39
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
}

TEST(DeviceMemory, AFailedReadLeavesTheImageAsItWas) {
    TDeviceRig rig;
    TMK model;
    model.SettingsImage = QByteArray("previous image");
    rig.silentFrom = 100;
    try {
        ReadImage(*rig.link, model, {});
        FAIL() << "no error";
    } catch (const TError& e) {
        EXPECT_EQ(e.message().toStdString(), NoLinkText);
    }
    EXPECT_EQ(rig.port->writes.size(), 99u + 3u);
    EXPECT_EQ(model.SettingsImage, QByteArray("previous image"));

    // A reply without the block's 32 bytes is no block either.
    TDeviceRig shortRig;
    shortRig.port->responder = [](const QByteArray&) {
        return std::vector<TTimedBytes>{{Reply(QByteArray(31, '\1'))}};
    };
    EXPECT_THROW(ReadImage(*shortRig.link, model, {}), TError);
    EXPECT_EQ(model.SettingsImage, QByteArray("previous image"));
}

TEST(DeviceMemory, WriteSectionsSendsLengthMinus4BytesPerRegionIn32ByteBlocks) {
    TDeviceRig rig;
    TMK model;
    // 40 bytes (36 sent: 32 + 4), 68 bytes (64 sent: two full blocks), and one in the
    // second half of the memory, where the image holds address A at A - 64.
    model.SettingsImage = imageWithTable({{100, 40}, {300, 68}, {4200, 10}});
    const QByteArray before = rig.device.memory;
    std::vector<int> progress;
    WriteSections(*rig.link, model, [&](int p) { progress.push_back(p); });

    using C = std::array<int, 3>;
    const std::vector<C> expected = {
        {devmem::CmdBeginRegion, 100, 36}, {devmem::CmdWriteBlock, 0, 32},
        {devmem::CmdWriteBlock, 1, 4},     {devmem::CmdEndRegion, 100, 36},
        {devmem::CmdBeginRegion, 300, 64}, {devmem::CmdWriteBlock, 0, 32},
        {devmem::CmdWriteBlock, 1, 32},    {devmem::CmdEndRegion, 300, 64},
        {devmem::CmdBeginRegion, 4200, 6}, {devmem::CmdWriteBlock, 0, 6},
        {devmem::CmdEndRegion, 4200, 6}};
    EXPECT_EQ(rig.commands(), expected);
    EXPECT_EQ(progress, (std::vector<int>{33, 67, 100}));
    EXPECT_EQ(rig.link->ResponseTimeout, devmem::WriteResponseTimeoutMs);
    EXPECT_EQ(rig.device.protocolErrors, 0);

    // Exactly the regions changed, each from its own image bytes.
    const QByteArray& after = rig.device.memory;
    for (int a = 0; a < MemorySize; ++a) {
        const bool inRegion =
            (a >= 100 && a < 136) || (a >= 300 && a < 364) || (a >= 4200 && a < 4206);
        const char want = inRegion ? model.SettingsImage.at(*ImageOffset(a)) : before.at(a);
        ASSERT_EQ(after.at(a), want) << "address " << a;
    }

    // Eight empty sections: the halves (12.5, 37.5, ...) go to the even neighbour.
    TDeviceRig eight;
    model.SettingsImage = imageWithTable(std::vector<std::pair<int, int>>(8, {100, 4}));
    progress.clear();
    WriteSections(*eight.link, model, [&](int p) { progress.push_back(p); });
    EXPECT_EQ(progress, (std::vector<int>{12, 25, 38, 50, 62, 75, 88, 100}));
}

TEST(DeviceMemory, ASectionTableTheImageCannotHoldIsRefusedBeforeAnythingIsSent) {
    const std::vector<std::vector<std::pair<int, int>>> tables = {
        {{100, 40}, {20, 40}},   // address inside block 0
        {{100, 40}, {4090, 20}}, // runs into block 128
        {{100, 40}, {8180, 20}}, // past the end of the memory
        {{100, 40}, {200, 3}},   // shorter than the device's own 4 bytes
    };
    for (const auto& table : tables) {
        TDeviceRig rig;
        TMK model;
        model.SettingsImage = imageWithTable(table);
        EXPECT_THROW(WriteSections(*rig.link, model, {}), ERangeError);
        EXPECT_TRUE(rig.port->writes.empty());
    }
    TDeviceRig rig;
    TMK model;
    model.SettingsImage = imageWithTable({});
    model.SettingsImage[0] = 15; // more entries than the table has room for
    EXPECT_THROW(WriteSections(*rig.link, model, {}), ERangeError);
    model.SettingsImage.clear();
    EXPECT_THROW(WriteSections(*rig.link, model, {}), ERangeError);
    EXPECT_TRUE(rig.port->writes.empty());
}

TEST(DeviceMemory, AWriteReadsNoBlockTheImageHasNoPlaceForWhereASectionsLast4BytesRun) {
    // Data up to 4095 with its 4 bytes in block 128; data up to 8191 with them past the memory.
    EXPECT_EQ(devmem::BlocksOfSections(imageWithTable({{4064, 36}, {8160, 36}})),
              (std::vector<int>{1, 2, 127, 255}));
    EXPECT_THROW(devmem::BlocksOfSections(imageWithTable({{4080, 24}})), ERangeError);
}

TEST(DeviceMemory, WaitForDeviceAsksUntilTheDeviceAnswersOrTheUserCancels) {
    TDeviceRig rig;
    rig.device.AddFault({sim::TFaultMode::PowerCycle, 1, 4});
    rig.link->ResponseTimeout = 1000;
    const TConnectResult r = WaitForDevice(*rig.link, [] { return false; });
    EXPECT_TRUE(r.connected);
    EXPECT_EQ(r.version, 0x4610);
    EXPECT_EQ(rig.device.identifications, 5);
    EXPECT_EQ(rig.link->ResponseTimeout, devmem::ConnectResponseTimeoutMs);
    // The first Command failed its three attempts, the second answered on its second.
    EXPECT_EQ(rig.port->writes[1].atMs - rig.port->writes[0].atMs, 103 + 50);

    TDeviceRig silent;
    silent.silentFrom = 1;
    int asked = 0;
    const TConnectResult cancelled = WaitForDevice(*silent.link, [&] { return ++asked == 3; });
    EXPECT_FALSE(cancelled.connected);
    EXPECT_EQ(silent.port->writes.size(), 9u); // three rounds of three attempts
}
