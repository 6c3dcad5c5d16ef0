#include "LinkThread.h"

#include "Errors.h"
#include "ML_RS232.h"

bool TLinkJob::Cancelled() const {
    return owner_.cancelled_.load();
}

namespace {

// The link's waits ask interrupted() each round while this lives.
class InterruptibleScope {
public:
    InterruptibleScope(TML_RS& link, std::function<bool()> interrupted) : link_(link) {
        link_.SetInterruption(std::move(interrupted));
    }
    ~InterruptibleScope() { link_.SetInterruption({}); }
    InterruptibleScope(const InterruptibleScope&) = delete;
    InterruptibleScope& operator=(const InterruptibleScope&) = delete;

private:
    TML_RS& link_;
};

} // namespace

TConnectResult TLinkJob::WaitForDevice() {
    const InterruptibleScope scope(link_, [this] { return Cancelled(); });
    return ::WaitForDevice(link_, [this] { return Cancelled(); });
}

void TLinkJob::GivingWay(const std::function<void()>& exchanges) {
    const InterruptibleScope scope(link_, [this] { return owner_.queued_.load() > 0; });
    exchanges();
}

void TLinkJob::Progress(int percent) {
    if (percent == lastPercent_) return;
    lastPercent_ = percent;
    emit owner_.ProgressChanged(percent);
}

void TLinkJob::EnterPhase(TLinkThread::Phase phase) {
    lastPercent_ = -1;
    emit owner_.PhaseChanged(phase);
}

TLinkThread::TLinkThread(LinkFactory makeLink, QObject* parent)
    : QObject(parent), makeLink_(std::move(makeLink)), worker_(new QObject) {
    thread_.setObjectName(QStringLiteral("link"));
    worker_->moveToThread(&thread_);
    thread_.start();
}

TLinkThread::~TLinkThread() {
    QMetaObject::invokeMethod(
        worker_,
        [this] {
            link_.reset();
            thread_.quit();
        },
        Qt::QueuedConnection);
    thread_.wait();
    delete worker_;
}

void TLinkThread::Post(Task task, Done done) {
    ++pending_;
    ++queued_;
    cancelled_.store(false);
    QMetaObject::invokeMethod(
        worker_,
        [this, task = std::move(task), done = std::move(done)] {
            --queued_;
            const QString error = runTask(task);
            const TLinkState state = snapshot();
            QMetaObject::invokeMethod(
                this,
                [this, error, state, done] {
                    state_ = state;
                    --pending_;
                    if (done) done(error);
                    if (pending_ == 0) emit Idle();
                },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

QString TLinkThread::Run(Task task, QEventLoop::ProcessEventsFlags flags) {
    QEventLoop loop;
    QString result;
    bool finished = false;
    Post(std::move(task), [&](const QString& error) {
        result = error;
        finished = true;
        loop.quit();
    });
    if (!finished) loop.exec(flags);
    return result;
}

QString TLinkThread::runTask(const Task& task) {
    try {
        if (!link_) link_ = makeLink_();
        TLinkJob job(*this, *link_);
        task(job);
    } catch (const TError& e) {
        return e.message();
    } catch (const std::exception& e) {
        return QString::fromLocal8Bit(e.what());
    } catch (...) {
        // Nothing may leave the worker's event handler; the window still learns of it.
        return QStringLiteral("Unknown error");
    }
    return {};
}

TLinkState TLinkThread::snapshot() const {
    TLinkState s;
    if (!link_) return s;
    s.open = link_->IsOpen();
    s.portNumber = link_->PortNumber;
    if (s.portNumber > 0) s.portLabel = link_->PortLabel(s.portNumber);
    s.noLinkMessage = link_->NoLinkMessage();
    return s;
}
