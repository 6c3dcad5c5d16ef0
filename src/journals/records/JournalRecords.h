#pragma once

// The journals the trip computer keeps inside its settings image: eight running sums
// ("adders", section 1), the trip and refuelling journals of 21 drives each (section 7)
// and the fault journal of seven slots with an OBD freeze frame each (section 11).
// Everything here is a pure function of the model's decoded section records; the texts
// are in the language of the moment and numbers use the user's locale decimal separator.
// All values in the records are little-endian.

#include "DeviceRecords.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

class TMK;

namespace journals {

// ---- Drive journals (section 7) ----------------------------------------------------------

enum class DriveJournal { Trip, Tank };

constexpr int JournalRecordCount = 21; // entry 0 is the latest drive
constexpr int JournalRecordSize = 20;

// One drive record: u16 time of day (minutes since midnight), u8 day (0 = empty), u8 month,
// u32 travel time s, u32 distance m, u32 petrol mL, u32 gas mL. There is no year.
struct JournalRecord {
    std::uint16_t timeOfDay = 0;
    std::uint8_t day = 0;
    std::uint8_t month = 0;
    std::uint32_t travelTime = 0; // s
    std::uint32_t distance = 0;   // m
    std::uint32_t petrol = 0;     // mL
    std::uint32_t gas = 0;        // mL

    bool isEmpty() const { return day == 0; }
};

// Trip-cost prices of section 7, read when a table is shown so that a new price re-prices
// every stored drive.
struct Prices {
    int expense = 0; // tenths of a currency unit per litre of petrol
    int time = 0;    // whole currency units per hour
    int path = 0;    // tenths per km
    int gas = 0;     // tenths per litre of gas
};

// Texts of a drive record after the row number: date and time, travel time, distance km,
// fuel L, average speed km/h, L/100 km, L/h, cost. An empty record: "Empty" and blanks.
constexpr int DriveTextCount = 8;
using DriveRowTexts = std::array<QString, DriveTextCount>;

Prices ReadPrices(const TMK& model);
JournalRecord ReadJournalRecord(const TMK& model, DriveJournal journal, int index);
JournalRecord ReadJournalRecord(const QByteArray& section7, DriveJournal journal, int index);
DriveRowTexts DriveRecordTexts(const JournalRecord& record, const Prices& prices);
// Empties every record of the journal (day 0); the other bytes stay. The model's version
// also marks the journal cleared, so that a write clears it in the device.
void ClearDriveJournal(TMK& model, DriveJournal journal);
void ClearDriveJournal(QByteArray& section7, DriveJournal journal);
TRecordPart RecordPartOf(DriveJournal journal);

// ---- Adders (section 1) ------------------------------------------------------------------

enum class Adder { AllSum, TripSum, ResetSum, StopSum, NoStopSum, TankSum, OilOnlySum, GasOnlySum };
constexpr int AdderCount = 8;
constexpr std::array<Adder, AdderCount> AllAdders = {
    Adder::AllSum,    Adder::TripSum, Adder::ResetSum,   Adder::StopSum,
    Adder::NoStopSum, Adder::TankSum, Adder::OilOnlySum, Adder::GasOnlySum};

// A counter an adder lacks reads 0.
struct AdderCounters {
    std::uint32_t time = 0;     // s
    std::uint32_t distance = 0; // m
    std::uint32_t petrol = 0;   // mL
    std::uint32_t gas = 0;      // mL
};

struct LabelValue {
    QString label;
    QString value;
    bool operator==(const LabelValue&) const = default;
};

const char* AdderFieldName(Adder adder);
QString AdderCaption(Adder adder);
AdderCounters ReadAdder(const TMK& model, Adder adder);
AdderCounters ReadAdder(const QByteArray& section1, Adder adder);
// The six rows: time, mileage, fuel, average speed, L/100 km, L/h. startKm enters the
// mileage row only (the odometer start value of the cumulative adder, 0 for the others).
std::vector<LabelValue> AdderRows(const AdderCounters& counters, std::int64_t startKm);
// The rows of one adder of the model, the cumulative one with its odometer start.
std::vector<LabelValue> AdderRows(const TMK& model, Adder adder);
// Zeroes the adder's time, distance and fuel; the odometer start value stays. The model's
// version also marks the adder cleared.
void ClearAdder(TMK& model, Adder adder);
void ClearAdder(QByteArray& section1, Adder adder);
TRecordPart RecordPartOf(Adder adder);

// ---- Fault journal (section 11) ----------------------------------------------------------

constexpr int FaultSlotCount = 7; // numbered from 0
constexpr int FaultRecordSize = 92;
constexpr int FreezeFrameSize = 84;
constexpr int FreezeFramePidBytes = 12; // PIDs 1..96

// How fault codes are written: the protocol entry's format (0..10; anything else writes
// nothing) and the two sub-type choices that refine formats 7, 8 and 9.
struct FaultCodeStyle {
    int format = 0;
    std::uint8_t protTypeMain = 0;
    std::uint8_t protTypeAdd2 = 0;
};

// One fault slot: u16 time of day, u8 day, u8 month, u32 code (0 = empty slot) and the
// 84-byte freeze frame (u32 trouble code, 0 = none; u16 fuel-system status; s16 per PID).
struct FaultRecord {
    std::uint16_t timeOfDay = 0;
    std::uint8_t day = 0;
    std::uint8_t month = 0;
    std::uint32_t code = 0;
    QByteArray freezeFrame = QByteArray(FreezeFrameSize, '\0');

    bool isEmpty() const { return code == 0; }
    std::uint32_t freezeDtc() const;
};

QString FaultCodeText(const FaultCodeStyle& style, std::uint32_t code);
// The protocol's format with the model's sub-type choices (section 10).
FaultCodeStyle FaultCodeStyleOf(const TMK& model, int format);
// The style of the protocol the settings choose for the model's device (the default
// model's for an unknown type, as the editor offers); format 0 when the stored protocol
// position lies beyond that catalogue.
FaultCodeStyle CurrentFaultCodeStyle(const TMK& model);

FaultRecord ReadFaultRecord(const TMK& model, int slot);
FaultRecord ReadFaultRecord(const QByteArray& section11, int slot);
QByteArray ReadFreezeFramePids(const TMK& model);
// PID p (1..96) is present when bit 0x80 >> ((p - 1) % 8) of byte (p - 1) / 8 is set.
bool PidPresent(const QByteArray& pidMap, int pid);

// Time and code of a slot (slot number aside); both empty for an empty slot. The hours
// are not wrapped at 24.
struct FaultRowTexts {
    QString time;
    QString code;
};
FaultRowTexts FaultRecordTexts(const FaultRecord& record, const FaultCodeStyle& style);

// The trouble code row, then one row per PID of the frame present in the map; no rows at
// all when the frame has no trouble code.
std::vector<LabelValue> FreezeFrameRows(const FaultRecord& record, const QByteArray& pidMap);

// Zeroes the PID map and the code and frame trouble code of every slot; the rest stays.
// The model's version also marks the journal cleared.
void ClearFaultJournal(TMK& model);
void ClearFaultJournal(QByteArray& section11);

} // namespace journals
