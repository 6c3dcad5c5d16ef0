// Step 1 from the device, Step 4, and the keep-alive: everything that uses the link.

#include "DeviceMemory.h"
#include "DeviceTransfers.h"
#include "EditorChangeRows.h"
#include "Errors.h"
#include "ML_RS232.h"
#include "Main32HPars.h"
#include "MainFormTexts.h"
#include "Pars32H.h"
#include "Progress.h"
#include "Prompt.h"

#include <QCoreApplication>
#include <QDir>
#include <QPushButton>
#include <QTimer>

// While a transfer runs the keep-alive is off, the link lets the event queue run so the
// progress window repaints and its Cancel works, and no second command can start.
class TMainForm::Transfer {
public:
    explicit Transfer(TMainForm& form, bool userInput = true) : form_(form) {
        form_.Timer1->stop();
        form_.busy_ = true;
        const auto flags = userInput ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents;
        form_.link_->processEvents = [flags] { QCoreApplication::processEvents(flags); };
    }
    ~Transfer() {
        form_.link_->processEvents = nullptr;
        form_.busy_ = false;
        form_.Timer1->start();
        if (form_.closePending_) {
            form_.closePending_ = false;
            QTimer::singleShot(0, &form_, &QWidget::close);
        }
    }
    Transfer(const Transfer&) = delete;
    Transfer& operator=(const Transfer&) = delete;

private:
    TMainForm& form_;
};

namespace {

// Closes the progress window before any message box, so the box is not hidden behind it.
struct ProgressWindow {
    explicit ProgressWindow(QWidget* parent) : form(parent) {}
    ~ProgressWindow() { form.Finish(); }
    TProgressForm form;
};

void startConnecting(TProgressForm& p) {
    p.SetStep(MainTexts::Reconnect.text());
    p.SetGaugeVisible(false);
    p.SetCancelVisible(true);
    p.Start();
}

void startPhase(TProgressForm& p, const QString& text) {
    p.SetStep(text);
    p.SetPercent(0);
    p.SetGaugeVisible(true);
    p.SetCancelVisible(false);
    QCoreApplication::processEvents();
}

} // namespace

void TMainForm::setStepButtons(bool enabled) {
    for (QPushButton* b : {bEditParams, bViewJournals, bSaveParams, bSetParams})
        b->setEnabled(enabled);
}

bool TMainForm::connectDevice(TProgressForm& progress, std::uint16_t& version) {
    // A port that went away (adapter unplugged, simulator restarted) is opened again once it
    // is back, so the user need not choose it anew. Only the same port: never another one.
    if (!link_->IsOpen() && link_->IsPortPresent(link_->PortNumber)) {
        link_->EnumeratePorts();
        link_->Open(link_->PortNumber);
        updatePortLabel();
    }
    // Waiting for the device never shows an error, so with no open port the user would be
    // asked to reconnect the power for ever. Say what is wrong instead.
    if (!link_->IsOpen()) {
        ShowError(link_->NoLinkMessage());
        return false;
    }
    link_->SetBaudRate(LineBaudRate);
    startConnecting(progress);
    const TConnectResult r = WaitForDevice(*link_, [&progress] { return progress.Cancelled; });
    version = r.version;
    return r.connected;
}

void TMainForm::bGetParamsClick() {
    if (busy_ || !offerSave()) return;
    Transfer transfer(*this);
    ProgressWindow progress(this);
    std::uint16_t version = 0;
    if (!connectDevice(progress.form, version)) return;
    startPhase(progress.form, MainTexts::Reading.text());
    try {
        // The image is replaced only once every block has arrived, so a failed read leaves
        // the model, its device version and the step buttons as they were.
        ReadSettingsFromDevice(*link_, *model_,
                               [&progress](int pc) { progress.form.SetPercent(pc); });
        model_->DeviceVersion = version;
        setStepButtons(true);
        setUnwritten(false);
        setSource(Source::Device);
    } catch (const TError& e) {
        progress.form.Finish();
        ShowError(e.message());
    }
}

void TMainForm::bSetParamsClick() {
    if (busy_) return;
    Transfer transfer(*this);
    ProgressWindow progress(this);
    try {
        writeToDevice(progress.form);
    } catch (const TError& e) {
        progress.form.Finish();
        ShowError(e.message());
    }
}

void TMainForm::writeToDevice(TProgressForm& progress) {
    std::uint16_t deviceVersion = 0;
    if (!connectDevice(progress, deviceVersion)) return;
    // Checked here too, so the window never says it reads from a device it will refuse.
    if (deviceVersion != model_->DeviceVersion) throw TError(DeviceVersionMismatchText());

    startPhase(progress, MainTexts::Reading.text());
    WriteFlowSteps steps;
    steps.backupFolder = options_.backupFolder;
    steps.readProgress = [&progress](int pc) { progress.SetPercent(pc); };
    // The list is asked from here, between the read and the write: the progress window
    // steps aside for it and comes back for the write.
    steps.confirmChanges = [this, &progress](const std::vector<TFieldChange>& changes) {
        if (!changeListShown()) return true;
        const std::vector<TChangeRow> rows =
            EditorChangeRows(changes, model_->SettingsImage, model_->DeviceVersion);
        progress.Finish();
        bool hideFromNowOn = false;
        if (!Prompt().confirmChanges(rows, hideFromNowOn)) return false;
        if (hideFromNowOn) hideChangeListFromNowOn();
        progress.Start();
        return true;
    };
    steps.writing = [&progress] { startPhase(progress, MainTexts::Writing.text()); };
    steps.writeProgress = steps.readProgress;
    steps.checking = [&progress] { startPhase(progress, MainTexts::Checking.text()); };
    steps.checkProgress = steps.readProgress;
    const TWriteOutcome outcome = WriteSettingsToDevice(*link_, *model_, deviceVersion, steps);
    progress.Finish();
    if (!outcome.written) return; // the user kept the device as it was
    setUnwritten(false);
    setSource(Source::Written);
    ShowInfo(MainTexts::Recorded.text() + QLatin1Char('\n') +
             MainTexts::Checked.text().arg(QDir::toNativeSeparators(outcome.backupPath)));
}

void TMainForm::Timer1Timer() {
    if (busy_) return;
    // No progress window: the user's clicks wait until the short exchange is over.
    Transfer transfer(*this, false);
    link_->ResponseTimeout = ResponseTimeoutMs;
    try {
        link_->Command(devmem::DeviceAddress, devmem::CmdIdentify);
    } catch (const TError&) {
        // The trip computer may be switched off; the next transfer asks for it anyway.
    }
}
