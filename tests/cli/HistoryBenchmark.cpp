// Timing of history and vehicles over a large history (run by scripts/bench-history.sh on a
// Release build): 500 vehicles and 10,000 events, half of them writes with a change list.

#include "CliRun.h"
#include "CoreAppScope.h"
#include "Language.h"
#include "LargeHistory.h"
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
        ASSERT_NO_FATAL_FAILURE(FillLargeHistory(dataDir, VehicleCount, EventCount));
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
