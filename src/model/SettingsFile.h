#pragma once

// The settings file (".veltg"): the device version word (u16, little-endian), then the
// settings image, each byte XORed with a fixed 4096-byte key that repeats.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <cstdint>

class TMK;

constexpr int FileKeySize = 4096;
extern const std::uint8_t FileKeyTable[FileKeySize];

// XORs data with the key, counting key positions from the image's start.
QByteArray ScrambleImage(QByteArrayView data);

// The whole file as bytes, and back. DecodeSettingsFile refuses (TError, both languages)
// a file shorter than 2 bytes or with an image part longer than the device memory.
QByteArray EncodeSettingsFile(std::uint16_t deviceVersion, const QByteArray& image);
struct DecodedSettingsFile {
    std::uint16_t deviceVersion;
    QByteArray image;
};
DecodedSettingsFile DecodeSettingsFile(const QByteArray& file, const QString& pathForMessages);

// Why an image cannot be a trip computer's memory, in the current language; empty when it
// can. The one check every load of a settings file applies: a header, a section count of
// 1..14, and every section the device uses (1..min(count, 11)) with a place in the image
// by the device-address map (DeviceAddressMap.h) for its whole data (table length - 4).
QString ImageProblem(const QByteArray& image);
QString ImageProblem(const TMK& model);

// Atomic save (QSaveFile): a failed save leaves an existing file untouched; raises TError.
// An image that loading would refuse (too large, or failing ImageProblem) is not saved.
void SaveSettingsFile(const TMK& model, const QString& path);

// Reads and checks the whole file before touching the model; a file that fails the check
// is refused (TError naming the file and what is wrong) and the model stays as it was. On
// success the image is exactly the file's image, DeviceVersion the file's, sections 1..11
// are decoded and no record part counts as cleared.
void LoadSettingsFile(TMK& model, const QString& path);
