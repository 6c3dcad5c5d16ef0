// The vehicles' history when its database cannot be used as it is: held by another writer,
// read-only, damaged, or made by a newer version. The device work never depends on it: an
// event that cannot be recorded waits in a file for the next open.

#include "CoreAppScope.h"
#include "Language.h"
#include "QStringPrint.h"
#include "VehicleMigrations.h"
#include "VehicleStore.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

constexpr int ShortBusyTimeoutMs = 100; // a held lock is not waited out in a test

// A connection of its own to the database file, as another copy of the program holds one.
class OtherConnection {
public:
    explicit OtherConnection(const QString& path) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
        db.setDatabaseName(path);
        db.open();
    }
    ~OtherConnection() {
        QSqlDatabase::database(name_, false).close();
        QSqlDatabase::removeDatabase(name_);
    }
    bool Exec(const QString& sql) const {
        QSqlQuery q(QSqlDatabase::database(name_, false));
        return q.exec(sql);
    }

private:
    QString name_ = QStringLiteral("other-%1").arg(quintptr(this));
};

// Root writes read-only files all the same, and tests often run as root: the refusal is met
// as an ordinary user, changing only the effective user id so that root comes back after.
// Elsewhere the test runs as the user it is.
class OrdinaryUser {
public:
#ifdef Q_OS_UNIX
    static constexpr uid_t Nobody = 65534;
    OrdinaryUser() {
        if (geteuid() == 0) dropped_ = seteuid(Nobody) == 0;
    }
    ~OrdinaryUser() {
        if (dropped_) {
            EXPECT_EQ(seteuid(0), 0);
        }
    }
    bool Refused() const {
        return geteuid() != 0;
    }
#else
    OrdinaryUser() = default;
    bool Refused() const {
        return true;
    }
#endif
    OrdinaryUser(const OrdinaryUser&) = delete;
    OrdinaryUser& operator=(const OrdinaryUser&) = delete;

private:
    [[maybe_unused]] bool dropped_ = false;
};

TVehicleEvent readEvent(int minutesAgo) {
    TVehicleEvent e;
    e.kind = TEventKind::Read;
    e.deviceType = 0x4610;
    e.settingsVersion = 1;
    e.file = QStringLiteral("/data/%1.veltg").arg(minutesAgo);
    e.time = QDateTime::currentDateTime().addSecs(-60 * minutesAgo);
    return e;
}

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class VehicleStoreFaults : public ::testing::Test {
    CoreAppScope app_;

protected:
    void SetUp() override { EnglishVersion = true; }
    QTemporaryDir dir_;
};

} // namespace

TEST_F(VehicleStoreFaults, ADatabaseHeldByAnotherWriterIsBusyAndTheEventWaits) {
    {
        TVehicleStore first(dir_.path());
        ASSERT_TRUE(first.Open()) << qPrintable(first.Problem());
    }
    TVehicleStore store(dir_.path());
    store.SetBusyTimeoutMs(ShortBusyTimeoutMs);
    ASSERT_TRUE(store.Open());
    auto other = std::make_unique<OtherConnection>(store.DatabasePath());
    ASSERT_TRUE(other->Exec(QStringLiteral("BEGIN EXCLUSIVE")));

    const QString told = RecordEvent(store, QStringLiteral("X 1"), readEvent(1));
    EXPECT_TRUE(told.contains("is busy")) << qPrintable(told);
    EXPECT_TRUE(told.contains("Try again")) << qPrintable(told);
    EXPECT_TRUE(told.contains(store.WaitingPath())) << qPrintable(told);
    TVehicleStore late(dir_.path());
    late.SetBusyTimeoutMs(ShortBusyTimeoutMs);
    EXPECT_FALSE(late.Open());
    EXPECT_TRUE(late.Problem().contains("is busy")) << qPrintable(late.Problem());

    ASSERT_TRUE(other->Exec(QStringLiteral("COMMIT")));
    other.reset();
    TVehicleStore next(dir_.path());
    ASSERT_TRUE(next.Open()) << qPrintable(next.Problem());
    ASSERT_EQ(next.Events().size(), 1u) << "recorded once the lock was gone";
    EXPECT_EQ(next.Events()[0].file, "/data/1.veltg");
    EXPECT_FALSE(QFile::exists(next.WaitingPath()));
}

TEST_F(VehicleStoreFaults, AReadOnlyDatabaseIsReadAndTheEventWaits) {
    {
        TVehicleStore writable(dir_.path());
        ASSERT_EQ(RecordEvent(writable, QStringLiteral("X 1"), readEvent(2)), QString());
    }
    TVehicleStore store(dir_.path());
    ASSERT_TRUE(QFile::setPermissions(store.DatabasePath(),
                                      QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    // The folder stays writable for the waiting file, and open to the ordinary user.
    const auto all = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                     QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther |
                     QFile::ExeOther;
    ASSERT_TRUE(QFile::setPermissions(dir_.path(), all));

    OrdinaryUser user;
    if (!user.Refused()) GTEST_SKIP() << "cannot act as an ordinary user here";
    ASSERT_TRUE(store.Open()) << qPrintable(store.Problem());
    EXPECT_EQ(store.Events().size(), 1u) << "still readable";
    const QString told = RecordEvent(store, QStringLiteral("X 1"), readEvent(1));
    EXPECT_TRUE(told.contains("cannot be written: it or its folder is read-only"))
        << qPrintable(told);
    EXPECT_TRUE(told.contains(store.WaitingPath())) << qPrintable(told);
    EXPECT_EQ(store.Events().size(), 1u);
    EXPECT_TRUE(QFile::exists(store.WaitingPath()));
}

TEST_F(VehicleStoreFaults, ADamagedDatabaseIsMovedAsideNeverDeletedAndANewOneBegun) {
    TVehicleStore store(dir_.path());
    const QByteArray garbage =
        QByteArray("not a database, a page of something else ").repeated(200);
    for (int round = 1; round <= 2; ++round) {
        // The second within the same second: the first kept copy must not be replaced.
        QFile f(store.DatabasePath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(garbage + QByteArray::number(round));
        f.close();
        ASSERT_TRUE(store.Open()) << qPrintable(store.Problem());
        ASSERT_EQ(store.Notices().size(), 1);
        EXPECT_TRUE(store.Notices()[0].contains(store.DatabasePath() + ".damaged-"))
            << qPrintable(store.Notices()[0]);
        EXPECT_TRUE(store.Vehicles().empty());
        store.AddVehicle(QStringLiteral("Car %1").arg(round));
    }
    const QStringList kept =
        QDir(dir_.path()).entryList({"vehicles.sqlite.damaged-*"}, QDir::Files, QDir::Name);
    ASSERT_EQ(kept.size(), 2);
    QStringList contents;
    for (const QString& name : kept)
        contents << QString::fromLatin1(bytesOf(dir_.filePath(name)).right(1));
    contents.sort();
    EXPECT_EQ(contents, (QStringList{"1", "2"})) << "both damaged files kept as they were";
}

TEST_F(VehicleStoreFaults, ADatabaseOfANewerVersionIsLeftAsItIsAndTheEventWaits) {
    {
        TVehicleStore older(dir_.path());
        ASSERT_TRUE(older.Open());
        older.AddVehicle(QStringLiteral("Car"));
    }
    TVehicleStore store(dir_.path());
    {
        OtherConnection newer(store.DatabasePath());
        ASSERT_TRUE(
            newer.Exec(QStringLiteral("PRAGMA user_version = %1").arg(LatestVehicleSchema() + 1)));
    }
    const QByteArray before = bytesOf(store.DatabasePath());

    EXPECT_FALSE(store.Open());
    EXPECT_TRUE(store.Problem().contains("made by a newer version")) << qPrintable(store.Problem());
    const QString told = RecordEvent(store, QStringLiteral("Car"), readEvent(1));
    EXPECT_TRUE(told.contains("newer version")) << qPrintable(told);
    EXPECT_TRUE(told.contains(store.WaitingPath())) << qPrintable(told);
    EXPECT_EQ(bytesOf(store.DatabasePath()), before) << "not a byte changed";
    EXPECT_TRUE(QDir(dir_.path()).entryList({"*.damaged-*"}).isEmpty()) << "not moved aside";
}

TEST_F(VehicleStoreFaults, WaitingEventsAreRecordedByTheNextOpenAndATornLineLosesNoOther) {
    TVehicleStore store(dir_.path());
    {
        OtherConnection newer(store.DatabasePath());
        ASSERT_TRUE(newer.Exec(QStringLiteral("PRAGMA user_version = 99")));
    }
    // The power goes mid-line, twice: once before another event waits, once at the end.
    const auto tear = [&] {
        QFile waiting(store.WaitingPath());
        ASSERT_TRUE(waiting.open(QIODevice::Append));
        waiting.write(R"({"vehicle":"А123ВС 77","kind":"wri)");
    };
    RecordEvent(store, QString::fromUtf8("А123ВС 77"), readEvent(3));
    tear();
    RecordEvent(store, QString::fromUtf8("а123вс 77"), readEvent(2));
    tear();
    ASSERT_TRUE(QFile::remove(store.DatabasePath())); // that version's database is gone

    ASSERT_TRUE(store.Open()) << qPrintable(store.Problem());
    ASSERT_EQ(store.Notices().size(), 1);
    EXPECT_TRUE(store.Notices()[0].startsWith("2 events")) << qPrintable(store.Notices()[0]);
    const std::vector<TVehicle> vehicles = store.Vehicles();
    ASSERT_EQ(vehicles.size(), 1u) << "one vehicle in any letter case";
    const std::vector<TVehicleEvent> events = store.Events();
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].file, "/data/2.veltg");
    EXPECT_EQ(events[1].file, "/data/3.veltg");
    EXPECT_FALSE(QFile::exists(store.WaitingPath()));
    ASSERT_TRUE(store.Open());
    EXPECT_EQ(store.Events().size(), 2u) << "recorded once, not at every open";
}
