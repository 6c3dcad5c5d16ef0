#include "EditorControlTable.h"

#include <QByteArray>
#include <cmath>

namespace {

constexpr double PercentBias = 0.00001; // keeps 1.05f (really 1.0499999) showing 5.0

bool IsPrefixChar(QChar c) {
    return c.isLower();
}

bool IsPlainWord(const FieldDef& f) {
    switch (f.type) {
    case FieldType::U8:
    case FieldType::U16:
    case FieldType::U32:
    case FieldType::U64:
        return !f.isBitField();
    default:
        return false;
    }
}

} // namespace

QString ControlBaseName(const QString& controlName) {
    int i = 0;
    while (i < controlName.size() && IsPrefixChar(controlName[i]))
        ++i;
    return controlName.mid(i);
}

TFieldRef ResolveControlField(std::string_view controlName) {
    const QByteArray base =
        ControlBaseName(QString::fromUtf8(controlName.data(), qsizetype(controlName.size())))
            .toUtf8();
    if (const FieldDef* f = FindField(base.toStdString())) return {f, 0, -1};
    // A trailing number: an element of an array field, or a bit of a plain word.
    qsizetype digits = base.size();
    while (digits > 0 && base[digits - 1] >= '0' && base[digits - 1] <= '9')
        --digits;
    if (digits == base.size() || digits == 0) return {};
    const int n = base.mid(digits).toInt();
    QByteArray stem = base.left(digits);
    if (stem.endsWith('_')) stem.chop(1);
    const FieldDef* f = FindField(stem.toStdString());
    if (!f) return {};
    if (n < f->elementCount() && f->elementCount() > 1) return {f, n, -1};
    if (f->elementCount() == 1 && IsPlainWord(*f) && n < 8 * FieldTypeWidth(f->type))
        return {f, 0, n};
    return {};
}

TFieldRef ResolveRowField(const TControlRow& row) {
    if (!row.field) return ResolveControlField(row.name);
    const FieldDef* f = FindField(row.field);
    if (!f || row.index < 0 || row.index >= f->elementCount()) return {};
    return {f, row.index, -1};
}

double RoundHalfEven(double v) {
    // nearbyint follows the default rounding mode, which rounds halves to even.
    return std::nearbyint(v);
}

double ShownToStored(TConv conv, double shown) {
    switch (conv) {
    case TConv::Mul10:
        return shown * 10;
    case TConv::Mul2:
        return shown * 2;
    case TConv::Div2:
        return shown / 2;
    case TConv::Div5:
        return shown / 5;
    case TConv::Div10:
        return shown / 10;
    case TConv::Percent:
        return shown / 100 + 1;
    case TConv::IndexPlus1:
        return shown + 1;
    case TConv::IndexMinus1:
        return shown - 1;
    case TConv::Plain:
    case TConv::ItemNumber:
        break;
    }
    return shown;
}

double StoredToShown(TConv conv, double stored) {
    switch (conv) {
    case TConv::Mul10:
        return stored / 10;
    case TConv::Mul2:
        return stored / 2;
    case TConv::Div2:
        return stored * 2;
    case TConv::Div5:
        return stored * 5;
    case TConv::Div10:
        return stored * 10;
    case TConv::Percent: {
        const double bias = stored >= 1 ? PercentBias : -PercentBias;
        return RoundHalfEven((stored + bias - 1) * 1000) / 10;
    }
    case TConv::IndexPlus1:
        return stored - 1;
    case TConv::IndexMinus1:
        return stored + 1;
    case TConv::Plain:
    case TConv::ItemNumber:
        break;
    }
    return stored;
}
