#pragma once

// TML_RS: the link to the trip computer. Frames requests, puts them on the serial line,
// reads and checks the replies against time-outs and retries failed exchanges. Failures
// are TError exceptions with the fixed texts of LinkTexts.h.
//
// Request: L, address, 0x01 0x00, command, data..., checksum  (L counts the whole frame)
// Reply:   L, three header bytes (not all zero), status (0xFF = busy), data..., checksum

#include "Errors.h"
#include "LinkClock.h"
#include "ML_RS_Base.h"

#include <cstdint>
#include <functional>

// An exchange ended because the interruption flag was raised (the user cancelled the wait
// for the device). Never retried and never shown.
class TLinkInterrupted : public TError {
public:
    TLinkInterrupted() : TError(QStringLiteral("Interrupted")) {}
};

class TML_RS : public TML_RS_Base {
public:
    static constexpr int Attempts = 3;
    static constexpr int RetryPauseMs = 50;
    // Pause before the first attempt on a half-duplex line, so the far end has turned round.
    static constexpr int TurnaroundPauseMs = 2;
    static constexpr std::uint16_t DefaultByteTimeoutMs = 200;
    static constexpr std::uint16_t DefaultResponseTimeoutMs = 1000;
    // The longest single wait inside the reply loops; the interruption flag is looked at
    // between waits.
    static constexpr int WaitRoundMs = 10;
    static constexpr int MinReplyLength = 6;
    static constexpr int ReplyDataOffset = 5;

    static constexpr std::uint8_t PortRs232 = 0;
    static constexpr std::uint8_t PortRs422 = 1;     // RS-485 without echo
    static constexpr std::uint8_t PortRs485Echo = 2; // the request comes back as an echo

    explicit TML_RS(std::unique_ptr<ISerialPortIo> io = MakeQtSerialPortIo(),
                    TPortMap map = TPortMap(), ILinkClock& clock = SteadyLinkClock());

    // 0 RS232, 1 RS422 (no echo), 2 RS485 with the request's echo. Above 2 stores 0.
    std::uint8_t PortType() const { return portType_; }
    void SetPortType(std::uint8_t type) { portType_ = type > PortRs485Echo ? PortRs232 : type; }

    std::uint16_t ByteTimeout = DefaultByteTimeoutMs;         // ms, between reply bytes
    std::uint16_t ResponseTimeout = DefaultResponseTimeoutMs; // ms, for the first reply byte

    // While set, every wait of an exchange asks interrupted() once a round and, once it says
    // so, ends the exchange with TLinkInterrupted, which Transact passes on without retrying.
    // It typically reads an atomic flag that another thread raises (Cancel). Empty: none.
    void SetInterruption(std::function<bool()> interrupted) {
        interrupted_ = std::move(interrupted);
    }

    void PutChar(std::uint8_t ch) override { PutByte(ch); }
    std::uint8_t GetChar() override { return GetByte(); }
    // Bytes up to the first zero, as device text (Windows-1251).
    QString GetString() override;

    void BeginRequest(std::uint8_t address, std::uint8_t command) override;
    // Finishes the frame and exchanges it, up to Attempts times RetryPauseMs apart; the
    // last failure reaches the caller. On return RxPosition is at the reply's data.
    void Transact() override;
    void Command(std::uint8_t address, std::uint8_t command) override;

    // The current request demands a reply with at least this many data bytes; a shorter
    // one fails like any other bad reply. Reset by BeginRequest.
    void RequireReplyData(int bytes) { requiredReplyData_ = bytes; }
    // Data bytes of the frame in RxBuffer.
    int ReplyDataLength() const { return RxBuffer[0] - MinReplyLength; }

    void SendFrame();
    void ReceiveFrame();
    void Exchange();

    // Milliseconds the first-byte wait adds for a request whose checksum sits at index
    // txLength: txLength x 9600 / baud, rounded half to even (0 for an unknown rate).
    static std::int64_t RequestLineTimeMs(int txLength, std::uint32_t baud);
    // The no-link text, with how to fix it when the port could not be opened for want of
    // permission.
    QString NoLinkMessage() const;

private:
    // Waits for a byte until just past the deadline but at most one round; true when one is
    // ready to be read.
    bool waitRound(std::int64_t now, std::int64_t deadline);

    ILinkClock& clock_;
    std::uint8_t portType_ = PortRs232;
    int requiredReplyData_ = 0;
    std::function<bool()> interrupted_;
};
