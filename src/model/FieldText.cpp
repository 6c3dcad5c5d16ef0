#include "FieldText.h"

#include "FieldAccess.h"

#include <QJsonArray>
#include <QRegularExpression>
#include <charconv>
#include <limits>

namespace {

QString floatText(float v) {
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    return QString::fromLatin1(buf, r.ptr - buf);
}

// QJsonValue holds integers as qint64 (or double), so a u64 above the signed range stands
// in the document as a marked string that JsonText turns into the bare number. The mark
// starts with U+0000, which no field text can hold (texts end at their first zero byte).
const QString UnsignedMark = QChar(u'\0') + QStringLiteral("u64:");
const QRegularExpression MarkedUnsigned(QStringLiteral(R"re("\\u0000u64:(\d+)")re"));

QJsonValue elementJson(const QByteArray& record, const FieldDef& f, int index) {
    if (f.type == FieldType::F32 && !f.isBitField())
        return double(float(ReadFieldNumber(record, f, index)));
    if (f.type == FieldType::U64 && !f.isBitField()) {
        const auto v = quint64(ReadFieldInt(record, f, index));
        if (v > quint64(std::numeric_limits<qint64>::max()))
            return UnsignedMark + QString::number(v);
        return qint64(v);
    }
    return QJsonValue(qint64(ReadFieldInt(record, f, index)));
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

QJsonValue FieldJson(const QByteArray& record, const FieldDef& f) {
    if (f.type == FieldType::Text) return ReadFieldText(record, f);
    if (f.type == FieldType::Bytes) {
        QJsonArray a;
        for (char c : ReadFieldBytes(record, f))
            a.append(int(std::uint8_t(c)));
        return a;
    }
    if (f.elementCount() == 1) return elementJson(record, f, 0);
    QJsonArray a;
    for (int i = 0; i < f.elementCount(); ++i)
        a.append(elementJson(record, f, i));
    return a;
}

QByteArray JsonText(const QJsonDocument& document) {
    return QString::fromUtf8(document.toJson(QJsonDocument::Indented))
        .replace(MarkedUnsigned, QStringLiteral("\\1"))
        .toUtf8();
}
