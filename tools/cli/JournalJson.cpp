#include "JournalJson.h"

#include "JournalRecords.h"
#include "JsonWriter.h"

#include <cstring>

namespace cli {

namespace {

// A record's members in name order, the order show has always printed them in. `member`
// takes a name and either a number or the freeze frame's bytes.
template <class Member> void driveMembers(const journals::JournalRecord& r, Member&& member) {
    member("Day", r.day);
    member("Distance", r.distance);
    member("Gas", r.gas);
    member("Month", r.month);
    member("Petrol", r.petrol);
    member("TimeOfDay", r.timeOfDay);
    member("TravelTime", r.travelTime);
}

template <class Member> void faultMembers(const journals::FaultRecord& r, Member&& member) {
    member("Code", r.code);
    member("Day", r.day);
    member("FreezeDtc", r.freezeDtc());
    member("FreezeFrame", r.freezeFrame);
    member("Month", r.month);
    member("TimeOfDay", r.timeOfDay);
}

// Calls `record` with the member list of each record of the journal, in slot order.
template <class Record> void forEachRecord(const TMK& model, const char* name, Record&& record) {
    if (!std::strcmp(name, "FaultJournal")) {
        for (int i = 0; i < journals::FaultSlotCount; ++i) {
            const journals::FaultRecord r = journals::ReadFaultRecord(model, i);
            record([&](auto&& member) { faultMembers(r, member); });
        }
        return;
    }
    const auto journal = !std::strcmp(name, "TripJournal") ? journals::DriveJournal::Trip
                                                           : journals::DriveJournal::Tank;
    for (int i = 0; i < journals::JournalRecordCount; ++i) {
        const journals::JournalRecord r = journals::ReadJournalRecord(model, journal, i);
        record([&](auto&& member) { driveMembers(r, member); });
    }
}

} // namespace

bool IsJournalField(const char* name) {
    return !std::strcmp(name, "TripJournal") || !std::strcmp(name, "TankJournal") ||
           !std::strcmp(name, "FaultJournal");
}

void WriteJournalJson(TJsonWriter& json, const TMK& model, const char* name) {
    json.beginArray();
    forEachRecord(model, name, [&](auto&& members) {
        json.beginObject();
        members([&](const char* member, const auto& value) {
            json.key(member);
            if constexpr (std::is_same_v<std::decay_t<decltype(value)>, QByteArray>) {
                json.beginArray();
                for (char c : value)
                    json.value(int(std::uint8_t(c)));
                json.endArray();
            } else {
                json.value(std::int64_t(value));
            }
        });
        json.endObject();
    });
    json.endArray();
}

QStringList JournalLines(const TMK& model, const char* name) {
    QStringList lines;
    forEachRecord(model, name, [&](auto&& members) {
        QString line = QStringLiteral("%1[%2] = ").arg(QLatin1String(name)).arg(lines.size());
        bool first = true;
        members([&](const char* member, const auto& value) {
            if (!first) line += QStringLiteral(", ");
            first = false;
            line += QLatin1String(member);
            line += u'=';
            if constexpr (std::is_same_v<std::decay_t<decltype(value)>, QByteArray>) {
                for (qsizetype i = 0; i < value.size(); ++i) {
                    if (i) line += u' ';
                    line += QString::number(std::uint8_t(value[i]));
                }
            } else {
                line += QString::number(std::int64_t(value));
            }
        });
        lines << line;
    });
    return lines;
}

} // namespace cli
