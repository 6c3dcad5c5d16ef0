#pragma once

// What the vehicles' history holds: vehicles, and the events of each (a read, a write, a
// file saved or loaded, a restore), each with its time, device and file.

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

enum class TEventKind { Read, Write, Save, Load, Restore };

// "read", "write", "save", "load", "restore": the names stored and printed by the tool.
QString EventKindName(TEventKind kind);
std::optional<TEventKind> EventKindFromName(const QString& name);
// The kind as the window shows it, in the current language.
QString EventKindCaption(TEventKind kind);

// What recognises a car in its settings: the odometer's start, the tank calibration and the
// names the user gave maintenance items. Equal device types are a must; the rest adds up.
struct TSettingsPrint {
    qint64 odometerStart = 0;     // km
    QByteArray tare;              // a digest of the tare table; empty: no table
    QStringList maintenanceNames; // only names the user chose (not the defaults)
};

struct TVehicle {
    qint64 id = 0;
    QString name;                 // "А123ВС 77"
    QString notes;                // customer, VIN, phone
    std::uint16_t deviceType = 0; // the last device type seen; 0: none yet
    QDateTime lastEvent;          // invalid: no event yet
    std::optional<TEventKind> lastKind;
};

struct TVehicleEvent {
    qint64 id = 0;
    qint64 vehicleId = 0;
    QString vehicle; // the vehicle's name
    TEventKind kind = TEventKind::Read;
    QDateTime time; // local time with its offset from UTC
    std::uint16_t deviceType = 0;
    int settingsVersion = 0;
    QString file;    // the settings the event produced or used
    QString backup;  // a write: the device's memory before it
    QString changes; // a write: the change list in words, one change per line
    TSettingsPrint print;
};

// The time as the history prints it: ISO 8601, local time with its offset ("+03:00").
QString EventTimeText(const QDateTime& time);
