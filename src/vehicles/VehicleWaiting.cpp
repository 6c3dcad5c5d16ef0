// Events the database could not take when they happened (busy on a shared drive, read-only)
// wait in a file of their own, one JSON object a line, until the next Open records them.

#include "Errors.h"
#include "Language.h"
#include "VehicleStore.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace {

QByteArray toLine(const QString& vehicle, const TVehicleEvent& e) {
    const QDateTime time = e.time.isValid() ? e.time : QDateTime::currentDateTime();
    const QJsonObject o{
        {"vehicle", vehicle},
        {"kind", EventKindName(e.kind)},
        {"timeMs", double(time.toMSecsSinceEpoch())},
        {"utcOffset", time.offsetFromUtc()},
        {"deviceType", int(e.deviceType)},
        {"settingsVersion", e.settingsVersion},
        {"file", e.file},
        {"backup", e.backup},
        {"changes", e.changes},
        {"odometerStart", double(e.print.odometerStart)},
        {"tare", QString::fromLatin1(e.print.tare)},
        {"maintenanceNames", QJsonArray::fromStringList(e.print.maintenanceNames)},
    };
    return QJsonDocument(o).toJson(QJsonDocument::Compact) + '\n';
}

// The event of a line; false for a line that is no event (a torn last line).
bool fromLine(const QByteArray& line, QString& vehicle, TVehicleEvent& e) {
    const QJsonObject o = QJsonDocument::fromJson(line).object();
    const std::optional<TEventKind> kind = EventKindFromName(o.value("kind").toString());
    vehicle = o.value("vehicle").toString();
    if (!kind || vehicle.trimmed().isEmpty()) return false;
    e.kind = *kind;
    e.time = QDateTime::fromMSecsSinceEpoch(qint64(o.value("timeMs").toDouble()), Qt::OffsetFromUTC,
                                            o.value("utcOffset").toInt());
    e.deviceType = std::uint16_t(o.value("deviceType").toInt());
    e.settingsVersion = o.value("settingsVersion").toInt();
    e.file = o.value("file").toString();
    e.backup = o.value("backup").toString();
    e.changes = o.value("changes").toString();
    e.print.odometerStart = qint64(o.value("odometerStart").toDouble());
    e.print.tare = o.value("tare").toString().toLatin1();
    for (const QJsonValue& v : o.value("maintenanceNames").toArray())
        e.print.maintenanceNames << v.toString();
    return true;
}

// True for a missing or empty file too: nothing to end.
bool endsWithNewline(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() == 0) return true;
    char last = 0;
    return file.seek(file.size() - 1) && file.getChar(&last) && last == '\n';
}

} // namespace

void TVehicleStore::recordWaiting() {
    QFile file(WaitingPath());
    if (!file.exists() || !file.open(QIODevice::ReadOnly)) return;
    const QList<QByteArray> lines = file.readAll().split('\n');
    file.close();
    QByteArray left;
    int recorded = 0;
    for (const QByteArray& line : lines) {
        if (line.trimmed().isEmpty()) continue;
        QString vehicle;
        TVehicleEvent e;
        if (!fromLine(line, vehicle, e)) continue;
        try {
            e.vehicleId = EnsureVehicle(vehicle).id;
            AddEvent(e);
            ++recorded;
        } catch (const TError&) {
            left += line + '\n';
        }
    }
    if (recorded == 0) return;
    // What is still waiting stays; the file goes when nothing is left.
    if (left.isEmpty()) {
        QFile::remove(WaitingPath());
    } else {
        QSaveFile out(WaitingPath());
        if (out.open(QIODevice::WriteOnly)) {
            out.write(left);
            out.commit();
        }
    }
    notices_ << Tx("%1 events that waited for the vehicles' database are now recorded.",
                   "Записано событий, ожидавших базу автомобилей: %1.")
                    .arg(recorded);
}

QString RecordEvent(TVehicleStore& store, const QString& vehicleName, TVehicleEvent event) {
    QString reason;
    if (store.IsOpen() || store.Open()) {
        try {
            event.vehicleId = store.EnsureVehicle(vehicleName).id;
            store.AddEvent(event);
            return {};
        } catch (const TError& e) {
            reason = e.message();
        }
    } else {
        reason = store.Problem();
    }
    if (!event.time.isValid()) event.time = QDateTime::currentDateTime();
    QDir().mkpath(store.DataDir());
    QFile waiting(store.WaitingPath());
    QByteArray line = toLine(vehicleName, event);
    // A line torn by a crash has no end: this one must not join it and be lost with it.
    if (!endsWithNewline(store.WaitingPath())) line.prepend('\n');
    if (waiting.open(QIODevice::Append) && waiting.write(line) == line.size() && waiting.flush())
        return reason + u'\n' +
               Tx("The event is kept in %1 and will be recorded when the database can be "
                  "written again.",
                  "Событие сохранено в %1 и будет записано, когда базу снова можно будет "
                  "записать.")
                   .arg(QDir::toNativeSeparators(store.WaitingPath()));
    return reason + u'\n' +
           Tx("The event could not be kept either (%1): it is not recorded. The settings files "
              "are in place.",
              "Событие не удалось сохранить и отдельно (%1): оно не записано. Файлы настроек на "
              "месте.")
               .arg(waiting.errorString());
}
