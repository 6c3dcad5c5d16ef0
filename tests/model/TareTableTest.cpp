// The tare table's grid texts and commit rule.

#include "TareTable.h"
#include "Errors.h"
#include "Language.h"
#include "Pars32H.h"

#include <gtest/gtest.h>

TEST(TareTable, CommitKeepsDigitsAndSetsTheHighStartAbove240) {
    EnglishVersion = true;
    TMK m;
    QByteArray& s4 = m.Section(4);
    m.Set("TarirLeng", 0, 3);
    CommitTareTable(s4, {{"1a2", "241"}, {"", " 5 0"}, {"255", "9999"}});
    EXPECT_EQ(m.Get("TarirLit", 0), 12);
    EXPECT_EQ(m.Get("TarirLit", 1), 0);
    EXPECT_EQ(m.Get("TarirRes", 1), 50);
    EXPECT_EQ(m.Get("TarirLit", 2), 255);
    EXPECT_EQ(m.Get("TarirRes", 2), 9999);
    EXPECT_EQ(m.Get("TarirHighStart"), 1);
    EXPECT_EQ(m.Get("TarirLit", 3), 25) << "points past the length keep their values";

    CommitTareTable(s4, {{"16", "240"}}); // rows missing from the grid count as empty
    EXPECT_EQ(m.Get("TarirHighStart"), 0);
    EXPECT_EQ(m.Get("TarirLit", 2), 0);
    EXPECT_EQ(TareRows(s4)[0].units, "240");
}

TEST(TareTable, ATooLargeCellNamesItsRowAndKeepsTheRowsBefore) {
    EnglishVersion = true;
    TMK m;
    QByteArray& s4 = m.Section(4);
    m.Set("TarirLeng", 0, 4);
    try {
        CommitTareTable(s4, {{"1", "1"}, {"2", "2"}, {"256", "3"}, {"4", "4"}});
        FAIL() << "256 litres stored";
    } catch (const ERangeError& e) {
        EXPECT_EQ(e.message(), "Row 3: Range check error");
    }
    EXPECT_EQ(m.Get("TarirLit", 1), 2);
    EXPECT_EQ(m.Get("TarirRes", 1), 2);
    EXPECT_EQ(m.Get("TarirLit", 2), 22);
    EXPECT_EQ(m.Get("TarirLit", 3), 25);
    EXPECT_THROW(CommitTareTable(s4, {{"1", "32768"}}), ERangeError);
    EXPECT_THROW(CommitTareTable(s4, {{"123456789012345678901234567890", "1"}}), ERangeError);
}

TEST(TareTable, EmptyAndDamagedLengths) {
    TMK m;
    QByteArray& s4 = m.Section(4);
    const QByteArray before = s4;
    m.Set("TarirLeng", 0, 0);
    EXPECT_EQ(TareGridRowCount(0), 2);
    EXPECT_TRUE(TareRows(s4).empty());
    CommitTareTable(s4, {{"99", "999"}});
    EXPECT_EQ(s4.mid(8), before.mid(8)) << "an empty table commits nothing";

    m.Set("TarirLeng", 0, 69);
    EXPECT_TRUE(TareRows(s4).empty());
    EXPECT_EQ(RepairTareLength(s4), 0);
    EXPECT_EQ(m.Get("TarirLeng"), 0);
    m.Set("TarirLeng", 0, 68);
    EXPECT_EQ(RepairTareLength(s4), 68);
    EXPECT_EQ(TareRows(s4).size(), 68u);

    EXPECT_FALSE(SevenPointRowVisible(0, 0));
    EXPECT_TRUE(SevenPointRowVisible(7, 6));
    EXPECT_FALSE(SevenPointRowVisible(3, 3));
}
