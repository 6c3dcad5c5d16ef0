#include "PortMap.h"

#include <QSettings>

namespace {
constexpr int UsbPorts = 8; // COM1..8
constexpr int AcmPorts = 8; // COM9..16
const char* const PortsSection = "Ports";
} // namespace

TPortMap::TPortMap() {
    for (int n = FirstPort; n <= LastPort; ++n)
        paths_[static_cast<std::size_t>(n)] = DefaultPath(n);
}

QString TPortMap::DefaultPath(int n) {
    if (!IsValidNumber(n)) return {};
#ifdef Q_OS_WIN
    return PortName(n);
#else
    if (n <= UsbPorts) return QStringLiteral("/dev/ttyUSB%1").arg(n - 1);
    if (n <= UsbPorts + AcmPorts) return QStringLiteral("/dev/ttyACM%1").arg(n - 1 - UsbPorts);
    return QStringLiteral("/dev/ttyS%1").arg(n - 1 - UsbPorts - AcmPorts);
#endif
}

TPortMap TPortMap::FromSettings(QSettings& ini) {
    TPortMap map;
    ini.beginGroup(QString::fromLatin1(PortsSection));
    for (int n = FirstPort; n <= LastPort; ++n) {
        const QString path = ini.value(PortName(n)).toString().trimmed();
        if (!path.isEmpty()) map.SetPath(n, path);
    }
    ini.endGroup();
    return map;
}

QString TPortMap::Path(int n) const {
    return IsValidNumber(n) ? paths_[static_cast<std::size_t>(n)] : QString();
}

void TPortMap::SetPath(int n, const QString& path) {
    if (IsValidNumber(n)) paths_[static_cast<std::size_t>(n)] = path;
}
