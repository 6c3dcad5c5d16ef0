#pragma once

// The backup of the device's memory that every write keeps before it changes anything: a
// settings file named YYYYMMDD-HHMMSS-<device version in hex>.veltg in one backup folder,
// the same for the window and the command-line tool.

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <cstdint>

// "backups" in the user's data folder (~/.local/share/tripconf/backups on Linux).
QString DefaultBackupFolder();

// "20261208-101500-4610.veltg" for a device of version 0x4610 read at that moment.
QString BackupFileName(const QDateTime& when, std::uint16_t deviceVersion);

// Saves the device's image as a settings file in folder (created when missing) and returns
// its path. A name already taken gets "-2", "-3", ... before the extension, so two writes
// within one second never replace the older backup. Raises TError naming the folder.
QString SaveDeviceBackup(const QString& folder, std::uint16_t deviceVersion,
                         const QByteArray& deviceImage);
