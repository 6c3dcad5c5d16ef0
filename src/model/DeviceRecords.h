#pragma once

// What the trip computer records itself while driving: the running totals (section 1), the
// trip and refuelling journals (section 7) and the fault journal (section 11). The field
// table marks their rows (FieldDef::deviceRecord); they are the device's, not settings, so
// a write keeps the device's own unless the user cleared them in the journals viewer or
// asked to replace them.

#include "FieldTable.h"

#include <bitset>
#include <cstdint>
#include <vector>

// The parts of the records the journals viewer can clear, the eight adders first in their
// order of section 1.
enum class TRecordPart : std::uint8_t {
    AllSum,
    TripSum,
    ResetSum,
    StopSum,
    NoStopSum,
    TankSum,
    OilOnlySum,
    GasOnlySum,
    TripJournal,
    TankJournal,
    FaultJournal,
};
constexpr int RecordPartCount = int(TRecordPart::FaultJournal) + 1;

// Which parts the user cleared since the settings were read or loaded.
class TRecordParts {
public:
    void Add(TRecordPart part) { bits_.set(std::size_t(part)); }
    bool Has(TRecordPart part) const { return bits_.test(std::size_t(part)); }
    bool Empty() const { return bits_.none(); }
    bool operator==(const TRecordParts&) const = default;

private:
    std::bitset<RecordPartCount> bits_;
};

// A run of record bytes inside one section record.
struct TRecordSpan {
    int section;
    int offset;
    int size;
    bool operator==(const TRecordSpan&) const = default;
};

// The device's record bytes as runs, section by section: the marked rows of the field
// table, touching rows joined.
const std::vector<TRecordSpan>& DeviceRecordSpans();

// Copies the record bytes of every section from `from` into `to`; the settings bytes of
// `to` stay. Record bytes a short record of `from` lacks keep `to`'s.
void CopyDeviceRecords(TSectionRecords& to, const TSectionRecords& from);
// True when the record bytes of both are the same.
bool SameDeviceRecords(const TSectionRecords& a, const TSectionRecords& b);
