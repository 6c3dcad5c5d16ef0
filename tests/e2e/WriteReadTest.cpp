// What a write reads of the simulated trip computer, what its backup holds, and what it says
// when the line is cut half-way.

#include "ChangeList.h"
#include "CoreAppScope.h"
#include "DeviceMemory.h"
#include "DeviceTransfers.h"
#include "Language.h"
#include "LinkTexts.h"
#include "ML_RS232.h"
#include "Pars32H.h"
#include "SettingsFile.h"
#include "SimMemory.h"
#include "TripSim.h"
#include "WriteRequests.h"

#include <QDir>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>
#include <set>

namespace {

struct TRig {
    explicit TRig(const QByteArray& memory) {
        sim::TTripSimOptions o;
        o.baud = 0;
        o.memory = memory;
        sim = std::make_unique<sim::TTripSim>(o);
        sim->Start();
        TPortMap map;
        map.SetPath(1, sim->SlavePath());
        link = std::make_unique<TML_RS>(MakeQtSerialPortIo(), map);
        link->Open(1);
        link->SetPortType(TML_RS::PortRs485Echo);
    }
    std::uint16_t connect() {
        const std::uint16_t version = WaitForDevice(*link, [] { return false; }).version;
        sim->ClearRequests();
        return version;
    }
    // The settings as read from the device, with one setting changed.
    TMK editedSettings() {
        TMK model;
        model.DeviceVersion = connect();
        ReadSettingsFromDevice(*link, model, {});
        model.Set("TankLimit", 0, 7);
        model.Set("PriceExpense", 0, 0x1234);
        model.WriteSections(1, SectionCountMax);
        return model;
    }
    // Writes into a backup folder of its own and returns the backup's image.
    QByteArray write(TMK& model, WriteFlowSteps steps) {
        steps.backupFolder = dir.filePath("backups");
        const TWriteOutcome outcome = WriteSettingsToDevice(*link, model, connect(), steps);
        TMK backup;
        LoadSettingsFile(backup, outcome.backupPath);
        return backup.SettingsImage;
    }
    std::vector<int> blocksReadBeforeWriting() const {
        std::vector<int> blocks;
        for (const sim::TRequestRecord& r : sim->Requests()) {
            if (std::uint8_t(r.frame[4]) != devmem::CmdReadBlock) break;
            blocks.push_back(std::uint8_t(r.frame[5]) | std::uint8_t(r.frame[6]) << 8);
        }
        return blocks;
    }
    QTemporaryDir dir;
    std::unique_ptr<sim::TTripSim> sim;
    std::unique_ptr<TML_RS> link;
};

class WriteRead : public ::testing::Test {
    CoreAppScope app_;
};

// Section 2 fills block 94 exactly; section 8's data ends with block 99, so only its last 4
// bytes lie in block 100; sections 10 and 6 share block 105; section 7 is in the upper half.
QByteArray edgeLayout() {
    QByteArray m = sim::BuildDefaultMemory(1);
    for (auto [section, address] :
         {std::pair{2, 3008}, std::pair{8, 3160}, {10, 3300}, {6, 3364}, {7, 4200}})
        m = sim::MoveSection(m, section, address);
    return m;
}

// The blocks that hold a header byte or a byte of some section's table length.
std::vector<int> blocksHoldingSections(const QByteArray& memory) {
    TMK m;
    m.SettingsImage = sim::ImageOfMemory(memory);
    m.ReadHeader();
    std::set<int> blocks;
    for (int a = ImageBase; a < ImageBase + HeaderSize; ++a)
        blocks.insert(a / BlockSize);
    for (int k = 1; k <= m.SectionCount(); ++k)
        for (int a = m.SectionAddress(k); a < m.SectionAddress(k) + m.SectionLength(k); ++a)
            blocks.insert(a / BlockSize);
    return {blocks.begin(), blocks.end()};
}

bool has(const std::vector<int>& v, int x) {
    return std::find(v.begin(), v.end(), x) != v.end();
}

} // namespace

TEST_F(WriteRead, AWriteReadsTheHeaderAndExactlyTheSectionsBlocksAndEndsAsReadingAllOfItDid) {
    const QByteArray layout = edgeLayout();
    TRig rig(layout), whole(layout);
    TMK settings = rig.editedSettings();
    TMK same;
    same.TakeSettings(settings.CopySettings());

    WriteFlowSteps steps;
    std::vector<int> progress;
    steps.readProgress = [&](int p) { progress.push_back(p); };
    const QByteArray backup = rig.write(settings, steps);
    const std::vector<int> blocks = rig.blocksReadBeforeWriting();
    EXPECT_EQ(blocks, blocksHoldingSections(layout)) << "header first, then ascending, once each";
    EXPECT_TRUE(has(blocks, 100) && !has(blocks, 101)) << "4 trailing bytes in the next block";
    EXPECT_TRUE(has(blocks, 94) && !has(blocks, 95)) << "a section ending at a block's end";
    EXPECT_EQ(std::count(blocks.begin(), blocks.end(), 105), 1);
    EXPECT_TRUE(has(blocks, 131) && has(blocks, 158)) << "section 7 at 4200..5063";
    EXPECT_EQ(progress.size(), blocks.size());
    EXPECT_EQ(progress.back(), 100);

    steps.readWholeMemory = true;
    const QByteArray wholeBackup = whole.write(same, steps);
    EXPECT_EQ(rig.sim->Memory(), whole.sim->Memory());
    for (int offset = 0; offset < ImageSize; ++offset)
        ASSERT_EQ(backup[offset],
                  has(blocks, *DeviceAddressOf(offset) / BlockSize) ? wholeBackup[offset] : '\0')
            << "image offset " << offset;

    // A table that places a section across the halves: refused after the header's blocks.
    QByteArray across = layout;
    across[sim::HeaderAddress + SectionAddressOffset(5)] = char(4090 & 0xFF);
    across[sim::HeaderAddress + SectionAddressOffset(5) + 1] = char(4090 >> 8);
    rig.sim->SetMemory(across);
    EXPECT_THROW(rig.write(settings, {}), ERangeError);
    EXPECT_EQ(rig.blocksReadBeforeWriting(), (std::vector<int>{1, 2}));
    EXPECT_EQ(rig.sim->Requests().size(), 2u) << "nothing else read, nothing written";
}

TEST_F(WriteRead, TheBytesAWriteDoesNotReadComeFromAFullReadOfTheSameDeviceElseAreZero) {
    TRig rig(sim::BuildDefaultMemory(1));
    TMK model = rig.editedSettings();
    const TFullRead earlier{sim::ImageOfMemory(rig.sim->Memory()), model.DeviceVersion};
    QByteArray newFirmware = earlier.image;
    newFirmware[1] = char(2); // the header's settings version

    WriteFlowSteps steps;
    steps.lastFullRead = earlier;
    rig.write(model, steps); // the device's sections differ from the earlier read's now
    const QByteArray device = sim::ImageOfMemory(rig.sim->Memory());
    EXPECT_EQ(rig.write(model, steps), device);

    QByteArray zeroFilled(ImageSize, '\0');
    for (int block : devmem::BlocksOfSections(device))
        for (int a = block * BlockSize; a < (block + 1) * BlockSize; ++a)
            zeroFilled[*ImageOffset(a)] = device[*ImageOffset(a)];
    for (const TFullRead& other :
         {TFullRead{earlier.image, 0x4000}, TFullRead{newFirmware, 0x4610}}) {
        steps.lastFullRead = other;
        EXPECT_EQ(rig.write(model, steps), zeroFilled);
    }
}

TEST_F(WriteRead, AWriteCutOffAfterAFirstBlockSaysWhereItStoppedAndWhatToDo) {
    EnglishVersion = false;
    const QByteArray memory = sim::BuildDefaultMemory(1);
    // The line is cut from the given request of the write on.
    auto cutAt = [](TRig& rig, int section, int block) {
        WriteFlowSteps steps;
        steps.confirm = [&rig, section, block](const TWritePlan& plan) {
            rig.sim->AddFault(
                {sim::TFaultMode::CutReply,
                 rig.sim->RequestCount() + WriteRequestOf(plan.writtenImage, section, block),
                 1000000});
            return TWriteChoice{};
        };
        return steps;
    };
    TRig rig(memory);
    TMK settings = rig.editedSettings();
    try {
        rig.write(settings, cutAt(rig, 7, 1));
        ADD_FAILURE() << "no error";
    } catch (const TError& e) {
        const QDir backups(rig.dir.filePath("backups"));
        ASSERT_EQ(backups.entryList(QDir::Files).size(), 1);
        EXPECT_EQ(e.message(),
                  QString::fromLatin1(DelayWithinBlockText) +
                      "\nЗапись остановилась на разделе 7 из 11: в МК могут оказаться частью "
                      "новые, частью старые настройки. Запишите настройки ещё раз или "
                      "восстановите резервную копию " +
                      backups.filePath(backups.entryList(QDir::Files)[0]) + ".");
    }
    const TSectionRecords device = DecodeSectionRecords(sim::ImageOfMemory(rig.sim->Memory()));
    EXPECT_EQ(device[3], settings.Section(3)) << "sections 1..6 were written";
    EXPECT_NE(device[7], settings.Section(7)) << "section 7 was not";

    // Cut at the first region's start: nothing was changed, the link's message alone.
    TRig early(memory);
    TMK again = early.editedSettings();
    try {
        early.write(again, cutAt(early, 1, -1));
        ADD_FAILURE() << "no error";
    } catch (const TError& e) {
        EXPECT_EQ(e.message(), QString::fromLatin1(DelayWithinBlockText));
    }
    EXPECT_EQ(early.sim->Memory(), memory);
}
