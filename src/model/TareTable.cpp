#include "TareTable.h"

#include "Errors.h"
#include "FieldAccess.h"
#include "Language.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

// More digits than any field holds; parsing stops growing the value here so that a long
// pasted text is refused as too large instead of overflowing.
constexpr std::int64_t DigitValueCap = 1'000'000;

int tareLength(const QByteArray& section4) {
    const auto length = int(ReadFieldInt(section4, FieldByName("TarirLeng")));
    return length > TareMaxPoints ? 0 : length;
}

std::int64_t digitValue(const QString& digits) {
    std::int64_t v = 0;
    for (QChar c : digits)
        v = std::min(v * 10 + (c.unicode() - u'0'), DigitValueCap);
    return v;
}

QString rowName(int gridRow) {
    return Tx("Row %1", "Строка %1").arg(gridRow);
}

} // namespace

int RepairTareLength(QByteArray& section4) {
    const FieldDef& f = FieldByName("TarirLeng");
    if (ReadFieldInt(section4, f) > TareMaxPoints) WriteFieldInt(section4, f, 0, 0);
    return int(ReadFieldInt(section4, f));
}

int TareGridRowCount(int length) {
    return length > 0 ? length + 1 : 2;
}

QStringList TareHeadings() {
    return {QStringLiteral("#"), Tx("litres", "литры"), Tx("CU", "уе")};
}

std::vector<TareRowTexts> TareRows(const QByteArray& section4) {
    const FieldDef& lit = FieldByName("TarirLit");
    const FieldDef& res = FieldByName("TarirRes");
    std::vector<TareRowTexts> rows;
    for (int i = 0; i < tareLength(section4); ++i)
        rows.push_back({QString::number(ReadFieldInt(section4, lit, i)),
                        QString::number(ReadFieldInt(section4, res, i))});
    return rows;
}

QString TareDigits(const QString& cellText) {
    QString digits;
    for (QChar c : cellText)
        if (c >= u'0' && c <= u'9') digits += c;
    return digits;
}

void CommitTareTable(QByteArray& section4, const std::vector<TareRowTexts>& rows) {
    const FieldDef& lit = FieldByName("TarirLit");
    const FieldDef& res = FieldByName("TarirRes");
    const int length = tareLength(section4);
    for (int i = 0; i < length; ++i) {
        const TareRowTexts texts = i < int(rows.size()) ? rows[std::size_t(i)] : TareRowTexts{};
        const std::int64_t litres = digitValue(TareDigits(texts.litres));
        if (litres > TareMaxLitres) throw ERangeError(rowName(i + 1));
        WriteFieldInt(section4, lit, i, litres);
        const std::int64_t units = digitValue(TareDigits(texts.units));
        if (units > std::numeric_limits<std::int16_t>::max()) throw ERangeError(rowName(i + 1));
        WriteFieldInt(section4, res, i, units);
    }
    const bool highStart = ReadFieldInt(section4, res, 0) > TareHighStartReading;
    WriteFieldInt(section4, FieldByName("TarirHighStart"), 0, highStart ? 1 : 0);
}

bool SevenPointRowVisible(int quantity, int row) {
    return quantity > row;
}
