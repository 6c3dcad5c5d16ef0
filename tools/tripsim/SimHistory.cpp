#include "SimHistory.h"

#include "FieldTable.h"
#include "Pars32H.h"
#include "ProtsH.h"
#include "SimDrive.h"

#include <algorithm>
#include <vector>

namespace sim {

namespace {

constexpr int HistoryDays = 240;
constexpr std::int32_t OdometerAtInstallKm = 84250;
constexpr int ResetDaysAgo = 23; // the driver pressed "Reset 1" that morning
constexpr std::uint32_t GasTankFullMl = 42000;
constexpr std::uint32_t GasReserveMl = 8000; // the driver refuels below this
// Prices as the device keeps them: tenths of a currency unit per litre; none per km or hour.
constexpr int PetrolPriceTenths = 564;
constexpr int GasPriceTenths = 279;
constexpr std::uint8_t ObdOnCanProtocolCode = 0x01;

struct TRefuelling {
    QDate day;
    int minute = 0;
    TCounters stretch; // driven since the refuelling before
};

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
            const TDrive d = MakeDrive(random, kind, day, start);
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
    const qsizetype tripJournal = FieldByName("TripJournal").offset;
    const qsizetype tankJournal = FieldByName("TankJournal").offset;
    for (int i = 0; i < JournalRecordCount && i < int(drives.size()); ++i) {
        const TDrive& d = drives[drives.size() - 1 - std::size_t(i)];
        PutJournalRecord(journals, tripJournal + i * JournalRecordSize, d.day, d.endMinute, d.all);
    }
    for (int i = 0; i < JournalRecordCount && i < int(refuellings.size()); ++i) {
        const TRefuelling& r = refuellings[refuellings.size() - 1 - std::size_t(i)];
        PutJournalRecord(journals, tankJournal + i * JournalRecordSize, r.day, r.minute, r.stretch);
    }

    selectObdProtocol(model);
    FillFaultJournal(model, lastDay);
}

} // namespace sim
