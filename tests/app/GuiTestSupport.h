#pragma once

// What the window tests share: one QApplication, a scratch folder and an application
// settings file whose ports all lead nowhere, so no test touches a real serial port.

#include "TestApp.h"

#include <QSettings>
#include <QString>
#include <QTemporaryDir>

// Writes [Ports] so that COM1 is com1Path (may be empty) and every other port is absent.
inline void WritePortMap(const QString& iniPath, const QString& folder, const QString& com1Path) {
    QSettings ini(iniPath, QSettings::IniFormat);
    for (int n = 1; n <= 32; ++n)
        ini.setValue(QStringLiteral("Ports/COM%1").arg(n),
                     n == 1 && !com1Path.isEmpty() ? com1Path
                                                   : folder + QStringLiteral("/absent%1").arg(n));
    ini.sync();
}
