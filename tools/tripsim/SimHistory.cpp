#include "SimHistory.h"

#include "ByteAccess.h"
#include "FieldTable.h"
#include "Pars32H.h"
#include "ProtsH.h"

#include <algorithm>
#include <vector>

namespace sim {

namespace {

constexpr int HistoryDays = 240;
constexpr int JournalRecordCount = 21;
// Drive record: u16 time of day (min), u8 day, u8 month, u32 s, u32 m, u32 petrol mL, gas mL.
constexpr int DriveRecordSize = 20;
constexpr std::int32_t OdometerAtInstallKm = 84250;
constexpr int ResetDaysAgo = 23; // the driver pressed "Reset 1" that morning
constexpr std::uint32_t GasTankFullMl = 42000;
constexpr std::uint32_t GasReserveMl = 8000; // the driver refuels below this
constexpr int LastMinuteOfDay = 24 * 60 - 1;
// Prices as the device keeps them: tenths of a currency unit per litre; none per km or hour.
constexpr int PetrolPriceTenths = 564;
constexpr int GasPriceTenths = 279;
constexpr std::uint8_t ObdOnCanProtocolCode = 0x01;

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
};

// One drive, split the ways the sums split it: the part in traffic jams (run on gas) and the
// warm-up part run on petrol (never in a jam).
struct TDrive {
    QDate day;
    int endMinute = 0;
    TCounters all, jam, onPetrol;
};

struct TRefuelling {
    QDate day;
    int minute = 0;
    TCounters stretch; // driven since the refuelling before
};

enum class TDriveKind { Commute, Errand, Highway };

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

TDrive makeDrive(TRandom& random, TDriveKind kind, const QDate& day, int startMinute) {
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
    d.endMinute = std::min(startMinute + (time + 59) / 60, LastMinuteOfDay);
    d.all = {std::uint32_t(time), std::uint32_t(distance), std::uint32_t(petrol),
             std::uint32_t(jamGas + freeGas)};
    d.jam = {std::uint32_t(jamTime), std::uint32_t(jamDistance), 0, std::uint32_t(jamGas)};
    d.onPetrol = {std::uint32_t(petrolTime), std::uint32_t(petrolDistance), std::uint32_t(petrol),
                  0};
    return d;
}

// A day's drives in order: to work and back on most weekdays, sometimes an errand; at
// weekends an outing there and back, or errands.
std::vector<std::pair<TDriveKind, int>> dayPlan(TRandom& random, const QDate& day) {
    std::vector<std::pair<TDriveKind, int>> plan; // kind, start minute
    if (day.dayOfWeek() <= 5) {
        if (!random.chance(85)) return plan;
        plan.push_back({TDriveKind::Commute, random.between(440, 520)});
        plan.push_back({TDriveKind::Commute, random.between(1035, 1150)});
        if (random.chance(25)) plan.push_back({TDriveKind::Errand, random.between(1185, 1230)});
    } else if (random.chance(40)) {
        plan.push_back({TDriveKind::Highway, random.between(540, 660)});
        plan.push_back({TDriveKind::Highway, random.between(960, 1080)});
    } else if (random.chance(70)) {
        plan.push_back({TDriveKind::Errand, random.between(600, 720)});
        if (random.chance(50)) plan.push_back({TDriveKind::Errand, random.between(780, 900)});
    }
    return plan;
}

void putDriveRecord(QByteArray& section, const char* journal, int index, const QDate& day,
                    int minute, const TCounters& c) {
    const qsizetype o = FieldByName(journal).offset + qsizetype(index) * DriveRecordSize;
    bytes::setU16le(section, o, std::uint16_t(minute));
    bytes::setU8(section, o + 2, std::uint8_t(day.day()));
    bytes::setU8(section, o + 3, std::uint8_t(day.month()));
    bytes::setU32le(section, o + 4, c.time);
    bytes::setU32le(section, o + 8, c.distance);
    bytes::setU32le(section, o + 12, c.petrol);
    bytes::setU32le(section, o + 16, c.gas);
}

void setAdder(TMK& model, const char* name, const TCounters& c) {
    model.Set(name, 0, c.time);
    model.Set(name, 1, c.distance);
    model.Set(name, 2, c.petrol);
    model.Set(name, 3, c.gas);
}

// The "only" adders keep three counters: time, distance and their own fuel.
void setSingleFuelAdder(TMK& model, const char* name, const TCounters& c, std::uint32_t fuel) {
    model.Set(name, 0, c.time);
    model.Set(name, 1, c.distance);
    model.Set(name, 2, fuel);
}

void selectObdProtocol(TMK& model) {
    TProtCatalogue catalogue;
    catalogue.Build(HistoryDeviceVersion, 0);
    for (int position = 0; position < catalogue.Count(); ++position) {
        if (catalogue.Entry(position)->Code != ObdOnCanProtocolCode) continue;
        model.Set("Protocol", 0, position);
        model.Set("PrevProtocol", 0, position);
        return;
    }
}

} // namespace

void FillHistory(TMK& model, std::uint32_t seed) {
    TRandom random(seed);
    const QDate lastDay = HistoryLastDay();
    const QDate resetDay = lastDay.addDays(-ResetDaysAgo);

    std::vector<TDrive> drives;
    std::vector<TRefuelling> refuellings;
    TCounters all, jams, onPetrol, sinceReset, stretch;
    std::uint32_t gasLeft = GasTankFullMl / 2;
    for (QDate day = lastDay.addDays(1 - HistoryDays); day <= lastDay; day = day.addDays(1)) {
        for (const auto& [kind, start] : dayPlan(random, day)) {
            const TDrive d = makeDrive(random, kind, day, start);
            drives.push_back(d);
            all += d.all;
            jams += d.jam;
            onPetrol += d.onPetrol;
            stretch += d.all;
            if (day >= resetDay) sinceReset += d.all;
            gasLeft -= std::min(gasLeft, d.all.gas);
            if (gasLeft >= GasReserveMl) continue;
            // To the filling station on the way.
            const int minute = std::min(d.endMinute + random.between(4, 15), LastMinuteOfDay);
            refuellings.push_back({day, minute, stretch});
            stretch = {};
            gasLeft = GasTankFullMl;
        }
    }

    setAdder(model, "AllSum", all);
    setAdder(model, "TripSum", drives.back().all);
    setAdder(model, "ResetSum", sinceReset);
    setAdder(model, "StopSum", jams);
    setAdder(model, "NoStopSum", all - jams);
    setAdder(model, "TankSum", stretch);
    setSingleFuelAdder(model, "OilOnlySum", onPetrol, onPetrol.petrol);
    setSingleFuelAdder(model, "GasOnlySum", all - onPetrol, all.gas);
    model.Set("AllPathStart", 0, OdometerAtInstallKm);

    model.Set("PriceExpense", 0, PetrolPriceTenths);
    model.Set("PriceGas", 0, GasPriceTenths);
    model.Set("PricePath", 0, 0);
    model.Set("PriceTime", 0, 0);
    QByteArray& journals = model.Section(FieldByName("TripJournal").section);
    for (int i = 0; i < JournalRecordCount && i < int(drives.size()); ++i) {
        const TDrive& d = drives[drives.size() - 1 - std::size_t(i)];
        putDriveRecord(journals, "TripJournal", i, d.day, d.endMinute, d.all);
    }
    for (int i = 0; i < JournalRecordCount && i < int(refuellings.size()); ++i) {
        const TRefuelling& r = refuellings[refuellings.size() - 1 - std::size_t(i)];
        putDriveRecord(journals, "TankJournal", i, r.day, r.minute, r.stretch);
    }

    selectObdProtocol(model);
    FillFaultJournal(model, lastDay);
}

} // namespace sim
