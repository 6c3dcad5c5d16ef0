// get and set: single fields of a settings file by the field table's names, in raw stored
// units.

#include "CliCommands.h"
#include "CliOptions.h"
#include "DeviceText.h"
#include "Errors.h"
#include "FieldAccess.h"
#include "FieldText.h"
#include "Pars32H.h"
#include "SettingsFile.h"

#include <QRegularExpression>
#include <array>
#include <cfloat>
#include <cmath>
#include <limits>
#include <optional>
#include <set>

namespace cli {

namespace {

// NAME or NAME[INDEX], as the user wrote it and as the field table resolves it.
struct TFieldName {
    QString written;
    const FieldDef* field = nullptr;
    std::optional<int> index;

    int element() const { return index.value_or(0); }
    // The name in the show format: NAME for a single field, NAME[INDEX] otherwise.
    QString shown() const {
        const bool single = field->elementCount() == 1 && field->type != FieldType::Bytes;
        return single || !index
                   ? QString::fromLatin1(field->name)
                   : QStringLiteral("%1[%2]").arg(QLatin1String(field->name)).arg(*index);
    }
};

// Elements a name may index: the elements of a numeric field, the bytes of a byte range,
// only 0 for a text field.
int indexCount(const FieldDef& f) {
    return f.type == FieldType::Bytes ? f.count : f.elementCount();
}

TFieldName resolveName(const QString& text) {
    static const QRegularExpression form(
        QStringLiteral("^([A-Za-z_][A-Za-z0-9_]*)(?:\\[(\\d+)\\])?$"));
    const auto m = form.match(text);
    TFieldName n;
    n.written = text;
    if (m.hasMatch()) n.field = FindField(m.captured(1).toStdString());
    if (!n.field) throw TError(QStringLiteral("%1: no setting of that name.").arg(text));
    if (!m.captured(2).isEmpty()) {
        bool ok = false;
        const int index = m.captured(2).toInt(&ok);
        if (!ok || index >= indexCount(*n.field))
            throw TError(QStringLiteral("%1: the index is past the field's %2 elements.")
                             .arg(text)
                             .arg(indexCount(*n.field)));
        n.index = index;
    }
    return n;
}

QString valueText(const QByteArray& record, const TFieldName& n) {
    const FieldDef& f = *n.field;
    if (f.type == FieldType::Bytes && n.index)
        return QString::number(std::uint8_t(ReadFieldBytes(record, f).at(*n.index)));
    if (f.type == FieldType::Text || f.type == FieldType::Bytes || !n.index)
        return FieldText(record, f);
    return ElementText(record, f, *n.index);
}

QString rangeText(const FieldDef& f) {
    if (f.isBitField()) return QStringLiteral("0..%1").arg((std::int64_t(1) << f.bitWidth) - 1);
    switch (f.type) {
    case FieldType::U8:
    case FieldType::Bytes:
        return QStringLiteral("0..255");
    case FieldType::S8:
        return QStringLiteral("-128..127");
    case FieldType::U16:
        return QStringLiteral("0..65535");
    case FieldType::S16:
        return QStringLiteral("-32768..32767");
    case FieldType::U32:
        return QStringLiteral("0..4294967295");
    case FieldType::S32:
        return QStringLiteral("-2147483648..2147483647");
    case FieldType::U64:
        return QStringLiteral("0..18446744073709551615");
    case FieldType::F32:
        return QStringLiteral("a finite 32-bit float");
    case FieldType::Text:
        return QStringLiteral("at most %1 characters of the device's code page").arg(f.count - 1);
    }
    return {};
}

// A whole number in decimal or with 0x; nullopt when the text is none.
std::optional<std::int64_t> parseInteger(const QString& text, bool unsigned64) {
    const QString t = text.trimmed();
    const bool hex = t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive);
    bool ok = false;
    if (unsigned64) {
        const qulonglong v = hex ? t.mid(2).toULongLong(&ok, 16) : t.toULongLong(&ok, 10);
        if (ok) return std::int64_t(v);
    }
    const qlonglong v = hex ? t.mid(2).toLongLong(&ok, 16) : t.toLongLong(&ok, 10);
    return ok ? std::optional<std::int64_t>(v) : std::nullopt;
}

// Stores value into the record (a copy the caller keeps until every name has passed).
void storeValue(QByteArray& record, const TFieldName& n, const QString& value) {
    const FieldDef& f = *n.field;
    const auto refuse = [&] {
        return TError(QStringLiteral("%1=%2: the value does not fit the field (%3).")
                          .arg(n.written, value, rangeText(f)));
    };
    try {
        if (f.type == FieldType::Text) {
            // Characters the device cannot show would silently become '?'.
            if (DecodeDeviceText(EncodeDeviceText(value)) != value) throw refuse();
            WriteFieldText(record, f, value);
        } else if (f.type == FieldType::F32 && !f.isBitField()) {
            bool ok = false;
            const double v = value.trimmed().toDouble(&ok);
            if (!ok || !std::isfinite(v) || std::fabs(v) > FLT_MAX) throw refuse();
            WriteFieldNumber(record, f, n.element(), v);
        } else if (f.type == FieldType::Bytes) {
            const auto v = parseInteger(value, false);
            if (!n.index || !v || *v < 0 || *v > 0xFF) throw refuse();
            record[f.offset + *n.index] = char(*v);
        } else {
            const bool u64 = f.type == FieldType::U64 && !f.isBitField();
            const auto v = parseInteger(value, u64);
            if (!v) throw refuse();
            WriteFieldInt(record, f, n.element(), *v);
        }
    } catch (const ERangeError&) {
        throw refuse();
    }
}

// A field that lies beyond the bytes the file's section table gives its section would be
// set in the record but never reach the image.
void checkStored(const TMK& m, const TFieldName& n) {
    const FieldDef& f = *n.field;
    const int room = m.SectionLength(f.section) - SectionTrailerBytes;
    if (f.offset + FieldByteSize(f) > room)
        throw TError(QStringLiteral("%1: the field lies beyond the %2 bytes section %3 has in "
                                    "this file.")
                         .arg(n.written)
                         .arg(room)
                         .arg(f.section));
}

} // namespace

int Get(const QStringList& args, Streams io) {
    const ParsedArgs p = ParseArgs(args, {}, {});
    if (!p.error.isEmpty() || p.positional.size() < 2) {
        io.err << (p.error.isEmpty() ? QStringLiteral("get takes a settings file and names.")
                                     : p.error)
               << "\n"
               << UsageText();
        return ExitUsage;
    }
    TMK m;
    LoadSettingsForTool(m, p.positional.first());
    std::vector<TFieldName> names;
    for (const QString& text : p.positional.mid(1))
        names.push_back(resolveName(text));
    for (const TFieldName& n : names)
        io.out << n.shown() << " = " << valueText(m.Section(n.field->section), n) << "\n";
    return ExitOk;
}

int Set(const QStringList& args, Streams io) {
    const ParsedArgs p = ParseArgs(args, {"--out"}, {});
    QString error = p.error;
    if (error.isEmpty() && p.positional.size() < 2)
        error = QStringLiteral("set takes a settings file and NAME=VALUE pairs.");
    for (const QString& a : p.positional.mid(1))
        if (error.isEmpty() && !a.contains(QLatin1Char('=')))
            error = QStringLiteral("%1: NAME=VALUE expected.").arg(a);
    if (!error.isEmpty()) {
        io.err << error << "\n" << UsageText();
        return ExitUsage;
    }
    const QString in = p.positional.first();
    const QString out = p.values.value("--out", in);
    TMK m;
    LoadSettingsForTool(m, in);

    // Every name and value is checked on copies of the records before anything changes.
    std::array<QByteArray, SectionCountMax + 1> records;
    for (int i = 1; i <= SectionCountMax; ++i)
        records[i] = m.Section(i);
    std::set<int> touched;
    std::vector<TFieldName> names;
    for (const QString& a : p.positional.mid(1)) {
        const qsizetype eq = a.indexOf(QLatin1Char('='));
        const TFieldName n = resolveName(a.left(eq));
        checkStored(m, n);
        storeValue(records[n.field->section], n, a.mid(eq + 1));
        touched.insert(n.field->section);
        names.push_back(n);
    }
    for (int section : touched) {
        m.Section(section) = records[section];
        m.WriteSection(section);
    }
    SaveSettingsFile(m, out);
    for (const TFieldName& n : names)
        io.out << n.shown() << " = " << valueText(m.Section(n.field->section), n) << "\n";
    io.out << "Saved " << out << "\n";
    return ExitOk;
}

} // namespace cli
