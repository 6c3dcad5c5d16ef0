// Feeds arbitrary bytes to the link as the serial line's input and runs whole exchanges
// over them. Whatever arrives, an exchange either fails with a TError or yields a reply that
// passes every check; it never reads past a buffer or waits forever.
//
// Input: byte 0 picks the port type, the reply-data demand and how the bytes trickle in;
// byte 1 the gap between bytes in ms; the rest is the line's input.

#include "Errors.h"
#include "FakePort.h"
#include "ML_RS232.h"

#include <cstdint>
#include <cstdlib>

namespace {

constexpr int ResponseTimeoutMs = 20;
constexpr int ByteTimeoutMs = 10;
constexpr int Exchanges = 4;

void check(bool condition) {
    if (!condition) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    TFakeTime time;
    auto fake = std::make_unique<TFakePort>(time);
    TFakePort& port = *fake;
    port.ports[QStringLiteral("/dev/ttyUSB0")] = TPortOpenResult::Opened;
    TML_RS link(std::move(fake), TPortMap(), time);
    link.Open(1);
    link.SetBaudRate(19200);
    link.SetPortType(data[0] % 3);
    link.ResponseTimeout = ResponseTimeoutMs;
    link.ByteTimeout = ByteTimeoutMs;
    const int required = (data[0] >> 2) % 40;
    const int gap = data[1] % 16;
    port.queue({QByteArray(reinterpret_cast<const char*>(data + 2), qsizetype(size - 2)), 0, gap});

    for (int exchange = 0; exchange < Exchanges; ++exchange) {
        try {
            link.BeginRequest(0xF4, 0x05);
            link.PutWord(static_cast<std::uint16_t>(exchange));
            link.RequireReplyData(required);
            link.Transact();
        } catch (const TError&) {
            continue;
        }
        const int length = link.RxByte(0);
        check(length >= TML_RS::MinReplyLength);
        check(link.CheckReply());
        check(link.RxByte(1) != 0 || link.RxByte(2) != 0 || link.RxByte(3) != 0);
        check(link.RxByte(4) != 0xFF);
        check(link.ReplyDataLength() >= required);
        check(link.RxPosition == TML_RS::ReplyDataOffset);
        for (int i = 0; i < link.ReplyDataLength(); ++i)
            link.GetByte();
    }
    // Simulated time only moves by the link's own bounded waits: per read the first-byte
    // deadline (plus the line time and the tick past it) and one byte time-out per byte;
    // two reads (echo and reply) per attempt, three attempts, the pauses between.
    const std::int64_t perRead = ResponseTimeoutMs + 5 + (ByteTimeoutMs + 1) * 255;
    check(time.now <= Exchanges * (3 * (2 * perRead + TML_RS::RetryPauseMs) + 2));
    return 0;
}
