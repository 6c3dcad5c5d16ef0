#include "RealtimeScope.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <windows.h>

TRealtimeScope::TRealtimeScope()
    : previousClass_(GetPriorityClass(GetCurrentProcess())),
      previousPriority_(GetThreadPriority(GetCurrentThread())) {
    SetPriorityClass(GetCurrentProcess(), REALTIME_PRIORITY_CLASS);
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_TIME_CRITICAL);
}

TRealtimeScope::~TRealtimeScope() {
    SetThreadPriority(GetCurrentThread(), previousPriority_);
    SetPriorityClass(GetCurrentProcess(), previousClass_);
}

#else

TRealtimeScope::TRealtimeScope() = default;
TRealtimeScope::~TRealtimeScope() = default;

#endif
