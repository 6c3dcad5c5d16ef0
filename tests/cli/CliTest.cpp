// tripconf-cli end to end: the commands against the simulated trip computer and files.

#include "ByteAccess.h"
#include "CliCommands.h"
#include "CoreAppScope.h"
#include "DeviceMemory.h"
#include "JournalExport.h"
#include "Language.h"
#include "Pars32H.h"
#include "SettingsFile.h"
#include "SideFiles.h"
#include "SimMemory.h"
#include "TripSim.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Result {
    int code;
    QString out, err;
};

Result run(const QStringList& args) {
    QString out, err;
    QTextStream o(&out), e(&err);
    const int code = cli::Run(args, {o, e});
    o.flush();
    e.flush();
    return {code, out, err};
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
    m.Set("AllPathStart", 0, 123456);
    m.WriteSection(1);
    SaveSettingsFile(m, path("edited.veltg"));

    r = run({"diff", path("dev.veltg"), path("edited.veltg")});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.out.contains("AllPathStart: 0 -> 123456\n")) << qPrintable(r.out);
    EXPECT_TRUE(r.out.endsWith("Differing image bytes outside named fields: 0\n"));
    EXPECT_EQ(run({"diff", path("dev.veltg"), path("dev.veltg")}).code, 0);

    r = run(device("write") << "--in" << path("edited.veltg") << "--backup-dir" << path("bk"));
    ASSERT_EQ(r.code, 0) << qPrintable(r.err);
    EXPECT_TRUE(r.out.contains("The settings are recorded in the device"));

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
    EXPECT_EQ(backup.SettingsImage, sim::ImageOfMemory(before));
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
    m.Set("PriceExpense", 0, 300);
    m.WriteSection(7);
    SaveSettingsFile(m, path("edited.veltg"));

    Result r = run({"show", path("upper.veltg")});
    ASSERT_EQ(r.code, 0) << qPrintable(r.err);
    EXPECT_TRUE(r.out.contains("\nSection 7 = Address 4200, Length 864\n"));
    EXPECT_TRUE(r.out.contains("\nPriceExpense = 250\n"));
    r = run({"diff", path("upper.veltg"), path("edited.veltg")});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "PriceExpense: 250 -> 300\nDiffering image bytes outside named fields: 0\n");

    // Section 7 from 4090 would run from 4095 into 4096, which no image holds.
    bytes::setU16le(m.SettingsImage, SectionAddressOffset(7), 4090);
    SaveSettingsFile(m, path("across.veltg"));
    r = run({"show", path("across.veltg")});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains("Section 7 of the settings lies outside the device memory."))
        << qPrintable(r.err);
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
    EXPECT_EQ(r.out, "TarirRes[0]: 0 -> 777\nDiffering image bytes outside named fields: 0\n");
    // Without --out the settings file itself is replaced.
    ASSERT_EQ(run({"maintenance", "import", path("b.veltg"), path("m.veltt")}).code, 0);
    r = run({"diff", path("edited.veltg"), path("b.veltg")});
    EXPECT_EQ(r.code, 0) << qPrintable(r.out);

    writeFile("short.veltt", "\x05\x06");
    r = run({"maintenance", "import", path("b.veltg"), path("short.veltt")});
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(r.err.contains("holds 2 of 117 bytes")) << qPrintable(r.err);
    r = run({"diff", path("edited.veltg"), path("b.veltg")});
    EXPECT_EQ(r.out, "AirFiltCntK: 15 -> 5\nKPPOilCntK: 12 -> 6\nDiffering image bytes outside "
                     "named fields: 0\n");

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
