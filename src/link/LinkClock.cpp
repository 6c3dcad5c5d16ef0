#include "LinkClock.h"

#include <QElapsedTimer>
#include <QThread>

#ifdef Q_OS_LINUX
#include <sys/prctl.h>
#endif

namespace {

#ifdef Q_OS_LINUX
// The link's pauses are a couple of milliseconds between frames; the kernel's default timer
// slack (50 us) would stretch every one of them. Tightened for the pause only.
constexpr unsigned long PauseTimerSlackNs = 1000;

class TTimerSlackScope {
public:
    TTimerSlackScope() : previous_(prctl(PR_GET_TIMERSLACK, 0, 0, 0, 0)) {
        if (previous_ > 0) prctl(PR_SET_TIMERSLACK, PauseTimerSlackNs, 0, 0, 0);
    }
    ~TTimerSlackScope() {
        if (previous_ > 0) prctl(PR_SET_TIMERSLACK, static_cast<unsigned long>(previous_), 0, 0, 0);
    }
    TTimerSlackScope(const TTimerSlackScope&) = delete;
    TTimerSlackScope& operator=(const TTimerSlackScope&) = delete;

private:
    int previous_;
};
#else
struct TTimerSlackScope {};
#endif

class TSteadyClock : public ILinkClock {
public:
    TSteadyClock() { timer_.start(); }
    std::int64_t nowMs() override { return timer_.elapsed(); }
    void sleepMs(int ms) override {
        if (ms <= 0) return;
        const TTimerSlackScope precise;
        QThread::msleep(static_cast<unsigned long>(ms));
    }

private:
    QElapsedTimer timer_;
};

} // namespace

ILinkClock& SteadyLinkClock() {
    static TSteadyClock clock;
    return clock;
}
