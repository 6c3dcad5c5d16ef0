#pragma once

// Which device path stands behind "COMn" (n = 1..32). The settings file may name any path
// in its section "Ports" (keys "COM1".."COM32"), a pseudo-terminal included; otherwise
// COM1..8 are /dev/ttyUSB0..7, COM9..16 /dev/ttyACM0..7 and COM17..32 /dev/ttyS0..15.
// On Windows COMn is the port's own name.

#include <QString>
#include <array>

class QSettings;

class TPortMap {
public:
    static constexpr int FirstPort = 1;
    static constexpr int LastPort = 32;

    // The default paths.
    TPortMap();
    // The defaults, overridden by the entries of the "Ports" section.
    static TPortMap FromSettings(QSettings& ini);

    static bool IsValidNumber(int n) { return n >= FirstPort && n <= LastPort; }
    static QString DefaultPath(int n);
    static QString PortName(int n) { return QStringLiteral("COM%1").arg(n); }

    // Empty for a number outside 1..32.
    QString Path(int n) const;
    void SetPath(int n, const QString& path);

    bool operator==(const TPortMap&) const = default;

private:
    std::array<QString, LastPort + 1> paths_; // [0] unused
};
