#pragma once

// The link's own thread. The window never touches the link: it hands this object tasks,
// which run one after another on a worker thread that creates, uses and finally destroys
// the one TML_RS (a serial port belongs to the thread that made it). Waiting for the
// device, reading, writing and the keep-alive block that thread only; the window's thread
// keeps repainting, moving and taking Cancel, and gets a transfer's phase, its progress and
// its result back by queued signals.
//
// Cancel (Cancel()) raises an atomic flag. Only the wait for the device looks at it
// (TLinkJob::WaitForDevice): its exchange ends within one wait round of the link. An
// exchange that nobody waits for (the keep-alive, TLinkJob::GivingWay) ends the same way as
// soon as another task is posted, so a transfer asked for meanwhile starts at once.
//
// Asking the window's thread in the middle of a task: TLinkJob::AskGui runs a function on
// the window's thread and blocks the task until it returns. The function may open dialogs
// and read or change the settings model, since the task stands still meanwhile; what it
// throws is thrown again in the task (and so ends it with that message). For example a
// write that shows what is about to change and asks first:
//
//     steps.beforeWrite = [&job](const QByteArray& deviceImage, std::uint16_t version) {
//         if (!job.AskGui([&] { return ConfirmChanges(deviceImage, version); }))
//             throw TError(...);
//     };
//
// The window's thread must be inside an event loop while a task asks (Run waits in one; a
// plain blocking wait for the worker would wait for ever).

#include "DeviceMemory.h"
#include "ThreadCall.h"

#include <QEventLoop>
#include <QObject>
#include <QString>
#include <QThread>
#include <atomic>
#include <functional>
#include <memory>

class TML_RS;
class TLinkJob;

// What the window shows about the port, as the worker saw it when the last task ended.
struct TLinkState {
    bool open = false;
    int portNumber = 0;    // 0: none
    QString portLabel;     // "COMn (path)" of portNumber
    QString noLinkMessage; // what a transfer says when the port is not open
};

class TLinkThread : public QObject {
    Q_OBJECT
public:
    enum class Phase { Connecting, Reading, Writing, Checking };
    Q_ENUM(Phase)

    using LinkFactory = std::function<std::unique_ptr<TML_RS>()>;
    using Task = std::function<void(TLinkJob&)>;
    // The text of what the task threw; empty when it ended normally.
    using Done = std::function<void(const QString& error)>;

    // Starts the thread; the link is made by makeLink on it, before the first task.
    explicit TLinkThread(LinkFactory makeLink, QObject* parent = nullptr);
    // Lets the task on the line end, destroys the link on its thread and stops the thread.
    ~TLinkThread() override;
    TLinkThread(const TLinkThread&) = delete;
    TLinkThread& operator=(const TLinkThread&) = delete;

    // Queues task behind the earlier ones and returns at once; done runs on this object's
    // thread once the task has ended. Clears the Cancel flag.
    void Post(Task task, Done done = {});
    // Posts task and waits for it in a local event loop run with flags; returns the text of
    // what it threw, empty when nothing. ExcludeUserInputEvents suits short tasks that no
    // window shows; a transfer behind the modal progress window needs AllEvents for Cancel.
    QString Run(Task task, QEventLoop::ProcessEventsFlags flags = QEventLoop::AllEvents);

    // Tasks posted and not yet done.
    bool Busy() const { return pending_ > 0; }
    const TLinkState& State() const { return state_; }
    // The thread the link lives on.
    QThread* WorkerThread() { return &thread_; }

public slots:
    void Cancel() { cancelled_.store(true); }

signals:
    void ProgressChanged(int percent);
    void PhaseChanged(TLinkThread::Phase phase);
    // The last posted task is done (after its done callback).
    void Idle();

private:
    friend class TLinkJob;
    QString runTask(const Task& task);
    TLinkState snapshot() const;

    LinkFactory makeLink_;
    QThread thread_;
    QObject* worker_ = nullptr;    // lives on thread_: the queued tasks' receiver
    std::unique_ptr<TML_RS> link_; // used on thread_ only
    std::atomic<bool> cancelled_{false};
    std::atomic<int> queued_{0}; // posted tasks that have not started yet
    int pending_ = 0;
    TLinkState state_;
};

// What a task sees. Lives on the worker thread, for the task's duration only.
class TLinkJob {
public:
    TML_RS& Link() { return link_; }
    bool Cancelled() const;
    // WaitForDevice (DeviceMemory.h) that Cancel ends within one wait round.
    TConnectResult WaitForDevice();
    // Runs exchanges that end with TLinkInterrupted within one wait round once another task
    // is posted.
    void GivingWay(const std::function<void()>& exchanges);
    // Progress 0..100 of the current phase; repeated values are not sent again.
    void Progress(int percent);
    // The transfer enters a phase; the progress window follows it.
    void EnterPhase(TLinkThread::Phase phase);
    // Runs question on the window's thread and waits for its answer (see above).
    template <typename F> std::invoke_result_t<F&> AskGui(F&& question);

private:
    friend class TLinkThread;
    TLinkJob(TLinkThread& owner, TML_RS& link) : owner_(owner), link_(link) {}

    TLinkThread& owner_;
    TML_RS& link_;
    int lastPercent_ = -1;
};

template <typename F> std::invoke_result_t<F&> TLinkJob::AskGui(F&& question) {
    return CallOnThreadOf(&owner_, std::forward<F>(question));
}
