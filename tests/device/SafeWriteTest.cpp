// The pieces of the safe write that need no device: the change list, the read-back
// comparison and the backup file.

#include "ChangeList.h"
#include "CoreAppScope.h"
#include "DeviceBackup.h"
#include "Errors.h"
#include "FieldAccess.h"
#include "Language.h"
#include "Pars32H.h"
#include "QStringPrint.h"
#include "ReadBackCheck.h"
#include "SettingsFile.h"
#include "SimMemory.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TSectionRecords defaultRecords() {
    const TMK m;
    TSectionRecords r;
    for (int i = 1; i <= SectionCountMax; ++i)
        r[i] = m.Section(i);
    return r;
}

QStringList lines(const std::vector<TFieldChange>& changes) {
    QStringList out;
    for (const TFieldChange& c : changes)
        out << ChangeLine(c);
    return out;
}

} // namespace

TEST(ChangeList, NamesExactlyWhatDiffersByElementBitTextAndByteRange) {
    EnglishVersion = true;
    const TSectionRecords device = defaultRecords();
    EXPECT_TRUE(ComputeChanges(device, device).empty());

    TSectionRecords written = device;
    auto set = [&](const char* name, int index, double v) {
        const FieldDef& f = FieldByName(name);
        WriteFieldNumber(written[f.section], f, index, v);
    };
    set("TankLimit", 0, 7);
    set("ParkSense", 1, 3);
    set("SoundLock", 0, 1);      // a named bit: listed by its name, not as its whole word
    set("ExpenseCorr", 0, 1.25); // a float factor
    const FieldDef& candle = FieldByName("CandleName");
    WriteFieldText(written[5], candle, "Plugs");
    // Bytes behind a text's terminator are no change of the text.
    const FieldDef& tsName = FieldByName("ForsTOName");
    written[5][tsName.offset + tsName.count - 1] = 'x';
    const FieldDef& trip = FieldByName("TripJournal");
    for (int k : {0, 1, 40})
        written[7][trip.offset + k] = char(0x11 * (k + 1));
    const FieldDef& faults = FieldByName("FaultJournal");
    for (int k = 0; k < 100; ++k)
        written[11][faults.offset + k] = char(0xA5);
    written[7][857] = char(0x77); // a reserved byte no field names

    EXPECT_EQ(lines(ComputeChanges(device, written)),
              (QStringList{"ParkSense[1]: 0 -> 3", "CandleName: Spark pl.repl. -> Plugs",
                           "TankLimit: 10 -> 7", "ExpenseCorr: 1 -> 1.25",
                           "TripJournal[0]: 0 -> 17", "TripJournal[1]: 0 -> 34",
                           "TripJournal[40]: 0 -> 185", "Section 7: 1 of 8 bytes differ",
                           "SoundLock: 0 -> 1", "FaultJournal: 100 of 644 bytes differ"}));
    // A bit no row names shows as its word.
    set("DispFlags", 0, 8 + 1024);
    EXPECT_TRUE(lines(ComputeChanges(device, written)).contains("DispFlags: 0 -> 1032"));

    const auto changes = ComputeChanges(device, written);
    EXPECT_EQ(changes[0].field, &FieldByName("ParkSense"));
    EXPECT_EQ(changes[0].index, 1);
    EXPECT_TRUE(changes[0].numeric);
    EXPECT_EQ(changes[0].afterValue, 3);
}

TEST(ReadBack, ComparesTheWrittenRegionsOnlyAndNamesRunsBySection) {
    const QByteArray memory = sim::BuildDefaultMemory(1);
    const QByteArray image = sim::ImageOfMemory(memory);
    TMK m;
    m.SettingsImage = image;
    m.ReadHeader();

    // The blocks from the first section's to the last one's, each once.
    const std::vector<int> blocks = BlocksOfWrittenRegions(image);
    const int last = m.SectionAddress(11) + m.SectionLength(11) - 4 - 1;
    ASSERT_FALSE(blocks.empty());
    EXPECT_EQ(blocks.front(), m.SectionAddress(1) / 32);
    EXPECT_EQ(blocks.back(), last / 32);
    EXPECT_EQ(int(blocks.size()), blocks.back() - blocks.front() + 1);

    auto readBack = [&](const QByteArray& mem) {
        QMap<int, QByteArray> read;
        for (int b : blocks)
            read.insert(b, mem.mid(b * 32, 32));
        return read;
    };
    EXPECT_TRUE(CompareReadBack(image, readBack(memory)).empty());

    QByteArray other = memory;
    const int a3 = m.SectionAddress(3), a7 = m.SectionAddress(7);
    for (int a : {a3 + 5, a3 + 6, a3 + 9, a7})
        other[a] = char(~other[a]);
    // The device's own bytes behind a section are not written, so not compared.
    other[a3 + m.SectionLength(3) - 2] = char(~other[a3 + m.SectionLength(3) - 2]);
    const auto d = CompareReadBack(image, readBack(other));
    ASSERT_EQ(d.size(), 3u);
    EXPECT_EQ(d[0].section, 3);
    EXPECT_EQ(d[0].firstAddress, a3 + 5);
    EXPECT_EQ(d[0].lastAddress, a3 + 6);
    EXPECT_EQ(d[1].firstAddress, a3 + 9);
    EXPECT_EQ(d[2].section, 7);

    EnglishVersion = true;
    const EReadBackError e(d, "/backups/x.veltg");
    EXPECT_EQ(e.message(),
              QStringLiteral("The write verification failed: reading back found other values "
                             "than were written in section 3 (device addresses %1..%2, %3), "
                             "section 7 (device addresses %4).\nBackup of the device's previous "
                             "memory: /backups/x.veltg")
                  .arg(a3 + 5)
                  .arg(a3 + 6)
                  .arg(a3 + 9)
                  .arg(a7));
}

TEST(Backup, OneFileATimeAndVersionNeverReplacingAnEarlierOne) {
    CoreAppScope app;
    EnglishVersion = true;
    EXPECT_EQ(BackupFileName(QDateTime(QDate(2026, 3, 5), QTime(9, 7, 2)), 0x4610),
              "20260305-090702-4610.veltg");
    EXPECT_TRUE(DefaultBackupFolder().endsWith("/backups"));

    QTemporaryDir dir;
    const QString folder = dir.filePath("deep/backups");
    const QByteArray image = sim::ImageOfMemory(sim::BuildDefaultMemory(1));
    QByteArray second = image;
    second[100] = char(~second[100]);
    const QString a = SaveDeviceBackup(folder, 0x4610, image);
    const QString b = SaveDeviceBackup(folder, 0x4610, second);
    EXPECT_NE(a, b);
    TMK loaded;
    LoadSettingsFile(loaded, a);
    EXPECT_EQ(loaded.SettingsImage, image);
    EXPECT_EQ(loaded.DeviceVersion, 0x4610);
    LoadSettingsFile(loaded, b);
    EXPECT_EQ(loaded.SettingsImage, second);

    // A folder that cannot be made: refused, naming it.
    QFile blocker(dir.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString bad = dir.filePath("file/backups");
    try {
        SaveDeviceBackup(bad, 0x4610, image);
        ADD_FAILURE() << "saved into " << bad.toStdString();
    } catch (const TError& e) {
        EXPECT_TRUE(e.message().contains(bad)) << e.message().toStdString();
    }
}
