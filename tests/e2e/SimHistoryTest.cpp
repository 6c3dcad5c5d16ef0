// The simulated trip computer's generated history reads as a real device's would: full
// journals of plausible drives, sums that agree with them and each other, and a fault
// journal with codes of every system and freeze frames.

#include "SimHistory.h"
#include "JournalRecords.h"
#include "Language.h"
#include "Pars32H.h"
#include "SimMemory.h"
#include "TestApp.h"

#include <climits>
#include <gtest/gtest.h>
#include <set>

namespace journals {
bool operator==(const AdderCounters& a, const AdderCounters& b) {
    return a.time == b.time && a.distance == b.distance && a.petrol == b.petrol && a.gas == b.gas;
}
} // namespace journals

namespace {

using namespace journals;

// The model as the configurator sees the simulator's memory after a read.
TMK readSimulatorMemory() {
    TMK model;
    model.SettingsImage = sim::ImageOfMemory(sim::BuildDefaultMemory(1));
    model.DeviceVersion = sim::HistoryDeviceVersion;
    model.ReadHeader();
    model.ReadSections(1, 11);
    return model;
}

AdderCounters counters(const JournalRecord& r) {
    return {r.travelTime, r.distance, r.petrol, r.gas};
}

void add(AdderCounters& sum, const AdderCounters& c) {
    sum.time += c.time;
    sum.distance += c.distance;
    sum.petrol += c.petrol;
    sum.gas += c.gas;
}

// Month, day and minute as one ordered number; the history lies within one year.
int moment(const JournalRecord& r) {
    return (r.month * 32 + r.day) * 1440 + r.timeOfDay;
}

} // namespace

TEST(SimHistory, JournalsHoldPlausibleDrivesNewestFirstAndTheSameBytesEveryRun) {
    EXPECT_EQ(sim::BuildDefaultMemory(1), sim::BuildDefaultMemory(1)) << "a fixed seed";
    const TMK model = readSimulatorMemory();
    for (DriveJournal journal : {DriveJournal::Trip, DriveJournal::Tank}) {
        int filled = 0;
        int previous = INT_MAX;
        for (int i = 0; i < JournalRecordCount; ++i) {
            const JournalRecord r = ReadJournalRecord(model, journal, i);
            if (r.isEmpty()) continue;
            ++filled;
            EXPECT_LE(moment(r), previous) << "entry 0 is the latest, record " << i;
            previous = moment(r);
            EXPECT_TRUE(r.month >= 1 && r.month <= 12 && r.day <= 31 && r.timeOfDay < 1440);
            const double kmh = r.distance * 3.6 / r.travelTime;
            const double per100 = (r.petrol + r.gas) * 100.0 / r.distance;
            EXPECT_TRUE(kmh > 5 && kmh < 130) << kmh << " km/h, record " << i;
            EXPECT_TRUE(per100 > 5 && per100 < 25) << per100 << " L/100 km, record " << i;
            if (journal == DriveJournal::Tank) {
                EXPECT_GT(r.distance, 150'000u) << "a tank lasts, record " << i;
            }
        }
        EXPECT_GE(filled, journal == DriveJournal::Trip ? 15 : 8);
    }
}

TEST(SimHistory, SumsAgreeWithTheDrivesAndWithEachOther) {
    const TMK model = readSimulatorMemory();
    const AdderCounters all = ReadAdder(model, Adder::AllSum);

    EXPECT_EQ(ReadAdder(model, Adder::TripSum),
              counters(ReadJournalRecord(model, DriveJournal::Trip, 0)))
        << "the trip sum is the last drive";

    AdderCounters split = ReadAdder(model, Adder::StopSum);
    add(split, ReadAdder(model, Adder::NoStopSum));
    EXPECT_EQ(split, all) << "jams and traffic make up everything";

    const AdderCounters petrol = ReadAdder(model, Adder::OilOnlySum);
    const AdderCounters gas = ReadAdder(model, Adder::GasOnlySum);
    EXPECT_EQ(petrol.time + gas.time, all.time);
    EXPECT_EQ(petrol.distance + gas.distance, all.distance);
    EXPECT_EQ(petrol.petrol, all.petrol);
    EXPECT_EQ(gas.gas, all.gas);
    EXPECT_GT(gas.gas, 5 * all.petrol) << "a gas car that starts on petrol";

    // Reset 2 runs from the last refuelling: the drives after it in the trip journal.
    const JournalRecord lastRefuelling = ReadJournalRecord(model, DriveJournal::Tank, 0);
    AdderCounters sinceRefuelling;
    int drivesSince = 0;
    for (int i = 0; i < JournalRecordCount; ++i) {
        const JournalRecord r = ReadJournalRecord(model, DriveJournal::Trip, i);
        if (r.isEmpty() || moment(r) <= moment(lastRefuelling)) continue;
        add(sinceRefuelling, counters(r));
        ++drivesSince;
    }
    ASSERT_LT(drivesSince, JournalRecordCount) << "the journal reaches back to the refuelling";
    EXPECT_EQ(ReadAdder(model, Adder::TankSum), sinceRefuelling);

    AdderCounters journalled;
    for (int i = 0; i < JournalRecordCount; ++i)
        add(journalled, counters(ReadJournalRecord(model, DriveJournal::Tank, i)));
    add(journalled, sinceRefuelling);
    const AdderCounters reset = ReadAdder(model, Adder::ResetSum);
    EXPECT_TRUE(journalled.distance <= all.distance && reset.distance <= all.distance &&
                reset.distance > sinceRefuelling.distance);
    EXPECT_GT(model.Get("AllPathStart"), 0) << "the odometer when the device was fitted";
}

TEST(SimHistory, FaultJournalShowsCodesOfEverySystemAndFreezeFrames) {
    TestApp();
    EnglishVersion = true;
    const TMK model = readSimulatorMemory();
    const FaultCodeStyle style = CurrentFaultCodeStyle(model);
    std::set<QChar> systems;
    int frames = 0;
    for (int slot = 0; slot < FaultSlotCount; ++slot) {
        const FaultRecord r = ReadFaultRecord(model, slot);
        if (r.isEmpty()) continue;
        const QString code = FaultRecordTexts(r, style).code;
        ASSERT_EQ(code.size(), 5) << qPrintable(code);
        systems.insert(code.front());
        const auto rows = FreezeFrameRows(r, ReadFreezeFramePids(model));
        if (rows.empty()) continue;
        ++frames;
        EXPECT_EQ(rows.front().value, code) << "the frame belongs to its fault";
        EXPECT_GE(rows.size(), 15u);
        for (const LabelValue& row : rows)
            if (row.label == "Fuel system 1 status") {
                EXPECT_NE(row.value, "Unknown");
            }
    }
    EXPECT_EQ(systems, (std::set<QChar>{'P', 'C', 'B', 'U'}));
    EXPECT_GE(frames, 3);
    EnglishVersion = false;
}
