#include "RecordChanges.h"

#include "FieldAccess.h"
#include "JournalRecords.h"
#include "Language.h"
#include "ValueConversions.h"

#include <QLocale>
#include <functional>
#include <string_view>

namespace journals {

namespace {

// clang-format off
// The adders as a change line names them, in the order of Adder.
constexpr TText kAdderNames[AdderCount] = {
    {"Total", "Общие"}, {"Trip", "Поездка"}, {"Reset 1", "Сброс 1"},
    {"In jams", "В пробках"}, {"Without jams", "Без пробок"}, {"Reset 2", "Сброс 2"},
    {"Petrol only", "Только бензин"}, {"Gas only", "Только газ"},
};
constexpr TText kCounterNames[] = {
    {"time", "время"}, {"distance", "пробег"}, {"petrol", "бензин"}, {"gas", "газ"},
};
// clang-format on
constexpr TText kKm{"km", "км"};
constexpr TText kLitres{"L", "л"};
constexpr int MetresPerKm = 1000;
constexpr double MillilitresPerLitre = 1000.0;

QString hoursText(std::uint32_t seconds) {
    const std::uint32_t minutes = seconds / 60;
    return QString::number(minutes / 60) + QLatin1Char(':') + TwoDigits(minutes % 60);
}

QString amountText(double value, const TText& unit) {
    return QLocale().toString(value, 'f', 1) + QLatin1Char(' ') + unit.text();
}

QString counterCaption(Adder adder, int counter) {
    return Tx("%1 %2", "%1: %2").arg(kAdderNames[int(adder)].text(), kCounterNames[counter].text());
}

void describeAdder(Adder adder, const TSectionRecords& device, const TSectionRecords& written,
                   std::vector<TRecordChange>& out) {
    const AdderCounters a = ReadAdder(device[1], adder), b = ReadAdder(written[1], adder);
    // The total distance reads as the odometer does: its start value and what was driven.
    auto km = [adder](const QByteArray& section1, std::uint32_t metres) {
        const std::int64_t start =
            adder == Adder::AllSum ? ReadFieldInt(section1, FieldByName("AllPathStart")) : 0;
        return double(start) + double(metres) / MetresPerKm;
    };
    if (a.time != b.time)
        out.push_back({counterCaption(adder, 0), hoursText(a.time), hoursText(b.time)});
    if (a.distance != b.distance)
        out.push_back({counterCaption(adder, 1), amountText(km(device[1], a.distance), kKm),
                       amountText(km(written[1], b.distance), kKm)});
    if (a.petrol != b.petrol)
        out.push_back({counterCaption(adder, 2),
                       amountText(a.petrol / MillilitresPerLitre, kLitres),
                       amountText(b.petrol / MillilitresPerLitre, kLitres)});
    if (a.gas != b.gas)
        out.push_back({counterCaption(adder, 3), amountText(a.gas / MillilitresPerLitre, kLitres),
                       amountText(b.gas / MillilitresPerLitre, kLitres)});
}

// Records that differ, and whether every one of them is empty in the written journal.
struct TRecordCount {
    int differing = 0;
    bool allCleared = true;
};

TRecordCount countRecords(int count, const std::function<bool(int)>& differs,
                          const std::function<bool(int)>& emptyAfter) {
    TRecordCount c;
    for (int i = 0; i < count; ++i) {
        if (!differs(i)) continue;
        ++c.differing;
        c.allCleared = c.allCleared && emptyAfter(i);
    }
    return c;
}

QString recordsText(const TRecordCount& c) {
    return c.allCleared ? Tx("%1 records cleared", "очищено записей: %1").arg(c.differing)
                        : Tx("%1 records replaced", "заменено записей: %1").arg(c.differing);
}

QByteArray fieldBytes(const QByteArray& record, const char* name) {
    return ReadFieldBytes(record, FieldByName(name));
}

// Record bytes no adder, journal or fault slot holds (the device's reserve, the PID map).
bool toldElsewhere(std::string_view name) {
    for (Adder adder : AllAdders)
        if (name == AdderFieldName(adder)) return true;
    return name == "TripJournal" || name == "TankJournal" || name == "FaultJournal";
}

int otherDifferingBytes(const TSectionRecords& device, const TSectionRecords& written) {
    int n = 0;
    for (const FieldDef& f : FieldTable()) {
        if (!f.deviceRecord || toldElsewhere(f.name)) continue;
        const QByteArray a = ReadFieldBytes(device[f.section], f);
        const QByteArray b = ReadFieldBytes(written[f.section], f);
        for (qsizetype k = 0; k < a.size() && k < b.size(); ++k)
            n += a[k] != b[k];
    }
    return n;
}

} // namespace

void ClearRecordParts(TSectionRecords& records, const TRecordParts& parts) {
    for (Adder adder : AllAdders)
        if (parts.Has(RecordPartOf(adder))) ClearAdder(records[1], adder);
    for (DriveJournal journal : {DriveJournal::Trip, DriveJournal::Tank})
        if (parts.Has(RecordPartOf(journal))) ClearDriveJournal(records[7], journal);
    if (parts.Has(TRecordPart::FaultJournal)) ClearFaultJournal(records[11]);
}

namespace {

// What the journals and the other record bytes do, told either as a write's outcome or as
// the difference between two sets of records.
void describeJournals(const TSectionRecords& a, const TSectionRecords& b, bool comparing,
                      std::vector<TRecordChange>& out) {
    auto add = [&](const QString& name, const TRecordCount& c, int filledA, int filledB) {
        if (c.differing == 0) return;
        if (!comparing) {
            out.push_back({name, {}, recordsText(c)});
            return;
        }
        out.push_back(
            {Tx("%1, %2 records differ", "%1, различается записей: %2").arg(name).arg(c.differing),
             Tx("%1 records", "записей: %1").arg(filledA),
             Tx("%1 records", "записей: %1").arg(filledB)});
    };
    auto filled = [](int count, const std::function<bool(int)>& empty) {
        int n = 0;
        for (int i = 0; i < count; ++i)
            n += !empty(i);
        return n;
    };

    const TText journalNames[2] = {{"Trip journal", "Журнал поездок"},
                                   {"Refuelling journal", "Журнал заправок"}};
    for (DriveJournal journal : {DriveJournal::Trip, DriveJournal::Tank}) {
        const char* field = journal == DriveJournal::Trip ? "TripJournal" : "TankJournal";
        const QByteArray x = fieldBytes(a[7], field), y = fieldBytes(b[7], field);
        auto emptyIn = [journal](const TSectionRecords& r) {
            return [&r, journal](int i) { return ReadJournalRecord(r[7], journal, i).isEmpty(); };
        };
        const TRecordCount c = countRecords(
            JournalRecordCount,
            [&](int i) {
                return x.mid(i * JournalRecordSize, JournalRecordSize) !=
                       y.mid(i * JournalRecordSize, JournalRecordSize);
            },
            emptyIn(b));
        if (c.differing > 0)
            add(journalNames[journal == DriveJournal::Tank].text(), c,
                filled(JournalRecordCount, emptyIn(a)), filled(JournalRecordCount, emptyIn(b)));
    }

    const QByteArray x = fieldBytes(a[11], "FaultJournal"), y = fieldBytes(b[11], "FaultJournal");
    auto faultEmptyIn = [](const TSectionRecords& r) {
        return [&r](int i) { return ReadFaultRecord(r[11], i).isEmpty(); };
    };
    const TRecordCount c = countRecords(
        FaultSlotCount,
        [&](int i) {
            return x.mid(i * FaultRecordSize, FaultRecordSize) !=
                   y.mid(i * FaultRecordSize, FaultRecordSize);
        },
        faultEmptyIn(b));
    if (c.differing > 0)
        add(Tx("Fault journal", "Журнал ошибок"), c, filled(FaultSlotCount, faultEmptyIn(a)),
            filled(FaultSlotCount, faultEmptyIn(b)));

    if (const int n = otherDifferingBytes(a, b); n > 0)
        out.push_back({Tx("Other device records", "Прочие записи МК"),
                       {},
                       comparing ? Tx("%1 bytes differ", "различается байт: %1").arg(n)
                                 : Tx("%1 bytes replaced", "заменено байт: %1").arg(n)});
}

std::vector<TRecordChange> describe(const TSectionRecords& a, const TSectionRecords& b,
                                    bool comparing) {
    std::vector<TRecordChange> out;
    for (Adder adder : AllAdders)
        describeAdder(adder, a, b, out);
    describeJournals(a, b, comparing, out);
    return out;
}

} // namespace

std::vector<TRecordChange> DescribeRecordChanges(const TSectionRecords& device,
                                                 const TSectionRecords& written) {
    return describe(device, written, false);
}

std::vector<TRecordChange> DescribeRecordDifferences(const TSectionRecords& first,
                                                     const TSectionRecords& second) {
    return describe(first, second, true);
}

QString RecordChangeLine(const TRecordChange& c) {
    if (c.before.isEmpty()) return c.what + QStringLiteral(": ") + c.after;
    return c.what + QStringLiteral(": ") + c.before + QStringLiteral(" -> ") + c.after;
}

} // namespace journals
