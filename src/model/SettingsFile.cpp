#include "SettingsFile.h"

#include "ByteAccess.h"
#include "Errors.h"
#include "Language.h"
#include "Pars32H.h"

#include <QFile>
#include <QSaveFile>
#include <algorithm>
#include <cstring>

namespace {

constexpr int VersionBytes = 2;

QString fileError(const char* en, const char* ru, const QString& path, const QString& detail) {
    QString text = Tx(en, ru).arg(path);
    if (!detail.isEmpty()) text += QStringLiteral("\n") + detail;
    return text;
}

// Eight bytes at a time through plain pointers: every load and save runs this over the
// whole image, and in the builds that check each access (debug, sanitizers) a loop of
// single bytes is not turned into wide operations by the compiler; QByteArray's
// operator[] would even check for sharing at every byte. Key-sized pieces start the key
// afresh, so no byte needs its key index computed.
void scramble(const char* in, char* out, qsizetype size) {
    const char* key = reinterpret_cast<const char*>(FileKeyTable);
    for (qsizetype start = 0; start < size; start += FileKeySize) {
        const qsizetype n = std::min<qsizetype>(FileKeySize, size - start);
        qsizetype i = 0;
        for (; i + 8 <= n; i += 8) {
            std::uint64_t data, mask;
            std::memcpy(&data, in + start + i, 8);
            std::memcpy(&mask, key + i, 8);
            data ^= mask;
            std::memcpy(out + start + i, &data, 8);
        }
        for (; i < n; ++i)
            out[start + i] = static_cast<char>(in[start + i] ^ key[i]);
    }
}

} // namespace

QByteArray ScrambleImage(QByteArrayView data) {
    QByteArray out(data.size(), Qt::Uninitialized);
    scramble(data.data(), out.data(), data.size());
    return out;
}

QByteArray EncodeSettingsFile(std::uint16_t deviceVersion, const QByteArray& image) {
    QByteArray file(VersionBytes + image.size(), Qt::Uninitialized);
    bytes::setU16le(file, 0, deviceVersion);
    scramble(image.constData(), file.data() + VersionBytes, image.size());
    return file;
}

DecodedSettingsFile DecodeSettingsFile(const QByteArray& file, const QString& path) {
    if (file.size() < VersionBytes)
        throw TError(fileError("The file %1 is not a settings file: it is too short.",
                               "Файл %1 не является файлом настроек: он слишком короткий.", path,
                               {}));
    if (file.size() - VersionBytes > MemorySize)
        throw TError(fileError("The file %1 is not a settings file: it is larger than the "
                               "device memory.",
                               "Файл %1 не является файлом настроек: он больше памяти "
                               "устройства.",
                               path, {}));
    return {bytes::u16le(file, 0), ScrambleImage(QByteArrayView(file).sliced(VersionBytes))};
}

QString ImageProblem(const QByteArray& image) {
    if (image.size() < HeaderSize)
        return Tx("The settings hold no device memory.",
                  "Настройки не содержат памяти устройства.");
    const int sectionCount = bytes::u8(image, 0);
    if (sectionCount < 1 || sectionCount > MaxTableSections)
        return Tx("The section table of the settings is damaged.",
                  "Таблица разделов настроек повреждена.");
    for (int i = 1; i <= std::min(sectionCount, SectionCountMax); ++i) {
        const int address = bytes::u16le(image, SectionAddressOffset(i));
        const int length = bytes::u16le(image, SectionLengthOffset(i));
        const std::optional<ImageSpan> span = SectionSpan(address, length - SectionTrailerBytes);
        if (!span || span->offset + span->count > image.size())
            return Tx("Section %1 of the settings lies outside the device memory.",
                      "Раздел %1 настроек лежит вне памяти устройства.")
                .arg(i);
    }
    return {};
}

QString ImageProblem(const TMK& model) {
    return ImageProblem(model.SettingsImage);
}

void SaveSettingsFile(const TMK& model, const QString& path) {
    // Never write a file that loading would refuse.
    if (model.SettingsImage.size() > MemorySize)
        throw TError(fileError("Cannot save the settings file %1: the settings are larger "
                               "than the device memory.",
                               "Не удалось сохранить файл настроек %1: настройки больше "
                               "памяти устройства.",
                               path, {}));
    const QString problem = ImageProblem(model.SettingsImage);
    if (!problem.isEmpty())
        throw TError(fileError("Cannot save the settings file %1.",
                               "Не удалось сохранить файл настроек %1.", path, problem));
    QSaveFile out(path);
    const QByteArray data = EncodeSettingsFile(model.DeviceVersion, model.SettingsImage);
    if (!out.open(QIODevice::WriteOnly) || out.write(data) != data.size() || !out.commit())
        throw TError(fileError("Cannot save the settings file %1.",
                               "Не удалось сохранить файл настроек %1.", path, out.errorString()));
}

void LoadSettingsFile(TMK& model, const QString& path) {
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        throw TError(fileError("Cannot open the settings file %1.",
                               "Не удалось открыть файл настроек %1.", path, in.errorString()));
    const QByteArray data = in.readAll();
    if (in.error() != QFileDevice::NoError)
        throw TError(fileError("Cannot read the settings file %1.",
                               "Не удалось прочитать файл настроек %1.", path, in.errorString()));
    DecodedSettingsFile decoded = DecodeSettingsFile(data, path);
    const QString problem = ImageProblem(decoded.image);
    if (!problem.isEmpty())
        throw TError(fileError("The file %1 is not a settings file of the trip computer.",
                               "Файл %1 не является файлом настроек МК.", path, problem));
    model.DeviceVersion = decoded.deviceVersion;
    model.SettingsImage = std::move(decoded.image);
    model.ReadSections(1, SectionCountMax);
    // Clears made before belong to other settings.
    model.ClearedRecords = {};
}
