// history and vehicles: what the vehicles' history holds, as lines or as JSON.

#include "CliCommands.h"
#include "CliOptions.h"
#include "DeviceModels.h"
#include "Errors.h"
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

// "designation (0x4610)" as the rest of the tool names a device; the code alone when the
// table does not know it.
QString deviceText(std::uint16_t type) {
    if (type == 0) return QStringLiteral("-");
    const QString hex =
        QStringLiteral("0x%1").arg(type, 4, 16, QLatin1Char('0')).toUpper().replace("0X", "0x");
    const QString designation = DeviceDesignation(type);
    return designation.isEmpty() ? hex : QStringLiteral("%1 (%2)").arg(designation, hex);
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

// A JSON string: quote, backslash and control characters escaped, the rest as it is.
void appendJsonString(QString& out, QStringView text) {
    out += u'"';
    qsizetype plain = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c >= 0x20 && c != u'"' && c != u'\\') continue;
        out += text.sliced(plain, i - plain);
        if (c < 0x20)
            out += QStringLiteral("\\u%1").arg(int(c), 4, 16, QLatin1Char('0'));
        else
            out += u'\\' % QChar(c);
        plain = i + 1;
    }
    out += text.sliced(plain);
    out += u'"';
}

// An event as one line of JSON. Written here rather than with QJsonObject, which takes some
// ten microseconds an event: most of the time of listing a history of some years.
QString eventJson(const TVehicleEvent& e) {
    QString o;
    o.reserve(1024); // room for an event with a few changes: no reallocation as it grows
    o += QStringLiteral("{\"vehicle\": ");
    appendJsonString(o, e.vehicle);
    o += QStringLiteral(", \"kind\": \"") % EventKindName(e.kind) %
         QStringLiteral("\", \"time\": \"") % EventTimeText(e.time) %
         QStringLiteral("\", \"deviceType\": ") % QString::number(e.deviceType) %
         QStringLiteral(", \"settingsVersion\": ") % QString::number(e.settingsVersion) %
         QStringLiteral(", \"file\": ");
    appendJsonString(o, native(e.file));
    if (e.kind == TEventKind::Write) {
        o += QStringLiteral(", \"backup\": ");
        appendJsonString(o, native(e.backup));
        o += QStringLiteral(", \"changes\": [");
        const QStringList changes = e.changes.split(u'\n', Qt::SkipEmptyParts);
        for (qsizetype i = 0; i < changes.size(); ++i) {
            if (i > 0) o += QStringLiteral(", ");
            appendJsonString(o, changes[i]);
        }
        o += u']';
    }
    o += u'}';
    return o;
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
        io.out << "[";
        for (std::size_t i = 0; i < events.size(); ++i)
            io.out << (i == 0 ? "\n" : ",\n") << eventJson(events[i]);
        io.out << "\n]\n";
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
