#include "JournalTestData.h"

#include <gtest/gtest.h>

using namespace journals;

namespace {

const Prices kPrices{250, 100, 15, 120};

DriveRowTexts Texts(JournalRecord r, Prices p = kPrices) {
    return DriveRecordTexts(r, p);
}

} // namespace

TEST(DriveRecord, DerivedValuesAndCost) {
    LanguageScope lang(true);
    const auto t = Texts({605, 7, 3, 5400, 1234567, 55000, 0});
    EXPECT_EQ(t[0], "10:05   7.03");
    EXPECT_EQ(t[1], "1:30");
    EXPECT_EQ(t[2], "1234.567");
    EXPECT_EQ(t[3], "55.000");
    EXPECT_EQ(t[4], "823");
    EXPECT_EQ(t[5], "4.5");
    EXPECT_EQ(t[6], "36.67");
    EXPECT_EQ(t[7], "3376.9");

    // Past midnight the clock wraps; the travel time does not wrap at 24 hours.
    const auto late = Texts({1500, 15, 11, 97440, 1000, 500, 250});
    EXPECT_EQ(late[0], "01:00   15.11");
    EXPECT_EQ(late[1], "27:04");
    EXPECT_EQ(late[3], "0.750");
    // Gas is priced on its own: (1 x 15 + 0.5 x 250 + 0.25 x 120) / 10 + 27.0666 x 100.
    EXPECT_EQ(late[7], "2723.7");

    // Halves of km/h go to the even neighbour: 4.5 -> 4, 13.5 -> 14.
    EXPECT_EQ(Texts({0, 1, 1, 4, 5, 0, 0})[4], "4");
    EXPECT_EQ(Texts({0, 1, 1, 4, 15, 0, 0})[4], "14");

    // Two full fuel counters add up without wrapping.
    EXPECT_EQ(Texts({0, 1, 1, 1, 1, 0xFFFFFFFF, 0xFFFFFFFF})[3], "8589934.590");
}

TEST(DriveRecord, NoAveragesWithoutTimeOrDistanceAndEmptyRecords) {
    LanguageScope lang(true);
    const auto standing = Texts({0, 1, 1, 0, 0, 300, 0});
    EXPECT_EQ(standing[4], "---");
    EXPECT_EQ(standing[5], "---");
    EXPECT_EQ(standing[6], "---");
    EXPECT_EQ(standing[7], "7.5");

    const auto empty = Texts({605, 0, 3, 5400, 1234567, 55000, 0});
    EXPECT_EQ(empty[0], "Empty");
    for (int i = 1; i < DriveTextCount; ++i)
        EXPECT_TRUE(empty[i].isEmpty()) << i;
    LanguageScope ru(false);
    EXPECT_EQ(Texts({})[0], "Пусто");
}

TEST(DriveRecord, NumbersUseTheLocaleDecimalSeparator) {
    LanguageScope lang(true, QLocale(QLocale::German, QLocale::Germany));
    const auto t = Texts({605, 7, 3, 5400, 1234567, 55000, 0});
    EXPECT_EQ(t[2], "1234,567");
    EXPECT_EQ(t[5], "4,5");
    EXPECT_EQ(t[6], "36,67");
    EXPECT_EQ(t[7], "3376,9");
}

TEST(DriveRecord, ReadFromTheModelWithPricesOfTheMoment) {
    LanguageScope lang(true);
    TMK m;
    // The sample trip of a fresh model: 123456 s, 10123 m, 1234 + 12 mL.
    const auto t = DriveRecordTexts(ReadJournalRecord(m, DriveJournal::Trip, 1), ReadPrices(m));
    EXPECT_EQ(t[0], "08:17   15.11");
    EXPECT_EQ(t[1], "34:17");
    EXPECT_EQ(t[3], "1.246");
    EXPECT_EQ(t[7], "61.2"); // (10.123 x 3.0 + 1.234 x 25.0) / 1
    EXPECT_TRUE(ReadJournalRecord(m, DriveJournal::Trip, 0).isEmpty());
    EXPECT_EQ(ReadJournalRecord(m, DriveJournal::Tank, 0).distance, 100456u);

    m.Set("PricePath", 0, 0);
    m.Set("PriceExpense", 0, 0);
    m.Set("PriceTime", 0, 36);
    EXPECT_EQ(DriveRecordTexts(ReadJournalRecord(m, DriveJournal::Trip, 1), ReadPrices(m))[7],
              "1234.6");
}

TEST(DriveRecord, ClearingEmptiesEveryRecordOfOneJournalOnly) {
    TMK m;
    PutDriveRecord(m, "TripJournal", 20, {100, 9, 9, 60, 1000, 100, 0});
    const QByteArray before = m.Section(7);
    ClearDriveJournal(m, DriveJournal::Trip);
    for (int i = 0; i < JournalRecordCount; ++i)
        EXPECT_TRUE(ReadJournalRecord(m, DriveJournal::Trip, i).isEmpty()) << i;
    const JournalRecord last = ReadJournalRecord(m, DriveJournal::Trip, 20);
    EXPECT_EQ(last.distance, 1000u); // only the day byte changes
    EXPECT_EQ(last.month, 9);
    EXPECT_FALSE(ReadJournalRecord(m, DriveJournal::Tank, 0).isEmpty());
    int changed = 0;
    for (int i = 0; i < before.size(); ++i)
        changed += before[i] != m.Section(7)[i];
    EXPECT_EQ(changed, 2);
}

TEST(Adders, RowsWithOdometerStartAndMissingDivisors) {
    LanguageScope lang(true);
    const auto rows = AdderRows(AdderCounters{0, 2500, 1500, 500}, 100000);
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[0], (LabelValue{"Time", "0:00"}));
    EXPECT_EQ(rows[1], (LabelValue{"Mileage, km", "100002.500"}));
    EXPECT_EQ(rows[2], (LabelValue{"Expense, l", "2.000"}));
    EXPECT_EQ(rows[3].value, "-----");
    EXPECT_EQ(rows[4].value, "80.0"); // the start value takes no part in the averages
    EXPECT_EQ(rows[5].value, "-----");

    const auto moving = AdderRows(AdderCounters{97440, 1000000, 80000, 0}, 0);
    EXPECT_EQ(moving[0].value, "27:04");
    EXPECT_EQ(moving[3].value, "36.9");
    EXPECT_EQ(moving[4].value, "8.0");
    EXPECT_EQ(moving[5].value, "3.0");
    EXPECT_EQ(AdderRows(AdderCounters{}, 0)[4].value, "-----");

    // Beyond 32 bits: 999999 km of start plus 4000 km travelled.
    EXPECT_EQ(AdderRows(AdderCounters{0, 4000000000u, 0, 0}, 999999)[1].value, "4999999.000");
    // An erased memory reads 0xFFFFFFFF in both fuel counters; their sum must not wrap.
    const auto erased = AdderRows(AdderCounters{3600, 1000, 0xFFFFFFFF, 0xFFFFFFFF}, 0);
    EXPECT_EQ(erased[2].value, "8589934.590");
    EXPECT_EQ(erased[4].value, "858993459.0");
    EXPECT_EQ(erased[5].value, "8589934.6");

    LanguageScope ru(false);
    EXPECT_EQ(AdderRows(AdderCounters{}, 0)[5].label, "Ср.расход, л/час");
}

TEST(Adders, ReadFromTheModelAndCleared) {
    LanguageScope lang(true);
    TMK m;
    m.Set("AllPathStart", 0, 100000);
    for (int i = 0; i < 4; ++i)
        m.Set("AllSum", i, 1000 * (i + 1));
    m.Set("OilOnlySum", 2, 700);
    m.Set("GasOnlySum", 0, 60);
    m.Set("GasOnlySum", 2, 300);

    EXPECT_EQ(AdderRows(m, Adder::AllSum)[1].value, "100002.000");
    EXPECT_EQ(AdderRows(m, Adder::AllSum)[2].value, "7.000");
    m.Set("TripSum", 1, 2000);
    EXPECT_EQ(AdderRows(m, Adder::TripSum)[1].value, "2.000"); // no start value
    const AdderCounters gas = ReadAdder(m, Adder::GasOnlySum);
    EXPECT_EQ(gas.gas, 300u);
    EXPECT_EQ(gas.petrol, 0u);
    EXPECT_EQ(ReadAdder(m, Adder::OilOnlySum).petrol, 700u);

    ClearAdder(m, Adder::AllSum);
    EXPECT_EQ(AdderRows(m, Adder::AllSum)[1].value, "100000.000");
    EXPECT_EQ(AdderRows(m, Adder::AllSum)[2].value, "0.000");
    EXPECT_EQ(m.Get("AllPathStart"), 100000);

    // The three-counter adder ends where the next one begins.
    ClearAdder(m, Adder::OilOnlySum);
    EXPECT_EQ(ReadAdder(m, Adder::OilOnlySum).petrol, 0u);
    EXPECT_EQ(ReadAdder(m, Adder::GasOnlySum).time, 60u);
    EXPECT_EQ(AdderCaption(Adder::TankSum), "Reset 2 (between gas stations)");
}
