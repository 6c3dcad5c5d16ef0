#include "Main32HPars.h"
#include "VehicleStore.h"

#include "HandlerGuard.h"
#include "Language.h"
#include "LinkThread.h"
#include "MIniFile.h"
#include "MK_SetParamsH.h"
#include "MK_ViewJournalsH.h"
#include "ML_RS232.h"
#include "MainFormTexts.h"
#include "Pars32H.h"
#include "Prompt.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QPushButton>
#include <QSettings>
#include <QTimer>

namespace {
const QString CommonSection = QStringLiteral("Common");
const QString EnglishKey = QStringLiteral("EnglishVersion");
const QString WindowSection = QStringLiteral("MainWindow");
const QString ChangeListKey = QStringLiteral("ShowChangeList");
constexpr int OverridePort = 1; // the port a path given for the run is known as
} // namespace

TMainForm::TMainForm(const TMainFormOptions& options, QWidget* parent)
    : QWidget(parent), options_(options) {
    setObjectName(QStringLiteral("MainForm"));
    buildControls();
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(KeepAliveIntervalMs);
    connect(Timer1, &QTimer::timeout, this, Guarded([this] { Timer1Timer(); }));

    // What the window did when first shown: the settings file, the link, the model.
    const QString path = options_.iniPath.isEmpty() ? TMIniFile::DefaultPath() : options_.iniPath;
    ini_ = std::make_unique<TMIniFile>(path);
    // The link looks for its ports where the settings file says they are from the start,
    // so a port that only the file names is not reported missing.
    TPortMap map = TPortMap::FromSettings(ini_->Settings());
    if (!options_.portPath.isEmpty()) map.SetPath(OverridePort, options_.portPath);
    linkThread_ = std::make_unique<TLinkThread>(
        [map] { return std::make_unique<TML_RS>(MakeQtSerialPortIo(), map); });
    connect(linkThread_.get(), &TLinkThread::Idle, this, [this] { closeIfPending(); });
    EnglishVersion = false;
    model_ = std::make_unique<TMK>();
    startLink();
    loadSettings();

    Modified = false;
    setStepButtons(false);
    cbEnglishVersion->setChecked(EnglishVersion);
    setCaptions();
}

TMainForm::~TMainForm() = default;

// The port as the settings file or the options say, and the fixed line settings, set on the
// link's thread.
void TMainForm::startLink() {
    QSettings& ini = ini_->Settings();
    const bool portGiven = !options_.portPath.isEmpty();
    const QString error = linkThread_->Run(
        [&ini, portGiven](TLinkJob& job) {
            TML_RS& link = job.Link();
            if (!portGiven) {
                link.LoadSettings(ini);
            } else {
                // A port given for the run: the port map already has its path, and the line
                // settings below are fixed, so nothing is read from the file. The port asked
                // for, or none: another port opened in its place would only confuse.
                if (link.PortAvailable[OverridePort])
                    link.Open(OverridePort);
                else
                    link.PortNumber = OverridePort;
            }
            link.SetPortType(TML_RS::PortRs485Echo);
            link.ResponseTimeout = ResponseTimeoutMs;
            link.SetBaudRate(LineBaudRate);
        },
        QEventLoop::ExcludeUserInputEvents);
    if (!error.isEmpty()) ShowError(error);
}

void TMainForm::loadSettings() {
    EnglishVersion = ini_->ReadBool(CommonSection, EnglishKey, EnglishVersion);
    setCaptions();
    setInitialSize();
    LoadWindowPlacement(*ini_, WindowSection, *this);
}

void TMainForm::saveSettings() {
    if (options_.portPath.isEmpty()) {
        QSettings& ini = ini_->Settings();
        linkThread_->Run([&ini](TLinkJob& job) { job.Link().SaveSettings(ini); },
                         QEventLoop::ExcludeUserInputEvents);
    }
    ini_->WriteBool(CommonSection, EnglishKey, EnglishVersion);
    SaveWindowPlacement(*ini_, WindowSection, *this);
    ini_->Flush();
}

bool TMainForm::changeListShown() const {
    return ini_->ReadBool(CommonSection, ChangeListKey, true);
}

void TMainForm::hideChangeListFromNowOn() {
    ini_->WriteBool(CommonSection, ChangeListKey, false);
    ini_->Flush();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (busy_ || linkThread_->Busy()) {
        // The link is in use (the keep-alive, or a port being chosen); close as soon as it
        // is done.
        closePending_ = true;
        return;
    }
    RunGuarded([&] {
        if (!offerSave()) return;
        saveSettings();
        event->accept();
    });
}

void TMainForm::cbEnglishVersionClick() {
    EnglishVersion = cbEnglishVersion->isChecked();
    setCaptions();
}

void TMainForm::bEditParamsClick() {
    if (!RunSettingsEditor(*model_, this)) return;
    Modified = true;
    setUnwritten(true);
}

void TMainForm::bViewJournalsClick() {
    // Confirming the viewer may have cleared journals or sums: unsaved changes like an edit.
    if (!RunViewJournalsDialog(*model_, this)) return;
    Modified = true;
    setUnwritten(true);
}
