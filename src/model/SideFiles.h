#pragma once

// The two side files that carry part of the settings over a firmware change: the tank file
// (".velto", the level-sensor calibrations of sections 3 and 4) and the maintenance file
// (".veltt", section 5 without the engine-hours reserve). Both are the fields' bytes one
// after another, in the widths and little-endian byte order of the section records, with
// no header.
//
// Reading a file copies its bytes into the decoded section records in file order and stops
// at the end of a short file: the record bytes beyond keep their values. Of a longer file
// only the first TankFileSize / MaintenanceFileSize bytes count.

#include <QByteArray>
#include <QString>

class TMK;

constexpr int TankFileSize = 245;
constexpr int MaintenanceFileSize = 117;

// Default extensions (without the dot) and file-dialog filters, in the current language.
constexpr const char* TankFileExtension = "velto";
constexpr const char* MaintenanceFileExtension = "veltt";
QString TankFileFilter();
QString MaintenanceFileFilter();

// The file's bytes from the model's decoded sections 3 and 4, and back. Decoding returns
// how many of the file's bytes were copied (at most TankFileSize).
QByteArray EncodeTankFile(const TMK& model);
int DecodeTankFile(const QByteArray& file, TMK& model);

// The same for section 5.
QByteArray EncodeMaintenanceFile(const TMK& model);
int DecodeMaintenanceFile(const QByteArray& file, TMK& model);

// Writes the file atomically (QSaveFile: a failed save leaves an existing file as it was).
// Loading reads the file into memory first and changes the model only when that worked;
// returns the bytes copied. Failures raise TError naming the file, in the current language.
void SaveTankFile(const TMK& model, const QString& path);
int LoadTankFile(TMK& model, const QString& path);
void SaveMaintenanceFile(const TMK& model, const QString& path);
int LoadMaintenanceFile(TMK& model, const QString& path);
