// describe: the settings of a file in the editor's words, page by page: the caption, the
// value as the editor shows it with its unit, the stored value and the range.

#include "CliCommands.h"
#include "CliOptions.h"
#include "Errors.h"
#include "FieldAccess.h"
#include "FieldText.h"
#include "Language.h"
#include "Pars32H.h"
#include "SettingDescriptions.h"
#include "SettingPages.h"

#include <QRegularExpression>

namespace cli {

namespace {

// How `show` names an element: NAME, NAME[INDEX], or for one bit of a word "NAME bit N".
QString StoredName(const TFieldRef& ref) {
    const FieldDef& f = *ref.field;
    QString name = QString::fromLatin1(f.name);
    if (ref.bit >= 0) return name + QStringLiteral(" bit %1").arg(ref.bit);
    if (f.elementCount() > 1 || f.type == FieldType::Bytes)
        name += QStringLiteral("[%1]").arg(ref.index);
    return name;
}

double StoredNumber(const TMK& m, const TFieldRef& ref) {
    const QByteArray& record = m.Section(ref.field->section);
    if (ref.field->type == FieldType::Bytes)
        return std::uint8_t(ReadFieldBytes(record, *ref.field).at(ref.index));
    if (ref.bit >= 0) return double((ReadFieldInt(record, *ref.field, ref.index) >> ref.bit) & 1);
    return ReadFieldNumber(record, *ref.field, ref.index);
}

QString Line(const TMK& m, const TSettingContext& c, const TSettingDesc& s, int k) {
    const TFieldRef ref = SettingField(s, k);
    QString shown, stored;
    if (ref.field->type == FieldType::Text) {
        shown = stored = ReadFieldText(m.Section(ref.field->section), *ref.field);
    } else {
        const double value = StoredNumber(m, ref);
        shown = SettingValueText(s, c, value, k);
        stored = ref.field->type == FieldType::Bytes || ref.bit >= 0
                     ? QString::number(value)
                     : ElementText(m.Section(ref.field->section), *ref.field, ref.index);
    }
    QString line = QStringLiteral("  %1: %2  [%3 = %4")
                       .arg(SettingCaption(s, c, k), shown, StoredName(ref), stored);
    if (const QString range = SettingRangeText(s, c); !range.isEmpty())
        line += QStringLiteral("; ") + range;
    return line + QLatin1Char(']');
}

// The settings a name asks for: a setting's own name, or every setting of a field (NAME) or
// of one element (NAME[INDEX]).
bool Asked(const TSettingDesc& s, int k, const QStringList& names) {
    if (names.isEmpty() || names.contains(QLatin1String(s.name))) return true;
    const TFieldRef ref = SettingField(s, k);
    for (const QString& n : names) {
        if (n == QLatin1String(ref.field->name)) return true;
        if (n == QStringLiteral("%1[%2]").arg(QLatin1String(ref.field->name)).arg(ref.index))
            return true;
    }
    return false;
}

bool KnownName(const QString& name) {
    static const QRegularExpression form(QStringLiteral("^([A-Za-z0-9_]+)(?:\\[\\d+\\])?$"));
    const auto m = form.match(name);
    return FindSetting(name.toStdString()) ||
           (m.hasMatch() && FindField(m.captured(1).toStdString()));
}

} // namespace

int Describe(const QStringList& args, Streams io) {
    const ParsedArgs p = ParseArgs(args, {"--lang"}, {});
    QString error = p.error;
    const bool english = EnglishOption(p, error);
    if (error.isEmpty() && p.positional.isEmpty())
        error = QStringLiteral("describe takes a settings file.");
    if (!error.isEmpty()) {
        io.err << error << "\n" << CommandUsage("describe");
        return ExitUsage;
    }
    const QStringList names = p.positional.mid(1);
    for (const QString& n : names)
        if (!KnownName(n)) throw TError(QStringLiteral("%1: no setting of that name.").arg(n));

    EnglishVersion = english; // before the catalogues: their names are in this language
    TMK model;
    LoadSettingsForTool(model, p.positional[0]);
    model.PrepareCatalogues();
    const TSettingContext c = SettingContextOf(model);
    QString page;
    int shown = 0;
    for (const TSettingDesc& s : SettingDescriptions()) {
        if (!SettingOffered(s, c)) continue;
        for (int k = 0; k < s.count; ++k) {
            if (s.count > 1 && s.elementCaption && s.elementCaption(c, k).isEmpty()) continue;
            if (!Asked(s, k, names)) continue;
            if (const QString path = SettingPagePath(s.page); path != page) {
                page = path;
                io.out << page << "\n";
            }
            io.out << Line(model, c, s, k) << "\n";
            ++shown;
        }
    }
    if (shown == 0 && !names.isEmpty())
        io.out << Tx("None of these settings is offered for this device.",
                     "Ни одна из этих настроек не предлагается для этого устройства.")
               << "\n";
    return ExitOk;
}

} // namespace cli
