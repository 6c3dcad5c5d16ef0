// The simulated trip computer's random faults, which the fault soak relies on.

#include "DeviceMemory.h"
#include "FrameChecksum.h"
#include "SimDevice.h"
#include "SimMemory.h"

#include <gtest/gtest.h>
#include <optional>
#include <vector>

namespace {

QByteArray readRequest(int block) {
    QByteArray body("\xF4\x01\x00", 3);
    body.append(char(devmem::CmdReadBlock));
    body.append(char(block & 0xFF));
    body.append(char(block >> 8));
    return sim::MakeFrame(body);
}

struct TRun {
    std::vector<std::optional<QByteArray>> replies;
    int faults = 0;
};

TRun run(double rate, std::uint32_t seed, int requests) {
    sim::TSimDevice device(sim::BuildDefaultMemory(1), 0x4610);
    device.SetRandomFaults({rate, seed});
    TRun r;
    for (int i = 0; i < requests; ++i)
        r.replies.push_back(device.Handle(readRequest(1 + i % 127), 0));
    r.faults = device.faultsPlayed;
    return r;
}

} // namespace

// About the asked share of the requests meets a fault, every kind of them, and the same
// seed plays the same faults again.
TEST(SimFaults, RandomFaultsTakeTheirShareOfEveryKindAndRepeatWithTheSeed) {
    const int requests = 4000;
    const TRun a = run(0.05, 3, requests);
    EXPECT_NEAR(a.faults, requests * 0.05, requests * 0.015);
    int silent = 0, cut = 0, badSum = 0, busy = 0;
    for (const auto& reply : a.replies) {
        if (!reply) {
            ++silent; // dropped, or a power cycle
        } else if (reply->size() < 6 + 32) {
            ++cut;
        } else if (!FrameSumIsValid({reinterpret_cast<const std::uint8_t*>(reply->constData()),
                                     std::size_t(reply->size())})) {
            ++badSum;
        } else if (std::uint8_t(reply->at(4)) == 0xFF) {
            ++busy;
        }
    }
    EXPECT_EQ(silent + cut + badSum + busy, a.faults);
    for (int kind : {cut, badSum, busy})
        EXPECT_GT(kind, a.faults / 10);
    EXPECT_GT(silent, a.faults / 4) << "drops and power cycles";

    EXPECT_EQ(run(0.05, 3, requests).replies, a.replies);
    EXPECT_NE(run(0.05, 4, requests).replies, a.replies);
    EXPECT_EQ(run(0, 3, requests).faults, 0);
}
