// The serial port through QSerialPort. Reads and waits work without an event loop: a
// wait polls the port's descriptor and wakes as soon as bytes arrive.

#include "SerialPortIo.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QSerialPort>
#include <QSerialPortInfo>
#include <QStringList>
#include <iterator>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <poll.h>
#include <unistd.h>
#endif

namespace {

constexpr int WriteTimeoutMs = 1000;
// How long one listing of the system's serial ports is trusted while probing.
constexpr int PortListLifetimeMs = 2000;

class TQtSerialPortIo : public ISerialPortIo {
public:
    bool probe(const QString& path) override {
#ifdef Q_OS_WIN
        return systemPorts().contains(path.toUpper());
#else
        const QFileInfo info(path);
        if (!info.exists()) return false;
        // Legacy UART nodes exist whether or not a UART is behind them; believe only the
        // ones the system's port listing confirms.
        const QString target = info.canonicalFilePath();
        if (target.startsWith(QLatin1String("/dev/ttyS"))) return systemPorts().contains(target);
        return true;
#endif
    }

    TPortOpenResult open(const QString& path) override {
        port_.close();
        port_.setPortName(path);
        dtrWorks_ = rtsWorks_ = true;
        if (port_.open(QIODevice::ReadWrite)) {
            port_.setFlowControl(QSerialPort::NoFlowControl);
            port_.clearError();
            return TPortOpenResult::Opened;
        }
        const auto error = port_.error();
        port_.clearError();
        const QFileInfo info(path);
#ifdef Q_OS_WIN
        if (error == QSerialPort::DeviceNotFoundError) return TPortOpenResult::Absent;
        return TPortOpenResult::Busy;
#else
        if (error == QSerialPort::DeviceNotFoundError || !info.exists())
            return TPortOpenResult::Absent;
        if (!info.isReadable() || !info.isWritable()) return TPortOpenResult::NoPermission;
        return TPortOpenResult::Busy;
#endif
    }

    void close() override {
        port_.close();
    }
    bool isOpen() const override {
        return port_.isOpen();
    }

    std::int32_t setBaudRate(std::int32_t rate) override {
        if (!port_.isOpen()) return 0;
        port_.setBaudRate(rate);
        port_.clearError();
        return port_.baudRate();
    }

    void setDataBits(int bits) override {
        if (bits >= 5 && bits <= 8)
            apply(port_.setDataBits(static_cast<QSerialPort::DataBits>(bits)));
    }

    void setParity(int code) override {
        static constexpr QSerialPort::Parity parities[] = {
            QSerialPort::NoParity, QSerialPort::OddParity, QSerialPort::EvenParity,
            QSerialPort::MarkParity, QSerialPort::SpaceParity};
        if (code >= 0 && code < int(std::size(parities))) apply(port_.setParity(parities[code]));
    }

    void setStopBits(int code) override {
        static constexpr QSerialPort::StopBits stops[] = {
            QSerialPort::OneStop, QSerialPort::OneAndHalfStop, QSerialPort::TwoStop};
        if (code >= 0 && code < int(std::size(stops))) apply(port_.setStopBits(stops[code]));
    }

    // Pseudo-terminals and some adapters have no modem lines. Once refused, a line is
    // left alone, which keeps a failing call off every exchange.
    void setDtr(bool on) override {
        if (dtrWorks_) dtrWorks_ = port_.setDataTerminalReady(on);
        port_.clearError();
    }
    void setRts(bool on) override {
        if (rtsWorks_) rtsWorks_ = port_.setRequestToSend(on);
        port_.clearError();
    }

    void purgeInput() override {
        apply(port_.clear(QSerialPort::Input));
    }
    void purgeOutput() override {
        apply(port_.clear(QSerialPort::Output));
    }

    bool readByte(std::uint8_t& byte) override {
        if (!port_.isOpen()) return false;
        // Collects what the driver already holds, without waiting.
        if (port_.bytesAvailable() == 0 && !port_.waitForReadyRead(0)) {
            settleFailedWait();
            return false;
        }
        char c = 0;
        if (!port_.getChar(&c)) return false;
        byte = static_cast<std::uint8_t>(c);
        return true;
    }

    bool waitForByte(int timeoutMs) override {
        if (!port_.isOpen()) return false;
        if (port_.bytesAvailable() > 0) return true;
        const bool ready = port_.waitForReadyRead(timeoutMs);
        if (!ready) settleFailedWait();
        return ready;
    }

    bool write(const std::uint8_t* data, int count) override {
        if (!port_.isOpen()) return false;
#ifdef Q_OS_UNIX
        // A frame goes straight to the descriptor: the buffered write would cost a notifier
        // round and an extra poll on every exchange.
        if (port_.bytesToWrite() == 0) return writeDirect(data, count);
#endif
        if (port_.write(reinterpret_cast<const char*>(data), count) != count) return false;
        QElapsedTimer timer;
        timer.start();
        while (port_.bytesToWrite() > 0 && timer.elapsed() < WriteTimeoutMs)
            if (!port_.waitForBytesWritten(int(WriteTimeoutMs - timer.elapsed()))) break;
        return port_.bytesToWrite() == 0;
    }

private:
    void apply(bool) {
        port_.clearError();
    }

    // A wait that ended without data. A plain time-out is no error of the port. A port whose
    // far end has hung up (adapter pulled out, simulator gone) reports itself readable at
    // once for ever, so every wait on it would return at once and the link would spin; it
    // never recovers either, so it is closed and the link fails straight away.
    void settleFailedWait() {
        const QSerialPort::SerialPortError error = port_.error();
        port_.clearError();
        if (error == QSerialPort::NoError || error == QSerialPort::TimeoutError) return;
#ifdef Q_OS_UNIX
        pollfd state{int(port_.handle()), POLLIN, 0};
        const bool hungUp =
            ::poll(&state, 1, 0) > 0 && (state.revents & (POLLHUP | POLLERR | POLLNVAL));
#else
        const bool hungUp = error == QSerialPort::ResourceError;
#endif
        if (hungUp && port_.bytesAvailable() == 0) port_.close();
    }

#ifdef Q_OS_UNIX
    bool writeDirect(const std::uint8_t* data, int count) {
        const int fd = int(port_.handle());
        QElapsedTimer timer;
        timer.start();
        for (int done = 0; done < count;) {
            const ssize_t n = ::write(fd, data + done, std::size_t(count - done));
            if (n > 0) {
                done += int(n);
                continue;
            }
            if (n < 0 && errno != EAGAIN && errno != EINTR) return false;
            const qint64 left = WriteTimeoutMs - timer.elapsed();
            if (left <= 0) return false;
            pollfd writable{fd, POLLOUT, 0};
            ::poll(&writable, 1, int(left));
        }
        return true;
    }
#endif

    const QStringList& systemPorts() {
        if (!listTimer_.isValid() || listTimer_.elapsed() > PortListLifetimeMs) {
            systemPorts_.clear();
            for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
#ifdef Q_OS_WIN
                systemPorts_ << info.portName().toUpper();
#else
                systemPorts_ << QFileInfo(info.systemLocation()).canonicalFilePath();
#endif
            listTimer_.start();
        }
        return systemPorts_;
    }

    QSerialPort port_;
    bool dtrWorks_ = true;
    bool rtsWorks_ = true;
    QStringList systemPorts_;
    QElapsedTimer listTimer_;
};

} // namespace

std::unique_ptr<ISerialPortIo> MakeQtSerialPortIo() {
    return std::make_unique<TQtSerialPortIo>();
}
