#include "Main32HPars.h"

#include "Language.h"
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
    connect(Timer1, &QTimer::timeout, this, &TMainForm::Timer1Timer);

    // What the window did when first shown: the settings file, the link, the model.
    const QString path = options_.iniPath.isEmpty() ? TMIniFile::DefaultPath() : options_.iniPath;
    ini_ = std::make_unique<TMIniFile>(path);
    // The link looks for its ports where the settings file says they are from the start,
    // so a port that only the file names is not reported missing.
    TPortMap map = TPortMap::FromSettings(ini_->Settings());
    if (!options_.portPath.isEmpty()) map.SetPath(OverridePort, options_.portPath);
    link_ = std::make_unique<TML_RS>(MakeQtSerialPortIo(), map);
    EnglishVersion = false;
    model_ = std::make_unique<TMK>();
    loadSettings();
    link_->SetPortType(TML_RS::PortRs485Echo);
    link_->ResponseTimeout = ResponseTimeoutMs;
    link_->SetBaudRate(LineBaudRate);

    Modified = false;
    setStepButtons(false);
    cbEnglishVersion->setChecked(EnglishVersion);
    setCaptions();
}

TMainForm::~TMainForm() = default;

void TMainForm::loadSettings() {
    if (options_.portPath.isEmpty()) {
        link_->LoadSettings(ini_->Settings());
    } else {
        // The line settings still come from the file; only the port is given.
        link_->TMLBaseInterface::LoadSettings(ini_->Settings());
        // The port asked for, or none: another port opened in its place would only confuse.
        if (link_->PortAvailable[OverridePort])
            link_->Open(OverridePort);
        else
            link_->PortNumber = OverridePort;
    }
    EnglishVersion = ini_->ReadBool(CommonSection, EnglishKey, EnglishVersion);
    setCaptions();
    setInitialSize();
    LoadWindowPlacement(*ini_, WindowSection, *this);
}

void TMainForm::saveSettings() {
    if (options_.portPath.isEmpty()) link_->SaveSettings(ini_->Settings());
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
    if (busy_) {
        // The keep-alive is on the line; close as soon as it is done.
        closePending_ = true;
        event->ignore();
        return;
    }
    if (!offerSave()) {
        event->ignore();
        return;
    }
    saveSettings();
    event->accept();
}

void TMainForm::cbEnglishVersionClick() {
    EnglishVersion = cbEnglishVersion->isChecked();
    setCaptions();
}

void TMainForm::bRS232Click() {
    link_->SelectPort();
    updatePortLabel();
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
