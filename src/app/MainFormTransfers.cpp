// Step 1 from the device, Step 4, the port choice and the keep-alive: everything that uses
// the link. The link lives on its own thread (TLinkThread); these handlers hand it tasks and
// wait in the event loop, so the window keeps repainting, moving and taking Cancel.

#include "ChangeWords.h"
#include "DeviceMemory.h"
#include "DeviceTransfers.h"
#include "Errors.h"
#include "LinkThread.h"
#include "ML_RS232.h"
#include "Main32HPars.h"
#include "MainFormTexts.h"
#include "Pars32H.h"
#include "Progress.h"
#include "Prompt.h"

#include <QDir>
#include <QPushButton>
#include <QTimer>
#include <optional>

// While a transfer runs the keep-alive is off and no second command can start; a close
// request waits for its end.
class TMainForm::Transfer {
public:
    explicit Transfer(TMainForm& form) : form_(form) {
        form_.Timer1->stop();
        form_.busy_ = true;
    }
    ~Transfer() {
        form_.busy_ = false;
        form_.Timer1->start();
        form_.closeIfPending();
    }
    Transfer(const Transfer&) = delete;
    Transfer& operator=(const Transfer&) = delete;

private:
    TMainForm& form_;
};

namespace {

using Phase = TLinkThread::Phase;

void showPhase(TProgressForm& p, Phase phase) {
    if (phase == Phase::Connecting) {
        p.SetStep(MainTexts::Reconnect.text());
        p.SetGaugeVisible(false);
        p.SetCancelVisible(true);
        return;
    }
    const TText& step = phase == Phase::Reading   ? MainTexts::Reading
                        : phase == Phase::Writing ? MainTexts::Writing
                                                  : MainTexts::Checking;
    p.SetStep(step.text());
    p.SetPercent(0);
    p.SetGaugeVisible(true);
    p.SetCancelVisible(false);
}

// On the link's thread: the line as the window uses it, then the wait for the device.
TConnectResult connectDevice(TLinkJob& job) {
    job.Link().SetBaudRate(TMainForm::LineBaudRate);
    return job.WaitForDevice();
}

} // namespace

void TMainForm::setStepButtons(bool enabled) {
    for (QPushButton* b : {bEditParams, bViewJournals, bSaveParams, bCompare, bSheet, bSetParams})
        b->setEnabled(enabled);
}

void TMainForm::closeIfPending() {
    if (!closePending_ || busy_ || linkThread_->Busy()) return;
    closePending_ = false;
    QTimer::singleShot(0, this, &QWidget::close);
}

bool TMainForm::portReady() {
    // A port that went away (adapter unplugged, simulator restarted) is opened again once it
    // is back, so the user need not choose it anew. Only the same port: never another one.
    const QString error = linkThread_->Run(
        [](TLinkJob& job) {
            TML_RS& link = job.Link();
            if (!link.IsOpen() && link.IsPortPresent(link.PortNumber)) {
                link.EnumeratePorts();
                link.Open(link.PortNumber);
            }
        },
        QEventLoop::ExcludeUserInputEvents);
    updatePortLabel();
    // Waiting for the device never shows an error, so with no open port the user would be
    // asked to reconnect the power for ever. Say what is wrong instead.
    if (!error.isEmpty() || !linkThread_->State().open) {
        ShowError(error.isEmpty() ? linkThread_->State().noLinkMessage : error);
        return false;
    }
    return true;
}

QString TMainForm::runTransfer(const std::function<void(TLinkJob&, TProgressForm&)>& task) {
    TProgressForm progress(this);
    showPhase(progress, Phase::Connecting);
    progress.Start();
    TLinkThread* link = linkThread_.get();
    connect(link, &TLinkThread::ProgressChanged, &progress, &TProgressForm::SetPercent);
    connect(link, &TLinkThread::PhaseChanged, &progress,
            [&progress](Phase phase) { showPhase(progress, phase); });
    connect(&progress, &TProgressForm::CancelRequested, link, &TLinkThread::Cancel);
    const QString error = link->Run([&task, &progress](TLinkJob& job) { task(job, progress); });
    // Any message comes after the window has gone, so that it is not hidden behind it.
    progress.Finish();
    return error;
}

void TMainForm::bGetParamsClick() {
    if (busy_ || !offerSave()) return;
    Transfer transfer(*this);
    if (!portReady()) return;
    // The link's thread fills a copy; the window's model changes here, once all has arrived.
    // A section shorter than its record keeps the rest of the record, as the model would.
    const TSettingsCopy before = model_->CopySettings();
    std::optional<TSettingsCopy> read;
    const QString error = runTransfer([&before, &read](TLinkJob& job, TProgressForm&) {
        const TConnectResult device = connectDevice(job);
        if (!device.connected) return; // cancelled: nothing to say
        job.EnterPhase(Phase::Reading);
        TMK copy;
        copy.TakeSettings(before);
        ReadSettingsFromDevice(job.Link(), copy, [&job](int pc) { job.Progress(pc); });
        copy.DeviceVersion = device.version;
        read = copy.CopySettings();
    });
    if (!error.isEmpty()) {
        ShowError(error);
        return;
    }
    if (!read) return;
    model_->TakeSettings(*read);
    lastFullRead_ = TFullRead{read->image, read->deviceVersion};
    setStepButtons(true);
    setUnwritten(false);
    setSource(Source::Device);
    offerVehicleAfterRead();
    if (vehicle_) recordEvent(TEventKind::Read, keepEventCopy(TEventKind::Read));
}

TChangeList TMainForm::changeListOf(const TWritePlan& plan) {
    const TText recordsGroup{"The device's journals and totals", "Журналы и счётчики МК"};
    auto withRecords = [&](std::vector<TChangeRow> rows,
                           const std::vector<journals::TRecordChange>& records) {
        for (const journals::TRecordChange& r : records)
            rows.push_back({recordsGroup.text(), r.what, r.before, r.after});
        return rows;
    };
    const std::vector<TChangeRow> settings =
        ChangeRowsInWords(plan.changes, plan.writtenImage, plan.deviceVersion);
    TChangeList list;
    list.rows = withRecords(settings, plan.recordChanges);
    list.canReplaceRecords = plan.canReplaceRecords;
    if (plan.canReplaceRecords)
        list.replacingRows = withRecords(settings, plan.replacedRecordChanges);
    return list;
}

void TMainForm::bSetParamsClick() {
    if (busy_) return;
    Transfer transfer(*this);
    if (!portReady()) return;
    // The link's thread writes from a copy; the window's model takes what the device then
    // holds only when the write has succeeded.
    const TSettingsCopy settings = model_->CopySettings();
    std::optional<TSettingsCopy> written;
    WriteFlowSteps steps;
    steps.backupFolder = writeBackupFolder();
    steps.lastFullRead = lastFullRead_;
    TWriteOutcome outcome;
    const QString error = runTransfer([&](TLinkJob& job, TProgressForm& progress) {
        const TConnectResult device = connectDevice(job);
        if (!device.connected) return;
        // Checked here too, so the window never says it reads from a device it will refuse.
        if (device.version != settings.deviceVersion) throw TError(DeviceVersionMismatchText());
        job.EnterPhase(Phase::Reading);
        steps.readProgress = [&job](int pc) { job.Progress(pc); };
        // The list is shown between the read and the write, on the window's thread while
        // the link waits: the progress window steps aside for it and comes back for the
        // write. It is made from the plan alone.
        steps.confirm = [&](const TWritePlan& plan) {
            return job.AskGui([&] {
                const TChangeList list = changeListOf(plan);
                if (!changeListShown()) return TWriteChoice{};
                progress.Finish();
                const TChangeAnswer answer = Prompt().confirmChanges(list);
                if (!answer.write) return TWriteChoice{false, false};
                if (answer.hideFromNowOn) hideChangeListFromNowOn();
                progress.Start();
                return TWriteChoice{true, answer.replaceRecords};
            });
        };
        steps.writing = [&job] { job.EnterPhase(Phase::Writing); };
        steps.writeProgress = steps.readProgress;
        steps.checking = [&job] { job.EnterPhase(Phase::Checking); };
        steps.checkProgress = steps.readProgress;
        TMK copy;
        copy.TakeSettings(settings);
        outcome = WriteSettingsToDevice(job.Link(), copy, device.version, steps);
        if (outcome.written) written = copy.CopySettings();
    });
    if (!error.isEmpty()) {
        ShowError(error);
        return;
    }
    if (!written) return; // cancelled, or the user kept the device as it was
    model_->TakeSettings(*written);
    setUnwritten(false);
    setSource(Source::Written);
    ShowInfo(MainTexts::Recorded.text() + QLatin1Char('\n') +
             MainTexts::Checked.text().arg(QDir::toNativeSeparators(outcome.backupPath)));
    if (vehicle_) {
        const QString copy = keepEventCopy(TEventKind::Write);
        // The written settings are on disk in the vehicle's folder: nothing to save first.
        if (!copy.isEmpty()) Modified = false;
        recordEvent(TEventKind::Write, copy, outcome.backupPath, WriteChangesText(outcome));
    }
}

void TMainForm::bRS232Click() {
    if (busy_) return;
    // The port dialog itself opens on this thread (the prompt puts it here).
    const QString error = linkThread_->Run([](TLinkJob& job) { job.Link().SelectPort(); },
                                           QEventLoop::ExcludeUserInputEvents);
    updatePortLabel();
    if (!error.isEmpty()) ShowError(error);
}

void TMainForm::Timer1Timer() {
    // One exchange at a time: a transfer stops the timer, and an unanswered keep-alive is
    // not joined by another.
    if (busy_ || linkThread_->Busy()) return;
    // Nothing waits for the answer, and a transfer asked for meanwhile cuts it short.
    linkThread_->Post([](TLinkJob& job) {
        TML_RS& link = job.Link();
        link.ResponseTimeout = ResponseTimeoutMs;
        try {
            job.GivingWay([&link] { link.Command(devmem::DeviceAddress, devmem::CmdIdentify); });
        } catch (const TError&) {
            // The trip computer may be switched off; the next transfer asks for it anyway.
        }
    });
}
