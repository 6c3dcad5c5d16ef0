#pragma once

// The trip computer's side of the protocol, without any transport: takes one request
// frame, changes the memory as the command says and builds the reply, with switchable
// failures. Not thread-safe; TTripSim guards it.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace sim {

enum class TFaultMode {
    PowerCycle,  // the first N identifications go unanswered
    BadChecksum, // the reply's checksum is off by one
    Busy,        // status 0xFF
    CutReply,    // only the first half of the reply is sent
    DropReply,   // no reply at all
    ZeroHeader,  // the three header bytes are 0 (checksum still right)
};

// A failure on requests first..last (counted from 1 over every request the device takes,
// retries included); for PowerCycle, identifications 1..last.
struct TFault {
    TFaultMode mode;
    int first;
    int last;
};

// "MODE@N" or "MODE@N-M"; modes: power-cycle, checksum, busy, cut, drop, zero-header.
// power-cycle@N silences identifications 1..N. nullopt for a malformed text.
std::optional<TFault> ParseFault(const QString& text);

struct TRequestRecord {
    QByteArray frame;
    std::int64_t atUs = 0; // when the request had fully arrived, steady clock
};

class TSimDevice {
public:
    TSimDevice(QByteArray memory, std::uint16_t version);

    // The reply bytes to put on the line, or nullopt for silence.
    std::optional<QByteArray> Handle(const QByteArray& request, std::int64_t atUs);

    void AddFault(const TFault& fault) { faults_.push_back(fault); }

    QByteArray memory;
    std::uint16_t version;
    std::vector<TRequestRecord> requests; // every well-formed request, in order (clearable)
    int requestCount = 0;                 // requests taken since the start; faults count these
    int identifications = 0;
    int protocolErrors = 0; // requests the device could not make sense of

private:
    std::optional<QByteArray> execute(const QByteArray& request);
    const TFault* faultFor(int requestNumber, bool identify) const;

    std::vector<TFault> faults_;
    bool regionOpen_ = false;
    int regionAddress_ = 0;
    int regionCount_ = 0;
    QByteArray staging_;
};

// A complete frame (length byte and checksum) around the given body bytes.
QByteArray MakeFrame(const QByteArray& body);

} // namespace sim
