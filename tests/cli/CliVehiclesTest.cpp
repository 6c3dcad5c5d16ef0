// tripconf-cli and the vehicles' history: reads and writes recorded under a vehicle, the
// history and vehicles listings, and a history that cannot be used never stopping the device.

#include "CliRun.h"
#include "CoreAppScope.h"
#include "DeviceBackup.h"
#include "Language.h"
#include "Pars32H.h"
#include "QStringPrint.h"
#include "SettingsFile.h"
#include "TripSim.h"
#include "VehicleStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString Plate = QString::fromUtf8("А123ВС 77");
const QString PlateLower = QString::fromUtf8("а123вс 77");

class CliVehicles : public ::testing::Test {
    CoreAppScope app_;

protected:
    void SetUp() override {
        EnglishVersion = true;
        sim::TTripSimOptions o;
        o.baud = 0;
        sim_ = std::make_unique<sim::TTripSim>(o);
        sim_->Start();
    }
    QStringList device(const char* command) const {
        return {command, "--port", sim_->SlavePath(), "--wait", "5", "--data-dir", data()};
    }
    QString path(const QString& name) const { return dir_.filePath(name); }
    QString data() const { return path("data"); }
    QString vehicleFolder() const { return QDir(data()).filePath("vehicles/" + Plate); }
    static QJsonArray jsonArray(const CliResult& r) {
        return QJsonDocument::fromJson(r.out.toUtf8()).array();
    }
    static QByteArray bytesOf(const QString& file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir dir_;
    std::unique_ptr<sim::TTripSim> sim_;
};

} // namespace

TEST_F(CliVehicles, ReadAndWriteAreRecordedUnderOneVehicleInAnyLetterCase) {
    {
        // Named in the window, no folder yet.
        TVehicleStore store(data());
        ASSERT_TRUE(store.Open());
        store.AddVehicle(Plate, "Ivanov");
    }
    CliResult r =
        RunCli(device("read") << "--out" << path("dev.veltg") << "--vehicle" << PlateLower);
    ASSERT_EQ(r.code, 0) << qPrintable(r.err);
    const QStringList reads = QDir(vehicleFolder()).entryList({"*-read.veltg"});
    ASSERT_EQ(reads.size(), 1);
    const QString readCopy = QDir(vehicleFolder()).filePath(reads[0]);
    EXPECT_EQ(bytesOf(readCopy), bytesOf(path("dev.veltg")));
    ASSERT_EQ(RunCli({"set", path("dev.veltg"), "TankLimit=7"}).code, 0);

    // Another spelling, no --backup-dir: the backup goes into the same vehicle's folder.
    r = RunCli(device("write") << "--in" << path("dev.veltg") << "--vehicle" << PlateLower);
    ASSERT_EQ(r.code, 0) << qPrintable(r.err);
    EXPECT_TRUE(r.out.contains("Kept for vehicle " + Plate)) << qPrintable(r.out);
    EXPECT_EQ(QDir(data()).entryList({"*"}, QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList{"vehicles"});
    EXPECT_EQ(QDir(data() + "/vehicles").entryList(QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList{Plate});
    // A second write, within the same second perhaps: its own backup, listed first.
    ASSERT_EQ(RunCli({"set", path("dev.veltg"), "TankLimit=8"}).code, 0);
    r = RunCli(device("write") << "--in" << path("dev.veltg") << "--vehicle" << Plate);
    ASSERT_EQ(r.code, 0) << qPrintable(r.err);
    const QStringList backups = QDir(vehicleFolder()).entryList({"*-4610*.veltg"});
    ASSERT_EQ(backups.size(), 2);

    r = RunCli({"history", "--json", "--data-dir", data()});
    ASSERT_EQ(r.code, 0) << qPrintable(r.err);
    const QJsonArray events = jsonArray(r);
    ASSERT_EQ(events.size(), 3) << qPrintable(r.out);
    const QJsonObject second = events[0].toObject(), write = events[1].toObject(),
                      read = events[2].toObject();
    EXPECT_EQ(second["changes"].toArray(), QJsonArray{"Fuel remaining: 7 L -> 8 L"});
    for (const QJsonObject& w : {second, write}) {
        const QString backup = w["backup"].toString();
        EXPECT_EQ(QFileInfo(backup).path(), vehicleFolder());
        EXPECT_TRUE(backups.contains(QFileInfo(backup).fileName())) << qPrintable(backup);
        EXPECT_EQ(RunCli({"show", backup}).code, 0) << "the backup loads";
    }
    EXPECT_NE(second["backup"], write["backup"]);
    TMK before;
    LoadSettingsFile(before, second["backup"].toString());
    EXPECT_EQ(before.Get("TankLimit"), 7) << "the device as the second write found it";
    EXPECT_EQ(write["vehicle"].toString(), Plate);
    EXPECT_EQ(write["kind"].toString(), "write");
    EXPECT_TRUE(QRegularExpression(R"(^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d[+-]\d\d:\d\d$)")
                    .match(write["time"].toString())
                    .hasMatch())
        << qPrintable(write["time"].toString());
    EXPECT_EQ(write["deviceType"].toInt(), 0x4610) << "a number, as show --json has it";
    EXPECT_EQ(write["settingsVersion"].toInt(), 1);
    EXPECT_EQ(write["changes"].toArray(), QJsonArray{"Fuel remaining: 10 L -> 7 L"});
    TMK written;
    LoadSettingsFile(written, write["file"].toString());
    EXPECT_EQ(written.Get("TankLimit"), 7) << "the copy holds what was written";
    EXPECT_EQ(read["kind"].toString(), "read");
    EXPECT_EQ(read["file"].toString(), readCopy);
    EXPECT_FALSE(read.contains("backup"));

    r = RunCli({"history", "--data-dir", data(), "--vehicle", PlateLower});
    ASSERT_EQ(r.code, 0) << qPrintable(r.err);
    const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[1].contains("\t" + Plate + "\twrite\t")) << qPrintable(lines[1]);
    EXPECT_TRUE(lines[1].contains("(0x4610)\tsettings version 1\t"));
    EXPECT_TRUE(lines[1].endsWith("\tbackup " + write["backup"].toString()));
    EXPECT_TRUE(lines[2].endsWith("\t" + readCopy)) << qPrintable(lines[2]);

    r = RunCli({"vehicles", "--json", "--data-dir", data()});
    ASSERT_EQ(r.code, 0) << qPrintable(r.err);
    ASSERT_EQ(jsonArray(r).size(), 1);
    const QJsonObject vehicle = jsonArray(r)[0].toObject();
    EXPECT_EQ(vehicle["name"].toString(), Plate);
    EXPECT_EQ(vehicle["notes"].toString(), "Ivanov");
    EXPECT_EQ(vehicle["deviceType"].toInt(), 0x4610);
    EXPECT_EQ(vehicle["lastEvent"]["kind"].toString(), "write");

    // Quotes, backslashes and control characters come back from the JSON as they went in.
    const QString odd = R"(Q "7" \ 1)";
    TVehicleEvent e;
    e.kind = TEventKind::Write;
    e.file = R"(C:\cars\"x".veltg)";
    e.changes = "Greeting: \"Hi\" -> \"Hello\"\tnow";
    {
        TVehicleStore store(data());
        ASSERT_TRUE(store.Open());
        EXPECT_EQ(RecordEvent(store, odd, e), QString());
    }
    r = RunCli({"history", "--json", "--data-dir", data(), "--vehicle", odd});
    ASSERT_EQ(jsonArray(r).size(), 1) << qPrintable(r.out);
    const QJsonObject oddEvent = jsonArray(r)[0].toObject();
    EXPECT_EQ(oddEvent["vehicle"].toString(), odd);
    EXPECT_EQ(oddEvent["file"].toString(), e.file);
    EXPECT_EQ(oddEvent["changes"].toArray(), QJsonArray{e.changes});

    r = RunCli({"history", "--data-dir", data(), "--vehicle", "B 456"});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains("\"B 456\"")) << qPrintable(r.err);
    EXPECT_EQ(RunCli(device("read") << "--out" << path("x") << "--vehicle"
                                    << " ")
                  .code,
              2);
    EXPECT_EQ(RunCli(device("read") << "--out" << path("x") << "--vehicle"
                                    << "A\nB")
                  .code,
              2);
    EXPECT_EQ(RunCli({"history", "--data-dir", data(), "extra"}).code, 2);
}

TEST_F(CliVehicles, AnEmptyOrMissingHistoryListsNothingAndMakesNothing) {
    const QString none = path("none");
    CliResult r = RunCli({"history", "--data-dir", none});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "No events.\n");
    EXPECT_EQ(RunCli({"history", "--json", "--data-dir", none}).out.simplified(), "[ ]");
    EXPECT_EQ(RunCli({"vehicles", "--data-dir", none}).out, "No vehicles.\n");
    EXPECT_EQ(RunCli({"vehicles", "--json", "--data-dir", none}).out.simplified(), "[ ]");
    EXPECT_FALSE(QFile::exists(none)) << "looking made no folder";
}

TEST_F(CliVehicles, AHistoryThatCannotBeUsedNeverStopsAReadOrAWrite) {
    // A database of a newer version of the program: left alone, the events wait.
    ASSERT_TRUE(QDir().mkpath(data()));
    const QString database = QDir(data()).filePath("vehicles.sqlite");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "newer");
        db.setDatabaseName(database);
        ASSERT_TRUE(db.open());
        ASSERT_TRUE(QSqlQuery(db).exec("PRAGMA user_version = 99"));
        db.close();
    }
    QSqlDatabase::removeDatabase("newer");
    const QByteArray newer = bytesOf(database);

    CliResult r = RunCli(device("read") << "--out" << path("dev.veltg") << "--vehicle" << Plate);
    ASSERT_EQ(r.code, 0) << qPrintable(r.err);
    EXPECT_TRUE(QFile::exists(path("dev.veltg")));
    EXPECT_TRUE(r.err.contains("made by a newer version")) << qPrintable(r.err);
    ASSERT_EQ(RunCli({"set", path("dev.veltg"), "TankLimit=7"}).code, 0);

    // Without the history, the folder's own spelling keeps the vehicle's files together.
    r = RunCli(device("write") << "--in" << path("dev.veltg") << "--vehicle" << PlateLower);
    ASSERT_EQ(r.code, 0) << qPrintable(r.err);
    EXPECT_TRUE(r.out.contains("Checked by reading back.")) << qPrintable(r.out);
    EXPECT_EQ(QDir(vehicleFolder()).entryList({"*-4610.veltg"}).size(), 1) << "the backup";
    EXPECT_TRUE(r.err.contains("made by a newer version")) << qPrintable(r.err);
    const QString waiting = QDir(data()).filePath("vehicles-waiting.jsonl");
    EXPECT_TRUE(r.err.contains("The event is kept in " + waiting)) << qPrintable(r.err);
    EXPECT_EQ(bytesOf(database), newer) << "the newer database is left as it was";
    EXPECT_EQ(RunCli({"history", "--data-dir", data()}).code, 1) << "the history is off";

    // Once that database is gone, the next look at the history records both events.
    ASSERT_TRUE(QFile::rename(database, database + ".newer"));
    r = RunCli({"history", "--data-dir", data()});
    ASSERT_EQ(r.code, 0) << qPrintable(r.err);
    EXPECT_TRUE(r.err.contains("2 events that waited")) << qPrintable(r.err);
    EXPECT_EQ(r.out.count('\n'), 2) << qPrintable(r.out);

    // A data folder that cannot even be made: the device work is done all the same, and the
    // write's backup goes to the usual backup folder.
    QFile blocker(path("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QByteArray savedHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", path("home").toUtf8());
    const QStringList nowhere = {"--data-dir", path("file/data"), "--vehicle", Plate};
    r = RunCli(device("read") << "--out" << path("again.veltg") << nowhere);
    EXPECT_EQ(r.code, 0) << qPrintable(r.err);
    EXPECT_TRUE(QFile::exists(path("again.veltg")));
    EXPECT_TRUE(r.err.contains("it is not recorded")) << qPrintable(r.err);
    r = RunCli(device("write") << "--in" << path("dev.veltg") << nowhere);
    EXPECT_EQ(r.code, 0) << qPrintable(r.err);
    EXPECT_TRUE(r.out.contains("Checked by reading back. Backup: " + DefaultBackupFolder()))
        << qPrintable(r.out);
    EXPECT_TRUE(DefaultBackupFolder().startsWith(path("home")));
    if (savedHome.isNull())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", savedHome);
}
