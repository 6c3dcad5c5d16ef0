#pragma once

// A TML_RS on a scripted port (COM1 present) and simulated time, plus frame builders.

#include "FakePort.h"
#include "FrameChecksum.h"
#include "ML_RS232.h"

#include <QByteArray>
#include <initializer_list>
#include <memory>
#include <span>

inline QByteArray Bytes(std::initializer_list<int> values) {
    QByteArray b;
    for (int v : values)
        b.append(static_cast<char>(v));
    return b;
}

// Length byte, body, checksum.
inline QByteArray Frame(const QByteArray& body) {
    QByteArray f;
    f.append(static_cast<char>(body.size() + 2));
    f.append(body);
    f.append(static_cast<char>(
        FrameChecksum(std::span(reinterpret_cast<const std::uint8_t*>(f.constData()),
                                static_cast<std::size_t>(f.size())))));
    return f;
}

// A good reply: header F4 01 00, status, data.
inline QByteArray Reply(const QByteArray& data = {}, int status = 0) {
    return Frame(Bytes({0xF4, 0x01, 0x00, status}) + data);
}

struct TLinkRig {
    static constexpr const char* Com1 = "/dev/ttyUSB0";

    explicit TLinkRig(std::uint8_t portType = TML_RS::PortRs232) {
        auto fake = std::make_unique<TFakePort>(time);
        port = fake.get();
        port->ports[QString::fromLatin1(Com1)] = TPortOpenResult::Opened;
        link = std::make_unique<TML_RS>(std::move(fake), TPortMap(), time);
        link->Open(1);
        link->SetBaudRate(19200);
        link->SetPortType(portType);
    }

    // Every request gets the same reply script.
    void answerAll(std::vector<TTimedBytes> script) {
        port->responder = [script](const QByteArray&) { return script; };
    }

    TFakeTime time;
    TFakePort* port = nullptr;
    std::unique_ptr<TML_RS> link;
};
