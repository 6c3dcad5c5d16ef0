#pragma once

// A read or a write recorded under a vehicle (--vehicle NAME): a copy of the settings in the
// vehicle's folder and an event in the vehicles' history. Nothing here stops or fails the
// work with the device; what goes wrong is told on the error stream and the event waits for
// the database (RecordEvent).

#include "CliOptions.h"
#include "VehicleStore.h"

#include <QString>
#include <QTextStream>

class TMK;

namespace cli {

// --vehicle and --data-dir of a command; an error for a name the history cannot hold.
struct VehicleOptions {
    QString vehicle; // trimmed; empty: not given
    QString dataDir; // the default data folder when not given
};
QString ParseVehicleOptions(const ParsedArgs& p, VehicleOptions& o);

class TVehicleRecording {
public:
    TVehicleRecording(const VehicleOptions& options, QTextStream& err);

    // The vehicle's folder, under the spelling the history (or an existing folder) already
    // knows the vehicle by, so that "а123вс 77" finds the files of "А123ВС 77".
    QString Folder();
    // The vehicle's name as the history spells it (known after Folder).
    const QString& Name() const { return name_; }
    // Where a write keeps its backup: the vehicle's folder, or empty (the usual backup
    // folder) when that folder cannot be made.
    QString BackupFolder();
    // Copies the settings into the vehicle's folder and records the event with that copy as
    // its file (event.file as given when no copy can be made). Returns the copy's path.
    QString Record(const TMK& model, TVehicleEvent event);

private:
    void tellNotices();

    TVehicleStore store_;
    QString name_; // as given, then as the history spells it
    QTextStream& err_;
    QString folder_;
};

} // namespace cli
