#include "ML_RS232.h"

#include "DeviceText.h"
#include "Errors.h"
#include "Language.h"
#include "LinkTexts.h"

#include <QByteArray>
#include <QFileInfo>
#include <algorithm>
#include <cmath>

namespace {
constexpr std::uint16_t RequestFixedField = 1;
constexpr std::uint8_t BusyStatus = 0xFF;
constexpr double LineMsPerByteAt1Baud = 9600.0;
} // namespace

TML_RS::TML_RS(std::unique_ptr<ISerialPortIo> io, TPortMap map, ILinkClock& clock)
    : TML_RS_Base(std::move(io), std::move(map)), clock_(clock) {
    BaudRate = DefaultBaudRate;
    ByteSize = DefaultByteSize;
    Parity = DefaultParity;
    StopBits = DefaultStopBits;
    Name = QStringLiteral("RS232");
}

QString TML_RS::GetString() {
    QByteArray bytes;
    for (std::uint8_t b = GetByte(); b != 0; b = GetByte())
        bytes.append(static_cast<char>(b));
    return DecodeDeviceText(bytes);
}

void TML_RS::BeginRequest(std::uint8_t address, std::uint8_t command) {
    requiredReplyData_ = 0;
    BeginFrame();
    PutByte(address);
    PutWord(RequestFixedField);
    PutByte(command);
}

void TML_RS::Command(std::uint8_t address, std::uint8_t command) {
    BeginRequest(address, command);
    Transact();
}

void TML_RS::Transact() {
    FinishFrame();
    if (portType_ > PortRs232) clock_.sleepMs(TurnaroundPauseMs);
    for (int attempt = 1;; ++attempt) {
        try {
            Exchange();
            RxPosition = ReplyDataOffset;
            return;
        } catch (const TLinkInterrupted&) {
            throw;
        } catch (...) {
            if (attempt >= Attempts) throw;
        }
        // The same frame goes again; it is not rebuilt.
        clock_.sleepMs(RetryPauseMs);
    }
}

void TML_RS::Exchange() {
    SendFrame();
    ReceiveFrame();
    if (RxBuffer[1] == 0 && RxBuffer[2] == 0 && RxBuffer[3] == 0)
        throw TError(QString::fromLatin1(ZeroHeaderText));
    if (RxBuffer[4] == BusyStatus) throw TError(QString::fromUtf8(DeviceBusyText));
    if (ReplyDataLength() < requiredReplyData_) throw TError(QString::fromLatin1(ShortReplyText));
}

void TML_RS::SendFrame() {
    // No priority is raised around RTS: the link has a thread of its own that sleeps in the
    // port's wait and wakes on the echo's first byte, so RTS comes down right after the echo
    // without it, and a raised thread that also runs an event loop could starve the window.
    const bool echoed = portType_ == PortRs485Echo;
    if (echoed) RaiseRts();
    const int count = TxBuffer[0] == 0 ? 256 : TxBuffer[0];
    PurgeInput();
    PurgeOutput();
    if (IsOpen()) Io().write(TxBuffer.data(), count);
    if (echoed) {
        // The line hands our own request back; its faults are of no interest.
        try {
            ReceiveFrame();
        } catch (...) {
            // Whatever went wrong, RTS must come down again.
        }
        LowerRts();
    }
}

void TML_RS::ReceiveFrame() {
    if (!IsOpen()) throw TError(NoLinkMessage());

    const std::int64_t deadline =
        clock_.nowMs() + ResponseTimeout + RequestLineTimeMs(TxLength, BaudRate);
    bool got = false;
    for (;;) {
        got = Io().readByte(RxBuffer[0]);
        const std::int64_t now = clock_.nowMs();
        if (got || now > deadline) break;
        waitRound(now, deadline);
    }
    if (!got || RxBuffer[0] < MinReplyLength) throw TError(QString::fromLatin1(NoLinkText));

    const int length = RxBuffer[0];
    for (int i = 1; i < length; ++i) {
        const std::int64_t byteDeadline = clock_.nowMs() + ByteTimeout;
        for (;;) {
            // Waiting first costs nothing for a byte that is already there and wakes at once
            // for one on its way.
            if (waitRound(clock_.nowMs(), byteDeadline) &&
                Io().readByte(RxBuffer[static_cast<std::size_t>(i)]))
                break;
            if (clock_.nowMs() > byteDeadline)
                throw TError(QString::fromLatin1(DelayWithinBlockText));
        }
    }
    if (!CheckReply()) throw TError(QString::fromLatin1(ChecksumErrorText));
}

bool TML_RS::waitRound(std::int64_t now, std::int64_t deadline) {
    // A port that went away (an adapter pulled out) has nothing more to wait for.
    if (!IsOpen()) throw TError(NoLinkMessage());
    if (interrupted_ && interrupted_()) throw TLinkInterrupted();
    // One millisecond past the deadline, so that a wait that ends empty-handed is late.
    const std::int64_t untilLate = deadline - now + 1;
    return Io().waitForByte(static_cast<int>(std::clamp<std::int64_t>(untilLate, 0, WaitRoundMs)));
}

std::int64_t TML_RS::RequestLineTimeMs(int txLength, std::uint32_t baud) {
    if (baud == 0) return 0;
    const double exact = txLength * LineMsPerByteAt1Baud / baud;
    const double below = std::floor(exact);
    const double fraction = exact - below;
    auto rounded = static_cast<std::int64_t>(below);
    if (fraction > 0.5 || (fraction == 0.5 && rounded % 2 != 0)) ++rounded;
    return rounded;
}

QString TML_RS::NoLinkMessage() const {
    QString text = QString::fromLatin1(NoLinkText);
#ifdef Q_OS_LINUX
    if (!IsOpen() && LastOpenResult() == TPortOpenResult::NoPermission) {
        QString group = QFileInfo(LastOpenPath()).group();
        if (group.isEmpty() || group == QLatin1String("root")) group = QStringLiteral("dialout");
        text +=
            QLatin1Char('\n') + Tx("No permission to open %1. Add your user to the group \"%2\" "
                                   "(sudo usermod -aG %2 $USER) and log in again.",
                                   "Нет прав на открытие %1. Добавьте пользователя в группу \"%2\" "
                                   "(sudo usermod -aG %2 $USER) и войдите в систему заново.")
                                    .arg(LastOpenPath(), group);
    }
#endif
    return text;
}
