// What a write reads of the simulated trip computer, what its backup holds, and what it says
// when the line is cut half-way.

#include "ChangeList.h"
#include "CoreAppScope.h"
#include "DeviceTransfers.h"
#include "Language.h"
#include "LinkTexts.h"
#include "ML_RS232.h"
#include "Pars32H.h"
#include "SettingsFile.h"
#include "SimMemory.h"
#include "TripSim.h"
#include "WriteRequests.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <set>

namespace {

sim::TTripSimOptions unpaced(const QByteArray& memory) {
    sim::TTripSimOptions o;
    o.baud = 0;
    o.memory = memory;
    return o;
}

struct TRig {
    explicit TRig(const QByteArray& memory) : sim(unpaced(memory)) {
        sim.Start();
        TPortMap map;
        map.SetPath(1, sim.SlavePath());
        link = std::make_unique<TML_RS>(MakeQtSerialPortIo(), map);
        link->Open(1);
        link->SetPortType(TML_RS::PortRs485Echo);
        model.DeviceVersion = connect();
        ReadSettingsFromDevice(*link, model, {});
        model.Set("TankLimit", 0, 7);
        model.Set("PriceExpense", 0, 0x1234);
        model.WriteSections(1, SectionCountMax);
    }
    std::uint16_t connect() {
        const std::uint16_t version = WaitForDevice(*link, [] { return false; }).version;
        sim.ClearRequests();
        return version;
    }
    // Writes the edited settings and returns the backup's image.
    QByteArray write(WriteFlowSteps steps) {
        steps.backupFolder = dir.path();
        TMK backup;
        LoadSettingsFile(backup, WriteSettingsToDevice(*link, model, connect(), steps).backupPath);
        return backup.SettingsImage;
    }
    std::vector<int> blocksReadBeforeWriting() const {
        std::vector<int> blocks;
        for (const sim::TRequestRecord& r : sim.Requests()) {
            if (std::uint8_t(r.frame[4]) != devmem::CmdReadBlock) break;
            blocks.push_back(std::uint8_t(r.frame[5]) | std::uint8_t(r.frame[6]) << 8);
        }
        return blocks;
    }
    CoreAppScope app;
    QTemporaryDir dir;
    sim::TTripSim sim;
    std::unique_ptr<TML_RS> link;
    TMK model;
};

// The blocks that hold a header byte or a byte of some section's table length.
std::set<int> blocksHoldingSections(const QByteArray& memory) {
    TMK m;
    m.SettingsImage = sim::ImageOfMemory(memory);
    m.ReadHeader();
    std::set<int> blocks;
    for (int a = ImageBase; a < ImageBase + HeaderSize; ++a)
        blocks.insert(a / BlockSize);
    for (int k = 1; k <= m.SectionCount(); ++k)
        for (int a = m.SectionAddress(k); a < m.SectionAddress(k) + m.SectionLength(k); ++a)
            blocks.insert(a / BlockSize);
    return blocks;
}

} // namespace

TEST(WriteRead, AWriteReadsTheHeaderAndExactlyTheSectionsBlocksAndEndsAsReadingAllOfItDid) {
    // Section 2 fills block 94 exactly; section 8's data ends with block 99, so only its last
    // 4 bytes lie in block 100; sections 10 and 6 share block 105; section 7 is at 4200..5063.
    QByteArray layout = sim::BuildDefaultMemory(1);
    for (auto [section, address] :
         {std::pair{2, 3008}, std::pair{8, 3160}, {10, 3300}, {6, 3364}, {7, 4200}})
        layout = sim::MoveSection(layout, section, address);
    TRig rig(layout), whole(layout);

    WriteFlowSteps steps;
    std::vector<int> progress;
    steps.readProgress = [&](int p) { progress.push_back(p); };
    // An earlier read of another firmware's header fills nothing.
    QByteArray otherHeader = sim::ImageOfMemory(layout);
    otherHeader[1] = char(2);
    steps.lastFullRead = TFullRead{otherHeader, rig.model.DeviceVersion};
    const QByteArray backup = rig.write(steps);
    const std::vector<int> blocks = rig.blocksReadBeforeWriting();
    const std::set<int> needed = blocksHoldingSections(layout);
    EXPECT_EQ(blocks, std::vector<int>(needed.begin(), needed.end()));
    ASSERT_TRUE(needed.count(100) && !needed.count(101) && needed.count(94) && !needed.count(95))
        << "the layout has the edges";
    EXPECT_EQ(progress.size(), blocks.size());
    EXPECT_EQ(progress.back(), 100);

    steps.readWholeMemory = true;
    const QByteArray wholeBackup = whole.write(steps);
    EXPECT_EQ(rig.sim.Memory(), whole.sim.Memory());
    for (int offset = 0; offset < ImageSize; ++offset)
        ASSERT_EQ(backup[offset],
                  needed.count(*DeviceAddressOf(offset) / BlockSize) ? wholeBackup[offset] : '\0')
            << "image offset " << offset;

    // A table that places a section across the halves: refused after the header's blocks.
    QByteArray across = layout;
    across[sim::HeaderAddress + SectionAddressOffset(5)] = char(4090 & 0xFF);
    across[sim::HeaderAddress + SectionAddressOffset(5) + 1] = char(4090 >> 8);
    rig.sim.SetMemory(across);
    EXPECT_THROW(rig.write({}), ERangeError);
    EXPECT_EQ(rig.sim.Requests().size(), 2u) << "blocks 1 and 2, nothing written";
}

TEST(WriteRead, AWriteCutOffAfterAFirstBlockSaysWhereItStoppedAndWhatToDo) {
    EnglishVersion = false;
    const QByteArray memory = sim::BuildDefaultMemory(1);
    TRig rig(memory);
    // The three attempts at one request of the write meet a cut reply.
    auto cutAt = [&rig](int section, int block) {
        WriteFlowSteps steps;
        steps.confirm = [&rig, section, block](const TWritePlan& plan) {
            const int n =
                rig.sim.RequestCount() + WriteRequestOf(plan.writtenImage, section, block);
            rig.sim.AddFault({sim::TFaultMode::CutReply, n, n + TML_RS::Attempts - 1});
            return TWriteChoice{};
        };
        return steps;
    };
    auto failure = [&rig](const WriteFlowSteps& steps) {
        try {
            rig.write(steps);
        } catch (const TError& e) {
            return e.message();
        }
        return QString();
    };
    EXPECT_EQ(failure(cutAt(1, -1)), QString::fromLatin1(DelayWithinBlockText));
    EXPECT_EQ(rig.sim.Memory(), memory) << "nothing was written";

    const QString message = failure(cutAt(7, 1));
    const QString said = QString::fromLatin1(DelayWithinBlockText) +
                         "\nЗапись остановилась на разделе 7 из 11: в МК могут оказаться частью "
                         "новые, частью старые настройки. Запишите настройки ещё раз или "
                         "восстановите резервную копию " +
                         rig.dir.path() + "/";
    EXPECT_TRUE(message.startsWith(said) && message.endsWith(".veltg.")) << qPrintable(message);
    EXPECT_TRUE(QFileInfo::exists(message.section(QStringLiteral("копию "), 1).chopped(1)));
    const TSectionRecords device = DecodeSectionRecords(sim::ImageOfMemory(rig.sim.Memory()));
    EXPECT_EQ(device[3], rig.model.Section(3)) << "sections 1..6 were written";
    EXPECT_NE(device[7], rig.model.Section(7)) << "section 7 was not";
}
