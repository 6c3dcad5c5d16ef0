// The vehicles' history: vehicles and events in order, and recognising a car by its settings.

#include "VehicleStore.h"
#include "CoreAppScope.h"
#include "Errors.h"
#include "Language.h"
#include "Pars32H.h"
#include "QStringPrint.h"
#include "SettingsPrint.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(VehicleStore, KeepsVehiclesAndEventsNewestFirstAndSuggestsTheCarTheSettingsCameFrom) {
    CoreAppScope app;
    EnglishVersion = true;
    QTemporaryDir dir;
    TVehicleStore store(dir.path());
    ASSERT_TRUE(store.Open()) << qPrintable(store.Problem());

    TMK car;
    car.Set("AllPathStart", 0, 123456);
    car.SetText("CandleName", QStringLiteral("NGK BKR6E"));
    TVehicleEvent e;
    e.kind = TEventKind::Read;
    e.deviceType = 0x4610;
    e.settingsVersion = 1;
    e.print = PrintOf(car);
    e.time = QDateTime::currentDateTime().addSecs(-60);
    EXPECT_EQ(RecordEvent(store, QString::fromUtf8("А123ВС 77"), e), QString());
    e.kind = TEventKind::Write;
    e.backup = dir.filePath("b.veltg");
    e.time = e.time.addSecs(30);
    EXPECT_EQ(RecordEvent(store, QString::fromUtf8("а123вс 77"), e), QString()) << "any case";
    RecordEvent(store, "Other", TVehicleEvent{});

    const std::vector<TVehicle> vehicles = store.Vehicles();
    ASSERT_EQ(vehicles.size(), 2u);
    EXPECT_EQ(vehicles[1].name, QString::fromUtf8("А123ВС 77"));
    EXPECT_EQ(vehicles[1].lastKind, TEventKind::Write);
    const std::vector<TVehicleEvent> events = store.Events(vehicles[1].id);
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].kind, TEventKind::Write);
    EXPECT_EQ(events[0].backup, dir.filePath("b.veltg"));
    EXPECT_EQ(events[1].print.maintenanceNames, QStringList{"NGK BKR6E"});
    EXPECT_EQ(store.Events({}, 1).size(), 1u);

    const auto suggested = store.Suggestions(0x4610, PrintOf(car));
    ASSERT_EQ(suggested.size(), 1u);
    EXPECT_EQ(suggested[0].first.id, vehicles[1].id);
    EXPECT_TRUE(store.Suggestions(0x4000, PrintOf(car)).empty()) << "another device type";
    EXPECT_TRUE(store.Suggestions(0x4610, PrintOf(TMK())).empty()) << "nothing in common";
    EXPECT_THROW(store.AddVehicle(QString::fromUtf8(" а123вс 77 ")), TError);
}

TEST(VehicleStore, EventTimesAreLocalWithTheirOffsetAndWholeSeconds) {
    const auto text = [](qint64 ms, int offset) {
        return EventTimeText(QDateTime::fromMSecsSinceEpoch(ms, Qt::OffsetFromUTC, offset));
    };
    EXPECT_EQ(text(1765270500999, 3 * 3600), "2025-12-09T11:55:00+03:00");
    EXPECT_EQ(text(1709172000000, -(3 * 3600 + 1800)), "2024-02-28T22:30:00-03:30");
    EXPECT_EQ(text(-1, 0), "1969-12-31T23:59:59+00:00");
}
