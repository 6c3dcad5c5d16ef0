// A write against the simulated trip computer that recorded a drive after the settings were
// read: what the device recorded stays, what the user cleared is cleared in the device, and
// the settings' own records go in only when the user asks.

#include "CoreAppScope.h"
#include "DeviceMemory.h"
#include "DeviceTransfers.h"
#include "JournalRecords.h"
#include "Language.h"
#include "ML_RS232.h"
#include "Pars32H.h"
#include "SimMemory.h"
#include "TripSim.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct TRig {
    TRig() {
        sim::TTripSimOptions o;
        o.baud = 0;
        sim = std::make_unique<sim::TTripSim>(o);
        sim->Start();
        TPortMap map;
        map.SetPath(1, sim->SlavePath());
        link = std::make_unique<TML_RS>(MakeQtSerialPortIo(), map);
        link->Open(1);
        link->SetPortType(TML_RS::PortRs485Echo);
        link->ResponseTimeout = 100;
    }
    std::uint16_t connect() {
        return WaitForDevice(*link, [] { return false; }).version;
    }
    // The device's memory decoded as the program decodes an image.
    TSectionRecords deviceRecords() const {
        TMK m;
        m.SettingsImage = sim::ImageOfMemory(sim->Memory());
        m.ReadSections(1, SectionCountMax);
        TSectionRecords r;
        for (int i = 1; i <= SectionCountMax; ++i)
            r[i] = m.Section(i);
        return r;
    }
    CoreAppScope app;
    QTemporaryDir dir;
    std::unique_ptr<sim::TTripSim> sim;
    std::unique_ptr<TML_RS> link;
};

} // namespace

TEST(DeviceRecordsWrite, TheDeviceKeepsWhatItRecordedAndClearsOnlyWhatTheUserCleared) {
    EnglishVersion = true;
    TRig rig;
    TMK model;
    ReadSettingsFromDevice(*rig.link, model, {});
    model.DeviceVersion = rig.connect();
    model.Set("TankLimit", 0, 7);
    journals::ClearFaultJournal(model);
    journals::ClearAdder(model, journals::Adder::TripSum);
    const TSettingsCopy settings = model.CopySettings();

    // Meanwhile the car is driven: the device records a trip and its totals grow.
    rig.sim->RecordDrive();
    TSectionRecords expected = rig.deviceRecords();
    expected[FieldByName("TankLimit").section] = model.Section(FieldByName("TankLimit").section);
    CopyDeviceRecords(expected, rig.deviceRecords());
    journals::ClearFaultJournal(expected[11]);
    journals::ClearAdder(expected[1], journals::Adder::TripSum);

    // Declining changes nothing, the clears included.
    WriteFlowSteps steps;
    steps.backupFolder = rig.dir.filePath("backups");
    TWritePlan plan;
    steps.confirm = [&plan](const TWritePlan& p) {
        plan = p;
        return TWriteChoice{false, false};
    };
    const QByteArray memory = rig.sim->Memory();
    EXPECT_FALSE(WriteSettingsToDevice(*rig.link, model, rig.connect(), steps).written);
    EXPECT_EQ(rig.sim->Memory(), memory);
    EXPECT_EQ(model.CopySettings().image, settings.image);
    EXPECT_EQ(model.CopySettings().sections, settings.sections);
    EXPECT_EQ(model.ClearedRecords, settings.cleared);

    ASSERT_EQ(plan.changes.size(), 1u) << "records are no settings";
    EXPECT_EQ(plan.changes[0].name, "TankLimit");
    QStringList kept;
    for (const auto& c : plan.recordChanges)
        kept << journals::RecordChangeLine(c);
    EXPECT_TRUE(kept.contains("Fault journal: 7 records cleared")) << qPrintable(kept.join('\n'));
    EXPECT_TRUE(kept.filter("Trip distance: ").size() == 1) << qPrintable(kept.join('\n'));
    EXPECT_TRUE(kept.filter("Trip journal").isEmpty()) << "the new drive stays";
    ASSERT_TRUE(plan.canReplaceRecords);
    QStringList replaced;
    for (const auto& c : plan.replacedRecordChanges)
        replaced << journals::RecordChangeLine(c);
    EXPECT_TRUE(replaced.contains("Trip journal: 21 records replaced"))
        << qPrintable(replaced.join('\n'));
    EXPECT_EQ(replaced.filter("Total distance: ").size(), 1);

    // Writing: byte for byte the device's records with the user's clears, and the setting.
    steps.confirm = {};
    const TWriteOutcome outcome = WriteSettingsToDevice(*rig.link, model, rig.connect(), steps);
    ASSERT_TRUE(outcome.written);
    EXPECT_FALSE(outcome.recordsReplaced);
    const TSectionRecords device = rig.deviceRecords();
    for (int i = 1; i <= SectionCountMax; ++i)
        EXPECT_EQ(device[i], expected[i]) << "section " << i;
    EXPECT_TRUE(model.ClearedRecords.Empty()) << "the clears are done";
    EXPECT_EQ(model.Section(7), device[7]) << "the model holds what the device holds";

    // Asked to, the settings' own records replace the device's.
    TMK other;
    other.TakeSettings(settings);
    other.ClearedRecords = {};
    steps.confirm = [](const TWritePlan&) { return TWriteChoice{true, true}; };
    EXPECT_TRUE(WriteSettingsToDevice(*rig.link, other, rig.connect(), steps).recordsReplaced);
    EXPECT_TRUE(SameDeviceRecords(rig.deviceRecords(), settings.sections));
}
