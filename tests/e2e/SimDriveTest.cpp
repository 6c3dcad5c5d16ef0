// A drive the running simulator records reads, to the configurator, as the device's own,
// wherever the memory's section table puts the journal and the sums.

#include "ByteAccess.h"
#include "JournalRecords.h"
#include "Pars32H.h"
#include "SimMemory.h"
#include "TripSim.h"

#include <gtest/gtest.h>

namespace {

using namespace journals;

constexpr int MovedSumsAddress = 6000; // clear of section 7 at the default upper address
constexpr int LeapYear = 2028;         // the journal keeps no year

sim::TTripSimOptions over(const QByteArray& memory) {
    sim::TTripSimOptions options;
    options.memory = memory;
    return options;
}

TMK decoded(const QByteArray& memory) {
    TMK model;
    model.SettingsImage = sim::ImageOfMemory(memory);
    model.ReadSections(1, SectionCountMax);
    return model;
}

sim::TCounters growth(const TMK& before, const TMK& after, Adder adder) {
    const AdderCounters a = ReadAdder(after, adder), b = ReadAdder(before, adder);
    return sim::TCounters{a.time, a.distance, a.petrol, a.gas} -
           sim::TCounters{b.time, b.distance, b.petrol, b.gas};
}

QDate dateOf(const JournalRecord& r) {
    return QDate(LeapYear, r.month, r.day);
}

// Records two drives, each checked against the memory before it.
void expectDrivesRecorded(const QByteArray& memory, const char* what) {
    SCOPED_TRACE(what);
    sim::TTripSim simulator(over(memory));
    for (int drive = 0; drive < 2; ++drive) {
        const QByteArray was = simulator.Memory();
        const sim::TDrive d = simulator.RecordDrive();
        const QByteArray now = simulator.Memory();
        const TMK before = decoded(was), after = decoded(now);

        const JournalRecord newest = ReadJournalRecord(after, DriveJournal::Trip, 0);
        EXPECT_EQ((sim::TCounters{newest.travelTime, newest.distance, newest.petrol, newest.gas}),
                  d.all);
        EXPECT_TRUE(d.all.distance * 3.6 / d.all.time > 10) << "km/h";
        const JournalRecord last = ReadJournalRecord(before, DriveJournal::Trip, 0);
        ASSERT_TRUE(dateOf(newest).isValid());
        if (!last.isEmpty()) {
            EXPECT_TRUE(dateOf(newest) == dateOf(last).addDays(1) ||
                        (dateOf(newest) == dateOf(last) && newest.timeOfDay > last.timeOfDay));
        }

        for (Adder sum : {Adder::AllSum, Adder::ResetSum, Adder::TankSum})
            EXPECT_EQ(growth(before, after, sum), d.all) << AdderFieldName(sum);
        EXPECT_EQ(growth(TMK(), after, Adder::TripSum), d.all) << "the trip is this drive";
        sim::TCounters split = growth(before, after, Adder::StopSum);
        EXPECT_EQ(split += growth(before, after, Adder::NoStopSum), d.all) << "stop, no stop";
        sim::TCounters fuels = growth(before, after, Adder::OilOnlySum);
        EXPECT_EQ(fuels += growth(before, after, Adder::GasOnlySum), d.all) << "petrol, gas";

        // Entries move down one (the 21st falls off); no byte outside them or the sums moves.
        const int journal = before.SectionAddress(7) + FieldByName("TripJournal").offset;
        const int kept = sim::JournalSize - sim::JournalRecordSize;
        EXPECT_EQ(now.mid(journal + sim::JournalRecordSize, kept), was.mid(journal, kept));
        const FieldDef& lastSum = FieldByName("GasOnlySum");
        const int sums = before.SectionAddress(1),
                  sumsEnd = lastSum.offset + FieldByteSize(lastSum);
        for (int a = 0; a < MemorySize; ++a)
            if (now[a] != was[a]) {
                EXPECT_TRUE((a >= journal && a < journal + sim::JournalSize) ||
                            (a >= sums && a < sums + sumsEnd))
                    << "address " << a;
            }
    }
}

} // namespace

TEST(SimDrive, ARecordedDriveIsTheNewestEntryAndEverySumGrewByExactlyIt) {
    const QByteArray history = sim::BuildDefaultMemory(1);
    ASSERT_FALSE(ReadJournalRecord(decoded(history), DriveJournal::Trip, 20).isEmpty());
    expectDrivesRecorded(history, "a full journal");
    expectDrivesRecorded(sim::MoveSection(sim::MoveSection(history, 7, sim::UpperSectionAddress), 1,
                                          MovedSumsAddress),
                         "sections 7 and 1 in the upper half");
    TMK emptied = decoded(history);
    ClearDriveJournal(emptied, DriveJournal::Trip);
    emptied.WriteSections(7, 7);
    expectDrivesRecorded(sim::MemoryWithImage(history, emptied.SettingsImage), "an empty journal");

    // A table that gives section 7 room for its prices alone: the journal is left alone.
    QByteArray cramped = history;
    bytes::setU16le(cramped, sim::HeaderAddress + SectionLengthOffset(7),
                    FieldByName("TripJournal").offset + SectionTrailerBytes);
    sim::TTripSim simulator(over(cramped));
    simulator.RecordDrive();
    EXPECT_EQ(decoded(simulator.Memory()).Section(7), decoded(cramped).Section(7));
    EXPECT_NE(decoded(simulator.Memory()).Section(1), decoded(cramped).Section(1));
}
