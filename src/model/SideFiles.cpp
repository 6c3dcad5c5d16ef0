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
    TText tooLong;          // %1 the path, %2 its size, %3 the size of this kind
    int size;
};

const FileKind kTankKind{
    {"Cannot save the tank settings file %1.", "Не удалось сохранить файл настроек бака %1."},
    {"Cannot open the tank settings file %1.", "Не удалось открыть файл настроек бака %1."},
    {"Cannot read the tank settings file %1.", "Не удалось прочитать файл настроек бака %1."},
    {"The file %1 holds %2 bytes, but a tank settings file holds %3: it is not loaded.",
     "Файл %1 содержит %2 байт, а файл настроек бака — %3: он не загружен."},
    TankFileSize};

const FileKind kMaintenanceKind{
    {"Cannot save the TS settings file %1.", "Не удалось сохранить файл настроек ТО %1."},
    {"Cannot open the TS settings file %1.", "Не удалось открыть файл настроек ТО %1."},
    {"Cannot read the TS settings file %1.", "Не удалось прочитать файл настроек ТО %1."},
    {"The file %1 holds %2 bytes, but a TS settings file holds %3: it is not loaded.",
     "Файл %1 содержит %2 байт, а файл настроек ТО — %3: он не загружен."},
    MaintenanceFileSize};

const TText kEqualReadings{
    "The file %1 is not loaded: the ADC values Min and Max of the universal input are equal "
    "(%2), and they should differ.",
    "Файл %1 не загружен: значения АЦП Мин и Макс универсального входа равны (%2), а они "
    "должны различаться."};

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

// One byte more than a file of this kind holds is read, so picking a huge file by mistake
// costs nothing and is still told apart.
QByteArray readFile(const FileKind& kind, const QString& path) {
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) throw TError(failure(kind.open, path, in.errorString()));
    const QByteArray data = in.read(kind.size + 1);
    if (in.error() != QFileDevice::NoError)
        throw TError(failure(kind.read, path, in.errorString()));
    if (data.size() > kind.size)
        throw TError(kind.tooLong.text()
                         .arg(path)
                         .arg(std::max<qint64>(in.size(), data.size()))
                         .arg(kind.size));
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

void SaveMaintenanceFile(const TMK& model, const QString& path) {
    saveFile(kMaintenanceKind, EncodeMaintenanceFile(model), path);
}

QByteArray ReadTankFile(const QString& path) {
    return readFile(kTankKind, path);
}

QByteArray ReadMaintenanceFile(const QString& path) {
    return readFile(kMaintenanceKind, path);
}

int ApplyTankFile(const QByteArray& file, TMK& model, const QString&) {
    return DecodeTankFile(file, model);
}

int ApplyMaintenanceFile(const QByteArray& file, TMK& model, const QString& pathForMessages) {
    // Tried on a copy of the section: a refused file leaves the model as it was.
    const QByteArray kept = model.Section(5);
    const int used = DecodeMaintenanceFile(file, model);
    const std::int64_t min = model.Get("UniMeasADC", 0), max = model.Get("UniMeasADC", 1);
    if (min == max) {
        model.Section(5) = kept;
        throw TError(kEqualReadings.text().arg(pathForMessages).arg(min));
    }
    return used;
}

int LoadTankFile(TMK& model, const QString& path) {
    return ApplyTankFile(ReadTankFile(path), model, path);
}

int LoadMaintenanceFile(TMK& model, const QString& path) {
    return ApplyMaintenanceFile(ReadMaintenanceFile(path), model, path);
}

QString ShortSideFileQuestion(int held, int size) {
    return Tx("The file holds %1 of %2 bytes, perhaps from an older version of the program. "
              "Load the values it holds?",
              "Файл содержит %1 из %2 байт, возможно, он от более старой версии программы. "
              "Загрузить значения, которые в нём есть?")
        .arg(held)
        .arg(size);
}
