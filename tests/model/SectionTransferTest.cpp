#include "ImageBuilder.h"
#include "Pars32H.h"

#include <gtest/gtest.h>

namespace {

QByteArray pattern(int size, int seed) {
    QByteArray b(size, '\0');
    for (int i = 0; i < size; ++i)
        b[i] = char((i * 13 + seed) & 0xFF);
    return b;
}

void fillRecords(TMK& m, int seed) {
    for (int i = 1; i <= 11; ++i)
        m.Section(i) = pattern(SectionRecordSize(i), seed + i);
}

} // namespace

TEST(SectionTransfer, RoundTripPlacesEachRecordAtItsTableAddress) {
    TMK m;
    fillRecords(m, 5);
    // A table whose sections sit elsewhere and in another order than usual.
    std::array<TableEntry, 11> table{};
    for (int i = 11, address = 200; i >= 1; --i) { // last section first
        table[i - 1] = {address, SectionRecordSize(i) + 4};
        address += table[i - 1].length;
    }
    m.SettingsImage = imageWithTable(table);
    const QByteArray before = m.SettingsImage;
    m.WriteSections(1, 11);

    QByteArray expected = before;
    for (int i = 1; i <= 11; ++i)
        expected.replace(*ImageOffset(table[i - 1].address), SectionRecordSize(i), m.Section(i));
    EXPECT_EQ(m.SettingsImage, expected) << "bytes outside the sections must stay";

    TMK back;
    back.SettingsImage = m.SettingsImage;
    back.ReadSections(1, 11);
    for (int i = 1; i <= 11; ++i)
        EXPECT_EQ(back.Section(i), m.Section(i)) << "section " << i;
}

TEST(SectionTransfer, ShortAndLongTableLengthsStayInsideTheSection) {
    TMK m;
    fillRecords(m, 9);
    auto table = standardTable();
    table[1].length = 20;                             // section 2: 16 of its 28 bytes
    table[2].length = SectionRecordSize(3) + 4 + 100; // section 3: longer than its record
    table[3].length = 3;                              // section 4: nothing at all
    m.SettingsImage = imageWithTable(table);
    const QByteArray before = m.SettingsImage;
    m.WriteSections(1, 11);

    const int a2 = *ImageOffset(table[1].address);
    EXPECT_EQ(m.SettingsImage.mid(a2, 16), m.Section(2).left(16));
    EXPECT_EQ(m.SettingsImage.mid(a2 + 16, 12), before.mid(a2 + 16, 12))
        << "a short section must not overwrite the device's bytes behind it";
    const int a3 = *ImageOffset(table[2].address);
    EXPECT_EQ(m.SettingsImage.mid(a3, 64), m.Section(3));
    EXPECT_EQ(m.SettingsImage.mid(a3 + 64, 100), before.mid(a3 + 64, 100));
    const int a4 = *ImageOffset(table[3].address);
    EXPECT_EQ(m.SettingsImage.mid(a4, 420), before.mid(a4, 420));

    // Reading back: the short section keeps the rest of its record, the long one reads
    // no more than its record.
    TMK back;
    const QByteArray old2 = back.Section(2), old4 = back.Section(4);
    back.SettingsImage = m.SettingsImage;
    back.ReadSections(1, 11);
    EXPECT_EQ(back.Section(2).left(16), m.Section(2).left(16));
    EXPECT_EQ(back.Section(2).mid(16), old2.mid(16));
    EXPECT_EQ(back.Section(3), m.Section(3));
    EXPECT_EQ(back.Section(3).size(), 64);
    EXPECT_EQ(back.Section(4), old4);
}

TEST(SectionTransfer, InvalidAddressesAndShortImages) {
    TMK m;
    fillRecords(m, 21);
    auto table = standardTable();
    table[4].address = 31;    // no valid header for this one
    table[10].address = 7500; // upper half, image offset 7436, past the end of a short image
    m.SettingsImage = imageWithTable(table, 7800);
    const QByteArray before = m.SettingsImage;
    const QByteArray old5 = m.Section(5);

    // Skipped when read, refused when written; the image stays as it was either way.
    m.ReadSection(5);
    EXPECT_EQ(m.Section(5), old5);
    EXPECT_THROW(m.WriteSection(5), ERangeError);
    EXPECT_THROW(m.WriteSections(1, 11), ERangeError);
    EXPECT_EQ(m.SettingsImage, before) << "a refused write changes nothing";

    // Reading a section that runs past the end takes what exists and keeps the rest.
    const QByteArray old11 = m.Section(11);
    m.ReadSection(11);
    const int held = 7800 - (7500 - 64);
    EXPECT_EQ(m.Section(11).left(held), before.mid(7500 - 64, held));
    EXPECT_EQ(m.Section(11).mid(held), old11.mid(held));
    // Writing it grows the image.
    m.Section(11) = pattern(664, 3);
    m.WriteSection(11);
    EXPECT_EQ(m.SettingsImage.size(), 7500 - 64 + 664);
    EXPECT_EQ(m.SettingsImage.mid(7500 - 64), m.Section(11));

    // A section running past the end of the memory has no place in any image.
    for (int address : {8100, MemorySize + 32}) {
        table[10].address = address;
        m.SettingsImage = imageWithTable(table);
        const QByteArray image = m.SettingsImage;
        const QByteArray record = m.Section(11);
        EXPECT_THROW(m.WriteSection(11), ERangeError) << address;
        auto clearJournals = [&] {
            m.Section(7).fill('\x33');
            return true;
        };
        EXPECT_THROW(m.ViewJournals(clearJournals), ERangeError);
        EXPECT_EQ(m.SettingsImage, image) << "no edited section 7 without its section 11";
        m.ReadSection(11);
        EXPECT_EQ(m.Section(11), record);
    }

    // An empty image has no table: nothing is read or written.
    TMK empty;
    const QByteArray rec1 = empty.Section(1);
    empty.ReadSections(1, 11);
    empty.WriteSections(1, 11);
    EXPECT_TRUE(empty.SettingsImage.isEmpty());
    EXPECT_EQ(empty.Section(1), rec1);
}

// A table that lists fewer than eleven sections leaves the pairs behind its count to
// chance: here section 4's pair points at section 1 and section 11's nowhere. Such a file
// passes the load check, so the model must neither read those sections from the image nor
// write them into it (the device write never sends them anyway).
TEST(SectionTransfer, SectionsPastTheTableCountTakeNoBytes) {
    TMK m;
    fillRecords(m, 33);
    std::array<QByteArray, 12> records;
    for (int i = 1; i <= 11; ++i)
        records[i] = m.Section(i);
    auto table = standardTable();
    table[3] = table[0];
    table[10].address = 0xFFFF;
    QByteArray image = imageWithTable(table);
    image[0] = 3;
    m.SettingsImage = image;

    m.ReadSections(1, 11);
    EXPECT_EQ(m.Section(1), image.mid(*ImageOffset(table[0].address), SectionRecordSize(1)));
    for (int i = 4; i <= 11; ++i)
        EXPECT_EQ(m.Section(i), records[i]) << "section " << i;

    fillRecords(m, 61);
    ASSERT_NO_THROW(m.WriteSections(1, 11));
    for (int i = 1; i <= 3; ++i)
        image.replace(*ImageOffset(table[i - 1].address), SectionRecordSize(i), m.Section(i));
    EXPECT_EQ(m.SettingsImage, image) << "only the three listed sections are written";
}

TEST(ModelEdit, CancelRestoresRecordsAndConfirmEncodesOnlySectionsOneToTen) {
    TMK m;
    m.SettingsImage = imageWithTable(standardTable());
    const QByteArray image = m.SettingsImage;
    m.ReadSections(1, 11);
    std::array<QByteArray, 12> recs;
    for (int i = 1; i <= 11; ++i)
        recs[i] = m.Section(i);

    auto scribble = [&] {
        for (int i = 1; i <= 11; ++i)
            m.Section(i).fill('\x5A');
    };
    EXPECT_FALSE(m.Edit([&] {
        scribble();
        return false;
    }));
    EXPECT_EQ(m.SettingsImage, image);
    for (int i = 1; i <= 10; ++i)
        EXPECT_EQ(m.Section(i), recs[i]) << "section " << i;

    // An exception inside the dialog restores as a cancel does.
    EXPECT_THROW(m.Edit([&]() -> bool {
        scribble();
        throw TError("boom");
    }),
                 TError);
    EXPECT_EQ(m.Section(3), recs[3]);
    m.Section(11) = recs[11];

    EXPECT_TRUE(m.Edit([&] {
        m.Section(6)[0] = '\x42';
        m.Section(11).fill('\x77'); // never encoded by the editor
        return true;
    }));
    const auto table = standardTable();
    QByteArray expected = image;
    expected[*ImageOffset(table[5].address)] = '\x42';
    EXPECT_EQ(m.SettingsImage, expected);
}

TEST(ModelViewJournals, ConfirmEncodesSevenOneElevenAndCancelRestoresThem) {
    TMK m;
    m.SettingsImage = imageWithTable(standardTable());
    m.ReadSections(1, 11);
    const QByteArray image = m.SettingsImage;
    const QByteArray s1 = m.Section(1), s7 = m.Section(7), s11 = m.Section(11);

    EXPECT_FALSE(m.ViewJournals([&] {
        m.Section(1).fill(0);
        m.Section(7).fill(0);
        m.Section(11).fill(0);
        return false;
    }));
    EXPECT_EQ(m.Section(1), s1);
    EXPECT_EQ(m.Section(7), s7);
    EXPECT_EQ(m.Section(11), s11);
    EXPECT_EQ(m.SettingsImage, image);

    EXPECT_TRUE(m.ViewJournals([&] {
        m.Section(11).fill(0);
        m.Section(2).fill(0); // not the viewer's: stays out of the image
        return true;
    }));
    const auto table = standardTable();
    QByteArray expected = image;
    expected.replace(*ImageOffset(table[10].address), 664, QByteArray(664, '\0'));
    EXPECT_EQ(m.SettingsImage, expected);
}
