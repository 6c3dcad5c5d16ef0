// tripconf-cli end to end: the commands against the simulated trip computer and files.

#include "ByteAccess.h"
#include "CliCommands.h"
#include "CliRun.h"
#include "CoreAppScope.h"
#include "DeviceMemory.h"
#include "Errors.h"
#include "FieldTable.h"
#include "JournalExport.h"
#include "JsonWriter.h"
#include "Language.h"
#include "Pars32H.h"
#include "QStringPrint.h"
#include "SettingsFile.h"
#include "SideFiles.h"
#include "SimMemory.h"
#include "TripSim.h"
#include "WriteRequests.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using Result = CliResult;

Result run(const QStringList& args) {
    return RunCli(args);
}

class Cli : public ::testing::Test {
    CoreAppScope app_; // first in, last out: the simulator and link go before it

protected:
    void SetUp() override { EnglishVersion = true; }
    void startSim(std::uint8_t settingsVersion = 1) {
        sim::TTripSimOptions o;
        o.baud = 0;
        o.settingsVersion = settingsVersion;
        sim_ = std::make_unique<sim::TTripSim>(o);
        sim_->Start();
    }
    QStringList device(const char* command) const {
        return {command, "--port", sim_->SlavePath(), "--wait", "5"};
    }
    QString path(const QString& name) const { return dir_.filePath(name); }
    void writeFile(const QString& name, const QByteArray& data) const {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(data);
    }

    static QByteArray fileBytes(const QString& name) {
        QFile f(name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir dir_;
    std::unique_ptr<sim::TTripSim> sim_;
};

} // namespace

TEST_F(Cli, ReadEditWriteChangesOnlyTheEditedBytesAndKeepsABackup) {
    startSim();
    const QByteArray before = sim_->Memory();
    Result r = run(device("read") << "--out" << path("dev.veltg"));
    ASSERT_EQ(r.code, 0) << qPrintable(r.err);
    EXPECT_TRUE(r.err.contains("Reconnect the device power supply"));

    r = run({"show", path("dev.veltg")});
    ASSERT_EQ(r.code, 0);
    EXPECT_TRUE(
        r.out.startsWith("DeviceVersion = 0x4610\nSettingsVersion = 1\nSectionCount = 11\n"));
    EXPECT_TRUE(r.out.contains("\nResetPeriod = 0, -1\n"));
    EXPECT_TRUE(r.out.contains("\nTripJournal[0] = ")) << "journals are shown as records";

    // Edit the file as the window would: load, change a field, save.
    TMK m;
    LoadSettingsFile(m, path("dev.veltg"));
    const std::int64_t odometer = m.Get("AllPathStart");
    m.Set("AllPathStart", 0, 123456);
    m.WriteSection(1);
    SaveSettingsFile(m, path("edited.veltg"));

    r = run({"diff", path("dev.veltg"), path("edited.veltg")});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.out.contains(
        QStringLiteral("AllPathStart: %1 -> 123456 (Total mileage: %1 km -> 123456 km)\n")
            .arg(odometer)))
        << qPrintable(r.out);
    EXPECT_TRUE(r.out.endsWith("Differing image bytes outside named fields: 0\n"));
    EXPECT_EQ(run({"diff", path("dev.veltg"), path("dev.veltg")}).code, 0);

    r = run(device("write") << "--in" << path("edited.veltg") << "--backup-dir" << path("bk"));
    ASSERT_EQ(r.code, 0) << qPrintable(r.err);
    EXPECT_TRUE(
        r.out.startsWith("AllPathStart: 84250 -> 123456 (Total mileage: 84250 km -> 123456 km)\n"
                         "1 setting differs from the device.\n"
                         "The settings are recorded in the device\n"
                         "Checked by reading back. Backup: "))
        << qPrintable(r.out);

    const QByteArray after = sim_->Memory();
    const int at = m.SectionAddress(1) + 144; // AllPathStart
    QByteArray expected = before;
    expected.replace(at, 4, QByteArray::fromHex("40e20100"));
    EXPECT_EQ(after, expected) << "exactly the edited field changed in the device";

    const QStringList backups = QDir(path("bk")).entryList({"*-4610.veltg"}, QDir::Files);
    ASSERT_EQ(backups.size(), 1);
    EXPECT_TRUE(r.out.contains(backups.first()));
    TMK backup;
    LoadSettingsFile(backup, QDir(path("bk")).filePath(backups.first()));
    // The header and the sections' blocks as they were: all a write changes. The tool has no
    // earlier read of the device for the other bytes.
    const QByteArray was = sim::ImageOfMemory(before);
    const std::vector<int> blocks = devmem::BlocksOfSections(was);
    ASSERT_EQ(backup.SettingsImage.size(), ImageSize);
    for (int offset = 0; offset < ImageSize; ++offset) {
        const bool read =
            std::count(blocks.begin(), blocks.end(), *DeviceAddressOf(offset) / BlockSize) > 0;
        ASSERT_EQ(backup.SettingsImage[offset], read ? was[offset] : '\0') << offset;
    }
    EXPECT_EQ(backup.DeviceVersion, 0x4610);
}

TEST_F(Cli, WriteRefusesAnotherDeviceOrFirmwareVersionAndWritesNothing) {
    startSim();
    ASSERT_EQ(run(device("read") << "--out" << path("dev.veltg")).code, 0);
    TMK m;
    LoadSettingsFile(m, path("dev.veltg"));
    m.DeviceVersion = 0x4000;
    SaveSettingsFile(m, path("other.veltg"));
    const QByteArray before = sim_->Memory();
    sim_->ClearRequests();

    Result r =
        run(device("write") << "--in" << path("other.veltg") << "--backup-dir" << path("bk"));
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains("The settings version does not match the device version!"));
    for (const auto& req : sim_->Requests())
        EXPECT_EQ(std::uint8_t(req.frame[4]), devmem::CmdIdentify)
            << "only the connection was made";

    // The same device with a firmware of another settings layout.
    sim_.reset();
    startSim(2);
    const QByteArray fresh = sim_->Memory();
    r = run(device("write") << "--in" << path("dev.veltg") << "--backup-dir" << path("bk"));
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains("The settings version does not match the firmware version!"));
    EXPECT_EQ(sim_->Memory(), fresh);
    for (const auto& req : sim_->Requests())
        EXPECT_NE(std::uint8_t(req.frame[4]), devmem::CmdBeginRegion);
}

TEST_F(Cli, JournalPrintsTheViewerExportAndBothLanguages) {
    TMK m;
    startSim();
    ASSERT_EQ(run(device("read") << "--out" << path("dev.veltg")).code, 0);
    LoadSettingsFile(m, path("dev.veltg"));

    Result r = run({"journal", path("dev.veltg"), "--trip"});
    ASSERT_EQ(r.code, 0);
    EXPECT_EQ(r.out, journals::DriveJournalText(m, journals::DriveJournal::Trip));
    const QStringList lines = r.out.split("\r\n");
    EXPECT_EQ(lines.size(), 23) << "header, 21 records and the end of the last line";
    EXPECT_EQ(lines[0].count('\t'), 9);

    r = run({"journal", path("dev.veltg"), "--sums", "--lang", "ru"});
    ASSERT_EQ(r.code, 0);
    EXPECT_TRUE(r.out.startsWith(QString::fromUtf8("Накопительные / Общие")));
    r = run({"journal", path("dev.veltg"), "--faults"});
    ASSERT_EQ(r.code, 0);
    EXPECT_TRUE(r.out.startsWith("#\tTime\tTrouble code\t\r\n"));
}

TEST_F(Cli, ShowAndDiffFindASectionOfTheUpperHalfAndRefuseOneAcrossTheHalves) {
    TMK m;
    m.SettingsImage = sim::ImageOfMemory(sim::MoveSection(sim::BuildDefaultMemory(1), 7, 4200));
    m.ReadSections(1, SectionCountMax);
    SaveSettingsFile(m, path("upper.veltg"));
    const QString price = QString::number(m.Get("PriceExpense"));
    m.Set("PriceExpense", 0, 300);
    m.WriteSection(7);
    SaveSettingsFile(m, path("edited.veltg"));

    Result r = run({"show", path("upper.veltg")});
    ASSERT_EQ(r.code, 0) << qPrintable(r.err);
    EXPECT_TRUE(r.out.contains("\nSection 7 = Address 4200, Length 864\n"));
    EXPECT_TRUE(r.out.contains("\nPriceExpense = " + price + "\n"));
    r = run({"diff", path("upper.veltg"), path("edited.veltg")});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "PriceExpense: " + price + " -> 300 (Petrol, 1 litre: " +
                         QLocale().toString(price.toDouble() / 10, 'f', 1) +
                         " -> 30.0)\nDiffering image bytes outside named fields: 0\n");

    // Section 7 from 4090 would run from 4095 into 4096, which no image holds.
    // The program saves no such file; another may have written one.
    bytes::setU16le(m.SettingsImage, SectionAddressOffset(7), 4090);
    EXPECT_THROW(SaveSettingsFile(m, path("across.veltg")), TError);
    writeFile("across.veltg", EncodeSettingsFile(m.DeviceVersion, m.SettingsImage));
    r = run({"show", path("across.veltg")});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains("Section 7 of the settings lies outside the device memory."))
        << qPrintable(r.err);
}

// describe speaks the editor's words: caption, the shown value with its unit, the stored
// value and the range, page by page, in either language; only what the device offers.
TEST_F(Cli, DescribeTellsEachSettingInTheEditorsWords) {
    TMK m;
    m.SettingsImage = sim::ImageOfMemory(sim::BuildDefaultMemory(1));
    m.DeviceVersion = 0x4000; // no gas on this model
    m.ReadSections(1, SectionCountMax);
    m.Set("UaccLowLimit", 0, 123);
    m.Set("ParkSense", 0, 3);
    m.WriteSections(1, SectionCountMax);
    SaveSettingsFile(m, path("d.veltg"));

    Result r = run({"describe", path("d.veltg")});
    ASSERT_EQ(r.code, 0) << qPrintable(r.err);
    const QString volts = QLocale().toString(12.3, 'f', 1);
    EXPECT_TRUE(r.out.contains("\nLimits\n")) << qPrintable(r.out.left(400));
    EXPECT_TRUE(r.out.contains("  Low battery voltage: " + volts + " V  [UaccLowLimit = 123; "));
    EXPECT_TRUE(r.out.contains("  Sensitivity, rear: 3  [ParkSense[0] = 3; 1 .. 7]"));
    EXPECT_FALSE(r.out.contains("Gas consumption")) << "not offered on this model";

    r = run({"describe", path("d.veltg"), "UaccLowLimit", "--lang", "ru"});
    ASSERT_EQ(r.code, 0) << qPrintable(r.err);
    EXPECT_EQ(r.out, QString::fromUtf8("Границы\n  Низкое напряжение АКБ: ") + volts +
                         QString::fromUtf8(" В  [UaccLowLimit = 123; ") +
                         QLocale().toString(9.0, 'f', 1) + " .. " +
                         QLocale().toString(13.9, 'f', 1) + QString::fromUtf8(" В]\n"));
    EXPECT_EQ(run({"describe", path("d.veltg"), "NoSuchSetting"}).code, 1);
    EXPECT_EQ(run({"describe"}).code, 2);
    r = run({"describe", "--help"});
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(r.out.startsWith("tripconf-cli describe FILE.veltg [NAME...] [--lang en|ru]\n"));
}

TEST_F(Cli, BadFilesAndWrongUsageAreReportedNotCrashed) {
    writeFile("empty.veltg", {});
    writeFile("one.veltg", "\x40");
    writeFile("big.veltg", QByteArray(2 + 8192 + 1, '\x01'));
    QByteArray random(2 + 8128, '\0');
    QRandomGenerator gen(42);
    for (auto& c : random)
        c = char(gen.bounded(256));
    writeFile("random.veltg", random);
    for (const char* name :
         {"empty.veltg", "one.veltg", "big.veltg", "random.veltg", "none.veltg"}) {
        for (const QStringList& args :
             {QStringList{"show", path(name)}, QStringList{"show", path(name), "--json"},
              QStringList{"journal", path(name), "--faults"},
              QStringList{"diff", path(name), path(name)}}) {
            const Result r = run(args);
            EXPECT_EQ(r.code, 1) << qPrintable(args.join(' '));
            EXPECT_TRUE(r.err.contains(path(name))) << qPrintable(r.err);
        }
    }
    EXPECT_EQ(run({}).code, 2);
    EXPECT_EQ(run({"frobnicate"}).code, 2);
    EXPECT_EQ(run({"show"}).code, 2);
    EXPECT_EQ(run({"journal", path("x"), "--trip", "--tank"}).code, 2);
    EXPECT_EQ(run({"read", "--port"}).code, 2);
    EXPECT_EQ(run({"read", "--port", "3", "--out", path("o"), "--port-type", "7"}).code, 2);
    const Result help = run({"--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_TRUE(
        help.out.contains("tripconf-cli journal FILE.veltg (--trip | --tank | --sums | --faults)"));
}

// Unsigned fields print as unsigned, exactly, in the text and in JSON (all the digits of a
// 64-bit mask, not a signed or rounded number). Whatever the bytes, the JSON is valid: a
// float that is no number is null, a text keeps its quotes, control and Cyrillic
// characters.
TEST_F(Cli, SixtyFourBitValuesArePrintedExactly) {
    TMK m;
    m.SettingsImage = sim::ImageOfMemory(sim::BuildDefaultMemory(1));
    m.ReadSections(1, SectionCountMax);
    m.Set("ShowDisp_1", 0, std::int64_t(12933791974228136951ull));
    m.Set("AllSum", 3, 0xFFFFFFFF);
    bytes::setU32le(m.Section(6), FieldByName("ExpenseCorr").offset, 0x7FC00000);  // NaN
    bytes::setU32le(m.Section(6), FieldByName("VelocityCorr").offset, 0xFF800000); // -inf
    const QByteArray odd("a\"\\\x01\n\xC0\xFF\x7F", 8);
    m.Section(5).replace(FieldByName("CandleName").offset, odd.size() + 1, odd + '\0');
    const QString oddText = m.GetText("CandleName");
    ASSERT_EQ(oddText.size(), odd.size());
    m.WriteSections(1, SectionCountMax);
    SaveSettingsFile(m, path("wide.veltg"));

    Result r = run({"show", path("wide.veltg")});
    ASSERT_EQ(r.code, 0) << qPrintable(r.err);
    EXPECT_TRUE(r.out.contains("\nShowDisp_1 = 12933791974228136951\n"));
    r = run({"show", path("wide.veltg"), "--json"});
    ASSERT_EQ(r.code, 0);
    EXPECT_TRUE(r.out.contains("\"ShowDisp_1\": 12933791974228136951,"));
    EXPECT_TRUE(r.out.contains("4294967295\n")) << "u32 counters unsigned too";
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(r.out.toUtf8(), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << qPrintable(error.errorString());
    EXPECT_EQ(doc["fields"]["AllPathStart"].toInteger(),
              84250); // the simulator's generated history
    EXPECT_TRUE(doc["fields"]["ExpenseCorr"].isNull());
    EXPECT_TRUE(doc["fields"]["VelocityCorr"].isNull());
    EXPECT_EQ(doc["fields"]["CandleName"].toString(), oddText);
    // Qt's reader takes raw control characters in a string; JSON does not.
    EXPECT_TRUE(
        r.out.contains(QString::fromUtf8("\"CandleName\": \"a\\\"\\\\\\u0001\\nАя\x7f\",")));
    EXPECT_EQ(doc["fields"]["TripJournal"][20]["Distance"].toInteger(),
              journals::ReadJournalRecord(m, journals::DriveJournal::Trip, 20).distance);
    EXPECT_EQ(doc["fields"]["FaultJournal"][6]["FreezeFrame"][83].toInteger(),
              std::uint8_t(journals::ReadFaultRecord(m, 6).freezeFrame[83]));

    m.Set("ShowDisp_1", 0, 0x7FFFFFFFFFFFFFFF);
    m.WriteSections(1, SectionCountMax);
    SaveSettingsFile(m, path("wide.veltg"));
    EXPECT_TRUE(run({"show", path("wide.veltg"), "--json"})
                    .out.contains("\"ShowDisp_1\": 9223372036854775807,"));
}

// show --json's writer lays the text out as Qt's indented documents are (show printed one
// before), nested and empty containers, numbers and every kind of character alike.
TEST(CliJson, TheWriterLaysTheTextOutAsQtsIndentedDocuments) {
    const QString text = QString::fromUtf8("q\"\\\b\f\n\r\t\x01\x7f Я €") + QChar(0xD83D) +
                         QChar(0xDE00) + QChar(0xD800) + u'x' + QChar(0xDC00);
    cli::TJsonWriter w;
    w.beginObject();
    w.key("a");
    w.beginArray();
    w.value(1);
    w.value(std::int64_t(-5));
    w.value(0.1);
    w.value(1e-7);
    w.value(3.0);
    w.endArray();
    w.key("b");
    w.beginObject();
    w.endObject();
    w.key("c");
    w.beginArray();
    w.endArray();
    w.key("d");
    w.value(text);
    w.key("e");
    w.beginObject();
    w.key("x");
    w.beginArray();
    w.beginObject();
    w.key("y");
    w.value(std::uint64_t(42));
    w.endObject();
    w.endArray();
    w.endObject();
    w.endObject();
    const QJsonObject qt{{"a", QJsonArray{1, -5, 0.1, 1e-7, 3.0}},
                         {"b", QJsonObject{}},
                         {"c", QJsonArray{}},
                         {"d", text},
                         {"e", QJsonObject{{"x", QJsonArray{QJsonObject{{"y", 42}}}}}}};
    EXPECT_EQ(w.finish(), QJsonDocument(qt).toJson(QJsonDocument::Indented));

    // An object on one line keeps what it holds on that line, and the list goes on after it.
    w.beginArray();
    w.beginLineObject();
    w.key("k");
    w.value(QStringLiteral("v"));
    w.key("l");
    w.beginArray();
    w.value(1);
    w.beginArray();
    w.endArray();
    w.endArray();
    w.endObject();
    w.value(2);
    w.endArray();
    EXPECT_EQ(w.finish(), "[\n    {\"k\": \"v\", \"l\": [1, []]},\n    2\n]\n");
}

TEST_F(Cli, ReadGivesUpAfterTheWaitWithoutADevice) {
    sim::TTripSimOptions o;
    o.baud = 0;
    o.faults.push_back({sim::TFaultMode::PowerCycle, 1, 1000000});
    sim_ = std::make_unique<sim::TTripSim>(o);
    sim_->Start();
    const Result r = run({"read", "--port", sim_->SlavePath(), "--wait", "1", "--out", path("x")});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains("No answer from the device"));
    EXPECT_FALSE(QFile::exists(path("x")));
}

TEST_F(Cli, DryRunListsTheChangesAndSendsNoWriteCommand) {
    startSim();
    ASSERT_EQ(run(device("read") << "--out" << path("dev.veltg")).code, 0);
    ASSERT_EQ(
        run({"set", path("dev.veltg"), "TankLimit=7", "ParkSense[1]=3", "CandleName=Plugs"}).code,
        0);
    const QByteArray before = sim_->Memory();
    sim_->ClearRequests();
    const Result r = run(device("write") << "--in" << path("dev.veltg") << "--backup-dir"
                                         << path("bk") << "--dry-run");
    ASSERT_EQ(r.code, 0) << qPrintable(r.err);
    EXPECT_EQ(r.out.section("\n", 0, 3),
              QString::fromUtf8("ParkSense[1]: 0 -> 3 (Sensitivity, front: 0 -> 3)\n"
                                "CandleName: Spark pl.repl. -> Plugs (Name of the third user-named "
                                "item: Spark pl.repl. -> Plugs)\n"
                                "TankLimit: 10 -> 7 (Fuel remaining: 10 L -> 7 L)\n"
                                "3 settings differ from the device."));
    EXPECT_TRUE(r.out.contains("Dry run: nothing was written."));
    EXPECT_EQ(sim_->Memory(), before);
    for (const auto& req : sim_->Requests())
        EXPECT_TRUE(std::uint8_t(req.frame[4]) == devmem::CmdIdentify ||
                    std::uint8_t(req.frame[4]) == devmem::CmdReadBlock)
            << int(req.frame[4]);
}

TEST_F(Cli, WriteKeepsTheDrivesTheDeviceRecordedUnlessToldToReplaceThem) {
    startSim();
    ASSERT_EQ(run(device("read") << "--out" << path("dev.veltg")).code, 0);
    ASSERT_EQ(run({"set", path("dev.veltg"), "TankLimit=7"}).code, 0);
    sim_->RecordDrive(); // the car is driven after the read
    const QByteArray recorded = sim_->Memory();

    Result r = run(device("write") << "--in" << path("dev.veltg") << "--backup-dir" << path("bk"));
    ASSERT_EQ(r.code, 0) << qPrintable(r.err);
    EXPECT_TRUE(r.out.startsWith("TankLimit: 10 -> 7 (Fuel remaining: 10 L -> 7 L)\n"
                                 "1 setting differs from the device.\n"
                                 "The device keeps its own journals and totals (--with-journals"))
        << qPrintable(r.out);
    TMK file;
    LoadSettingsFile(file, path("dev.veltg"));
    QByteArray expected = recorded;
    expected[file.SectionAddress(FieldByName("TankLimit").section) +
             FieldByName("TankLimit").offset] = 7;
    EXPECT_EQ(sim_->Memory(), expected) << "the drive and its totals stayed";

    r = run(device("write") << "--in" << path("dev.veltg") << "--backup-dir" << path("bk")
                            << "--with-journals");
    ASSERT_EQ(r.code, 0) << qPrintable(r.err);
    EXPECT_TRUE(r.out.contains("\nTrip journal: 21 records replaced\n")) << qPrintable(r.out);
    EXPECT_TRUE(r.out.contains("\nTotal distance: ")) << qPrintable(r.out);
    EXPECT_FALSE(r.out.contains("TripJournal")) << "records are told in words";
    ASSERT_EQ(run(device("read") << "--out" << path("now.veltg")).code, 0);
    EXPECT_EQ(run({"diff", path("dev.veltg"), path("now.veltg")}).code, 0)
        << "the file's journals and totals are the device's now";
}

TEST_F(Cli, AWriteTheDeviceDoesNotStoreFailsTheCheckNamingSectionAndBackup) {
    startSim();
    ASSERT_EQ(run(device("read") << "--out" << path("dev.veltg")).code, 0);
    ASSERT_EQ(run({"set", path("dev.veltg"), "TankLimit=7"}).code, 0);
    // Every block write from now on is acknowledged and dropped.
    sim_->AddFault({sim::TFaultMode::UnstoredWrite, sim_->RequestCount() + 1, 1000000});
    const Result r =
        run(device("write") << "--in" << path("dev.veltg") << "--backup-dir" << path("bk"));
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.out.contains("TankLimit: 10 -> 7"));
    EXPECT_FALSE(r.out.contains("recorded"));
    EXPECT_TRUE(r.err.contains("verification failed")) << qPrintable(r.err);
    TMK m;
    LoadSettingsFile(m, path("dev.veltg"));
    const FieldDef& limit = FieldByName("TankLimit");
    const int at = m.SectionAddress(limit.section) + limit.offset;
    EXPECT_TRUE(r.err.contains(
        QStringLiteral("in section %1 (device addresses %2).").arg(limit.section).arg(at)))
        << qPrintable(r.err);
    const QStringList backups = QDir(path("bk")).entryList(QDir::Files);
    ASSERT_EQ(backups.size(), 1);
    EXPECT_TRUE(r.err.contains(backups.first()));
}

TEST_F(Cli, AWriteCutOffMidwaySaysWhereItStoppedAndWhichBackupRestores) {
    startSim();
    ASSERT_EQ(run(device("read") << "--out" << path("dev.veltg")).code, 0);
    ASSERT_EQ(run({"set", path("dev.veltg"), "TankLimit=7"}).code, 0);
    // The line goes at the second block of section 7, after the connection and the read.
    const QByteArray image = sim::ImageOfMemory(sim_->Memory());
    const int read = int(devmem::BlocksOfSections(image).size());
    sim_->AddFault({sim::TFaultMode::CutReply,
                    sim_->RequestCount() + 1 + read + WriteRequestOf(image, 7, 1), 1000000});
    const Result r =
        run(device("write") << "--in" << path("dev.veltg") << "--backup-dir" << path("bk"));
    EXPECT_EQ(r.code, 1);
    const QStringList backups = QDir(path("bk")).entryList(QDir::Files);
    ASSERT_EQ(backups.size(), 1);
    EXPECT_TRUE(r.err.contains(
        "writing the settings: RS232. Delay within block error.\nThe write stopped in section 7 "
        "of 11: the device may hold some new and some old settings. Write again, or restore the "
        "backup " +
        QDir(path("bk")).filePath(backups[0]) + "."))
        << qPrintable(r.err);
    EXPECT_FALSE(r.out.contains("recorded"));
}

TEST_F(Cli, GetAndSetWorkInStoredUnitsAndRefuseWithoutTouchingTheFile) {
    startSim();
    ASSERT_EQ(run(device("read") << "--out" << path("dev.veltg")).code, 0);
    const QString file = path("dev.veltg");
    Result r = run({"get", file, "TankLimit", "ParkSense", "ParkSense[1]", "CandleName"});
    ASSERT_EQ(r.code, 0) << qPrintable(r.err);
    EXPECT_EQ(r.out, QString::fromUtf8("TankLimit = 10\nParkSense = 0, 0\nParkSense[1] = 0\n"
                                       "CandleName = Spark pl.repl.\n"));

    // A bit field, a text of the device's code page at its longest, a float, to a new file.
    const FieldDef* bit = nullptr;
    for (const FieldDef& f : FieldTable())
        if (f.isBitField() && f.bitWidth == 1 && !bit) bit = &f;
    ASSERT_NE(bit, nullptr);
    const QString bitName = QString::fromLatin1(bit->name) +
                            (bit->elementCount() > 1 ? QStringLiteral("[0]") : QString());
    const QString name15 = QString::fromUtf8("Свечи зажигания");
    r = run({"set", file, bitName + "=1", "CandleName=" + name15, "--out", path("new.veltg")});
    ASSERT_EQ(r.code, 0) << qPrintable(r.err);
    TMK m;
    LoadSettingsFile(m, path("new.veltg"));
    EXPECT_EQ(m.Get(bit->name, 0), 1);
    EXPECT_EQ(m.GetText("CandleName"), name15);
    r = run({"diff", file, path("new.veltg")});
    EXPECT_TRUE(r.out.contains(QStringLiteral("\n%1: 0 -> 1").arg(bit->name)));
    EXPECT_TRUE(r.out.contains("outside named fields: 0\n"));

    // Refused, each naming what it refuses; the file keeps every byte and no --out appears.
    const QByteArray original = fileBytes(file);
    const struct {
        QStringList args;
        const char* names;
    } refusals[] = {
        {{"TankLimit=200"}, "TankLimit=200"},
        {{"TankLimit=7", "NoSuchField=1"}, "NoSuchField"},
        {{"ParkSense[2]=1"}, "ParkSense[2]"},
        {{bitName + "=2"}, ""},
        {{"CandleName=" + name15 + "!"}, "CandleName"},
        {{"CandleName=\u263A"}, "CandleName"},
        {{"TankLimit=seven"}, "TankLimit"},
    };
    for (const auto& c : refusals) {
        r = run(QStringList{"set", file} << c.args << "--out" << path("refused.veltg"));
        EXPECT_EQ(r.code, 1) << qPrintable(c.args.join(' '));
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.names))) << qPrintable(r.err);
        EXPECT_FALSE(QFile::exists(path("refused.veltg")));
        r = run(QStringList{"set", file} << c.args);
        EXPECT_EQ(r.code, 1);
        EXPECT_EQ(fileBytes(file), original);
    }
    EXPECT_EQ(run({"get", file, "Nope"}).code, 1);
    EXPECT_EQ(run({"set", file, "TankLimit"}).code, 2);

    // Without --out the file itself is replaced.
    ASSERT_EQ(run({"set", file, "TankLimit=-5"}).code, 0);
    EXPECT_EQ(run({"get", file, "TankLimit"}).out, "TankLimit = -5\n");
}

TEST_F(Cli, TankAndMaintenanceFilesCarrySettingsBetweenSettingsFiles) {
    startSim();
    ASSERT_EQ(run(device("read") << "--out" << path("a.veltg")).code, 0);
    TMK m;
    LoadSettingsFile(m, path("a.veltg"));
    m.Set("TarirRes", 0, 777);
    m.Set("KPPOilCntK", 0, 12);
    m.WriteSections(1, SectionCountMax);
    SaveSettingsFile(m, path("edited.veltg"));

    Result r = run({"tank", "export", path("edited.veltg"), path("t.velto")});
    ASSERT_EQ(r.code, 0) << qPrintable(r.err);
    EXPECT_EQ(QFileInfo(path("t.velto")).size(), TankFileSize);
    ASSERT_EQ(run({"maintenance", "export", path("edited.veltg"), path("m.veltt")}).code, 0);

    r = run({"tank", "import", path("a.veltg"), path("t.velto"), "--out", path("b.veltg")});
    ASSERT_EQ(r.code, 0) << qPrintable(r.err);
    r = run({"diff", path("a.veltg"), path("b.veltg")});
    EXPECT_EQ(r.out, "TarirRes[0]: 0 -> 777 (Tare point 1, sensor units: 0 CU -> 777 CU)\n"
                     "Differing image bytes outside named fields: 0\n");
    // Without --out the settings file itself is replaced.
    ASSERT_EQ(run({"maintenance", "import", path("b.veltg"), path("m.veltt")}).code, 0);
    r = run({"diff", path("edited.veltg"), path("b.veltg")});
    EXPECT_EQ(r.code, 0) << qPrintable(r.out);

    writeFile("short.veltt", "\x05\x06");
    r = run({"maintenance", "import", path("b.veltg"), path("short.veltt")});
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(r.err.contains("holds 2 of 117 bytes")) << qPrintable(r.err);
    r = run({"diff", path("edited.veltg"), path("b.veltg")});
    EXPECT_EQ(r.out, "AirFiltCntK: 15 -> 5 (Air filt.repl.: 15 th.km -> 5 th.km)\n"
                     "KPPOilCntK: 12 -> 6 (Gearbox oil repl.: 12 th.km -> 6 th.km)\n"
                     "Differing image bytes outside named fields: 0\n");

    r = run({"tank", "import", path("b.veltg"), path("none.velto")});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains(path("none.velto"))) << qPrintable(r.err);
    EXPECT_EQ(run({"tank", "export", path("b.veltg")}).code, 2);
    EXPECT_EQ(run({"tank", "export", path("b.veltg"), path("x"), "--out", path("y")}).code, 2);
    EXPECT_EQ(run({"maintenance", "swap", path("b.veltg"), path("x")}).code, 2);
    EXPECT_TRUE(
        run({"--help"})
            .out.contains("tripconf-cli tank import SETTINGS.veltg IN.velto [--out NEW.veltg]"));
}
