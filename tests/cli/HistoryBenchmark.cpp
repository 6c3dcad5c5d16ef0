// Timing of history and vehicles over a large history (run by scripts/bench-history.sh on a
// Release build): 500 vehicles and 10,000 events, half of them writes with a change list.

#include "CliRun.h"
#include "CoreAppScope.h"
#include "Language.h"
#include "VehicleStore.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <gtest/gtest.h>

namespace {

constexpr int VehicleCount = 500;
constexpr int EventCount = 10000;
constexpr int Runs = 11;
constexpr double LimitMs = 100;

// Fills the history in one transaction, as a store of some years' work would hold it.
void fill(const QString& dataDir) {
    TVehicleStore store(dataDir);
    ASSERT_TRUE(store.Open()) << qPrintable(store.Problem());
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "fill");
    db.setDatabaseName(store.DatabasePath());
    ASSERT_TRUE(db.open());
    {
        QSqlQuery q(db);
        ASSERT_TRUE(db.transaction());
        q.prepare("INSERT INTO vehicles (id, name, name_key, notes, device_type, created_ms) "
                  "VALUES (?, ?, ?, ?, 17936, 0)");
        for (int v = 1; v <= VehicleCount; ++v) {
            const QString name = QString::fromUtf8("А%1ВС 77").arg(v, 3, 10, QLatin1Char('0'));
            q.addBindValue(v);
            q.addBindValue(name);
            q.addBindValue(name.toCaseFolded());
            q.addBindValue(QStringLiteral("Customer %1, +7 900 000 %1").arg(v));
            ASSERT_TRUE(q.exec());
        }
        q.prepare("INSERT INTO events (vehicle_id, kind, time_ms, utc_offset, device_type, "
                  "settings_version, file, backup, changes) VALUES (?, ?, ?, 10800, 17936, 1, "
                  "?, ?, ?)");
        QRandomGenerator random(7);
        const qint64 now = QDateTime::currentMSecsSinceEpoch();
        for (int e = 0; e < EventCount; ++e) {
            const bool write = e % 2 == 1;
            const int vehicle = int(random.bounded(VehicleCount)) + 1;
            const QString folder = store.VehicleFolder(QStringLiteral("A%1").arg(vehicle));
            q.addBindValue(vehicle);
            q.addBindValue(write ? "write" : "read");
            q.addBindValue(now - qint64(random.bounded(2 * 365 * 24 * 3600)) * 1000);
            q.addBindValue(
                folder + (write ? "/20261209-101500-write.veltg" : "/20261209-101500-read.veltg"));
            q.addBindValue(write ? folder + "/20261209-101450-4610.veltg" : QString(""));
            q.addBindValue(write ? QString("Fuel remaining: 10 L -> 7 L\nLow battery voltage: "
                                           "11.5 V -> 12.3 V\nTrip journal: 5 records cleared")
                                 : QString(""));
            ASSERT_TRUE(q.exec());
        }
        ASSERT_TRUE(db.commit());
    }
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase("fill");
}

double medianMs(const QStringList& args) {
    std::vector<double> ms;
    for (int i = 0; i < Runs; ++i) {
        QElapsedTimer t;
        t.start();
        const CliResult r = RunCli(args);
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
        EXPECT_EQ(r.code, 0) << qPrintable(r.err);
    }
    std::sort(ms.begin(), ms.end());
    return ms[Runs / 2];
}

} // namespace

// TRIP_BENCH_DATA_DIR keeps the filled folder for timing the tool as a whole process.
TEST(HistoryBenchmark, DISABLED_TenThousandEventsOfFiveHundredVehicles) {
    CoreAppScope app;
    EnglishVersion = true;
    QTemporaryDir temporary;
    const QString dataDir = qEnvironmentVariableIsSet("TRIP_BENCH_DATA_DIR")
                                ? qEnvironmentVariable("TRIP_BENCH_DATA_DIR")
                                : temporary.path();
    if (!QFile::exists(QDir(dataDir).filePath("vehicles.sqlite"))) {
        QElapsedTimer t;
        t.start();
        ASSERT_NO_FATAL_FAILURE(fill(dataDir));
        std::printf("filled in %.0f ms\n", double(t.nsecsElapsed()) / 1e6);
    }
    ASSERT_EQ(RunCli({"history", "--data-dir", dataDir}).out.count('\n'), EventCount);

    for (const QStringList& command :
         {QStringList{"history"}, QStringList{"history", "--json"}, QStringList{"vehicles"},
          QStringList{"vehicles", "--json"}}) {
        const double ms = medianMs(QStringList(command) << "--data-dir" << dataDir);
        std::printf("%s, in-process median of %d: %.1f ms\n", qPrintable(command.join(' ')), Runs,
                    ms);
        EXPECT_LT(ms, LimitMs);
    }
}
