#pragma once

// Finding the trip computer: each given port in turn is opened with the working line
// settings (19200 bit/s, 8 data bits, no parity, 2 stop bits, RS-485 with echo) and asked to
// identify itself with a short reply time-out; nobody is asked to switch the power. Also
// what the system knows of a port's adapter. Runs on any one thread; nothing here shows a
// window.

#include "SerialPortIo.h"

#include <QString>
#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

namespace portsearch {

constexpr std::uint32_t LineBaudRate = 19200;
// Identification rounds per port, each the link's own three attempts with the connection's
// short reply time-out (devmem::ConnectResponseTimeoutMs).
constexpr int RoundsPerPort = 1;

enum class TProbeOutcome {
    Answered,  // a trip computer identified itself
    Silent,    // the port opened, nothing answered
    NotOpened, // present but could not be opened (busy, no permission, gone)
    Stopped,   // the search was stopped before the port was asked
};

struct TProbeResult {
    TProbeOutcome outcome = TProbeOutcome::Silent;
    std::uint16_t version = 0; // the device type word, when it answered
    TPortOpenResult openResult = TPortOpenResult::Opened;
};

using TIoFactory = std::function<std::unique_ptr<ISerialPortIo>()>;

// Opens the port at path, identifies and closes it again.
TProbeResult ProbePort(const QString& path, const std::atomic_bool& stop,
                       const TIoFactory& makeIo = MakeQtSerialPortIo);

struct TSearchResult {
    int found = -1;            // index of the first port that answered, -1 when none did
    std::uint16_t version = 0; // what it answered
    bool stopped = false;
    std::vector<TProbeResult> probes; // one per port asked, in order
};

// Probes paths in order until one answers or stop is set. probing(i) comes before port i is
// asked, probed(i, result) after.
TSearchResult FindDevice(const std::vector<QString>& paths, const std::atomic_bool& stop,
                         const std::function<void(int)>& probing = {},
                         const std::function<void(int, const TProbeResult&)>& probed = {},
                         const TIoFactory& makeIo = MakeQtSerialPortIo);

// What the system reports of the adapter behind a device path (a link such as
// /dev/serial/by-id/... is followed); all empty for a pseudo-terminal or an unknown path.
struct TAdapterInfo {
    QString description;
    QString manufacturer;
    QString serialNumber;
    QString systemLocation;
    int vendorId = -1; // USB ids, -1 when unknown
    int productId = -1;
    bool isEmpty() const {
        return description.isEmpty() && manufacturer.isEmpty() && serialNumber.isEmpty();
    }
};
// One entry per path, asking the system once.
std::vector<TAdapterInfo> DescribeAdapters(const std::vector<QString>& paths);

} // namespace portsearch
