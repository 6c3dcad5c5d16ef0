#pragma once

// The small serial-port interface the link talks to. Production uses QSerialPort
// (QtSerialPortIo.h); tests use a scripted fake or the simulated trip computer on a
// pseudo-terminal. Every call works on the one port this object has open.

#include <QString>
#include <cstdint>
#include <memory>

enum class TPortOpenResult {
    Opened,
    Absent,       // no such device
    Busy,         // present, but another program holds it
    NoPermission, // present, but this user may not open it
};

class ISerialPortIo {
public:
    virtual ~ISerialPortIo() = default;

    // True when a port exists at the path (nothing is kept open).
    virtual bool probe(const QString& path) = 0;
    // Opens exclusively for reading and writing, raw, no flow control.
    virtual TPortOpenResult open(const QString& path) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    // Line settings on the open port. setBaudRate returns the rate the driver reports
    // afterwards (0 when unknown). Codes: parity 0 none, 1 odd, 2 even, 3 mark, 4 space;
    // stop bits 0 one, 1 one and a half, 2 two.
    virtual std::int32_t setBaudRate(std::int32_t rate) = 0;
    virtual void setDataBits(int bits) = 0;
    virtual void setParity(int code) = 0;
    virtual void setStopBits(int code) = 0;

    virtual void setDtr(bool on) = 0;
    virtual void setRts(bool on) = 0;
    virtual void purgeInput() = 0;
    virtual void purgeOutput() = 0;

    // Takes one received byte if one is there; never waits.
    virtual bool readByte(std::uint8_t& byte) = 0;
    // Blocks until a byte can be read or timeoutMs has passed; wakes as soon as a byte
    // arrives. Returns whether a byte is ready.
    virtual bool waitForByte(int timeoutMs) = 0;
    // Puts the bytes on the line (all of them, or returns false).
    virtual bool write(const std::uint8_t* data, int count) = 0;
};

// The QSerialPort implementation.
std::unique_ptr<ISerialPortIo> MakeQtSerialPortIo();
