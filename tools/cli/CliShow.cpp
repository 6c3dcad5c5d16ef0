#include "CliCommands.h"
#include "CliOptions.h"
#include "FieldAccess.h"
#include "FieldText.h"
#include "JournalJson.h"
#include "JsonWriter.h"
#include "Pars32H.h"
#include "SettingsFile.h"

#include <algorithm>
#include <cstring>
#include <vector>

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

// The field table sorted by name: show --json has always listed the fields so.
const std::vector<const FieldDef*>& fieldsByName() {
    static const std::vector<const FieldDef*> sorted = [] {
        std::vector<const FieldDef*> v;
        for (const FieldDef& f : FieldTable())
            v.push_back(&f);
        std::sort(v.begin(), v.end(), [](const FieldDef* a, const FieldDef* b) {
            return std::strcmp(a->name, b->name) < 0;
        });
        return v;
    }();
    return sorted;
}

// Numbers as the field stores them: a u64 with all its digits, an f32 as the double it is.
void fieldJson(TJsonWriter& json, const QByteArray& record, const FieldDef& f) {
    if (f.type == FieldType::Text) {
        json.value(ReadFieldText(record, f));
        return;
    }
    if (f.type == FieldType::Bytes) {
        json.beginArray();
        for (char c : ReadFieldBytes(record, f))
            json.value(int(std::uint8_t(c)));
        json.endArray();
        return;
    }
    auto element = [&](int i) {
        if (f.type == FieldType::F32 && !f.isBitField())
            json.value(double(float(ReadFieldNumber(record, f, i))));
        else if (f.type == FieldType::U64 && !f.isBitField())
            json.value(std::uint64_t(ReadFieldInt(record, f, i)));
        else
            json.value(std::int64_t(ReadFieldInt(record, f, i)));
    };
    if (f.elementCount() == 1) return element(0);
    json.beginArray();
    for (int i = 0; i < f.elementCount(); ++i)
        element(i);
    json.endArray();
}

} // namespace

void ShowJson(const TMK& m, QTextStream& out) {
    TJsonWriter json;
    json.beginObject();
    json.key("DeviceVersion");
    json.value(int(m.DeviceVersion));
    json.key("SectionCount");
    json.value(m.SectionCount());
    json.key("SectionTable");
    json.beginArray();
    for (int i = 1; i <= tableEntries(m); ++i) {
        json.beginObject();
        json.key("Address");
        json.value(m.SectionAddress(i));
        json.key("Length");
        json.value(m.SectionLength(i));
        json.endObject();
    }
    json.endArray();
    json.key("SettingsVersion");
    json.value(m.SettingsVersion());
    json.key("fields");
    json.beginObject();
    for (const FieldDef* f : fieldsByName()) {
        json.key(f->name);
        if (IsJournalField(f->name))
            WriteJournalJson(json, m, f->name);
        else
            fieldJson(json, m.Section(f->section), *f);
    }
    json.endObject();
    json.endObject();
    WriteUtf8(out, json.finish());
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
