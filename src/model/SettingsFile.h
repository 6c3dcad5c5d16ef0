#pragma once

// The settings file (".veltg"): the device version word (u16, little-endian), then the
// settings image, each byte XORed with a fixed 4096-byte key that repeats.

#include <QByteArray>
#include <QString>
#include <cstdint>

class TMK;

constexpr int FileKeySize = 4096;
extern const std::uint8_t FileKeyTable[FileKeySize];

// XORs data with the key, counting key positions from the image's start.
QByteArray ScrambleImage(const QByteArray& data);

// The whole file as bytes, and back. DecodeSettingsFile refuses (TError, both languages)
// a file shorter than 2 bytes or with an image part longer than the device memory.
QByteArray EncodeSettingsFile(std::uint16_t deviceVersion, const QByteArray& image);
struct DecodedSettingsFile {
    std::uint16_t deviceVersion;
    QByteArray image;
};
DecodedSettingsFile DecodeSettingsFile(const QByteArray& file, const QString& pathForMessages);

// Atomic save (QSaveFile): a failed save leaves an existing file untouched; raises TError.
// An image larger than the device memory (MemorySize) is refused, as loading would refuse the file.
void SaveSettingsFile(const TMK& model, const QString& path);
// Why the model's image cannot be a trip computer's memory (no section table, a section
// the image has no place for or does not hold whole), in the current language; empty when it can.
// Tools that act on a file without showing it first (the command-line tool) refuse such images.
QString ImageProblem(const TMK& model);

// Reads and checks the whole file before touching the model; on success the image is
// exactly the file's image, DeviceVersion the file's, and sections 1..11 are decoded.
void LoadSettingsFile(TMK& model, const QString& path);
