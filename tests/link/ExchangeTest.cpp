// Requests, replies, time-outs and retries of TML_RS on a scripted port in simulated time.

#include "Errors.h"
#include "LinkFailure.h"
#include "LinkRig.h"
#include "LinkTexts.h"

#include <atomic>
#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace {

using ::failureOf;

std::string failureOf(TML_RS& link) {
    return failureOf([&] { link.Command(0xF4, 0x01); });
}

QByteArray identifyRequest() {
    return Frame(Bytes({0xF4, 0x01, 0x00, 0x01}));
}

} // namespace

TEST(Exchange, RequestGoesOutOnceAndReplyDataIsReadFromOffsetFive) {
    TLinkRig rig;
    rig.answerAll({{Reply(Bytes({0x00, 0x10, 0x46}))}});
    rig.link->Command(0xF4, 0x01);
    ASSERT_EQ(rig.port->writes.size(), 1u);
    EXPECT_EQ(rig.port->writes[0].frame, identifyRequest());
    EXPECT_EQ(rig.link->RxPosition, 5);
    EXPECT_EQ(rig.link->GetByte(), 0x00);
    EXPECT_EQ(rig.link->GetWord(), 0x4610);
    EXPECT_TRUE(rig.time.sleeps.empty()); // RS-232: no pauses at all

    // A frame without data is a whole reply; one byte shorter is no reply at all.
    rig.answerAll({{Reply()}});
    rig.link->Command(0xF4, 0x01);
    EXPECT_EQ(rig.link->ReplyDataLength(), 0);
    rig.answerAll({{Frame(Bytes({0xF4, 0x01, 0x00}))}});
    EXPECT_EQ(failureOf(*rig.link), std::string(NoLinkText));
}

TEST(Exchange, EachBadReplyIsTriedThreeTimes50msApartThenReported) {
    QByteArray badSum = Reply(Bytes({1, 2}));
    badSum[badSum.size() - 1] = static_cast<char>(badSum.back() ^ 0x01);
    QByteArray cut = Reply(Bytes({1, 2, 3, 4, 5, 6}));
    cut.truncate(5);
    const struct {
        const char* name;
        std::vector<TTimedBytes> script;
        std::string text;
    } cases[] = {
        {"silence", {}, std::string(NoLinkText)},
        {"length below 6", {{Bytes({5, 0xF4, 1, 0, 0})}}, std::string(NoLinkText)},
        {"cut mid-frame", {{cut}}, std::string(DelayWithinBlockText)},
        {"bad checksum", {{badSum}}, std::string(ChecksumErrorText)},
        {"zero header", {{Frame(Bytes({0, 0, 0, 0, 7}))}}, std::string(ZeroHeaderText)},
        {"busy", {{Reply({}, 0xFF)}}, std::string(DeviceBusyText)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TLinkRig rig;
        rig.answerAll(c.script);
        EXPECT_EQ(failureOf(*rig.link), c.text);
        ASSERT_EQ(rig.port->writes.size(), 3u);
        for (const TWrite& w : rig.port->writes)
            EXPECT_EQ(w.frame, identifyRequest()); // the same frame, not rebuilt
        EXPECT_EQ(rig.time.sleeps, (std::vector<int>{50, 50}));
    }
}

TEST(Exchange, AFailedAttemptIsRetriedAndTheThirdMaySucceed) {
    TLinkRig rig;
    int calls = 0;
    rig.port->responder = [&](const QByteArray&) {
        return ++calls < 3 ? std::vector<TTimedBytes>{{Reply({}, 0xFF)}}
                           : std::vector<TTimedBytes>{{Reply(Bytes({0, 0x34, 0x12}))}};
    };
    rig.link->Command(0xF4, 0x01);
    EXPECT_EQ(rig.port->writes.size(), 3u);
    rig.link->GetByte();
    EXPECT_EQ(rig.link->GetWord(), 0x1234);
}

TEST(Exchange, FirstByteDeadlineIsResponseTimeoutPlusRoundedLineTime) {
    // txLength x 9600 / baud, halves to even.
    EXPECT_EQ(TML_RS::RequestLineTimeMs(41, 19200), 20); // 20.5
    EXPECT_EQ(TML_RS::RequestLineTimeMs(43, 19200), 22); // 21.5
    EXPECT_EQ(TML_RS::RequestLineTimeMs(5, 19200), 2);   // 2.5
    EXPECT_EQ(TML_RS::RequestLineTimeMs(7, 19200), 4);   // 3.5
    EXPECT_EQ(TML_RS::RequestLineTimeMs(8, 19200), 4);
    EXPECT_EQ(TML_RS::RequestLineTimeMs(41, 9600), 41);
    EXPECT_EQ(TML_RS::RequestLineTimeMs(7, 115200), 1); // 0.58
    EXPECT_EQ(TML_RS::RequestLineTimeMs(41, 0), 0);

    // A 42-byte request (checksum at 41) at 19200 bit/s and 30 ms: the deadline is 50 ms
    // after the request; a byte counts until the clock has passed it.
    for (const int firstAfter : {51, 52}) {
        TLinkRig rig;
        rig.link->ResponseTimeout = 30;
        rig.answerAll({{Reply(), firstAfter}});
        rig.link->BeginRequest(0xF4, 0x04);
        for (int i = 0; i < 36; ++i)
            rig.link->PutByte(0);
        rig.link->FinishFrame();
        ASSERT_EQ(rig.link->TxLength, 41);
        if (firstAfter == 51)
            EXPECT_NO_THROW(rig.link->Exchange());
        else
            EXPECT_THROW(rig.link->Exchange(), TError);
    }

    // A silent device: each attempt ends 1 ms past its deadline (100 + 2 ms), then 50 ms.
    TLinkRig rig;
    rig.link->ResponseTimeout = 100;
    EXPECT_EQ(failureOf(*rig.link), std::string(NoLinkText));
    ASSERT_EQ(rig.port->writes.size(), 3u);
    EXPECT_EQ(rig.port->writes[1].atMs - rig.port->writes[0].atMs, 103 + 50);
    EXPECT_EQ(rig.port->writes[2].atMs - rig.port->writes[1].atMs, 103 + 50);
}

TEST(Exchange, EachFurtherByteMayTakeUpToByteTimeout) {
    for (const int gap : {201, 202}) {
        TLinkRig rig;
        rig.answerAll({{Reply(Bytes({1, 2, 3})), 1, gap}});
        rig.link->BeginRequest(0xF4, 0x05);
        rig.link->FinishFrame();
        EXPECT_EQ(failureOf([&] { rig.link->Exchange(); }),
                  gap == 201 ? "(no error)" : DelayWithinBlockText);
    }
}

TEST(Exchange, HalfDuplexLinesPauseAndOnlyPortType2SwallowsTheEcho) {
    const QByteArray reply = Reply(Bytes({0, 0x10, 0x46}));
    {
        // RS-485 with echo: RTS up for the request and its echo, 2 ms pause first.
        TLinkRig rig(TML_RS::PortRs485Echo);
        rig.port->echo = true;
        rig.answerAll({{reply, 5}});
        rig.link->Command(0xF4, 0x01);
        EXPECT_EQ(rig.time.sleeps, std::vector<int>{2});
        EXPECT_EQ(rig.port->rtsChanges, (std::vector<bool>{true, false}));
        rig.link->GetByte();
        EXPECT_EQ(rig.link->GetWord(), 0x4610);
        EXPECT_EQ(rig.port->pending(), 0);
    }
    {
        // RS-422: the pause, but no echo to read and no RTS.
        TLinkRig rig(TML_RS::PortRs422);
        rig.answerAll({{reply}});
        rig.link->Command(0xF4, 0x01);
        EXPECT_EQ(rig.time.sleeps, std::vector<int>{2});
        EXPECT_TRUE(rig.port->rtsChanges.empty());
        EXPECT_EQ(rig.link->ReplyDataLength(), 3);
    }
    {
        // An echo that fails (here: cut short) is ignored; the reply still counts.
        TLinkRig rig(TML_RS::PortRs485Echo);
        rig.port->responder = [&](const QByteArray& frame) {
            return std::vector<TTimedBytes>{{frame.left(3), 0}, {reply, 300}};
        };
        rig.link->ResponseTimeout = 1000;
        rig.link->Command(0xF4, 0x01);
        EXPECT_EQ(rig.port->writes.size(), 1u);
        EXPECT_EQ(rig.link->ReplyDataLength(), 3);
    }
    TLinkRig rig;
    rig.link->SetPortType(3);
    EXPECT_EQ(rig.link->PortType(), TML_RS::PortRs232);
}

TEST(Exchange, StrayBytesBeforeAReplyCostOneAttempt) {
    for (const int stray : {0x03, 0x40}) {
        SCOPED_TRACE(stray);
        TLinkRig rig;
        const QByteArray reply = Reply(Bytes({0, 0x10, 0x46}));
        int calls = 0;
        rig.port->responder = [&](const QByteArray&) {
            std::vector<TTimedBytes> script{{reply, 2}};
            if (++calls == 1) script.insert(script.begin(), {Bytes({stray}), 1});
            return script;
        };
        rig.link->Command(0xF4, 0x01);
        EXPECT_EQ(rig.port->writes.size(), 2u);
        rig.link->GetByte();
        EXPECT_EQ(rig.link->GetWord(), 0x4610);
    }
}

TEST(Exchange, RepliesTooShortForTheCommandAreRefusedLongOnesAccepted) {
    TLinkRig rig;
    rig.answerAll({{Reply(Bytes({1, 2}))}});
    rig.link->BeginRequest(0xF4, 0x01);
    rig.link->RequireReplyData(3);
    EXPECT_THROW(rig.link->Transact(), TError);
    EXPECT_EQ(rig.port->writes.size(), 3u);

    // The longest frame the length byte can describe.
    rig.answerAll({{Reply(QByteArray(249, '\x11'))}});
    rig.link->BeginRequest(0xF4, 0x05);
    rig.link->RequireReplyData(32);
    rig.link->Transact();
    EXPECT_EQ(rig.link->ReplyDataLength(), 249);
}

TEST(Exchange, WaitingBlocksPerRoundAndARaisedInterruptionEndsTheExchangeAtOnce) {
    TLinkRig rig;
    rig.link->ResponseTimeout = 200;
    rig.link->BeginRequest(0xF4, 0x01);
    rig.link->FinishFrame();
    EXPECT_THROW(rig.link->Exchange(), TError);
    // About 200 ms in rounds of at most WaitRoundMs; never a busy loop.
    EXPECT_LE(rig.port->waits, 200 / TML_RS::WaitRoundMs + 2);

    // The flag goes up while the reply is awaited (the user cancels from the window's
    // thread): the exchange ends within a round, and Transact does not try again.
    std::atomic<bool> cancel{false};
    rig.link->SetInterruption([&] { return cancel.load(); });
    rig.port->responder = [&](const QByteArray&) {
        cancel = true;
        return std::vector<TTimedBytes>{{Reply(Bytes({1, 2, 3})), 5}};
    };
    const std::int64_t start = rig.time.now;
    rig.port->writes.clear();
    EXPECT_THROW(rig.link->Command(0xF4, 0x01), TLinkInterrupted);
    EXPECT_EQ(rig.port->writes.size(), 1u);
    EXPECT_LE(rig.time.now - start, TML_RS::WaitRoundMs);

    // Without the flag the same reply is awaited and taken.
    rig.link->SetInterruption({});
    rig.link->Command(0xF4, 0x01);
    EXPECT_EQ(rig.link->GetByte(), 1);
}

TEST(Exchange, APortThatVanishesMidReplyFailsAtOnce) {
    TLinkRig rig;
    rig.answerAll({{Reply(QByteArray(20, '\x01')), 1, 1}});
    rig.port->vanishAfterReads = 5;
    rig.link->BeginRequest(0xF4, 0x05);
    rig.link->FinishFrame();
    EXPECT_EQ(failureOf([&] { rig.link->Exchange(); }), NoLinkText);
    EXPECT_LT(rig.time.now, 20); // no waiting out the byte time-out
    EXPECT_LT(rig.port->waits, 10);
}
