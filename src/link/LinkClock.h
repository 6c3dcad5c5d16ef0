#pragma once

// Milliseconds on a monotonic clock and the link's deliberate pauses, behind an interface
// so that tests can run the link's deadlines on simulated time.

#include <cstdint>

class ILinkClock {
public:
    virtual ~ILinkClock() = default;
    virtual std::int64_t nowMs() = 0;
    virtual void sleepMs(int ms) = 0;
};

// The real clock: QElapsedTimer's monotonic time and a thread sleep.
ILinkClock& SteadyLinkClock();
