#include "JournalJson.h"

#include "JournalRecords.h"

#include <QJsonObject>
#include <cstring>

namespace cli {

namespace {

QJsonObject driveRecord(const journals::JournalRecord& r) {
    return {{"TimeOfDay", r.timeOfDay},
            {"Day", r.day},
            {"Month", r.month},
            {"TravelTime", qint64(r.travelTime)},
            {"Distance", qint64(r.distance)},
            {"Petrol", qint64(r.petrol)},
            {"Gas", qint64(r.gas)}};
}

QJsonObject faultRecord(const journals::FaultRecord& r) {
    QJsonArray frame;
    for (char c : r.freezeFrame)
        frame.append(int(std::uint8_t(c)));
    return {{"TimeOfDay", r.timeOfDay},
            {"Day", r.day},
            {"Month", r.month},
            {"Code", qint64(r.code)},
            {"FreezeDtc", qint64(r.freezeDtc())},
            {"FreezeFrame", frame}};
}

QString objectLine(const QJsonObject& o) {
    QStringList parts;
    for (auto it = o.begin(); it != o.end(); ++it) {
        if (it.value().isArray()) {
            QStringList bytes;
            for (const QJsonValue& v : it.value().toArray())
                bytes << QString::number(v.toInt());
            parts << it.key() + "=" + bytes.join(' ');
        } else {
            parts << it.key() + "=" + QString::number(it.value().toInteger());
        }
    }
    return parts.join(QStringLiteral(", "));
}

} // namespace

bool IsJournalField(const char* name) {
    return !std::strcmp(name, "TripJournal") || !std::strcmp(name, "TankJournal") ||
           !std::strcmp(name, "FaultJournal");
}

QJsonArray JournalJson(const TMK& model, const char* name) {
    QJsonArray records;
    if (!std::strcmp(name, "FaultJournal")) {
        for (int i = 0; i < journals::FaultSlotCount; ++i)
            records.append(faultRecord(journals::ReadFaultRecord(model, i)));
        return records;
    }
    const auto journal = !std::strcmp(name, "TripJournal") ? journals::DriveJournal::Trip
                                                           : journals::DriveJournal::Tank;
    for (int i = 0; i < journals::JournalRecordCount; ++i)
        records.append(driveRecord(journals::ReadJournalRecord(model, journal, i)));
    return records;
}

QStringList JournalLines(const TMK& model, const char* name) {
    QStringList lines;
    const QJsonArray records = JournalJson(model, name);
    for (qsizetype i = 0; i < records.size(); ++i)
        lines << QStringLiteral("%1[%2] = %3")
                     .arg(name)
                     .arg(i)
                     .arg(objectLine(records[i].toObject()));
    return lines;
}

} // namespace cli
