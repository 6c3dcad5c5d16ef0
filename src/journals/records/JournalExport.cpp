#include "JournalExport.h"

#include "Errors.h"
#include "Language.h"
#include "Pars32H.h"

#include <QSaveFile>
#include <QStringEncoder>

namespace journals {

namespace {

// clang-format off
const TText kDriveHeader[DriveTextCount + 1] = {
    {"#",                      "#"},
    {"Date and time of rec.",  "Дата и время записи"},
    {"Travel time",            "Время в пути"},
    {"Mileage, km",            "Пробег, км"},
    {"Fuel expense, l",        "Расход топлива, л"},
    {"Av. speed, km/h",        "Ср. скорость, км/час"},
    {"Av. expense per 100 km", "Ср. расход на 100 км"},
    {"Av. expense per hour",   "Ср. расход в час"},
    {"Cost",                   "Стоимость"},
};

const TText kFaultHeader[3] = {
    {"#",            "#"},
    {"Time",         "Время"},
    {"Trouble code", "Код ошибки"},
};
// clang-format on

const QString Tab = QStringLiteral("\t");
const QString LineEnd = QStringLiteral("\r\n");

template <std::size_t N> QStringList Texts(const TText (&texts)[N]) {
    QStringList list;
    list.reserve(N);
    for (const TText& t : texts)
        list << t.text();
    return list;
}

// Piece by piece into `out`: a concatenated temporary per row or cell would be one more
// string to allocate and copy each time.
void AppendLabelValues(QString& out, const std::vector<LabelValue>& rows) {
    for (const LabelValue& r : rows) {
        out += r.label;
        out += Tab;
        out += r.value;
        out += LineEnd;
    }
}

} // namespace

QString DriveJournalCaption(DriveJournal journal) {
    return journal == DriveJournal::Trip ? Tx("Trip log", "Журнал поездок")
                                         : Tx("Petrol log", "Журнал заправок");
}

QString SumsCaption() {
    return Tx("Average", "Средние");
}
QString FaultJournalCaption() {
    return Tx("Faults log", "Журнал ошибок");
}

QString FreezeFrameCaption(int slot) {
    return Tx("Freeze frame %1", "Стоп-кадр %1").arg(slot);
}

TextTable DriveTable(const TMK& model, DriveJournal journal) {
    TextTable table;
    table.reserve(JournalRecordCount + 1);
    table.push_back(Texts(kDriveHeader));
    const Prices prices = ReadPrices(model);
    for (int i = 0; i < JournalRecordCount; ++i) {
        QStringList row;
        row.reserve(DriveTextCount + 1);
        row << (i == 0 ? Tx("Last", "Посл.") : QString::number(i));
        for (QString& t : DriveRecordTexts(ReadJournalRecord(model, journal, i), prices))
            row << std::move(t);
        table.push_back(std::move(row));
    }
    return table;
}

TextTable FaultTable(const TMK& model, const FaultCodeStyle& style) {
    TextTable table;
    table.reserve(FaultSlotCount + 1);
    table.push_back(Texts(kFaultHeader));
    for (int slot = 0; slot < FaultSlotCount; ++slot) {
        const FaultRowTexts t = FaultRecordTexts(ReadFaultRecord(model, slot), style);
        table.push_back({QString::number(slot), t.time, t.code});
    }
    return table;
}

QString TableText(const TextTable& table) {
    // Sized first: grown cell by cell, the text would be copied a dozen times on the way.
    qsizetype size = 0;
    for (const QStringList& row : table) {
        for (const QString& cell : row)
            size += cell.size() + Tab.size();
        size += LineEnd.size();
    }
    QString out;
    out.reserve(size);
    for (const QStringList& row : table) {
        for (const QString& cell : row) {
            out += cell;
            out += Tab;
        }
        out += LineEnd;
    }
    return out;
}

QString DriveJournalText(const TMK& model, DriveJournal journal) {
    return TableText(DriveTable(model, journal));
}

QString SumsText(const TMK& model) {
    QString out;
    for (Adder a : AllAdders) {
        out += AdderCaption(a);
        out += LineEnd;
        AppendLabelValues(out, AdderRows(model, a));
    }
    return out;
}

QString FaultJournalText(const TMK& model, const FaultCodeStyle& style) {
    QString out = TableText(FaultTable(model, style));
    const QByteArray pids = ReadFreezeFramePids(model);
    for (int slot = 0; slot < FaultSlotCount; ++slot) {
        const auto rows = FreezeFrameRows(ReadFaultRecord(model, slot), pids);
        if (rows.empty()) continue;
        out += FreezeFrameCaption(slot);
        out += LineEnd;
        AppendLabelValues(out, rows);
    }
    return out;
}

QByteArray EncodeExportText(const QString& text) {
    // Qt's "system" encoding is the ANSI code page on Windows and UTF-8 elsewhere.
    QStringEncoder encoder(QStringConverter::System);
    return encoder.encode(text);
}

void SaveExportText(const QString& path, const QString& text) {
    QSaveFile file(path);
    const QByteArray data = EncodeExportText(text);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit())
        throw TError(Tx("Cannot write the file %1: %2", "Не удалось записать файл %1: %2")
                         .arg(path, file.errorString()));
}

} // namespace journals
