// The real link over a pseudo-terminal against the simulated trip computer.

#include "CoreAppScope.h"
#include "DeviceMemory.h"
#include "Errors.h"
#include "LinkFailure.h"
#include "LinkTexts.h"
#include "ML_RS232.h"
#include "Pars32H.h"
#include "SimMemory.h"
#include "TripSim.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <ctime>
#include <gtest/gtest.h>

namespace {

// Fast enough that a full read is over in well under a second, but still paced.
constexpr int FastBaud = 500000;

struct TSimLink {
    TSimLink() : TSimLink(fastOptions()) {}
    explicit TSimLink(sim::TTripSimOptions options) : sim(std::move(options)) {
        sim.Start();
        TPortMap map;
        map.SetPath(1, sim.SlavePath());
        link = std::make_unique<TML_RS>(MakeQtSerialPortIo(), map);
        link->Open(1);
        link->SetBaudRate(19200);
        link->SetPortType(TML_RS::PortRs485Echo);
        link->ResponseTimeout = 100;
        link->ByteTimeout = 50;
    }
    static sim::TTripSimOptions fastOptions(std::vector<sim::TFault> faults = {}) {
        sim::TTripSimOptions o;
        o.baud = FastBaud;
        o.faults = std::move(faults);
        return o;
    }
    void connect() {
        ASSERT_TRUE(link->IsOpen());
        const TConnectResult r = WaitForDevice(*link, [] { return false; });
        ASSERT_TRUE(r.connected);
        ASSERT_EQ(r.version, 0x4610);
        sim.ClearRequests();
    }
    sim::TTripSim sim;
    std::unique_ptr<TML_RS> link;
};

class LinkSim : public ::testing::Test {
    CoreAppScope app_;
};

} // namespace

TEST_F(LinkSim, FullReadIsTheSimulatorMemoryByTheBlockRule) {
    TSimLink rig;
    rig.connect();
    TMK model;
    ReadImage(*rig.link, model, {});
    EXPECT_EQ(model.SettingsImage, sim::ImageOfMemory(rig.sim.Memory()));
    EXPECT_EQ(rig.sim.Requests().size(), 254u); // nothing retried

    // The image decodes: a valid table with the model's defaults in every section.
    model.ReadSections(1, SectionCountMax);
    EXPECT_EQ(model.SectionCount(), 11);
    const TMK defaults;
    for (int i = 1; i <= SectionCountMax; ++i)
        EXPECT_EQ(model.Section(i), defaults.Section(i)) << "section " << i;
}

TEST_F(LinkSim, WritingEditedSectionsChangesExactlyTheirBytes) {
    TSimLink rig;
    rig.connect();
    TMK model;
    ReadImage(*rig.link, model, {});
    model.ReadSections(1, SectionCountMax);
    for (int i = 1; i <= SectionCountMax; ++i)
        for (char& c : model.Section(i))
            c = static_cast<char>(~c);
    model.WriteSections(1, SectionCountMax);

    const QByteArray before = rig.sim.Memory();
    WriteSections(*rig.link, model, {});
    const QByteArray after = rig.sim.Memory();
    EXPECT_EQ(rig.sim.ProtocolErrors(), 0);

    std::vector<int> owner(MemorySize, 0); // section number per address, 0 = none
    for (int i = 1; i <= SectionCountMax; ++i)
        for (int a = model.SectionAddress(i);
             a < model.SectionAddress(i) + model.SectionLength(i) - SectionTrailerBytes; ++a)
            owner[std::size_t(a)] = i;
    for (int a = 0; a < MemorySize; ++a) {
        const int i = owner[std::size_t(a)];
        const char want = i ? model.Section(i).at(a - model.SectionAddress(i)) : before.at(a);
        ASSERT_EQ(after.at(a), want) << "address " << a << " section " << i;
    }

    TMK check;
    ReadImage(*rig.link, check, {});
    EXPECT_EQ(check.SettingsImage, model.SettingsImage);
}

TEST_F(LinkSim, EachFailureModeIsRetriedAndReportedAfterThreeAttempts) {
    const struct {
        sim::TFaultMode mode;
        const char* text;
    } cases[] = {
        {sim::TFaultMode::BadChecksum, ChecksumErrorText}, {sim::TFaultMode::Busy, DeviceBusyText},
        {sim::TFaultMode::CutReply, DelayWithinBlockText}, {sim::TFaultMode::DropReply, NoLinkText},
        {sim::TFaultMode::ZeroHeader, ZeroHeaderText},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        TSimLink rig;
        rig.connect();
        // The next three requests fail: all three attempts of the next command.
        const int next = rig.sim.RequestCount() + 1;
        rig.sim.AddFault({c.mode, next, next + 2});
        EXPECT_EQ(failureOf([&] { rig.link->Command(0xF4, devmem::CmdIdentify); }), c.text);
        const auto requests = rig.sim.Requests();
        ASSERT_EQ(requests.size(), 3u);
        for (std::size_t i = 1; i < requests.size(); ++i) {
            EXPECT_EQ(requests[i].frame, requests[0].frame);
            EXPECT_GE(requests[i].atUs - requests[i - 1].atUs, 50'000);
        }
        // One failure alone costs one retry.
        rig.sim.ClearRequests();
        rig.sim.AddFault({c.mode, next + 3, next + 3});
        EXPECT_EQ(failureOf([&] { rig.link->Command(0xF4, devmem::CmdIdentify); }), "(no error)");
        EXPECT_EQ(rig.sim.Requests().size(), 2u);
    }
}

TEST_F(LinkSim, AReadThatFailsHalfwayLeavesTheModelImageAlone) {
    TSimLink rig;
    rig.connect();
    const int next = rig.sim.RequestCount() + 1;
    rig.sim.AddFault({sim::TFaultMode::DropReply, next + 99, next + 101});
    TMK model;
    model.SettingsImage = QByteArray(ImageSize, '\x42');
    EXPECT_EQ(failureOf([&] { ReadImage(*rig.link, model, {}); }), NoLinkText);
    EXPECT_EQ(model.SettingsImage, QByteArray(ImageSize, '\x42'));
}

TEST_F(LinkSim, ConnectingWaitsOutAPowerCycleAndCancelReturnsPromptly) {
    TSimLink rig(TSimLink::fastOptions({{sim::TFaultMode::PowerCycle, 1, 4}}));
    const TConnectResult r = WaitForDevice(*rig.link, [] { return false; });
    EXPECT_TRUE(r.connected);
    EXPECT_EQ(rig.sim.Identifications(), 5);

    TSimLink off(TSimLink::fastOptions({{sim::TFaultMode::PowerCycle, 1, 1'000'000}}));
    QElapsedTimer timer;
    timer.start();
    constexpr int CancelAfterMs = 300;
    const TConnectResult cancelled =
        WaitForDevice(*off.link, [&] { return timer.elapsed() >= CancelAfterMs; });
    EXPECT_FALSE(cancelled.connected);
    // At most one round (three attempts of about 100 ms) after the user pressed Cancel.
    EXPECT_LT(timer.elapsed(), CancelAfterMs + 700);
}

TEST_F(LinkSim, ThePortIsOpenedExclusively) {
    TSimLink rig;
    ASSERT_TRUE(rig.link->IsOpen());
    TPortMap map;
    map.SetPath(1, rig.sim.SlavePath());
    TML_RS second(MakeQtSerialPortIo(), map);
    second.Open(1);
    EXPECT_FALSE(second.IsOpen());
    EXPECT_EQ(second.LastOpenResult(), TPortOpenResult::Busy);
    EXPECT_EQ(failureOf([&] { second.Command(0xF4, devmem::CmdIdentify); }), NoLinkText);
}

TEST_F(LinkSim, APeerThatGoesAwayClosesTheLinkInsteadOfSpinning) {
    TSimLink rig;
    rig.connect();
    rig.sim.Stop(); // the far end hangs up, as a pulled-out adapter does
    EXPECT_EQ(failureOf([&] { rig.link->Command(0xF4, devmem::CmdIdentify); }), NoLinkText);
    EXPECT_FALSE(rig.link->IsOpen());

    // Waiting for the device on the dead port sleeps rather than burning a core.
    QElapsedTimer timer;
    timer.start();
    timespec cpu0{}, cpu1{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu0);
    WaitForDevice(*rig.link, [&] { return timer.elapsed() >= 300; });
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu1);
    const double cpuMs = (cpu1.tv_sec - cpu0.tv_sec) * 1e3 + (cpu1.tv_nsec - cpu0.tv_nsec) / 1e6;
    EXPECT_LT(cpuMs, 0.2 * double(timer.elapsed()));
}

TEST_F(LinkSim, At19200BitPerSecondExchangesTakeTheirLineTime) {
    sim::TTripSimOptions options;
    options.baud = 19200;
    TSimLink rig(options);
    rig.connect();
    TMK model;
    QElapsedTimer timer;
    timer.start();
    constexpr int Blocks = 10;
    for (int block = 1; block <= Blocks; ++block) {
        rig.link->BeginRequest(devmem::DeviceAddress, devmem::CmdReadBlock);
        rig.link->PutWord(static_cast<std::uint16_t>(block));
        rig.link->Transact();
        ASSERT_EQ(rig.link->ReplyDataLength(), 32);
        EXPECT_EQ(rig.link->RxByte(5), static_cast<std::uint8_t>(rig.sim.Memory().at(block * 32)));
    }
    // 8 request bytes (echoed as they go) and 38 reply bytes, 11 bits each.
    const double floorMs = Blocks * (8 + 38) * 11 * 1000.0 / 19200;
    EXPECT_GE(timer.elapsed(), floorMs);
    EXPECT_LT(timer.elapsed(), floorMs * 2); // generous: the machine may be busy
}
