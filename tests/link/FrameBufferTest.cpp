// The frame buffers: building, checksums, byte order and the range checks.

#include "Errors.h"
#include "LinkRig.h"

#include <gtest/gtest.h>

namespace {

QByteArray sentFrame(const TML_RS& link) {
    QByteArray f;
    for (int i = 0; i < link.TxByte(0); ++i)
        f.append(static_cast<char>(link.TxByte(i)));
    return f;
}

} // namespace

TEST(FrameBuffer, FinishFrameWritesLengthAndZeroSumChecksum) {
    TLinkRig rig;
    TML_RS& link = *rig.link;
    link.BeginFrame();
    link.FinishFrame();
    EXPECT_EQ(sentFrame(link), Bytes({0x02, 0xFE}));
    EXPECT_EQ(link.TxLength, 1); // the checksum's index; not advanced

    link.BeginRequest(0xF4, 0x05);
    link.PutWord(0x1234);
    link.FinishFrame();
    EXPECT_EQ(sentFrame(link), Frame(Bytes({0xF4, 0x01, 0x00, 0x05, 0x34, 0x12})));
    EXPECT_EQ(link.TxLength, 7);

    // 253 bytes after the length byte make a 255-byte frame; one more is refused.
    link.BeginFrame();
    for (int i = 0; i < 253; ++i)
        link.PutByte(0xFF);
    link.FinishFrame();
    EXPECT_EQ(link.TxByte(0), 255);
    EXPECT_EQ(FrameByteSum(std::span(
                  reinterpret_cast<const std::uint8_t*>(sentFrame(link).constData()), 255)),
              0);
    link.PutByte(0);
    EXPECT_THROW(link.FinishFrame(), ERangeError);
}

TEST(FrameBuffer, ValuesTravelLeastSignificantByteFirst) {
    TLinkRig rig;
    TML_RS& link = *rig.link;
    link.BeginFrame();
    link.PutWord(0x1234);
    link.PutDWord(0xA1B2C3D4u);
    link.PutSingle(1.5f); // 0x3FC00000
    link.PutDouble(-2.0); // 0xC000000000000000
    link.PutString(QStringLiteral("Ok"));
    const QByteArray expected =
        Bytes({0x34, 0x12, 0xD4, 0xC3, 0xB2, 0xA1, 0x00, 0x00, 0xC0, 0x3F, 0,
               0,    0,    0,    0,    0,    0x00, 0xC0, 'O',  'k',  0});
    for (int i = 0; i < expected.size(); ++i)
        EXPECT_EQ(link.TxByte(1 + i), static_cast<std::uint8_t>(expected[i])) << "byte " << i;

    // The same bytes read back through the receive buffer.
    for (int i = 0; i < expected.size(); ++i)
        link.SetRxByte(5 + i, static_cast<std::uint8_t>(expected[i]));
    link.RxPosition = 5;
    EXPECT_EQ(link.GetWord(), 0x1234);
    EXPECT_EQ(link.GetDWord(), 0xA1B2C3D4u);
    EXPECT_EQ(link.GetSingle(), 1.5f);
    EXPECT_EQ(link.GetDouble(), -2.0);
    EXPECT_EQ(link.GetString(), QStringLiteral("Ok"));
    EXPECT_EQ(link.RxPosition, 5 + expected.size());
}

TEST(FrameBuffer, IndexesOutsideTheBuffersRaiseRangeError) {
    TLinkRig rig;
    TML_RS& link = *rig.link;
    link.TxLength = TMLBaseInterface::BufferSize - 1;
    link.PutByte(1);
    EXPECT_THROW(link.PutByte(2), ERangeError);
    EXPECT_EQ(link.TxLength, TMLBaseInterface::BufferSize);

    link.RxPosition = TMLBaseInterface::BufferSize - 1;
    EXPECT_THROW(link.GetWord(), ERangeError);
    link.RxPosition = -1;
    EXPECT_THROW(link.GetByte(), ERangeError);
    EXPECT_THROW(link.SetRxByte(TMLBaseInterface::BufferSize, 0), ERangeError);

    // A text without its terminating zero stops at the buffer's end, not past it.
    for (int i = 0; i < TMLBaseInterface::BufferSize; ++i)
        link.SetRxByte(i, 'x');
    link.RxPosition = 0;
    EXPECT_THROW(link.GetString(), ERangeError);
}

TEST(FrameBuffer, CheckReplyWantsTheWholeFrameToSumToZero) {
    TLinkRig rig;
    TML_RS& link = *rig.link;
    const QByteArray good = Reply(Bytes({1, 2, 3}));
    for (int i = 0; i < good.size(); ++i)
        link.SetRxByte(i, static_cast<std::uint8_t>(good[i]));
    EXPECT_TRUE(link.CheckReply());
    link.SetRxByte(good.size() - 1, static_cast<std::uint8_t>(good.back() + 1));
    EXPECT_FALSE(link.CheckReply());
    // Bytes past the frame's length do not count.
    link.SetRxByte(good.size() - 1, static_cast<std::uint8_t>(good.back()));
    link.SetRxByte(good.size(), 0x77);
    EXPECT_TRUE(link.CheckReply());
}
