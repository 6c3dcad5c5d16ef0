#pragma once

// TMLBaseInterface: a request/reply link with a transmit and a receive buffer, the frame
// checksum and typed put/get operations. Values wider than a byte travel least significant
// byte first; floats as their IEEE 754 bit patterns. Every buffer index is checked: an
// index outside 0..2047 raises ERangeError instead of touching memory.

#include "ML_BD.h"

#include <QString>
#include <array>
#include <cstdint>

class TMLBaseInterface : public TMLBaseDevice {
public:
    static constexpr int BufferSize = 2048;
    // The length byte of a frame counts the whole frame, so no frame exceeds this.
    static constexpr int MaxFrameLength = 255;

    using TMLBaseDevice::TMLBaseDevice;

    // Checksum test of the frame in RxBuffer: bytes 0 .. RxBuffer[0] - 1 sum to 0.
    virtual bool CheckReply();
    // Starts a frame; index 0 is kept for the length byte.
    virtual void BeginFrame();
    // Writes the length byte and the checksum. TxLength then indexes the checksum byte.
    // A frame longer than MaxFrameLength raises ERangeError.
    virtual void FinishFrame();

    virtual void PutChar(std::uint8_t ch) = 0;
    virtual void PutByte(std::uint8_t b);
    virtual void PutWord(std::uint16_t w);
    virtual void PutDWord(std::uint32_t d);
    virtual void PutSingle(float f);
    virtual void PutDouble(double f);
    // The characters as device text (Windows-1251) and a terminating zero.
    virtual void PutString(const QString& s);

    virtual std::uint8_t GetChar() = 0;
    virtual std::uint8_t GetByte();
    virtual std::uint16_t GetWord();
    virtual std::uint32_t GetDWord();
    virtual float GetSingle();
    virtual double GetDouble();
    virtual QString GetString();

    // One exchange: BeginRequest, Put..., Transact, Get... (Command = without data).
    virtual void BeginRequest(std::uint8_t address, std::uint8_t command);
    virtual void Transact() = 0;
    virtual void Command(std::uint8_t address, std::uint8_t command);

    // Range-checked access to the buffers.
    std::uint8_t TxByte(int i) const;
    std::uint8_t RxByte(int i) const;
    void SetTxByte(int i, std::uint8_t v);
    void SetRxByte(int i, std::uint8_t v);

    int TxLength = 0;   // index of the next byte put into TxBuffer
    int RxPosition = 0; // index of the next byte taken from RxBuffer

protected:
    static void CheckIndex(int i);

    std::array<std::uint8_t, BufferSize> TxBuffer{};
    std::array<std::uint8_t, BufferSize> RxBuffer{};
};
