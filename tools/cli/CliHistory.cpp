// history and vehicles: what the vehicles' history holds, as lines or as JSON.

#include "CliCommands.h"
#include "CliOptions.h"
#include "DeviceModels.h"
#include "Errors.h"
#include "JsonWriter.h"
#include "VehicleRecording.h"
#include "VehicleStore.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringBuilder>

namespace cli {

namespace {

// No device type yet (a vehicle never read): a dash keeps the columns.
QString deviceText(std::uint16_t type) {
    return type == 0 ? QStringLiteral("-") : DeviceTypeText(type);
}

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// Opens the history to read it; false when the folder never held one (looking at a folder
// does not make it one). TError with the reason when it cannot be used.
bool openHistory(TVehicleStore& store, QTextStream& err) {
    if (!QFile::exists(store.DatabasePath()) && !QFile::exists(store.WaitingPath())) return false;
    const bool open = store.Open();
    for (const QString& notice : store.Notices())
        err << notice << "\n";
    if (!open) throw TError(store.Problem());
    return true;
}

QString parseListing(const QStringList& args, const QStringList& values, ParsedArgs& p,
                     VehicleOptions& o) {
    p = ParseArgs(args, values, {"--json"});
    QString error = p.error;
    if (error.isEmpty()) error = ParseVehicleOptions(p, o);
    if (error.isEmpty() && !p.positional.isEmpty())
        error = QStringLiteral("Unexpected argument %1.").arg(p.positional.first());
    return error;
}

// An event as one line of JSON, written straight out rather than through QJsonObject, which
// takes some ten microseconds an event: most of the time of listing a history of some years.
void writeEvent(TJsonWriter& w, const TVehicleEvent& e) {
    w.beginLineObject();
    w.key("vehicle");
    w.value(e.vehicle);
    w.key("kind");
    w.value(EventKindName(e.kind));
    w.key("time");
    w.value(EventTimeText(e.time));
    w.key("deviceType");
    w.value(int(e.deviceType));
    w.key("settingsVersion");
    w.value(e.settingsVersion);
    w.key("file");
    w.value(native(e.file));
    if (e.kind == TEventKind::Write) {
        w.key("backup");
        w.value(native(e.backup));
        w.key("changes");
        w.beginArray();
        for (const QString& change : e.changes.split(u'\n', Qt::SkipEmptyParts))
            w.value(change);
        w.endArray();
    }
    w.endObject();
}

QString eventLine(const TVehicleEvent& e, const QString& device) {
    QString line = EventTimeText(e.time) % u'\t' % e.vehicle % u'\t' % EventKindName(e.kind) %
                   u'\t' % device % QStringLiteral("\tsettings version ") %
                   QString::number(e.settingsVersion) % u'\t' % native(e.file);
    if (e.kind == TEventKind::Write) line += QStringLiteral("\tbackup ") % native(e.backup);
    return line;
}

QJsonObject vehicleJson(const TVehicle& v) {
    QJsonValue last;
    if (v.lastKind)
        last =
            QJsonObject{{"time", EventTimeText(v.lastEvent)}, {"kind", EventKindName(*v.lastKind)}};
    return {{"name", v.name},
            {"notes", v.notes},
            {"deviceType", int(v.deviceType)},
            {"lastEvent", last}};
}

QString vehicleLine(const TVehicle& v) {
    const QString last = v.lastKind ? EventTimeText(v.lastEvent) + u' ' + EventKindName(*v.lastKind)
                                    : QStringLiteral("no events");
    return QStringLiteral("%1\t%2\t%3\t%4").arg(v.name, deviceText(v.deviceType), last, v.notes);
}

} // namespace

int History(const QStringList& args, Streams io) {
    ParsedArgs p;
    VehicleOptions o;
    const QString error = parseListing(args, {"--vehicle", "--data-dir"}, p, o);
    if (!error.isEmpty()) {
        io.err << error << "\n" << CommandUsage("history");
        return ExitUsage;
    }
    TVehicleStore store(o.dataDir);
    const bool kept = openHistory(store, io.err);
    std::optional<qint64> vehicleId;
    if (!o.vehicle.isEmpty()) {
        const std::optional<TVehicle> v = kept ? store.FindVehicle(o.vehicle) : std::nullopt;
        if (!v)
            throw TError(QStringLiteral("No vehicle named \"%1\" in the history in %2.")
                             .arg(o.vehicle, native(o.dataDir)));
        vehicleId = v->id;
    }
    const std::vector<TVehicleEvent> events =
        kept ? store.Events(vehicleId) : std::vector<TVehicleEvent>{};
    if (p.flags.contains("--json")) {
        TJsonWriter w;
        w.beginArray();
        for (const TVehicleEvent& e : events)
            writeEvent(w, e);
        w.endArray();
        WriteUtf8(io.out, w.finish());
        return ExitOk;
    }
    if (events.empty()) io.out << "No events.\n";
    // A history names a few device types many times over.
    QHash<std::uint16_t, QString> devices;
    for (const TVehicleEvent& e : events) {
        auto device = devices.find(e.deviceType);
        if (device == devices.end())
            device = devices.insert(e.deviceType, deviceText(e.deviceType));
        io.out << eventLine(e, *device) << u'\n';
    }
    return ExitOk;
}

int Vehicles(const QStringList& args, Streams io) {
    ParsedArgs p;
    VehicleOptions o;
    const QString error = parseListing(args, {"--data-dir"}, p, o);
    if (!error.isEmpty()) {
        io.err << error << "\n" << CommandUsage("vehicles");
        return ExitUsage;
    }
    TVehicleStore store(o.dataDir);
    const std::vector<TVehicle> vehicles =
        openHistory(store, io.err) ? store.Vehicles() : std::vector<TVehicle>{};
    if (p.flags.contains("--json")) {
        QJsonArray array;
        for (const TVehicle& v : vehicles)
            array.append(vehicleJson(v));
        io.out << QJsonDocument(array).toJson();
        return ExitOk;
    }
    if (vehicles.empty()) io.out << "No vehicles.\n";
    for (const TVehicle& v : vehicles)
        io.out << vehicleLine(v) << "\n";
    return ExitOk;
}

} // namespace cli
