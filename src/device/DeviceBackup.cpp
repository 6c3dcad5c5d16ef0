#include "DeviceBackup.h"

#include "Errors.h"
#include "Language.h"
#include "Pars32H.h"
#include "SettingsFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString BackupSuffix = QStringLiteral(".veltg");
constexpr int MaxNameAttempts = 100; // writes within one second; more is a runaway loop

QString backupError(const QString& folder, const QString& detail) {
    QString text = Tx("Cannot save the backup of the device's memory in the folder %1. "
                      "Nothing was written to the device.",
                      "Не удалось сохранить резервную копию памяти МК в папке %1. "
                      "В МК ничего не записано.")
                       .arg(QDir::toNativeSeparators(folder));
    if (!detail.isEmpty()) text += QStringLiteral("\n") + detail;
    return text;
}

} // namespace

QString DefaultBackupFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("backups"));
}

QString BackupFileName(const QDateTime& when, std::uint16_t deviceVersion) {
    return when.toString(QStringLiteral("yyyyMMdd-HHmmss")) +
           QStringLiteral("-%1").arg(deviceVersion, 4, 16, QLatin1Char('0')) + BackupSuffix;
}

QString SaveDeviceBackup(const QString& folder, std::uint16_t deviceVersion,
                         const QByteArray& deviceImage) {
    if (folder.isEmpty() || !QDir().mkpath(folder)) throw TError(backupError(folder, {}));
    const QDir dir(folder);
    const QString name = BackupFileName(QDateTime::currentDateTime(), deviceVersion);
    QString path = dir.filePath(name);
    for (int n = 2; QFileInfo::exists(path); ++n) {
        if (n > MaxNameAttempts) throw TError(backupError(folder, {}));
        path = dir.filePath(name.chopped(BackupSuffix.size()) + QStringLiteral("-%1").arg(n) +
                            BackupSuffix);
    }
    TMK backup;
    backup.DeviceVersion = deviceVersion;
    backup.SettingsImage = deviceImage;
    try {
        SaveSettingsFile(backup, path);
    } catch (const TError& e) {
        throw TError(backupError(folder, e.message()));
    }
    return path;
}
