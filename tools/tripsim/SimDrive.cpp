#include "SimDrive.h"

#include "ByteAccess.h"

#include <algorithm>
#include <iterator>

namespace sim {

namespace {

struct TDriveKindRow {
    TDriveKind kind;
    int minMetres, maxMetres;
    int minSpeed, maxSpeed;           // km/h outside jams
    int minJamPercent, maxJamPercent; // of the distance
    int minGasPer100, maxGasPer100;   // tenths of a litre per 100 km outside jams
};

// clang-format off
constexpr TDriveKindRow DriveKinds[] = {
    // kind                 metres           km/h    jam %   gas L/100 x10
    {TDriveKind::Commute,  12000,  23000,   32, 46,   4, 12,  118, 132},
    {TDriveKind::Errand,    2500,   9000,   26, 38,   0,  8,  125, 140},
    {TDriveKind::Highway,  55000, 190000,   72, 92,   0,  2,   84,  96},
};
// clang-format on

const TDriveKindRow& kindRow(TDriveKind kind) {
    return *std::find_if(std::begin(DriveKinds), std::end(DriveKinds),
                         [kind](const TDriveKindRow& r) { return r.kind == kind; });
}

} // namespace

TDrive MakeDrive(TRandom& random, TDriveKind kind, const QDate& day, int startMinute) {
    const TDriveKindRow& k = kindRow(kind);
    const int distance = random.between(k.minMetres, k.maxMetres);
    const int jamDistance = distance * random.between(k.minJamPercent, k.maxJamPercent) / 100;
    const int jamTime = jamDistance * 36 / (random.between(5, 11) * 10); // m x 3.6 / km/h
    const int freeDistance = distance - jamDistance;
    const int freeTime = freeDistance * 36 / (random.between(k.minSpeed, k.maxSpeed) * 10);
    // The engine runs on petrol until it is warm, then switches to gas.
    const int petrolTime = std::min(random.between(90, 240), freeTime / 3);
    const int petrolDistance = freeTime > 0 ? freeDistance * petrolTime / freeTime : 0;
    const int petrol = petrolDistance * 105 / 1000 + petrolTime * random.between(4, 7) / 10;
    const int jamGas = jamTime * random.between(2000, 2800) / 3600; // 2.0..2.8 L/h crawling
    const int freeGas =
        (freeDistance - petrolDistance) * random.between(k.minGasPer100, k.maxGasPer100) / 1000;

    TDrive d;
    d.day = day;
    const int time = jamTime + freeTime;
    d.all = {std::uint32_t(time), std::uint32_t(distance), std::uint32_t(petrol),
             std::uint32_t(jamGas + freeGas)};
    d.jam = {std::uint32_t(jamTime), std::uint32_t(jamDistance), 0, std::uint32_t(jamGas)};
    d.onPetrol = {std::uint32_t(petrolTime), std::uint32_t(petrolDistance), std::uint32_t(petrol),
                  0};
    d.endMinute = std::min(startMinute + DriveMinutes(d), LastMinuteOfDay);
    return d;
}

int DriveMinutes(const TDrive& drive) {
    return int((drive.all.time + 59) / 60);
}

void PutJournalRecord(QByteArray& section, qsizetype o, const QDate& day, int minute,
                      const TCounters& c) {
    bytes::checkRange(section.size(), o, JournalRecordSize);
    bytes::setU16le(section, o, std::uint16_t(minute));
    bytes::setU8(section, o + RecordDayOffset, std::uint8_t(day.day()));
    bytes::setU8(section, o + RecordMonthOffset, std::uint8_t(day.month()));
    bytes::setU32le(section, o + 4, c.time);
    bytes::setU32le(section, o + 8, c.distance);
    bytes::setU32le(section, o + 12, c.petrol);
    bytes::setU32le(section, o + 16, c.gas);
}

} // namespace sim
