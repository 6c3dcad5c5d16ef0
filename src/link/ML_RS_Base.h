#pragma once

// TML_RS_Base: the serial-port layer of the link. Finds which of COM1..COM32 are present,
// opens one exclusively, keeps the line settings (also while closed, applied at the next
// open), drives DTR/RTS, clears the queues and remembers the port number in the
// application settings (section = component name, key "Port").

#include "ML_BI.h"
#include "PortMap.h"
#include "SerialPortIo.h"

#include <array>
#include <cstdint>
#include <memory>

class TML_RS_Base : public TMLBaseInterface {
public:
    static constexpr std::uint32_t DefaultBaudRate = 115200;
    static constexpr std::uint8_t DefaultByteSize = 8;
    static constexpr std::uint8_t DefaultParity = 0;   // none
    static constexpr std::uint8_t DefaultStopBits = 2; // two

    // Enumerates the ports of the map (showing "Can not find free serial port!" when there
    // is none) and picks the lowest present one; opens nothing.
    explicit TML_RS_Base(std::unique_ptr<ISerialPortIo> io = MakeQtSerialPortIo(),
                         TPortMap map = TPortMap());
    ~TML_RS_Base() override;

    bool IsPortPresent(int n);
    // Closes the own port first so that it counts as present.
    std::uint8_t EnumeratePorts();
    // 0 when no port is present.
    int FirstAvailablePort() const;

    // Opens port n, or the lowest present port when n is absent (a number outside 1..32
    // counts as absent). n <= 0 does nothing. A port that is present but cannot be opened
    // leaves the link closed without a message; see LastOpenResult.
    void Open(int n);
    void Close();
    bool IsOpen() const;

    void SetBaudRate(std::uint32_t rate); // keeps what the driver reports back
    void SetByteSize(std::uint8_t bits);
    void SetParity(std::uint8_t code);
    void SetStopBits(std::uint8_t code);
    void RaiseDtr();
    void RaiseRts();
    void LowerRts();
    void PurgeInput();
    void PurgeOutput();

    // The "Select a COM port" command: closes, re-enumerates, asks through the prompt
    // (every port, each entry "COMn (path)", the absent ones marked) and reopens the chosen
    // port, or the previous one when cancelled.
    void SelectPort();

    // Reads the port map (section "Ports") and opens the saved port number.
    void LoadSettings(QSettings& ini) override;
    void SaveSettings(QSettings& ini) override;

    const TPortMap& PortMap() const { return map_; }
    // Re-enumerates when the map changes (closing the port).
    void SetPortMap(const TPortMap& map);
    // The entry the port dialog shows for port n.
    QString PortLabel(int n) const;

    TPortOpenResult LastOpenResult() const { return lastOpen_; }
    const QString& LastOpenPath() const { return lastOpenPath_; }

    int AvailableCount = 0;
    std::array<bool, TPortMap::LastPort + 1> PortAvailable{}; // [n] for COMn, [0] unused
    bool Opened = false;
    int PortNumber = 0;
    std::uint32_t BaudRate = DefaultBaudRate;
    std::uint8_t ByteSize = DefaultByteSize;
    std::uint8_t Parity = DefaultParity;
    std::uint8_t StopBits = DefaultStopBits;

protected:
    ISerialPortIo& Io() { return *io_; }

private:
    std::unique_ptr<ISerialPortIo> io_;
    TPortMap map_;
    TPortOpenResult lastOpen_ = TPortOpenResult::Absent;
    QString lastOpenPath_;
};
