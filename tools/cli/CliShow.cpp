#include "CliCommands.h"
#include "CliOptions.h"
#include "FieldText.h"
#include "JournalJson.h"
#include "Pars32H.h"
#include "SettingsFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace cli {

namespace {

QString hexVersion(std::uint16_t v) {
    return QStringLiteral("0x%1").arg(v, 4, 16, QLatin1Char('0')).toUpper().replace("0X", "0x");
}

// The eleven sections the model uses, and any further entries the device lists.
int tableEntries(const TMK& m) {
    return std::clamp(m.SectionCount(), SectionCountMax, MaxTableSections);
}

void showText(const TMK& m, QTextStream& out) {
    out << "DeviceVersion = " << hexVersion(m.DeviceVersion) << "\n";
    out << "SettingsVersion = " << m.SettingsVersion() << "\n";
    out << "SectionCount = " << m.SectionCount() << "\n";
    for (int i = 1; i <= tableEntries(m); ++i)
        out << "Section " << i << " = Address " << m.SectionAddress(i) << ", Length "
            << m.SectionLength(i) << "\n";
    for (const FieldDef& f : FieldTable()) {
        if (IsJournalField(f.name)) {
            for (const QString& line : JournalLines(m, f.name))
                out << line << "\n";
            continue;
        }
        out << f.name << " = " << FieldText(m.Section(f.section), f) << "\n";
    }
}

} // namespace

void ShowJson(const TMK& m, QTextStream& out) {
    QJsonObject root;
    root.insert("DeviceVersion", int(m.DeviceVersion));
    root.insert("SettingsVersion", m.SettingsVersion());
    root.insert("SectionCount", m.SectionCount());
    QJsonArray table;
    for (int i = 1; i <= tableEntries(m); ++i)
        table.append(QJsonObject{{"Address", m.SectionAddress(i)}, {"Length", m.SectionLength(i)}});
    root.insert("SectionTable", table);
    QJsonObject fields;
    for (const FieldDef& f : FieldTable())
        fields.insert(QLatin1String(f.name), IsJournalField(f.name)
                                                 ? QJsonValue(JournalJson(m, f.name))
                                                 : FieldJson(m.Section(f.section), f));
    root.insert("fields", fields);
    out << JsonText(QJsonDocument(root));
}

int Show(const QStringList& args, Streams io) {
    const ParsedArgs p = ParseArgs(args, {}, {"--json"});
    if (!p.error.isEmpty() || p.positional.size() != 1) {
        io.err << (p.error.isEmpty() ? QStringLiteral("show takes one settings file.") : p.error)
               << "\n"
               << UsageText();
        return ExitUsage;
    }
    TMK m;
    LoadSettingsForTool(m, p.positional.first());
    if (p.flags.contains("--json"))
        ShowJson(m, io.out);
    else
        showText(m, io.out);
    return ExitOk;
}

} // namespace cli
