// The eight running sums of section 1. A full adder holds four u32 counters (time s,
// distance m, petrol mL, gas mL); the two "only" adders hold three, their own fuel third.

#include "JournalRecords.h"

#include "FieldAccess.h"
#include "JournalNumbers.h"
#include "Language.h"
#include "Pars32H.h"
#include "ShortText.h"
#include "ValueConversions.h"

namespace journals {

namespace {

enum class Fuels { Both, PetrolOnly, GasOnly };

struct AdderDef {
    Adder adder;
    const char* field;
    Fuels fuels;
    TText caption;
};

// clang-format off
const AdderDef kAdders[AdderCount] = {
    {Adder::AllSum,     "AllSum",     Fuels::Both,       {"Cumulative / General", "Накопительные / Общие"}},
    {Adder::TripSum,    "TripSum",    Fuels::Both,       {"Trip", "Поездка"}},
    {Adder::ResetSum,   "ResetSum",   Fuels::Both,       {"Reset 1", "Сброс 1"}},
    {Adder::StopSum,    "StopSum",    Fuels::Both,       {"Jams", "Пробки"}},
    {Adder::NoStopSum,  "NoStopSum",  Fuels::Both,       {"Traffic", "Без пробок"}},
    {Adder::TankSum,    "TankSum",    Fuels::Both,       {"Reset 2 (between gas stations)", "Сброс 2 ( Между заправками )"}},
    {Adder::OilOnlySum, "OilOnlySum", Fuels::PetrolOnly, {"Petrol only", "Только бензин"}},
    {Adder::GasOnlySum, "GasOnlySum", Fuels::GasOnly,    {"Gas only", "Только газ"}},
};

const TText kRowLabels[6] = {
    {"Time",           "Время"},
    {"Mileage, km",    "Пробег, км"},
    {"Expense, l",     "Расход, л"},
    {"Av.speed, km/h", "Ср.скорость, км/час"},
    {"Av.exp., l/100", "Ср.расход, л/100"},
    {"Av.exp., l/h",   "Ср.расход, л/час"},
};
// clang-format on

constexpr int CounterTime = 0;
constexpr int CounterDistance = 1;
constexpr int CounterFuel = 2; // petrol, or the own fuel of an "only" adder
constexpr int CounterGas = 3;  // full adders only

const AdderDef& Def(Adder adder) {
    return kAdders[static_cast<int>(adder)];
}

// Looked up once: the sums are read whenever the journals are shown.
const FieldDef& Field(Adder adder) {
    static const auto fields = [] {
        std::array<const FieldDef*, AdderCount> v;
        for (int i = 0; i < AdderCount; ++i)
            v[std::size_t(i)] = &FieldByName(kAdders[i].field);
        return v;
    }();
    return *fields[std::size_t(adder)];
}

// Averages of a sum have no value without time or distance.
const QString NoValue = QStringLiteral("-----");

} // namespace

const char* AdderFieldName(Adder adder) {
    return Def(adder).field;
}
QString AdderCaption(Adder adder) {
    return Def(adder).caption.text();
}

AdderCounters ReadAdder(const TMK& model, Adder adder) {
    return ReadAdder(model.Section(1), adder);
}

AdderCounters ReadAdder(const QByteArray& section1, Adder adder) {
    const AdderDef& d = Def(adder);
    const FieldDef& f = Field(adder);
    auto get = [&](int i) { return std::uint32_t(ReadFieldInt(section1, f, i)); };
    AdderCounters c;
    c.time = get(CounterTime);
    c.distance = get(CounterDistance);
    switch (d.fuels) {
    case Fuels::Both:
        c.petrol = get(CounterFuel);
        c.gas = get(CounterGas);
        break;
    case Fuels::PetrolOnly:
        c.petrol = get(CounterFuel);
        break;
    case Fuels::GasOnly:
        c.gas = get(CounterFuel);
        break;
    }
    return c;
}

std::vector<LabelValue> AdderRows(const AdderCounters& c, std::int64_t startKm) {
    const std::uint64_t fuel = std::uint64_t(c.petrol) + c.gas;
    const double seconds = c.time, metres = c.distance;
    const std::uint32_t minutes = c.time / 60;
    // In 64 bits: a large odometer start plus a long distance must not wrap round.
    const std::int64_t mileage = startKm * 1000 + std::int64_t(c.distance);
    QString values[6] = {
        TShortText().number(minutes / 60).add(':').number(minutes % 60, 2).text(),
        numbers::Scaled(mileage, 3),
        numbers::Scaled(std::int64_t(fuel), 3),
        c.time > 0 ? numbers::Fixed(metres * 3.6 / seconds, 1) : NoValue,
        c.distance > 0 ? numbers::Fixed(double(fuel) * 100 / metres, 1) : NoValue,
        c.time > 0 ? numbers::Fixed(double(fuel) * 3.6 / seconds, 1) : NoValue,
    };
    std::vector<LabelValue> rows;
    rows.reserve(6);
    for (int i = 0; i < 6; ++i)
        rows.push_back({kRowLabels[i].text(), std::move(values[i])});
    return rows;
}

std::vector<LabelValue> AdderRows(const TMK& model, Adder adder) {
    static const FieldDef& start = FieldByName("AllPathStart");
    const std::int64_t startKm = adder == Adder::AllSum ? model.Get(start) : 0;
    return AdderRows(ReadAdder(model, adder), startKm);
}

void ClearAdder(TMK& model, Adder adder) {
    ClearAdder(model.Section(1), adder);
    model.ClearedRecords.Add(RecordPartOf(adder));
}

void ClearAdder(QByteArray& section1, Adder adder) {
    const AdderDef& d = Def(adder);
    const FieldDef& f = Field(adder);
    const int counters = d.fuels == Fuels::Both ? 4 : 3;
    for (int i = 0; i < counters; ++i)
        WriteFieldInt(section1, f, i, 0);
}

TRecordPart RecordPartOf(Adder adder) {
    // Both list the adders in their order of section 1.
    return TRecordPart(int(adder));
}

} // namespace journals
