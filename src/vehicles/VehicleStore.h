#pragma once

// The vehicles' history: an SQLite database ("vehicles.sqlite") in the data folder, with the
// vehicles and their events; the settings files stay ordinary files in a folder per vehicle
// ("vehicles/<name>/"). One connection per store, on the thread that made it.
//
// Nothing here may stop the work with the device: a database that cannot be used is said so
// (Problem) and the program goes on without the history. A damaged database is moved aside
// under a new name and a new one begun; one made by a newer version is left as it is and
// not used. Schema changes are numbered migrations (VehicleMigrations.cpp).

#include "VehicleEvents.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

class QSqlQuery;

class TVehicleStore {
public:
    // The user's data folder (~/.local/share/tripconf on Linux), where the backups are too.
    static QString DefaultDataDir();

    explicit TVehicleStore(QString dataDir = DefaultDataDir());
    ~TVehicleStore();
    TVehicleStore(const TVehicleStore&) = delete;
    TVehicleStore& operator=(const TVehicleStore&) = delete;

    const QString& DataDir() const { return dataDir_; }
    // How long to wait for another writer's lock before giving up (from the next Open).
    void SetBusyTimeoutMs(int ms) { busyTimeoutMs_ = ms; }
    QString DatabasePath() const;
    QString VehicleFolder(const QString& vehicleName) const;

    // Opens the database, creating it and bringing it up to date; false when the history
    // cannot be used now, Problem() telling why. Events that waited for the database (see
    // RecordEvent) are recorded; Notices() tells what the user should know of all this.
    bool Open();
    bool IsOpen() const { return open_; }
    const QString& Problem() const { return problem_; }
    const QStringList& Notices() const { return notices_; }

    // Newest event first, vehicles without events last by name. TError when unreadable.
    std::vector<TVehicle> Vehicles() const;
    std::optional<TVehicle> FindVehicle(const QString& name) const; // any letter case
    std::optional<TVehicle> VehicleById(qint64 id) const;
    // A new vehicle; TError when the name is empty or taken, or the database refuses.
    TVehicle AddVehicle(const QString& name, const QString& notes = {});
    // The vehicle of that name, made on first use.
    TVehicle EnsureVehicle(const QString& name);
    void UpdateVehicle(qint64 id, const QString& name, const QString& notes);

    // Newest first; all vehicles' when vehicleId is not given; limit < 0: all.
    std::vector<TVehicleEvent> Events(std::optional<qint64> vehicleId = {}, int limit = -1) const;
    // Records the event (its vehicleId must be set) and returns its id; the vehicle's device
    // type follows the event's. TError when the database refuses (busy, read-only, full).
    qint64 AddEvent(const TVehicleEvent& event);

    // The vehicles whose latest settings from this device type look most like these, best
    // first, with their scores (MatchScore); at most `max`, none that share nothing.
    std::vector<std::pair<TVehicle, int>>
    Suggestions(std::uint16_t deviceType, const TSettingsPrint& print, int max = 3) const;

    // The file events wait in while the database cannot take them.
    QString WaitingPath() const;

private:
    bool openFile();
    void close();
    void setAside();
    void recordWaiting();
    QSqlQuery query() const;
    [[noreturn]] void fail(const QSqlQuery& q) const;

    QString dataDir_;
    QString connection_;
    int busyTimeoutMs_;
    bool open_ = false;
    QString problem_;
    QStringList notices_;
};

// Records the event under the named vehicle (made on first use). When the database cannot
// take it now, the event is kept in the waiting file and recorded by the next Open. Returns
// what the user should be told: empty when it was recorded.
QString RecordEvent(TVehicleStore& store, const QString& vehicleName, TVehicleEvent event);
