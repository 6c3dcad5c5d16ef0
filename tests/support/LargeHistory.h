// A history of some years' work for timing: vehicles "А001ВС 77"… with notes
// "Customer 1, +7 900 000 1"…, and events spread over two years, every second one a write
// with its backup and a change list. Filled in one transaction, straight into the tables.
#pragma once

#include "VehicleStore.h"

#include <QDateTime>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <gtest/gtest.h>

inline void FillLargeHistory(const QString& dataDir, int vehicleCount, int eventCount) {
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
        for (int v = 1; v <= vehicleCount; ++v) {
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
        for (int e = 0; e < eventCount; ++e) {
            const bool write = e % 2 == 1;
            const int vehicle = int(random.bounded(vehicleCount)) + 1;
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
