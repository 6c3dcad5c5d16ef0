// The vehicles' history in the main window: which car a read came from, the events of the
// current vehicle, and the Vehicles window's open and restore. The history never stops the
// work with the device: what it cannot keep is said, and the work goes on.

#include "DeviceBackup.h"
#include "Errors.h"
#include "Language.h"
#include "Main32HPars.h"
#include "Pars32H.h"
#include "Prompt.h"
#include "SettingsFile.h"
#include "SettingsPrint.h"
#include "VehicleFolders.h"
#include "VehicleStore.h"
#include "VehiclesDlg.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Why a vehicle looks like these settings, in words.
QString reasonOf(const TSettingsPrint& mine, const TSettingsPrint& theirs) {
    QStringList why;
    if (mine.odometerStart != 0 && mine.odometerStart == theirs.odometerStart)
        why << Tx("same odometer start", "тот же начальный пробег");
    if (!mine.tare.isEmpty() && mine.tare == theirs.tare)
        why << Tx("same tank calibration", "та же тарировка бака");
    for (const QString& name : mine.maintenanceNames)
        if (theirs.maintenanceNames.contains(name, Qt::CaseInsensitive))
            why << Tx("maintenance item \"%1\"", "пункт ТО «%1»").arg(name);
    return why.join(QStringLiteral(", "));
}

constexpr int GuiBusyTimeoutMs = 1000;

} // namespace

bool TMainForm::vehiclesReady(bool quiet) {
    if (!vehicles_) {
        vehicles_ = std::make_unique<TVehicleStore>(
            options_.dataDir.isEmpty() ? TVehicleStore::DefaultDataDir() : options_.dataDir);
        // The window waits on its own thread: a busy history gives up sooner than the
        // command line does, and its events wait in the file instead.
        vehicles_->SetBusyTimeoutMs(GuiBusyTimeoutMs);
    }
    if (vehicles_->IsOpen() || vehicles_->Open()) return true;
    // Said when asked for, and once on the way (after a read); the work goes on without it.
    if (!quiet || !vehiclesProblemSaid_) ShowError(vehicles_->Problem());
    vehiclesProblemSaid_ = true;
    return false;
}

void TMainForm::setVehicle(std::optional<TVehicle> vehicle) {
    vehicle_ = std::move(vehicle);
    updateStatus();
}

void TMainForm::offerVehicleAfterRead() {
    if (!vehiclesReady(true)) return;
    const std::uint16_t type = model_->DeviceVersion;
    // The same device type as the current vehicle's: the same car, most likely.
    if (vehicle_ && (vehicle_->deviceType == 0 || vehicle_->deviceType == type)) return;
    const TSettingsPrint print = PrintOf(*model_);
    TVehicleChoice choice;
    std::vector<TVehicle> listed;
    try {
        for (const auto& [v, score] : vehicles_->Suggestions(type, print)) {
            listed.push_back(v);
            choice.vehicles << v.name;
            const std::vector<TVehicleEvent> last = vehicles_->Events(v.id, 1);
            choice.reasons << (last.empty() ? QString() : reasonOf(print, last.front().print));
        }
        for (const TVehicle& v : vehicles_->Vehicles()) {
            if (std::any_of(listed.begin(), listed.end(),
                            [&v](const TVehicle& s) { return s.id == v.id; }))
                continue;
            listed.push_back(v);
            choice.vehicles << v.name;
        }
    } catch (const TError& e) {
        ShowError(e.message());
        return;
    }
    for (std::size_t i = 0; vehicle_ && i < listed.size(); ++i)
        if (listed[i].id == vehicle_->id) choice.current = int(i);
    const TVehicleAnswer answer = Prompt().chooseVehicle(choice);
    try {
        if (answer.chosen >= 0 && answer.chosen < int(listed.size()))
            setVehicle(listed[std::size_t(answer.chosen)]);
        else if (!answer.newName.isEmpty())
            setVehicle(vehicles_->AddVehicle(answer.newName, answer.newNotes));
        else
            setVehicle(std::nullopt); // not now: another car's reads go to no history
    } catch (const TError& e) {
        ShowError(e.message());
    }
}

QString TMainForm::keepEventCopy(TEventKind kind) {
    if (!vehicle_ || !vehicles_) return {};
    try {
        return SaveEventSettings(*model_, vehicles_->VehicleFolder(vehicle_->name), kind,
                                 QDateTime::currentDateTime());
    } catch (const TError& e) {
        ShowError(e.message());
        return {};
    }
}

void TMainForm::recordEvent(TEventKind kind, const QString& file, const QString& backup,
                            const QString& changes) {
    if (!vehicle_ || !vehicles_) return;
    TVehicleEvent e;
    e.kind = kind;
    e.time = QDateTime::currentDateTime();
    e.deviceType = model_->DeviceVersion;
    e.settingsVersion = model_->SettingsVersion();
    e.file = file;
    e.backup = backup;
    e.changes = changes;
    e.print = PrintOf(*model_);
    const QString problem = RecordEvent(*vehicles_, vehicle_->name, e);
    if (!problem.isEmpty()) {
        ShowError(problem);
        return;
    }
    vehicle_->deviceType = e.deviceType;
}

QString TMainForm::writeBackupFolder() const {
    if (!options_.backupFolder.isEmpty() || !vehicle_ || !vehicles_) return options_.backupFolder;
    // The vehicle's folder when it can be made; the usual folder otherwise.
    const QString folder = vehicles_->VehicleFolder(vehicle_->name);
    return QDir().mkpath(folder) ? folder : QString();
}

void TMainForm::takeEvent(const TVehicleEvent& event, bool restore) {
    if (!offerSave()) return;
    LoadSettingsFile(*model_, event.file);
    setStepButtons(true);
    Modified = false;
    setUnwritten(restore);
    lastFullRead_.reset();
    setSource(Source::File, event.file);
    recordEvent(restore ? TEventKind::Restore : TEventKind::Load, event.file);
    if (restore) bSetParamsClick();
}

void TMainForm::bVehiclesClick() {
    if (busy_ || !vehiclesReady(false)) return;
    std::optional<TSettingsCopy> current;
    if (source_ != Source::None) current = model_->CopySettings();
    // What opening the history found (a damaged database set aside) is told once.
    const QStringList notices = vehiclesNoticesSaid_ ? QStringList() : vehicles_->Notices();
    vehiclesNoticesSaid_ = true;
    TVehiclesDlg dlg(*vehicles_, vehicle_ ? std::optional<qint64>(vehicle_->id) : std::nullopt,
                     current, notices, this);
    dlg.exec();
    if (dlg.CurrentVehicle() != (vehicle_ ? std::optional<qint64>(vehicle_->id) : std::nullopt))
        setVehicle(dlg.CurrentVehicle() ? vehicles_->VehicleById(*dlg.CurrentVehicle())
                                        : std::nullopt);
    else if (vehicle_)
        setVehicle(vehicles_->VehicleById(vehicle_->id)); // a new name shows at once
    // An event's settings are that vehicle's: it becomes the current one.
    if (dlg.RequestedAction() != TVehiclesDlg::Action::None)
        setVehicle(vehicles_->VehicleById(dlg.RequestedEvent().vehicleId));
    switch (dlg.RequestedAction()) {
    case TVehiclesDlg::Action::Open:
        takeEvent(dlg.RequestedEvent(), false);
        break;
    case TVehiclesDlg::Action::Restore:
        takeEvent(dlg.RequestedEvent(), true);
        break;
    case TVehiclesDlg::Action::None:
        break;
    }
}
