#include "PortSearch.h"

#include "DeviceMemory.h"
#include "ML_RS232.h"

#include <QFileInfo>
#include <QSerialPortInfo>

namespace portsearch {

namespace {

constexpr int ProbedPortNumber = 1;

// The port being probed, as the only port of a link of its own. It counts as present even
// when it went away a moment ago, so that the link never reports "no free port" (a message
// box, which a worker thread must not open); opening it then fails and the port is skipped.
class TOnePortIo : public ISerialPortIo {
public:
    TOnePortIo(std::unique_ptr<ISerialPortIo> io, QString path)
        : io_(std::move(io)), path_(std::move(path)) {}

    bool probe(const QString& path) override { return path == path_; }
    TPortOpenResult open(const QString& path) override { return io_->open(path); }
    void close() override { io_->close(); }
    bool isOpen() const override { return io_->isOpen(); }
    std::int32_t setBaudRate(std::int32_t rate) override { return io_->setBaudRate(rate); }
    void setDataBits(int bits) override { io_->setDataBits(bits); }
    void setParity(int code) override { io_->setParity(code); }
    void setStopBits(int code) override { io_->setStopBits(code); }
    void setDtr(bool on) override { io_->setDtr(on); }
    void setRts(bool on) override { io_->setRts(on); }
    void purgeInput() override { io_->purgeInput(); }
    void purgeOutput() override { io_->purgeOutput(); }
    bool readByte(std::uint8_t& byte) override { return io_->readByte(byte); }
    bool waitForByte(int timeoutMs) override { return io_->waitForByte(timeoutMs); }
    bool write(const std::uint8_t* data, int count) override { return io_->write(data, count); }

private:
    std::unique_ptr<ISerialPortIo> io_;
    QString path_;
};

QString canonical(const QString& path) {
    const QString target = QFileInfo(path).canonicalFilePath();
    return target.isEmpty() ? path : target;
}

} // namespace

TProbeResult ProbePort(const QString& path, const std::atomic_bool& stop,
                       const TIoFactory& makeIo) {
    if (stop) return {TProbeOutcome::Stopped};
    TPortMap map;
    for (int n = TPortMap::FirstPort; n <= TPortMap::LastPort; ++n)
        map.SetPath(n, n == ProbedPortNumber ? path : QString());
    TML_RS link(std::make_unique<TOnePortIo>(makeIo(), path), map);
    link.SetPortType(TML_RS::PortRs485Echo);
    link.SetBaudRate(LineBaudRate);
    link.Open(ProbedPortNumber);
    if (!link.IsOpen()) return {TProbeOutcome::NotOpened, 0, link.LastOpenResult()};

    int rounds = 0;
    const TConnectResult r = WaitForDevice(link, [&] { return stop || ++rounds >= RoundsPerPort; });
    link.Close();
    if (r.connected) return {TProbeOutcome::Answered, r.version};
    return {stop ? TProbeOutcome::Stopped : TProbeOutcome::Silent};
}

TSearchResult FindDevice(const std::vector<QString>& paths, const std::atomic_bool& stop,
                         const std::function<void(int)>& probing,
                         const std::function<void(int, const TProbeResult&)>& probed,
                         const TIoFactory& makeIo) {
    TSearchResult result;
    for (int i = 0; i < int(paths.size()); ++i) {
        if (stop) break;
        if (probing) probing(i);
        const TProbeResult probe = ProbePort(paths[std::size_t(i)], stop, makeIo);
        result.probes.push_back(probe);
        if (probed) probed(i, probe);
        if (probe.outcome == TProbeOutcome::Answered) {
            result.found = i;
            result.version = probe.version;
            return result;
        }
    }
    result.stopped = stop;
    return result;
}

std::vector<TAdapterInfo> DescribeAdapters(const std::vector<QString>& paths) {
    const QList<QSerialPortInfo> system = QSerialPortInfo::availablePorts();
    std::vector<TAdapterInfo> out;
    out.reserve(paths.size());
    for (const QString& path : paths) {
        TAdapterInfo info;
        const QString target = canonical(path);
        for (const QSerialPortInfo& port : system) {
#ifdef Q_OS_WIN
            const bool same = port.portName().compare(path, Qt::CaseInsensitive) == 0;
#else
            const bool same = canonical(port.systemLocation()) == target;
#endif
            if (!same) continue;
            info.description = port.description().trimmed();
            info.manufacturer = port.manufacturer().trimmed();
            info.serialNumber = port.serialNumber().trimmed();
            info.systemLocation = port.systemLocation();
            if (port.hasVendorIdentifier()) info.vendorId = port.vendorIdentifier();
            if (port.hasProductIdentifier()) info.productId = port.productIdentifier();
            break;
        }
        out.push_back(info);
    }
    return out;
}

} // namespace portsearch
