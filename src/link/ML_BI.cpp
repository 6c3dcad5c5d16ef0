#include "ML_BI.h"

#include "DeviceText.h"
#include "Errors.h"
#include "FrameChecksum.h"

#include <bit>
#include <span>

void TMLBaseInterface::CheckIndex(int i) {
    if (i < 0 || i >= BufferSize) throw ERangeError();
}

std::uint8_t TMLBaseInterface::TxByte(int i) const {
    CheckIndex(i);
    return TxBuffer[static_cast<std::size_t>(i)];
}

std::uint8_t TMLBaseInterface::RxByte(int i) const {
    CheckIndex(i);
    return RxBuffer[static_cast<std::size_t>(i)];
}

void TMLBaseInterface::SetTxByte(int i, std::uint8_t v) {
    CheckIndex(i);
    TxBuffer[static_cast<std::size_t>(i)] = v;
}

void TMLBaseInterface::SetRxByte(int i, std::uint8_t v) {
    CheckIndex(i);
    RxBuffer[static_cast<std::size_t>(i)] = v;
}

bool TMLBaseInterface::CheckReply() {
    const int length = RxBuffer[0];
    return FrameSumIsValid(std::span(RxBuffer).first(static_cast<std::size_t>(length)));
}

void TMLBaseInterface::BeginFrame() {
    TxLength = 1;
}

void TMLBaseInterface::FinishFrame() {
    const int frameLength = TxLength + 1;
    if (TxLength < 1 || frameLength > MaxFrameLength) throw ERangeError();
    TxBuffer[0] = static_cast<std::uint8_t>(frameLength);
    TxBuffer[static_cast<std::size_t>(TxLength)] =
        FrameChecksum(std::span(TxBuffer).first(static_cast<std::size_t>(TxLength)));
}

void TMLBaseInterface::PutByte(std::uint8_t b) {
    SetTxByte(TxLength, b);
    ++TxLength;
}

void TMLBaseInterface::PutWord(std::uint16_t w) {
    PutByte(static_cast<std::uint8_t>(w & 0xFF));
    PutByte(static_cast<std::uint8_t>(w >> 8));
}

void TMLBaseInterface::PutDWord(std::uint32_t d) {
    PutWord(static_cast<std::uint16_t>(d & 0xFFFF));
    PutWord(static_cast<std::uint16_t>(d >> 16));
}

void TMLBaseInterface::PutSingle(float f) {
    PutDWord(std::bit_cast<std::uint32_t>(f));
}

void TMLBaseInterface::PutDouble(double f) {
    const auto bits = std::bit_cast<std::uint64_t>(f);
    PutDWord(static_cast<std::uint32_t>(bits & 0xFFFFFFFFu));
    PutDWord(static_cast<std::uint32_t>(bits >> 32));
}

void TMLBaseInterface::PutString(const QString& s) {
    for (char c : EncodeDeviceText(s))
        PutByte(static_cast<std::uint8_t>(c));
    PutByte(0);
}

std::uint8_t TMLBaseInterface::GetByte() {
    const std::uint8_t b = RxByte(RxPosition);
    ++RxPosition;
    return b;
}

std::uint16_t TMLBaseInterface::GetWord() {
    const std::uint16_t low = GetByte();
    const std::uint16_t high = GetByte();
    return static_cast<std::uint16_t>(low | (high << 8));
}

std::uint32_t TMLBaseInterface::GetDWord() {
    const std::uint32_t low = GetWord();
    const std::uint32_t high = GetWord();
    return low | (high << 16);
}

float TMLBaseInterface::GetSingle() {
    return std::bit_cast<float>(GetDWord());
}

double TMLBaseInterface::GetDouble() {
    const std::uint64_t low = GetDWord();
    const std::uint64_t high = GetDWord();
    return std::bit_cast<double>(low | (high << 32));
}

QString TMLBaseInterface::GetString() {
    return {};
}

void TMLBaseInterface::BeginRequest(std::uint8_t, std::uint8_t) {}

void TMLBaseInterface::Command(std::uint8_t, std::uint8_t) {}
