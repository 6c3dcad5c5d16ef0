#pragma once

// One drive of the simulated commuter's bi-fuel car (started on petrol, run on LPG once
// warm), shared by the generated history and the drives the running simulator records.
// Times are s, distances m, fuel mL, as the device counts them.

#include <QByteArray>
#include <QDate>
#include <cstdint>

namespace sim {

constexpr int LastMinuteOfDay = 24 * 60 - 1;

// Deterministic on every platform and standard library (the std distributions are not).
class TRandom {
public:
    explicit TRandom(std::uint32_t seed) : state_(seed) {}
    std::uint32_t next() {
        state_ += 0x9E3779B97F4A7C15ull;
        std::uint64_t z = state_;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return std::uint32_t((z ^ (z >> 31)) >> 32);
    }
    int between(int low, int high) { return low + int(next() % std::uint32_t(high - low + 1)); }
    bool chance(int percent) { return between(1, 100) <= percent; }

private:
    std::uint64_t state_;
};

struct TCounters {
    std::uint32_t time = 0;     // s
    std::uint32_t distance = 0; // m
    std::uint32_t petrol = 0;   // mL
    std::uint32_t gas = 0;      // mL

    TCounters& operator+=(const TCounters& o) {
        time += o.time;
        distance += o.distance;
        petrol += o.petrol;
        gas += o.gas;
        return *this;
    }
    TCounters operator-(const TCounters& o) const {
        return {time - o.time, distance - o.distance, petrol - o.petrol, gas - o.gas};
    }
    bool operator==(const TCounters&) const = default;
};

// One drive, split the ways the sums split it: the part in traffic jams (run on gas) and the
// warm-up part run on petrol (never in a jam).
struct TDrive {
    QDate day;
    int endMinute = 0; // minutes since midnight when the drive ended
    TCounters all, jam, onPetrol;
};

enum class TDriveKind { Commute, Errand, Highway };

// A drive of the given kind that starts at startMinute of day; it ends by the end of the day.
TDrive MakeDrive(TRandom& random, TDriveKind kind, const QDate& day, int startMinute);
// Whole minutes the drive's time takes, rounded up.
int DriveMinutes(const TDrive& drive);

// A trip or refuelling journal: 21 records of 20 bytes, entry 0 the latest. A record is
// u16 time of day (min), u8 day (0 = empty), u8 month, u32 s, u32 m, u32 petrol mL, u32 gas mL.
constexpr int JournalRecordCount = 21;
constexpr int JournalRecordSize = 20;
constexpr int JournalSize = JournalRecordCount * JournalRecordSize;
// Inside a record.
constexpr int RecordDayOffset = 2;
constexpr int RecordMonthOffset = 3;

// Writes a record at byte offset o of a section record. Raises ERangeError past its end.
void PutJournalRecord(QByteArray& section, qsizetype o, const QDate& day, int minute,
                      const TCounters& c);

} // namespace sim
