#pragma once

// A scripted serial port on simulated time. Replies are produced by a responder from each
// written frame, every byte with the moment it arrives; waits advance the simulated clock
// instead of sleeping, so time-outs and retries are exact and instant.

#include "LinkClock.h"
#include "SerialPortIo.h"

#include <QByteArray>
#include <QString>
#include <deque>
#include <functional>
#include <map>
#include <vector>

struct TFakeTime : ILinkClock {
    std::int64_t now = 0;
    std::vector<int> sleeps;
    std::int64_t nowMs() override { return now; }
    void sleepMs(int ms) override {
        sleeps.push_back(ms);
        now += ms;
    }
};

struct TTimedBytes {
    QByteArray bytes;
    std::int64_t firstAfterMs = 1; // after the write
    std::int64_t gapMs = 0;        // between bytes
};

struct TWrite {
    QByteArray frame;
    std::int64_t atMs;
};

class TFakePort : public ISerialPortIo {
public:
    explicit TFakePort(TFakeTime& time) : time_(time) {}

    // Paths that exist, and what opening them gives.
    std::map<QString, TPortOpenResult> ports;
    // The line hands every written frame back at once (RS-485).
    bool echo = false;
    // The reply scripts for a written frame; none for silence.
    std::function<std::vector<TTimedBytes>(const QByteArray& frame)> responder;
    // What the driver reports after setBaudRate (0: the rate asked for).
    std::int32_t reportedBaud = 0;
    // The port vanishes (adapter unplugged) after this many bytes have been read.
    int vanishAfterReads = -1;

    std::vector<TWrite> writes;
    std::vector<QString> opened;
    QString openPath;
    std::vector<bool> rtsChanges;
    int dtrRaised = 0;
    int waits = 0;
    std::int32_t baud = 0;
    int dataBits = 0, parity = -1, stopBits = -1;

    bool probe(const QString& path) override { return ports.count(path) != 0; }
    TPortOpenResult open(const QString& path) override {
        const auto it = ports.find(path);
        const TPortOpenResult r = it == ports.end() ? TPortOpenResult::Absent : it->second;
        open_ = r == TPortOpenResult::Opened;
        if (open_) {
            opened.push_back(path);
            openPath = path;
        }
        return r;
    }
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }
    std::int32_t setBaudRate(std::int32_t rate) override {
        baud = rate;
        return reportedBaud ? reportedBaud : rate;
    }
    void setDataBits(int bits) override { dataBits = bits; }
    void setParity(int code) override { parity = code; }
    void setStopBits(int code) override { stopBits = code; }
    void setDtr(bool on) override { dtrRaised += on ? 1 : 0; }
    void setRts(bool on) override { rtsChanges.push_back(on); }
    void purgeInput() override {
        while (!incoming_.empty() && incoming_.front().at <= time_.now)
            incoming_.pop_front();
    }
    void purgeOutput() override {}

    bool readByte(std::uint8_t& byte) override {
        if (!open_ || incoming_.empty() || incoming_.front().at > time_.now) return false;
        byte = incoming_.front().byte;
        incoming_.pop_front();
        if (vanishAfterReads > 0 && --vanishAfterReads == 0) open_ = false;
        return true;
    }
    bool waitForByte(int timeoutMs) override {
        ++waits;
        if (!open_) {
            time_.now += timeoutMs;
            return false;
        }
        if (!incoming_.empty() && incoming_.front().at <= time_.now + timeoutMs) {
            time_.now = std::max(time_.now, incoming_.front().at);
            return true;
        }
        time_.now += timeoutMs;
        return false;
    }
    bool write(const std::uint8_t* data, int count) override {
        const QByteArray frame(reinterpret_cast<const char*>(data), count);
        writes.push_back({frame, time_.now});
        if (echo) queue({frame, 0, 0});
        if (responder)
            for (const TTimedBytes& part : responder(frame))
                queue(part);
        return true;
    }

    // Bytes that arrive without a request (line noise).
    void queue(const TTimedBytes& part) {
        std::int64_t at = time_.now + part.firstAfterMs;
        for (char c : part.bytes) {
            incoming_.push_back({static_cast<std::uint8_t>(c), at});
            at += part.gapMs;
        }
    }
    int pending() const { return int(incoming_.size()); }

private:
    struct TByte {
        std::uint8_t byte;
        std::int64_t at;
    };
    TFakeTime& time_;
    bool open_ = false;
    std::deque<TByte> incoming_;
};
