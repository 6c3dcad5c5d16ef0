#include "SimDriveRecorder.h"

#include "ByteAccess.h"
#include "FieldTable.h"
#include "SimHistory.h"
#include "SimMemory.h"

#include <algorithm>
#include <array>
#include <optional>
#include <span>

namespace sim {

namespace {

// Most recorded drives are the daily commute, some errands, now and then a long way.
constexpr int CommutePercent = 60;
constexpr int ErrandPercent = 30;
// The car stands this long between drives; the first drive of a day starts in the morning.
constexpr int MinPauseMinutes = 20;
constexpr int MaxPauseMinutes = 300;
constexpr int MorningFirstMinute = 7 * 60;
constexpr int MorningLastMinute = 9 * 60;
// The device keeps no year: its dates are read in a leap year, where 29 February is a day.
constexpr int YearOfDates = 2028;

constexpr const char* TripJournalField = "TripJournal";
constexpr const char* JournalFields[] = {TripJournalField};
constexpr const char* SumFields[] = {"AllSum",    "TripSum", "ResetSum",   "StopSum",
                                     "NoStopSum", "TankSum", "OilOnlySum", "GasOnlySum"};

// Up to four counters in the order a sum keeps them: time, distance, then fuel.
using TSumValues = std::array<std::uint32_t, 4>;

TSumValues bothFuels(const TCounters& c) {
    return {c.time, c.distance, c.petrol, c.gas};
}

struct TMoment {
    QDate day;
    int minute = 0;
};

struct TSectionBytes {
    int address = 0; // device address of the first byte
    QByteArray bytes;
};

// The bytes of the fields' section when its table entry gives it room for every one of them.
std::optional<TSectionBytes> sectionWith(const QByteArray& memory,
                                         std::span<const char* const> fields) {
    const int section = FieldByName(fields.front()).section;
    const std::optional<TSectionPlace> place = FindSection(memory, section);
    if (!place) return std::nullopt;
    for (const char* name : fields) {
        const FieldDef& f = FieldByName(name);
        if (f.section != section || f.offset + FieldByteSize(f) > place->count) return std::nullopt;
    }
    return TSectionBytes{place->address, memory.mid(place->address, place->count)};
}

void putBack(QByteArray& memory, const TSectionBytes& section) {
    memory.replace(section.address, section.bytes.size(), section.bytes);
}

// When the journal's latest drive ended; nullopt for an empty entry or a date no calendar
// has.
std::optional<TMoment> latestDrive(const QByteArray& journals) {
    const qsizetype o = FieldByName(TripJournalField).offset;
    const int day = bytes::u8(journals, o + RecordDayOffset);
    const QDate date(YearOfDates, bytes::u8(journals, o + RecordMonthOffset), day);
    if (day == 0 || !date.isValid()) return std::nullopt;
    return TMoment{date, bytes::u16le(journals, o)};
}

TDriveKind nextKind(TRandom& random) {
    const int pick = random.between(1, 100);
    if (pick <= CommutePercent) return TDriveKind::Commute;
    return pick <= CommutePercent + ErrandPercent ? TDriveKind::Errand : TDriveKind::Highway;
}

TDrive nextDrive(TRandom& random, const TMoment& last) {
    TDrive d = MakeDrive(random, nextKind(random), last.day, 0);
    int start = last.minute + random.between(MinPauseMinutes, MaxPauseMinutes);
    if (start + DriveMinutes(d) > LastMinuteOfDay) {
        d.day = last.day.addDays(1);
        start = random.between(MorningFirstMinute, MorningLastMinute);
    }
    d.endMinute = std::min(start + DriveMinutes(d), LastMinuteOfDay);
    return d;
}

void shiftInDrive(QByteArray& journals, const TDrive& d) {
    const qsizetype o = FieldByName(TripJournalField).offset;
    const qsizetype kept = JournalSize - JournalRecordSize; // the oldest entry falls off
    journals.replace(o + JournalRecordSize, kept, journals.mid(o, kept));
    PutJournalRecord(journals, o, d.day, d.endMinute, d.all);
}

enum class TGrowth { Add, Replace };

// The petrol-only and gas-only sums keep three counters: time, distance and their own fuel.
// The counters wrap at 2^32 as the device's do.
void grow(QByteArray& sums, const char* name, const TSumValues& values,
          TGrowth growth = TGrowth::Add) {
    const FieldDef& f = FieldByName(name);
    const int width = FieldTypeWidth(f.type);
    for (int i = 0; i < f.count; ++i) {
        const qsizetype o = f.offset + qsizetype(i) * width;
        const std::uint32_t before = growth == TGrowth::Add ? bytes::u32le(sums, o) : 0;
        bytes::setU32le(sums, o, before + values[std::size_t(i)]);
    }
}

void growSums(QByteArray& sums, const TDrive& d) {
    for (const char* name : {"AllSum", "ResetSum", "TankSum"})
        grow(sums, name, bothFuels(d.all));
    grow(sums, "TripSum", bothFuels(d.all), TGrowth::Replace);
    grow(sums, "StopSum", bothFuels(d.jam));
    grow(sums, "NoStopSum", bothFuels(d.all - d.jam));
    const TCounters onGas = d.all - d.onPetrol;
    grow(sums, "OilOnlySum", {d.onPetrol.time, d.onPetrol.distance, d.onPetrol.petrol, 0});
    grow(sums, "GasOnlySum", {onGas.time, onGas.distance, d.all.gas, 0});
}

} // namespace

TDrive RecordNextDrive(QByteArray& memory, TRandom& random) {
    std::optional<TSectionBytes> journals = sectionWith(memory, JournalFields);
    // With no drive to follow, the day after the history's last.
    const TMoment last = (journals ? latestDrive(journals->bytes) : std::nullopt)
                             .value_or(TMoment{HistoryLastDay(), LastMinuteOfDay});
    const TDrive d = nextDrive(random, last);
    if (journals) {
        shiftInDrive(journals->bytes, d);
        putBack(memory, *journals);
    }
    if (std::optional<TSectionBytes> sums = sectionWith(memory, SumFields)) {
        growSums(sums->bytes, d);
        putBack(memory, *sums);
    }
    return d;
}

} // namespace sim
