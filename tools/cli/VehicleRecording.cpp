#include "VehicleRecording.h"

#include "Errors.h"
#include "Pars32H.h"
#include "SettingsPrint.h"
#include "VehicleFolders.h"

#include <QDir>
#include <QFileInfo>

namespace cli {

namespace {

// A name is printed one per line and used as a folder name: no control characters.
bool printable(const QString& name) {
    for (const QChar c : name)
        if (c.category() == QChar::Other_Control) return false;
    return true;
}

// The folder of that name in any letter case that already exists; the name itself otherwise.
QString existingSpelling(const QString& vehiclesDir, const QString& folderName) {
    const QString key = folderName.toCaseFolded();
    for (const QString& entry : QDir(vehiclesDir).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        if (entry.toCaseFolded() == key) return entry;
    return folderName;
}

} // namespace

QString ParseVehicleOptions(const ParsedArgs& p, VehicleOptions& o) {
    o.dataDir = p.values.value("--data-dir", TVehicleStore::DefaultDataDir());
    if (o.dataDir.isEmpty()) return QStringLiteral("--data-dir needs a folder.");
    // The history keeps the files' paths: whole ones, whatever folder the next run starts in.
    o.dataDir = QFileInfo(o.dataDir).absoluteFilePath();
    if (!p.values.contains("--vehicle")) return {};
    o.vehicle = p.values.value("--vehicle").trimmed();
    if (o.vehicle.isEmpty() || !printable(o.vehicle))
        return QStringLiteral("--vehicle needs a name (the plate, for example) without control "
                              "characters.");
    return {};
}

TVehicleRecording::TVehicleRecording(const VehicleOptions& options, QTextStream& err)
    : store_(options.dataDir), name_(options.vehicle), err_(err) {}

void TVehicleRecording::tellNotices() {
    for (const QString& notice : store_.Notices())
        err_ << notice << "\n";
}

QString TVehicleRecording::Folder() {
    if (!folder_.isEmpty()) return folder_;
    if (store_.Open()) {
        tellNotices();
        try {
            if (const std::optional<TVehicle> v = store_.FindVehicle(name_)) name_ = v->name;
        } catch (const TError&) {
            // Unreadable now: the folders below tell the spelling as well.
        }
    }
    const QString folder = store_.VehicleFolder(name_);
    const QFileInfo info(folder);
    folder_ = QDir(info.path()).filePath(existingSpelling(info.path(), info.fileName()));
    return folder_;
}

QString TVehicleRecording::BackupFolder() {
    const QString folder = Folder();
    if (QDir().mkpath(folder)) return folder;
    err_ << "The vehicle's folder " << QDir::toNativeSeparators(folder)
         << " cannot be made; the backup goes to the usual backup folder.\n";
    return {};
}

QString TVehicleRecording::Record(const TMK& model, TVehicleEvent event) {
    if (!event.time.isValid()) event.time = QDateTime::currentDateTime();
    event.deviceType = model.DeviceVersion;
    event.settingsVersion = model.SettingsVersion();
    event.print = PrintOf(model);
    QString copy;
    try {
        copy = SaveEventSettings(model, Folder(), event.kind, event.time);
        event.file = copy;
    } catch (const TError& e) {
        err_ << e.message() << "\n";
    }
    const bool wasOpen = store_.IsOpen();
    const QString problem = RecordEvent(store_, name_, event);
    if (!wasOpen && store_.IsOpen()) tellNotices();
    if (!problem.isEmpty()) err_ << problem << "\n";
    return copy;
}

} // namespace cli
