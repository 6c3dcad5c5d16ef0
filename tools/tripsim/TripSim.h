#pragma once

// The simulated trip computer on a pseudo-terminal. A thread of its own plays the line and
// the device: it echoes every byte the PC sends (as an RS-485 line does), answers the
// requests through TSimDevice and paces all bytes at the configured bit rate, 11 bits a
// byte (8 data bits, 2 stop bits), on a line both directions share.

#include "SimDevice.h"
#include "SimDrive.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace sim {

struct TTripSimOptions {
    std::uint16_t version = 0x4610;
    std::uint8_t settingsVersion = 1;
    int baud = 19200; // 0: no pacing at all
    bool echo = true;
    std::vector<TFault> faults;
    TRandomFaults randomFaults; // besides the fixed ones
    QByteArray memory;          // empty: the default memory for settingsVersion
    // Run the line thread at real-time priority where the system allows it, so that its
    // timing stays that of a device however busy the machine is.
    bool realtime = false;
};

class TTripSim {
public:
    static constexpr int BitsPerByte = 11;

    explicit TTripSim(TTripSimOptions options = {});
    ~TTripSim();
    TTripSim(const TTripSim&) = delete;
    TTripSim& operator=(const TTripSim&) = delete;

    // Opens the pseudo-terminal, optionally publishes it as a symbolic link, and starts
    // answering. Raises TError.
    void Start(const QString& linkPath = QString());
    void Stop();

    QString SlavePath() const { return slavePath_; }

    QByteArray Memory() const;
    void SetMemory(const QByteArray& memory);
    std::uint16_t Version() const;
    std::vector<TRequestRecord> Requests() const;
    // Requests taken since the start; fault numbers count these.
    int RequestCount() const;
    int Identifications() const;
    int ProtocolErrors() const;
    // Requests that met a fault, fixed or random.
    int FaultsPlayed() const;
    void ClearRequests();
    void AddFault(const TFault& fault);
    // The device records one completed drive into its memory, as it does when the car has
    // been driven (SimDriveRecorder.h): the same drives in the same order on every run.
    // Returns the drive.
    TDrive RecordDrive();

private:
    void run();

    TTripSimOptions options_;
    mutable std::mutex mutex_;
    TSimDevice device_;
    TRandom drives_;
    int master_ = -1;
    int slaveKeeper_ = -1; // keeps the line up while no program has the port open
    int wake_[2] = {-1, -1};
    QString slavePath_;
    QString linkPath_;
    std::thread thread_;
};

} // namespace sim
