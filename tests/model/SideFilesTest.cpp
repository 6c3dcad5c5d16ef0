// The tank (.velto) and maintenance (.veltt) files: byte layout, round trip, short files.

#include "SideFiles.h"
#include "Errors.h"
#include "Pars32H.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Where each run of file bytes comes from: file offset, section, section offset, size.
struct Run {
    int file, section, offset, size;
};

// clang-format off
const Run kTankLayout[] = {
    {0, 3, 0, 2}, {2, 3, 2, 2}, {4, 3, 4, 2}, {6, 3, 6, 2}, {8, 3, 8, 14}, {22, 3, 22, 14},
    {36, 3, 36, 1}, {37, 4, 0, 1}, {38, 4, 1, 1}, {39, 4, 2, 1}, {40, 4, 6, 1},
    {41, 4, 8, 68}, {109, 4, 144, 136},
};
const Run kMaintenanceLayout[] = {
    {0, 5, 0, 7}, {7, 5, 8, 4}, {11, 5, 12, 4}, {15, 5, 16, 4}, {19, 5, 20, 32},
    {51, 5, 108, 4}, {55, 5, 112, 4}, {59, 5, 7, 1}, {60, 5, 52, 16}, {76, 5, 68, 16},
    {92, 5, 84, 16}, {108, 5, 100, 2}, {110, 5, 117, 1}, {111, 5, 118, 1}, {112, 5, 102, 2},
    {114, 5, 104, 2}, {116, 5, 116, 1},
};
// clang-format on

// Every record byte distinct from its neighbours and from the other model's.
void fillPattern(TMK& m, int seed) {
    for (int s = 1; s <= SectionCountMax; ++s) {
        QByteArray& r = m.Section(s);
        for (int i = 0; i < r.size(); ++i)
            r[i] = char((i * 7 + s * 31 + seed) & 0xFF);
    }
}

template <std::size_t N>
void expectLayout(const Run (&layout)[N], const QByteArray& file, const TMK& m, int size) {
    ASSERT_EQ(file.size(), size);
    int covered = 0;
    for (const Run& r : layout) {
        EXPECT_EQ(file.mid(r.file, r.size), m.Section(r.section).mid(r.offset, r.size))
            << "file offset " << r.file;
        covered += r.size;
    }
    EXPECT_EQ(covered, size);
}

std::vector<QByteArray> sectionsOf(const TMK& m) {
    std::vector<QByteArray> s;
    for (int i = 1; i <= SectionCountMax; ++i)
        s.push_back(m.Section(i));
    return s;
}

} // namespace

TEST(SideFiles, LayoutsFollowTheByteTables) {
    TMK m;
    fillPattern(m, 5);
    expectLayout(kTankLayout, EncodeTankFile(m), m, TankFileSize);
    expectLayout(kMaintenanceLayout, EncodeMaintenanceFile(m), m, MaintenanceFileSize);
    // Little-endian in the file as in the record.
    m.Set("Oil6L", 0, 0x1234);
    EXPECT_EQ(EncodeTankFile(m).left(2), QByteArray("\x34\x12"));
}

TEST(SideFiles, SaveThenLoadLeavesTheModelUnchangedAndCopiesIntoAnother) {
    QTemporaryDir dir;
    TMK a, b;
    fillPattern(a, 1);
    fillPattern(b, 2);
    SaveTankFile(a, dir.filePath("a.velto"));
    SaveMaintenanceFile(a, dir.filePath("a.veltt"));
    const auto before = sectionsOf(a);
    EXPECT_EQ(LoadTankFile(a, dir.filePath("a.velto")), TankFileSize);
    EXPECT_EQ(LoadMaintenanceFile(a, dir.filePath("a.veltt")), MaintenanceFileSize);
    EXPECT_EQ(sectionsOf(a), before);

    LoadTankFile(b, dir.filePath("a.velto"));
    LoadMaintenanceFile(b, dir.filePath("a.veltt"));
    EXPECT_EQ(EncodeTankFile(b), EncodeTankFile(a));
    EXPECT_EQ(EncodeMaintenanceFile(b), EncodeMaintenanceFile(a));
    EXPECT_NE(b.Section(3).mid(37, 27), a.Section(3).mid(37, 27)) << "mode, sizes not carried";
    EXPECT_NE(b.Get("TarirIncline"), a.Get("TarirIncline"));
    EXPECT_THROW(LoadTankFile(b, dir.path()), TError) << "a folder is no tank file";
}

TEST(SideFiles, AShortFileStopsTheCopyAndALongOneCountsOnlyItsSize) {
    TMK a, b;
    fillPattern(a, 1);
    fillPattern(b, 2);
    const auto original = sectionsOf(b);
    // 50 bytes end inside TarirLit[8]: points 0..8 come from the file, the rest stays.
    EXPECT_EQ(DecodeTankFile(EncodeTankFile(a).left(50), b), 50);
    EXPECT_EQ(EncodeTankFile(b).left(50), EncodeTankFile(a).left(50));
    EXPECT_EQ(b.Section(4).mid(8 + 9), original[3].mid(8 + 9));
    EXPECT_EQ(DecodeMaintenanceFile({}, b), 0);
    EXPECT_EQ(b.Section(5), original[4]);

    EXPECT_EQ(DecodeMaintenanceFile(EncodeMaintenanceFile(a) + QByteArray(40, '\xEE'), b),
              MaintenanceFileSize);
    EXPECT_EQ(EncodeMaintenanceFile(b), EncodeMaintenanceFile(a));
}

// A file longer than its kind is no such file; a maintenance file whose two universal-input
// readings are equal is refused as a typed entry would be. Neither changes the model.
TEST(SideFiles, ALongerFileAndEqualInputReadingsAreRefusedAndChangeNothing) {
    QTemporaryDir dir;
    TMK a, b;
    fillPattern(a, 1);
    fillPattern(b, 2);
    auto write = [&](const char* name, const QByteArray& data) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(data);
        return f.fileName();
    };
    const QString exact = write("exact.velto", EncodeTankFile(a));
    const QString longer = write("longer.velto", EncodeTankFile(a) + 'x');
    try {
        LoadTankFile(b, longer);
        ADD_FAILURE() << "a 246-byte tank file was loaded";
    } catch (const TError& e) {
        EXPECT_TRUE(e.message().contains(longer) && e.message().contains("246") &&
                    e.message().contains("245"))
            << e.message().toStdString();
    }
    EXPECT_THROW(LoadMaintenanceFile(b, write("longer.veltt", EncodeMaintenanceFile(a) + 'x')),
                 TError);
    EXPECT_EQ(sectionsOf(b), [] {
        TMK c;
        fillPattern(c, 2);
        return sectionsOf(c);
    }());
    EXPECT_EQ(LoadTankFile(b, exact), TankFileSize);

    a.Set("UniMeasADC", 0, 512);
    a.Set("UniMeasADC", 1, 512);
    const QByteArray kept = b.Section(5);
    EXPECT_THROW(LoadMaintenanceFile(b, write("equal.veltt", EncodeMaintenanceFile(a))), TError);
    EXPECT_EQ(b.Section(5), kept);
    a.Set("UniMeasADC", 1, 513);
    EXPECT_EQ(LoadMaintenanceFile(b, write("differ.veltt", EncodeMaintenanceFile(a))),
              MaintenanceFileSize);
    EXPECT_EQ(b.Get("UniMeasADC", 1), 513);
}
