#include "TripSim.h"

#include "Errors.h"
#include "SimDriveRecorder.h"
#include "SimMemory.h"

#include <QFile>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <sched.h>
#include <termios.h>
#include <unistd.h>

namespace sim {

namespace {

using Clock = std::chrono::steady_clock;
using Nanos = std::chrono::nanoseconds;

// Bytes of a request that stop arriving for this long are line noise and are dropped.
constexpr auto FrameGap = std::chrono::milliseconds(50);
constexpr int ReadChunk = 512;

std::int64_t micros(Clock::time_point t) {
    return std::chrono::duration_cast<std::chrono::microseconds>(t.time_since_epoch()).count();
}

[[noreturn]] void fail(const char* what) {
    throw TError(QStringLiteral("tripsim: %1: %2")
                     .arg(QLatin1String(what), QString::fromLocal8Bit(std::strerror(errno))));
}

struct TTimedByte {
    char byte;
    Clock::time_point due;
};

} // namespace

TTripSim::TTripSim(TTripSimOptions options)
    : options_(std::move(options)),
      device_(options_.memory.isEmpty() ? BuildDefaultMemory(options_.settingsVersion)
                                        : options_.memory,
              options_.version),
      drives_(DriveSeed) {
    for (const TFault& f : options_.faults)
        device_.AddFault(f);
    device_.SetRandomFaults(options_.randomFaults);
}

TTripSim::~TTripSim() {
    Stop();
}

void TTripSim::Start(const QString& linkPath) {
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (master_ < 0) fail("posix_openpt");
    if (grantpt(master_) != 0 || unlockpt(master_) != 0) fail("unlockpt");
    slavePath_ = QString::fromLocal8Bit(ptsname(master_));
    slaveKeeper_ = ::open(ptsname(master_), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (slaveKeeper_ < 0) fail("open slave");
    // Raw from the start: no echo or line editing by the terminal itself.
    termios tio{};
    tcgetattr(slaveKeeper_, &tio);
    cfmakeraw(&tio);
    tcsetattr(slaveKeeper_, TCSANOW, &tio);
    if (pipe(wake_) != 0) fail("pipe");
    if (!linkPath.isEmpty()) {
        QFile::remove(linkPath);
        if (!QFile::link(slavePath_, linkPath))
            throw TError(QStringLiteral("tripsim: cannot create the link %1").arg(linkPath));
        linkPath_ = linkPath;
    }
    thread_ = std::thread([this] { run(); });
    if (options_.realtime) {
        sched_param param{};
        param.sched_priority = sched_get_priority_min(SCHED_FIFO);
        pthread_setschedparam(thread_.native_handle(), SCHED_FIFO, &param); // may be refused
    }
}

void TTripSim::Stop() {
    if (thread_.joinable()) {
        const char stop = 1;
        [[maybe_unused]] const auto written = ::write(wake_[1], &stop, 1);
        thread_.join();
    }
    for (int* fd : {&master_, &slaveKeeper_, &wake_[0], &wake_[1]}) {
        if (*fd >= 0) ::close(*fd);
        *fd = -1;
    }
    if (!linkPath_.isEmpty()) {
        QFile::remove(linkPath_);
        linkPath_.clear();
    }
}

QByteArray TTripSim::Memory() const {
    std::lock_guard lock(mutex_);
    return device_.memory;
}

void TTripSim::SetMemory(const QByteArray& memory) {
    std::lock_guard lock(mutex_);
    device_.memory = memory;
}

std::uint16_t TTripSim::Version() const {
    std::lock_guard lock(mutex_);
    return device_.version;
}

std::vector<TRequestRecord> TTripSim::Requests() const {
    std::lock_guard lock(mutex_);
    return device_.requests;
}

int TTripSim::RequestCount() const {
    std::lock_guard lock(mutex_);
    return device_.requestCount;
}

int TTripSim::Identifications() const {
    std::lock_guard lock(mutex_);
    return device_.identifications;
}

int TTripSim::ProtocolErrors() const {
    std::lock_guard lock(mutex_);
    return device_.protocolErrors;
}

int TTripSim::FaultsPlayed() const {
    std::lock_guard lock(mutex_);
    return device_.faultsPlayed;
}

void TTripSim::ClearRequests() {
    std::lock_guard lock(mutex_);
    device_.requests.clear();
}

void TTripSim::AddFault(const TFault& fault) {
    std::lock_guard lock(mutex_);
    device_.AddFault(fault);
}

TDrive TTripSim::RecordDrive() {
    std::lock_guard lock(mutex_);
    return RecordNextDrive(device_.memory, drives_);
}

void TTripSim::run() {
    const Nanos byteTime = options_.baud > 0
                               ? Nanos(std::int64_t(1'000'000'000) * BitsPerByte / options_.baud)
                               : Nanos(0);
    std::deque<TTimedByte> out;  // echo and reply bytes, each with its time on the line
    QByteArray frame;            // request bytes received so far
    Clock::time_point lastInput; // when the last request byte came in
    Clock::time_point lineFree = Clock::now();

    // Takes the next byte slot on the line: one byte time after the line is free.
    auto slot = [&](Clock::time_point earliest) {
        lineFree = std::max(lineFree, earliest) + byteTime;
        return lineFree;
    };

    for (;;) {
        // Slow lines take seconds a byte: the wait is kept in 64 bits.
        std::int64_t timeoutNs = -1;
        Clock::time_point now = Clock::now();
        if (!out.empty())
            timeoutNs = std::max<std::int64_t>(0, (out.front().due - now).count());
        else if (!frame.isEmpty())
            timeoutNs = std::max<std::int64_t>(0, (lastInput + FrameGap - now).count());
        timespec ts{time_t(timeoutNs / 1'000'000'000), long(timeoutNs % 1'000'000'000)};
        pollfd fds[2] = {{master_, POLLIN, 0}, {wake_[0], POLLIN, 0}};
        if (ppoll(fds, 2, timeoutNs < 0 ? nullptr : &ts, nullptr) < 0 && errno != EINTR) return;
        if (fds[1].revents != 0) return;
        now = Clock::now();

        if (fds[0].revents & POLLIN) {
            char chunk[ReadChunk];
            const ssize_t n = ::read(master_, chunk, sizeof chunk);
            for (ssize_t i = 0; i < n; ++i) {
                const Clock::time_point onLine = slot(now);
                if (options_.echo) out.push_back({chunk[i], onLine});
                frame.append(chunk[i]);
                lastInput = now;
                const int length = static_cast<std::uint8_t>(frame[0]);
                if (frame.size() < length) continue;
                std::optional<QByteArray> reply;
                {
                    std::lock_guard lock(mutex_);
                    reply = device_.Handle(frame, micros(onLine));
                }
                frame.clear();
                if (reply)
                    for (char b : *reply)
                        out.push_back({b, slot(lineFree)});
            }
        } else if (!frame.isEmpty() && now >= lastInput + FrameGap) {
            std::lock_guard lock(mutex_);
            ++device_.protocolErrors;
            frame.clear();
        }

        // Everything due goes out in one write.
        QByteArray due;
        while (!out.empty() && out.front().due <= now) {
            due.append(out.front().byte);
            out.pop_front();
        }
        for (qsizetype sent = 0; sent < due.size();) {
            const ssize_t n = ::write(master_, due.constData() + sent, size_t(due.size() - sent));
            if (n < 0) {
                if (errno != EAGAIN) break;
                pollfd w{master_, POLLOUT, 0};
                poll(&w, 1, 10);
                continue;
            }
            sent += n;
        }
    }
}

} // namespace sim
