#include "SimDevice.h"

#include "ByteAccess.h"
#include "DeviceMemory.h"
#include "FrameChecksum.h"

#include <QRegularExpression>
#include <span>

namespace sim {

namespace {

constexpr std::uint8_t StatusOk = 0x00;
constexpr std::uint8_t StatusBusy = 0xFF;
constexpr int RequestHeader = 5; // length, address, fixed word, command
constexpr int MinRequest = 6;

std::span<const std::uint8_t> asBytes(const QByteArray& b) {
    return {reinterpret_cast<const std::uint8_t*>(b.constData()),
            static_cast<std::size_t>(b.size())};
}

struct TModeName {
    const char* name;
    TFaultMode mode;
};
constexpr TModeName ModeNames[] = {
    {"power-cycle", TFaultMode::PowerCycle},
    {"checksum", TFaultMode::BadChecksum},
    {"busy", TFaultMode::Busy},
    {"cut", TFaultMode::CutReply},
    {"drop", TFaultMode::DropReply},
    {"zero-header", TFaultMode::ZeroHeader},
    {"unstored-write", TFaultMode::UnstoredWrite},
};

} // namespace

std::optional<TFault> ParseFault(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^([a-z-]+)@(\\d+)(?:-(\\d+))?$"));
    const auto match = form.match(text.trimmed());
    if (!match.hasMatch()) return std::nullopt;
    for (const TModeName& m : ModeNames) {
        if (match.captured(1) != QLatin1String(m.name)) continue;
        const int first = match.captured(2).toInt();
        const int last = match.captured(3).isEmpty() ? first : match.captured(3).toInt();
        if (m.mode == TFaultMode::PowerCycle)
            return match.captured(3).isEmpty() ? std::optional(TFault{m.mode, 1, first})
                                               : std::nullopt;
        if (first < 1 || last < first) return std::nullopt;
        return TFault{m.mode, first, last};
    }
    return std::nullopt;
}

QByteArray MakeFrame(const QByteArray& body) {
    QByteArray frame;
    frame.append(static_cast<char>(body.size() + 2));
    frame.append(body);
    frame.append(static_cast<char>(FrameChecksum(asBytes(frame))));
    return frame;
}

TSimDevice::TSimDevice(QByteArray memory_, std::uint16_t version_)
    : memory(std::move(memory_)), version(version_) {}

const TFault* TSimDevice::faultFor(int requestNumber, bool identify) const {
    for (const TFault& f : faults_) {
        const int number =
            f.mode == TFaultMode::PowerCycle ? (identify ? identifications : 0) : requestNumber;
        if (number >= f.first && number <= f.last) return &f;
    }
    return nullptr;
}

void TSimDevice::SetRandomFaults(const TRandomFaults& random) {
    random_ = random;
    rng_.seed(random.seed);
}

std::optional<TFaultMode> TSimDevice::randomFault() {
    static constexpr TFaultMode Modes[] = {TFaultMode::BadChecksum, TFaultMode::Busy,
                                           TFaultMode::CutReply, TFaultMode::DropReply,
                                           TFaultMode::PowerCycle};
    if (random_.rate <= 0 || std::uniform_real_distribution<double>(0, 1)(rng_) >= random_.rate)
        return std::nullopt;
    const TFaultMode mode =
        Modes[std::uniform_int_distribution<std::size_t>(0, std::size(Modes) - 1)(rng_)];
    if (mode == TFaultMode::PowerCycle) {
        // A restart forgets what was staged for a region that was not yet ended.
        regionOpen_ = false;
        staging_.clear();
    }
    return mode;
}

std::optional<QByteArray> TSimDevice::Handle(const QByteArray& request, std::int64_t atUs) {
    if (request.size() < MinRequest || static_cast<std::uint8_t>(request[0]) != request.size() ||
        !FrameSumIsValid(asBytes(request)) ||
        static_cast<std::uint8_t>(request[1]) != devmem::DeviceAddress) {
        ++protocolErrors;
        return std::nullopt;
    }
    requests.push_back({request, atUs});
    ++requestCount;
    const bool identify = static_cast<std::uint8_t>(request[4]) == devmem::CmdIdentify;
    if (identify) ++identifications;

    std::optional<TFaultMode> fault;
    if (const TFault* fixed = faultFor(requestCount, identify))
        fault = fixed->mode;
    else
        fault = randomFault();
    if (fault) ++faultsPlayed;
    if (fault == TFaultMode::PowerCycle || fault == TFaultMode::DropReply) return std::nullopt;

    std::optional<QByteArray> data = execute(request, fault != TFaultMode::UnstoredWrite);
    if (!data) return std::nullopt;

    QByteArray body = request.mid(1, 3); // the reply header repeats address and fixed word
    body.append(static_cast<char>(fault == TFaultMode::Busy ? StatusBusy : StatusOk));
    body.append(*data);
    if (fault == TFaultMode::ZeroHeader) body.replace(0, 3, QByteArray(3, '\0'));
    QByteArray reply = MakeFrame(body);
    if (fault == TFaultMode::BadChecksum)
        reply[reply.size() - 1] = static_cast<char>(reply.back() + 1);
    if (fault == TFaultMode::CutReply) reply.truncate(reply.size() / 2);
    return reply;
}

std::optional<QByteArray> TSimDevice::execute(const QByteArray& request, bool storeWrites) {
    const QByteArray data = request.mid(RequestHeader, request.size() - MinRequest);
    auto word = [&](int i) { return int(bytes::u16le(data, i)); };
    try {
        switch (static_cast<std::uint8_t>(request[4])) {
        case devmem::CmdIdentify: {
            QByteArray reply(3, '\0');
            bytes::setU16le(reply, 1, version);
            return reply;
        }
        case devmem::CmdReadBlock: {
            const int block = word(0);
            if (block * BlockSize >= memory.size()) break;
            return memory.mid(block * BlockSize, BlockSize);
        }
        case devmem::CmdBeginRegion: {
            const int address = word(0), count = word(2);
            if (address + count > memory.size()) break;
            regionOpen_ = true;
            regionAddress_ = address;
            regionCount_ = count;
            staging_ = memory.mid(address, count);
            return QByteArray();
        }
        case devmem::CmdWriteBlock: {
            const int index = word(0), count = word(2);
            if (!regionOpen_ || count < 1 || count > BlockSize || data.size() < 4 + count ||
                index * BlockSize + count > regionCount_)
                break;
            if (storeWrites) staging_.replace(index * BlockSize, count, data.mid(4, count));
            return QByteArray();
        }
        case devmem::CmdEndRegion: {
            if (!regionOpen_ || word(0) != regionAddress_ || word(2) != regionCount_) break;
            memory.replace(regionAddress_, regionCount_, staging_);
            regionOpen_ = false;
            return QByteArray();
        }
        default:
            break;
        }
    } catch (const ERangeError&) {
        // a request too short for its command
    }
    ++protocolErrors;
    return std::nullopt;
}

} // namespace sim
