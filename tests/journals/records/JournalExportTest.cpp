#include "JournalExport.h"
#include "JournalTestData.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace journals;

TEST(JournalExport, DriveTableHasHeaderAndATabAfterEveryCell) {
    LanguageScope lang(true);
    TMK m;
    ClearDriveJournal(m, DriveJournal::Tank);
    const QString text = DriveJournalText(m, DriveJournal::Tank);
    QStringList lines = text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 23); // 22 rows, each ended by CR LF
    EXPECT_TRUE(lines.takeLast().isEmpty());
    for (const QString& line : lines) {
        EXPECT_EQ(line.count(u'\t'), 9) << line.toStdString();
        EXPECT_FALSE(line.contains(u'\n') || line.contains(u'\r'));
    }
    EXPECT_TRUE(lines[0].startsWith("#\tDate and time of rec.\tTravel time\t"));
    EXPECT_TRUE(lines[0].endsWith("\tCost\t"));
    EXPECT_EQ(lines[1], "Last\tEmpty\t\t\t\t\t\t\t\t");
    EXPECT_EQ(lines[21], "20\tEmpty\t\t\t\t\t\t\t\t");

    const TextTable trip = DriveTable(m, DriveJournal::Trip);
    EXPECT_EQ(trip[2][1], "08:17   15.11"); // the sample drive is record 1, the second row
    EXPECT_EQ(trip[2][0], "1");
}

TEST(JournalExport, SumsAndFaultsForTheCommandLine) {
    LanguageScope lang(false);
    TMK m;
    const QStringList sums = SumsText(m).split(QStringLiteral("\r\n"));
    ASSERT_EQ(sums.size(), 8 * 7 + 1);
    EXPECT_EQ(sums[0], "Накопительные / Общие");
    EXPECT_EQ(sums[1], "Время\t0:00");
    EXPECT_EQ(sums[7], "Поездка");

    PutFault(m, 4, 601, 9, 12, 0x0301, 0x0301);
    SetPidPresent(m, 0x0D);
    const QStringList faults = FaultJournalText(m, {}).split(QStringLiteral("\r\n"));
    EXPECT_EQ(faults[0], "#\tВремя\tКод ошибки\t");
    EXPECT_EQ(faults[1], "0\t\t\t");
    EXPECT_EQ(faults[5], "4\t10:01 9.12\tP0301\t");
    EXPECT_EQ(faults[8], "Стоп-кадр 4");
    EXPECT_EQ(faults[9], "Код ошибки\tP0301");
    EXPECT_EQ(faults[10], "Скорость, км/час\t0");
    EXPECT_EQ(faults.size(), 12);
}

TEST(JournalExport, SavedAtomicallyInTheSystemEncoding) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("trips.txt");
    const QString text = QStringLiteral("Пусто\t\r\n");
    SaveExportText(path, text);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), EncodeExportText(text));
#ifndef Q_OS_WIN
    EXPECT_EQ(EncodeExportText(text), text.toUtf8());
#endif
    // A file that cannot be written reports why and leaves no file behind.
    const QString bad = dir.filePath("missing/trips.txt");
    EXPECT_THROW(SaveExportText(bad, text), TError);
    EXPECT_FALSE(QFile::exists(bad));
}
