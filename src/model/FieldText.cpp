#include "FieldText.h"

#include "FieldAccess.h"

#include <QStringList>
#include <charconv>

namespace {

QString floatText(float v) {
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    return QString::fromLatin1(buf, r.ptr - buf);
}

} // namespace

QString ElementText(const QByteArray& record, const FieldDef& f, int index) {
    if (f.type == FieldType::F32 && !f.isBitField())
        return floatText(float(ReadFieldNumber(record, f, index)));
    if (f.type == FieldType::U64 && !f.isBitField())
        return QString::number(quint64(ReadFieldInt(record, f, index)));
    return QString::number(ReadFieldInt(record, f, index));
}

QString FieldText(const QByteArray& record, const FieldDef& f) {
    if (f.type == FieldType::Text) return ReadFieldText(record, f);
    if (f.type == FieldType::Bytes)
        return QString::fromLatin1(ReadFieldBytes(record, f).toHex(' '));
    QStringList parts;
    for (int i = 0; i < f.elementCount(); ++i)
        parts << ElementText(record, f, i);
    return parts.join(QStringLiteral(", "));
}
