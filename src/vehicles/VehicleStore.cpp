#include "VehicleStore.h"

#include "Errors.h"
#include "Language.h"
#include "SettingsPrint.h"
#include "VehicleFolders.h"
#include "VehicleMigrations.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>
#include <algorithm>
#include <atomic>

namespace {

const QString DatabaseName = QStringLiteral("vehicles.sqlite");
const QString VehiclesFolder = QStringLiteral("vehicles");
constexpr int DefaultBusyTimeoutMs = 3000; // another writer on a shared drive finishes within this

// SQLite's primary result codes (the low byte of an extended code).
enum SqliteCode { Busy = 5, Locked = 6, ReadOnly = 8, Corrupt = 11, NotADatabase = 26 };

int sqliteCode(const QSqlError& e) {
    bool ok = false;
    const int code = e.nativeErrorCode().toInt(&ok);
    return ok ? code & 0xFF : -1;
}

bool damaged(const QSqlError& e) {
    const int code = sqliteCode(e);
    return code == Corrupt || code == NotADatabase;
}

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString refusal(const QString& path, const QSqlError& e) {
    switch (sqliteCode(e)) {
    case Busy:
    case Locked:
        return Tx("The vehicles' database %1 is busy: another copy of the program (perhaps on "
                  "another computer sharing the folder) is writing it. Try again in a moment.",
                  "База автомобилей %1 занята: её записывает другая копия программы (возможно, "
                  "на другом компьютере с общей папкой). Повторите через минуту.")
            .arg(native(path));
    case ReadOnly:
        return Tx("The vehicles' database %1 cannot be written: it or its folder is read-only.",
                  "Базу автомобилей %1 нельзя записать: она или её папка только для чтения.")
            .arg(native(path));
    default:
        return Tx("The vehicles' database %1 refused the request: %2",
                  "База автомобилей %1 не выполнила запрос: %2")
            .arg(native(path), e.text());
    }
}

QString nextConnectionName() {
    static std::atomic<int> counter{0};
    return QStringLiteral("tripconf-vehicles-%1").arg(++counter);
}

// A text for a NOT NULL column: Qt binds a null QString as NULL.
QVariant text(const QString& s) {
    return s.isNull() ? QVariant(QStringLiteral("")) : QVariant(s);
}

QDateTime timeOf(qint64 ms, int offset) {
    return QDateTime::fromMSecsSinceEpoch(ms, Qt::OffsetFromUTC, offset);
}

TVehicle vehicleOf(const QSqlQuery& q) {
    TVehicle v;
    v.id = q.value(0).toLongLong();
    v.name = q.value(1).toString();
    v.notes = q.value(2).toString();
    v.deviceType = std::uint16_t(q.value(3).toUInt());
    if (!q.value(4).isNull()) {
        v.lastEvent = timeOf(q.value(4).toLongLong(), q.value(5).toInt());
        v.lastKind = EventKindFromName(q.value(6).toString());
    }
    return v;
}

const char* const kVehicleColumns =
    "SELECT v.id, v.name, v.notes, v.device_type, e.time_ms, e.utc_offset, e.kind "
    "FROM vehicles v LEFT JOIN events e ON e.id = (SELECT id FROM events WHERE vehicle_id = "
    "v.id ORDER BY time_ms DESC, id DESC LIMIT 1) ";

} // namespace

QString TVehicleStore::DefaultDataDir() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

TVehicleStore::TVehicleStore(QString dataDir)
    : dataDir_(std::move(dataDir)), connection_(nextConnectionName()),
      busyTimeoutMs_(DefaultBusyTimeoutMs) {}

TVehicleStore::~TVehicleStore() {
    close();
}

QString TVehicleStore::DatabasePath() const {
    return QDir(dataDir_).filePath(DatabaseName);
}

QString TVehicleStore::VehicleFolder(const QString& vehicleName) const {
    return QDir(dataDir_).filePath(VehiclesFolder + u'/' + VehicleFolderName(vehicleName));
}

QString TVehicleStore::WaitingPath() const {
    return QDir(dataDir_).filePath(QStringLiteral("vehicles-waiting.jsonl"));
}

bool TVehicleStore::Open() {
    close();
    problem_.clear();
    notices_.clear();
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
        problem_ = Tx("Qt's SQLite driver is not installed (Debian: libqt6sql6-sqlite): the "
                      "vehicles' history is off.",
                      "Драйвер SQLite для Qt не установлен (Debian: libqt6sql6-sqlite): история "
                      "автомобилей отключена.");
        return false;
    }
    if (!QDir().mkpath(dataDir_)) {
        problem_ = Tx("The folder %1 for the vehicles' history cannot be made.",
                      "Не удалось создать папку истории автомобилей %1.")
                       .arg(native(dataDir_));
        return false;
    }
    if (!openFile()) return false;
    recordWaiting();
    return true;
}

bool TVehicleStore::openFile() {
    const QString path = DatabasePath();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs_));
        if (!db.open()) {
            problem_ = Tx("The vehicles' database %1 cannot be opened: %2",
                          "Не удалось открыть базу автомобилей %1: %2")
                           .arg(native(path), db.lastError().text());
            close();
            return false;
        }
    }
    QSqlError error;
    int version = -1;
    bool intact = false;
    {
        QSqlQuery q(QSqlDatabase::database(connection_, false));
        if (q.exec(QStringLiteral("PRAGMA quick_check")) && q.next())
            intact = q.value(0).toString() == QLatin1String("ok");
        else
            error = q.lastError();
        if (intact && q.exec(QStringLiteral("PRAGMA user_version")) && q.next())
            version = q.value(0).toInt();
        else if (intact)
            error = q.lastError();
    }
    if (!intact && (error.type() == QSqlError::NoError || damaged(error))) {
        setAside();
        return problem_.isEmpty() && openFile();
    }
    if (error.type() != QSqlError::NoError) {
        problem_ = refusal(path, error);
        close();
        return false;
    }
    if (version > LatestVehicleSchema()) {
        problem_ = Tx("The vehicles' database %1 was made by a newer version of the program "
                      "(schema %2, this version knows %3). It is left as it is; the history "
                      "is off until that version is used.",
                      "База автомобилей %1 создана более новой версией программы (схема %2, "
                      "эта версия знает %3). Она оставлена как есть; история отключена, пока "
                      "не используется та версия.")
                       .arg(native(path))
                       .arg(version)
                       .arg(LatestVehicleSchema());
        close();
        return false;
    }
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    if (version < LatestVehicleSchema()) {
        db.transaction();
        QSqlQuery q(db);
        for (int step = version; step < LatestVehicleSchema(); ++step) {
            bool ok = true;
            for (const char* statement : VehicleMigrations()[std::size_t(step)].statements)
                ok = ok && q.exec(QString::fromUtf8(statement));
            ok = ok && q.exec(QStringLiteral("PRAGMA user_version = %1").arg(step + 1));
            if (!ok) {
                problem_ = refusal(path, q.lastError());
                q.finish();
                db.rollback();
                close();
                return false;
            }
        }
        q.finish();
        if (!db.commit()) {
            problem_ = refusal(path, db.lastError());
            close();
            return false;
        }
    }
    QSqlQuery(db).exec(QStringLiteral("PRAGMA foreign_keys = ON"));
    open_ = true;
    return true;
}

void TVehicleStore::close() {
    open_ = false;
    if (!QSqlDatabase::contains(connection_)) return;
    QSqlDatabase::database(connection_, false).close();
    QSqlDatabase::removeDatabase(connection_);
}

void TVehicleStore::setAside() {
    close();
    const QString path = DatabasePath();
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString kept = path + QStringLiteral(".damaged-") + stamp;
    for (int n = 2; QFileInfo::exists(kept); ++n)
        kept = path + QStringLiteral(".damaged-%1-%2").arg(stamp).arg(n);
    if (!QFile::rename(path, kept)) {
        problem_ = Tx("The vehicles' database %1 is damaged and cannot be moved aside; the "
                      "history is off. Nothing was deleted.",
                      "База автомобилей %1 повреждена, и её не удалось отложить; история "
                      "отключена. Ничего не удалено.")
                       .arg(native(path));
        return;
    }
    // A rollback journal left beside it belongs to the damaged file, not to the new one.
    const QString journal = path + QStringLiteral("-journal");
    if (QFileInfo::exists(journal)) QFile::rename(journal, kept + QStringLiteral("-journal"));
    notices_ << Tx("The vehicles' database was damaged: it is kept as %1 and a new one is begun. "
                   "The settings files in the vehicles' folders are untouched.",
                   "База автомобилей была повреждена: она сохранена как %1, начата новая. "
                   "Файлы настроек в папках автомобилей не тронуты.")
                    .arg(native(kept));
}

QSqlQuery TVehicleStore::query() const {
    if (!open_)
        throw TError(problem_.isEmpty() ? Tx("The vehicles' history is not open.",
                                             "История автомобилей не открыта.")
                                        : problem_);
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.setForwardOnly(true);
    return q;
}

void TVehicleStore::fail(const QSqlQuery& q) const {
    throw TError(refusal(DatabasePath(), q.lastError()));
}

std::vector<TVehicle> TVehicleStore::Vehicles() const {
    QSqlQuery q = query();
    if (!q.exec(
            QString::fromLatin1(kVehicleColumns) +
            QStringLiteral("ORDER BY e.time_ms IS NULL, e.time_ms DESC, e.id DESC, v.name_key")))
        fail(q);
    std::vector<TVehicle> out;
    while (q.next())
        out.push_back(vehicleOf(q));
    return out;
}

std::optional<TVehicle> TVehicleStore::FindVehicle(const QString& name) const {
    QSqlQuery q = query();
    q.prepare(QString::fromLatin1(kVehicleColumns) + QStringLiteral("WHERE v.name_key = ?"));
    q.addBindValue(name.trimmed().toCaseFolded());
    if (!q.exec()) fail(q);
    if (!q.next()) return std::nullopt;
    return vehicleOf(q);
}

std::optional<TVehicle> TVehicleStore::VehicleById(qint64 id) const {
    QSqlQuery q = query();
    q.prepare(QString::fromLatin1(kVehicleColumns) + QStringLiteral("WHERE v.id = ?"));
    q.addBindValue(id);
    if (!q.exec()) fail(q);
    if (!q.next()) return std::nullopt;
    return vehicleOf(q);
}

namespace {

void checkName(const QString& name) {
    if (name.isEmpty())
        throw TError(Tx("A vehicle needs a name (the plate, for example).",
                        "Автомобилю нужно имя (например, госномер)."));
}

QString nameTaken(const QString& name) {
    return Tx("There is already a vehicle named \"%1\".", "Автомобиль «%1» уже есть.").arg(name);
}

} // namespace

TVehicle TVehicleStore::AddVehicle(const QString& name, const QString& notes) {
    const QString trimmed = name.trimmed();
    checkName(trimmed);
    if (FindVehicle(trimmed)) throw TError(nameTaken(trimmed));
    QSqlQuery q = query();
    q.prepare(QStringLiteral(
        "INSERT INTO vehicles (name, name_key, notes, created_ms) VALUES (?, ?, ?, ?)"));
    q.addBindValue(trimmed);
    q.addBindValue(trimmed.toCaseFolded());
    q.addBindValue(text(notes.trimmed()));
    q.addBindValue(QDateTime::currentMSecsSinceEpoch());
    if (!q.exec()) fail(q);
    return *VehicleById(q.lastInsertId().toLongLong());
}

TVehicle TVehicleStore::EnsureVehicle(const QString& name) {
    if (std::optional<TVehicle> v = FindVehicle(name)) return *v;
    return AddVehicle(name);
}

void TVehicleStore::UpdateVehicle(qint64 id, const QString& name, const QString& notes) {
    const QString trimmed = name.trimmed();
    checkName(trimmed);
    if (std::optional<TVehicle> other = FindVehicle(trimmed); other && other->id != id)
        throw TError(nameTaken(trimmed));
    QSqlQuery q = query();
    q.prepare(QStringLiteral("UPDATE vehicles SET name = ?, name_key = ?, notes = ? WHERE id = ?"));
    q.addBindValue(trimmed);
    q.addBindValue(trimmed.toCaseFolded());
    q.addBindValue(text(notes.trimmed()));
    q.addBindValue(id);
    if (!q.exec()) fail(q);
}

std::vector<TVehicleEvent> TVehicleStore::Events(std::optional<qint64> vehicleId, int limit) const {
    QSqlQuery q = query();
    // The texts as bytes: SQLite's own conversion to UTF-16 took a fifth of a long listing's
    // time, QString::fromUtf8 a fraction of that.
    q.prepare(
        QStringLiteral(
            "SELECT id, vehicle_id, CAST(kind AS BLOB), time_ms, utc_offset, device_type, "
            "settings_version, CAST(file AS BLOB), CAST(backup AS BLOB), "
            "CAST(changes AS BLOB), odometer_start, CAST(tare AS BLOB), CAST(maintenance_names AS "
            "BLOB) FROM events %1ORDER BY time_ms DESC, id DESC LIMIT ?")
            .arg(vehicleId ? QStringLiteral("WHERE vehicle_id = ? ") : QString()));
    if (vehicleId) q.addBindValue(*vehicleId);
    q.addBindValue(limit);
    if (!q.exec()) fail(q);
    std::vector<TVehicleEvent> out;
    while (q.next()) {
        TVehicleEvent e;
        e.id = q.value(0).toLongLong();
        e.vehicleId = q.value(1).toLongLong();
        e.kind = EventKindFromName(QString::fromUtf8(q.value(2).toByteArray()))
                     .value_or(TEventKind::Load);
        e.time = timeOf(q.value(3).toLongLong(), q.value(4).toInt());
        e.deviceType = std::uint16_t(q.value(5).toUInt());
        e.settingsVersion = q.value(6).toInt();
        e.file = QString::fromUtf8(q.value(7).toByteArray());
        e.backup = QString::fromUtf8(q.value(8).toByteArray());
        e.changes = QString::fromUtf8(q.value(9).toByteArray());
        e.print.odometerStart = q.value(10).toLongLong();
        e.print.tare = q.value(11).toByteArray();
        const QString names = QString::fromUtf8(q.value(12).toByteArray());
        if (!names.isEmpty()) e.print.maintenanceNames = names.split(u'\n');
        out.push_back(std::move(e));
    }
    // The names after the events: every vehicle an event names is there by then, and each
    // vehicle's name is one string shared by its events.
    q.prepare(QStringLiteral("SELECT id, name FROM vehicles%1")
                  .arg(vehicleId ? QStringLiteral(" WHERE id = ?") : QString()));
    if (vehicleId) q.addBindValue(*vehicleId);
    if (!q.exec()) fail(q);
    QHash<qint64, QString> names;
    while (q.next())
        names.insert(q.value(0).toLongLong(), q.value(1).toString());
    for (TVehicleEvent& e : out)
        e.vehicle = names.value(e.vehicleId);
    return out;
}

qint64 TVehicleStore::AddEvent(const TVehicleEvent& e) {
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QSqlQuery q = query();
    if (!db.transaction()) fail(q);
    q.prepare(QStringLiteral(
        "INSERT INTO events (vehicle_id, kind, time_ms, utc_offset, device_type, "
        "settings_version, file, backup, changes, odometer_start, tare, maintenance_names) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    const QDateTime time = e.time.isValid() ? e.time : QDateTime::currentDateTime();
    for (const QVariant& v :
         {QVariant(e.vehicleId), QVariant(EventKindName(e.kind)),
          QVariant(time.toMSecsSinceEpoch()), QVariant(time.offsetFromUtc()),
          QVariant(int(e.deviceType)), QVariant(e.settingsVersion), text(e.file), text(e.backup),
          text(e.changes), QVariant(e.print.odometerStart), text(QString::fromLatin1(e.print.tare)),
          text(e.print.maintenanceNames.join(u'\n'))})
        q.addBindValue(v);
    bool ok = q.exec();
    const qint64 id = q.lastInsertId().toLongLong();
    if (ok) {
        q.prepare(QStringLiteral("UPDATE vehicles SET device_type = ? WHERE id = ?"));
        q.addBindValue(int(e.deviceType));
        q.addBindValue(e.vehicleId);
        ok = q.exec();
    }
    if (!ok || !db.commit()) {
        const QSqlError error = ok ? db.lastError() : q.lastError();
        q.finish();
        db.rollback();
        throw TError(refusal(DatabasePath(), error));
    }
    return id;
}

std::vector<std::pair<TVehicle, int>>
TVehicleStore::Suggestions(std::uint16_t deviceType, const TSettingsPrint& print, int max) const {
    QSqlQuery q = query();
    // Each vehicle's latest event from this device type.
    q.prepare(QStringLiteral(
        "SELECT e.vehicle_id, e.odometer_start, e.tare, e.maintenance_names FROM events e "
        "WHERE e.id = (SELECT id FROM events WHERE vehicle_id = e.vehicle_id AND "
        "device_type = ? ORDER BY time_ms DESC, id DESC LIMIT 1)"));
    q.addBindValue(int(deviceType));
    if (!q.exec()) fail(q);
    std::vector<std::pair<qint64, int>> scored;
    while (q.next()) {
        TSettingsPrint p;
        p.odometerStart = q.value(1).toLongLong();
        p.tare = q.value(2).toByteArray();
        const QString names = q.value(3).toString();
        if (!names.isEmpty()) p.maintenanceNames = names.split(u'\n');
        if (const int score = MatchScore(print, p); score > 0)
            scored.emplace_back(q.value(0).toLongLong(), score);
    }
    std::stable_sort(scored.begin(), scored.end(),
                     [](const auto& a, const auto& b) { return a.second > b.second; });
    std::vector<std::pair<TVehicle, int>> out;
    for (const auto& [id, score] : scored) {
        if (int(out.size()) >= max) break;
        if (std::optional<TVehicle> v = VehicleById(id)) out.emplace_back(*v, score);
    }
    return out;
}
