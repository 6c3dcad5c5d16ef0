#include "SideFiles.h"

#include "Errors.h"
#include "FieldTable.h"
#include "Language.h"
#include "Pars32H.h"

#include <QFile>
#include <QSaveFile>
#include <algorithm>
#include <span>

namespace {

// One run of record bytes in a side file: a whole named field, or (field nullptr) bytes
// the device keeps without a name, given by section, offset and size.
struct SideFileRow {
    const char* field;
    std::uint8_t section = 0;
    std::uint16_t offset = 0;
    std::uint16_t size = 0;
};

// clang-format off
constexpr SideFileRow kTankRows[] = {
    {"Oil6L"}, {"Lit6L"}, {"Oil43L"}, {"Lit43L"},
    {"OilCalibrResArr"},
    {"OilCalibrLitArr"},
    {"OilCalibrQuant"},
    {"TarirByte0"}, {"TarirFlagFinish"}, {"TarirLeng"}, {"TarirHighStart"},
    {"TarirLit"},
    {"TarirRes"},
};

constexpr SideFileRow kMaintenanceRows[] = {
    {"AirFiltCntK"}, {"KPPOilCntK"}, {"ForsTOCntK"}, {"GRMStrapCntK"},
    {"CoolLiqCntK"}, {"EngOilCntK"}, {"CandleCntK"},
    {"TO"}, {"OSAGO"},
    {nullptr, 5, 16, 4},
    {"BlocksSel"},
    {"UniMeasADC"}, {"UniMeasDat"},
    {"AirWaterShow"},
    {"ForsTOName"}, {"GRMStrapName"}, {"CandleName"},
    {"TOFlags"},
    {nullptr, 5, 117, 1}, {nullptr, 5, 118, 1},
    {nullptr, 5, 102, 2},
    {"MotoHourLim"},
    {"AccelCalibration"},
};
// clang-format on

struct Place {
    int section, offset, size;
};

Place placeOf(const SideFileRow& row) {
    if (!row.field) return {row.section, row.offset, row.size};
    const FieldDef& f = FieldByName(row.field);
    return {f.section, f.offset, FieldByteSize(f)};
}

QByteArray encode(std::span<const SideFileRow> rows, const TMK& model) {
    QByteArray file;
    for (const SideFileRow& row : rows) {
        const Place p = placeOf(row);
        file += model.Section(p.section).mid(p.offset, p.size);
    }
    return file;
}

int decode(std::span<const SideFileRow> rows, const QByteArray& file, TMK& model) {
    int used = 0;
    for (const SideFileRow& row : rows) {
        const Place p = placeOf(row);
        const int n = std::min<int>(p.size, int(file.size()) - used);
        if (n <= 0) break;
        model.Section(p.section).replace(p.offset, n, file.mid(used, n));
        used += n;
    }
    return used;
}

struct FileKind {
    TText save, open, read; // messages with %1 for the path
    int size;
};

const FileKind kTankKind{
    {"Cannot save the tank settings file %1.", "Не удалось сохранить файл настроек бака %1."},
    {"Cannot open the tank settings file %1.", "Не удалось открыть файл настроек бака %1."},
    {"Cannot read the tank settings file %1.", "Не удалось прочитать файл настроек бака %1."},
    TankFileSize};

const FileKind kMaintenanceKind{
    {"Cannot save the TS settings file %1.", "Не удалось сохранить файл настроек ТО %1."},
    {"Cannot open the TS settings file %1.", "Не удалось открыть файл настроек ТО %1."},
    {"Cannot read the TS settings file %1.", "Не удалось прочитать файл настроек ТО %1."},
    MaintenanceFileSize};

QString failure(const TText& text, const QString& path, const QString& detail) {
    QString message = text.text().arg(path);
    if (!detail.isEmpty()) message += QStringLiteral("\n") + detail;
    return message;
}

void saveFile(const FileKind& kind, const QByteArray& data, const QString& path) {
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(data) != data.size() || !out.commit())
        throw TError(failure(kind.save, path, out.errorString()));
}

// Only the bytes a file of this kind can hold are read, so picking a huge file by mistake
// costs nothing.
QByteArray readFile(const FileKind& kind, const QString& path) {
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) throw TError(failure(kind.open, path, in.errorString()));
    const QByteArray data = in.read(kind.size);
    if (in.error() != QFileDevice::NoError)
        throw TError(failure(kind.read, path, in.errorString()));
    return data;
}

} // namespace

QString TankFileFilter() {
    return Tx("Tank settings files (*.velto)", "Файлы настроек бака (*.velto)");
}

QString MaintenanceFileFilter() {
    return Tx("TS settings files (*.veltt)", "Файлы настроек ТО (*.veltt)");
}

QByteArray EncodeTankFile(const TMK& model) {
    return encode(kTankRows, model);
}

int DecodeTankFile(const QByteArray& file, TMK& model) {
    return decode(kTankRows, file, model);
}

QByteArray EncodeMaintenanceFile(const TMK& model) {
    return encode(kMaintenanceRows, model);
}

int DecodeMaintenanceFile(const QByteArray& file, TMK& model) {
    return decode(kMaintenanceRows, file, model);
}

void SaveTankFile(const TMK& model, const QString& path) {
    saveFile(kTankKind, EncodeTankFile(model), path);
}

int LoadTankFile(TMK& model, const QString& path) {
    return DecodeTankFile(readFile(kTankKind, path), model);
}

void SaveMaintenanceFile(const TMK& model, const QString& path) {
    saveFile(kMaintenanceKind, EncodeMaintenanceFile(model), path);
}

int LoadMaintenanceFile(TMK& model, const QString& path) {
    return DecodeMaintenanceFile(readFile(kMaintenanceKind, path), model);
}
