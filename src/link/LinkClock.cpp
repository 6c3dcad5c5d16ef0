#include "LinkClock.h"

#include <QElapsedTimer>
#include <QThread>

namespace {

class TSteadyClock : public ILinkClock {
public:
    TSteadyClock() { timer_.start(); }
    std::int64_t nowMs() override { return timer_.elapsed(); }
    void sleepMs(int ms) override {
        if (ms > 0) QThread::msleep(static_cast<unsigned long>(ms));
    }

private:
    QElapsedTimer timer_;
};

} // namespace

ILinkClock& SteadyLinkClock() {
    static TSteadyClock clock;
    return clock;
}
