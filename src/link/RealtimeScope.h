#pragma once

// Raises the process and the calling thread to the highest scheduling class while RTS is
// up on a half-duplex line, so the line is released right after the request; restores both
// on leaving. Only Windows offers this without privileges; elsewhere it does nothing.

class TRealtimeScope {
public:
    TRealtimeScope();
    ~TRealtimeScope();
    TRealtimeScope(const TRealtimeScope&) = delete;
    TRealtimeScope& operator=(const TRealtimeScope&) = delete;

private:
    [[maybe_unused]] unsigned long previousClass_ = 0;
    [[maybe_unused]] int previousPriority_ = 0;
};
