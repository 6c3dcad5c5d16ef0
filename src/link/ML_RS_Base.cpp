#include "ML_RS_Base.h"

#include "LinkTexts.h"
#include "Prompt.h"

#include <QSettings>

namespace {
const char* const PortKey = "Port";
const char* const SelectCaption = "Port number selection";
const char* const SelectPrompt = "Select serial port";
} // namespace

TML_RS_Base::TML_RS_Base(std::unique_ptr<ISerialPortIo> io, TPortMap map)
    : TMLBaseInterface(QStringLiteral("RS232Base")), io_(std::move(io)), map_(std::move(map)) {
    EnumeratePorts();
    if (AvailableCount == 0) {
        ShowError(QString::fromLatin1(NoFreePortText));
        return;
    }
    PortNumber = FirstAvailablePort();
}

TML_RS_Base::~TML_RS_Base() {
    Close();
}

bool TML_RS_Base::IsPortPresent(int n) {
    return TPortMap::IsValidNumber(n) && io_->probe(map_.Path(n));
}

std::uint8_t TML_RS_Base::EnumeratePorts() {
    Close();
    AvailableCount = 0;
    PortAvailable.fill(false);
    for (int n = TPortMap::FirstPort; n <= TPortMap::LastPort; ++n) {
        PortAvailable[static_cast<std::size_t>(n)] = IsPortPresent(n);
        if (PortAvailable[static_cast<std::size_t>(n)]) ++AvailableCount;
    }
    return static_cast<std::uint8_t>(AvailableCount);
}

int TML_RS_Base::FirstAvailablePort() const {
    for (int n = TPortMap::FirstPort; n <= TPortMap::LastPort; ++n)
        if (PortAvailable[static_cast<std::size_t>(n)]) return n;
    return 0;
}

void TML_RS_Base::Open(int n) {
    if (n <= 0) return;
    PortNumber = n;
    if (!TPortMap::IsValidNumber(n) || !PortAvailable[static_cast<std::size_t>(n)])
        PortNumber = FirstAvailablePort();
    if (PortNumber == 0) {
        ShowError(QString::fromLatin1(NoFreePortText));
        return;
    }
    Close();
    lastOpenPath_ = map_.Path(PortNumber);
    lastOpen_ = io_->open(lastOpenPath_);
    if (lastOpen_ != TPortOpenResult::Opened) {
        io_->close();
        Opened = false;
        return;
    }
    // The driver's own queues are large enough for one frame each way; reads never wait.
    SetBaudRate(BaudRate);
    SetByteSize(ByteSize);
    SetParity(Parity);
    SetStopBits(StopBits);
    RaiseDtr();
    PurgeInput();
    Opened = true;
}

void TML_RS_Base::Close() {
    if (io_->isOpen()) io_->close();
    Opened = false;
}

bool TML_RS_Base::IsOpen() const {
    return io_->isOpen();
}

void TML_RS_Base::SetBaudRate(std::uint32_t rate) {
    BaudRate = rate;
    if (!IsOpen()) return;
    const std::int32_t reported = io_->setBaudRate(static_cast<std::int32_t>(rate));
    if (reported > 0) BaudRate = static_cast<std::uint32_t>(reported);
}

void TML_RS_Base::SetByteSize(std::uint8_t bits) {
    ByteSize = bits;
    if (IsOpen()) io_->setDataBits(bits);
}

void TML_RS_Base::SetParity(std::uint8_t code) {
    Parity = code;
    if (IsOpen()) io_->setParity(code);
}

void TML_RS_Base::SetStopBits(std::uint8_t code) {
    StopBits = code;
    if (IsOpen()) io_->setStopBits(code);
}

void TML_RS_Base::RaiseDtr() {
    if (IsOpen()) io_->setDtr(true);
}

void TML_RS_Base::RaiseRts() {
    if (IsOpen()) io_->setRts(true);
}

void TML_RS_Base::LowerRts() {
    if (IsOpen()) io_->setRts(false);
}

void TML_RS_Base::PurgeInput() {
    if (IsOpen()) io_->purgeInput();
}

void TML_RS_Base::PurgeOutput() {
    if (IsOpen()) io_->purgeOutput();
}

QString TML_RS_Base::PortLabel(int n) const {
    const QString name = TPortMap::PortName(n);
    const QString path = map_.Path(n);
    return path.isEmpty() || path == name ? name : QStringLiteral("%1 (%2)").arg(name, path);
}

void TML_RS_Base::SelectPort() {
    Close();
    EnumeratePorts();
    if (AvailableCount == 0) {
        ShowError(QString::fromLatin1(NoFreePortText));
        return;
    }
    // Every port, present or not: the dialog marks the absent ones.
    std::vector<TPortChoice> ports;
    for (int n = TPortMap::FirstPort; n <= TPortMap::LastPort; ++n)
        ports.push_back({TPortMap::PortName(n), map_.Path(n), PortLabel(n),
                         PortAvailable[static_cast<std::size_t>(n)]});
    const int chosen =
        Prompt().choosePort(QString::fromLatin1(SelectCaption), QString::fromLatin1(SelectPrompt),
                            ports, PortNumber - TPortMap::FirstPort);
    // Nothing chosen (cancelled, no entry selected or an absent one) keeps the previous port.
    const int n = chosen + TPortMap::FirstPort;
    if (TPortMap::IsValidNumber(n) && PortAvailable[static_cast<std::size_t>(n)]) PortNumber = n;
    Close();
    Open(PortNumber);
}

void TML_RS_Base::SetPortMap(const TPortMap& map) {
    if (map == map_) return;
    map_ = map;
    EnumeratePorts();
}

void TML_RS_Base::LoadSettings(QSettings& ini) {
    TMLBaseInterface::LoadSettings(ini);
    SetPortMap(TPortMap::FromSettings(ini));
    const QString key = Name + QLatin1Char('/') + QLatin1String(PortKey);
    // A value that is no number (a hand-edited file) counts as missing.
    bool isNumber = false;
    const int saved = ini.value(key, PortNumber).toString().trimmed().toInt(&isNumber);
    Open(isNumber ? saved : PortNumber);
}

void TML_RS_Base::SaveSettings(QSettings& ini) {
    TMLBaseInterface::SaveSettings(ini);
    ini.setValue(Name + QLatin1Char('/') + QLatin1String(PortKey), PortNumber);
}
