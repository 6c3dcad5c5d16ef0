#pragma once

// The two side files that carry part of the settings over a firmware change: the tank file
// (".velto", the level-sensor calibrations of sections 3 and 4) and the maintenance file
// (".veltt", section 5 without the engine-hours reserve). Both are the fields' bytes one
// after another, in the widths and little-endian byte order of the section records, with
// no header.
//
// Reading a file copies its bytes into the decoded section records in file order and stops
// at the end of a short file (an older program's): the record bytes beyond keep their
// values. A longer file is no file of this kind and is refused.

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
// Failures raise TError naming the file, in the current language.
void SaveTankFile(const TMK& model, const QString& path);
void SaveMaintenanceFile(const TMK& model, const QString& path);

// Reads a whole side file. A file longer than its kind is refused (TError naming the file,
// its size and the size expected); a shorter one is returned as it is, for the caller to
// decide.
QByteArray ReadTankFile(const QString& path);
QByteArray ReadMaintenanceFile(const QString& path);
// Copies what was read into the model; returns the bytes copied. The maintenance data is
// checked first as the editor checks a typed entry: equal readings of the universal input's
// two scaling points are refused (TError naming the file) and nothing changes.
int ApplyTankFile(const QByteArray& file, TMK& model, const QString& pathForMessages);
int ApplyMaintenanceFile(const QByteArray& file, TMK& model, const QString& pathForMessages);
// Read, then apply.
int LoadTankFile(TMK& model, const QString& path);
int LoadMaintenanceFile(TMK& model, const QString& path);

// The question before a short file is loaded, in the current language.
QString ShortSideFileQuestion(int held, int size);
