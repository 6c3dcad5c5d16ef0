#include "ChangeList.h"

#include "FieldAccess.h"
#include "FieldText.h"
#include "Pars32H.h"

#include <algorithm>
#include <vector>

namespace {

QString elementName(const FieldDef& f, int index) {
    if (f.elementCount() == 1 && f.type != FieldType::Bytes) return QString::fromLatin1(f.name);
    return QStringLiteral("%1[%2]").arg(QLatin1String(f.name)).arg(index);
}

TFieldChange entry(const FieldDef* f, int section, int index, const QString& name) {
    TFieldChange c;
    c.field = f;
    c.section = section;
    c.index = index;
    c.name = name;
    return c;
}

TFieldChange valueEntry(const FieldDef& f, int index, const QString& name, const QString& before,
                        const QString& after) {
    TFieldChange c = entry(&f, f.section, index, name);
    c.before = before;
    c.after = after;
    return c;
}

// The bits of a whole word that bit-field rows name (their changes are listed by name).
std::uint64_t namedBits(const FieldDef& word) {
    std::uint64_t mask = 0;
    for (const FieldDef& f : FieldTable())
        if (f.isBitField() && f.section == word.section && f.offset == word.offset &&
            f.type == word.type && f.count == word.count)
            mask |= ((std::uint64_t(1) << f.bitWidth) - 1) << f.bitShift;
    return mask;
}

void compareNumeric(const FieldDef& f, const QByteArray& a, const QByteArray& b,
                    std::vector<TFieldChange>& out) {
    const bool integer = f.type != FieldType::F32 && !f.isBitField();
    const std::uint64_t named = integer ? namedBits(f) : 0;
    for (int i = 0; i < f.elementCount(); ++i) {
        const QString before = ElementText(a, f, i), after = ElementText(b, f, i);
        if (before == after) continue;
        // A word whose every changed bit has a name of its own is listed by those names.
        if (named &&
            ((std::uint64_t(ReadFieldInt(a, f, i)) ^ std::uint64_t(ReadFieldInt(b, f, i))) &
             ~named) == 0)
            continue;
        TFieldChange c = valueEntry(f, i, elementName(f, i), before, after);
        c.numeric = true;
        c.beforeValue = ReadFieldNumber(a, f, i);
        c.afterValue = ReadFieldNumber(b, f, i);
        out.push_back(c);
    }
}

void compareBytes(const FieldDef& f, const QByteArray& a, const QByteArray& b,
                  std::vector<TFieldChange>& out) {
    const QByteArray x = ReadFieldBytes(a, f), y = ReadFieldBytes(b, f);
    std::vector<int> differing;
    for (int k = 0; k < x.size(); ++k)
        if (x[k] != y[k]) differing.push_back(k);
    if (differing.empty()) return;
    if (int(differing.size()) > MaxByteLines) {
        TFieldChange c = entry(&f, f.section, 0, QString::fromLatin1(f.name));
        c.bytesDiffering = int(differing.size());
        c.bytesTotal = int(x.size());
        out.push_back(c);
        return;
    }
    for (int k : differing) {
        const auto before = std::uint8_t(x[k]), after = std::uint8_t(y[k]);
        TFieldChange c =
            valueEntry(f, k, elementName(f, k), QString::number(before), QString::number(after));
        c.numeric = true;
        c.beforeValue = before;
        c.afterValue = after;
        out.push_back(c);
    }
}

// Record bytes of one section that no field covers and that differ.
void compareUnnamed(int section, const QByteArray& a, const QByteArray& b,
                    std::vector<TFieldChange>& out) {
    std::vector<bool> named(std::size_t(a.size()), false);
    for (const FieldDef& f : FieldTable()) {
        if (f.section != section) continue;
        for (int k = 0; k < FieldByteSize(f) && f.offset + k < a.size(); ++k)
            named[std::size_t(f.offset + k)] = true;
    }
    int differing = 0;
    for (qsizetype k = 0; k < a.size() && k < b.size(); ++k)
        if (!named[std::size_t(k)] && a[k] != b[k]) ++differing;
    if (differing == 0) return;
    TFieldChange c = entry(nullptr, section, 0, QStringLiteral("Section %1").arg(section));
    c.bytesDiffering = differing;
    c.bytesTotal = int(std::count(named.begin(), named.end(), false));
    out.push_back(c);
}

} // namespace

TSectionRecords DecodeSectionRecords(const QByteArray& image) {
    TMK scratch;
    scratch.SettingsImage = image;
    scratch.ReadSections(1, SectionCountMax);
    TSectionRecords records;
    for (int i = 1; i <= SectionCountMax; ++i)
        records[i] = scratch.Section(i);
    return records;
}

std::vector<TFieldChange> ComputeChanges(const TSectionRecords& device,
                                         const TSectionRecords& written, TChangeScope scope) {
    std::vector<TFieldChange> changes;
    for (int section = 1; section <= SectionCountMax; ++section) {
        const QByteArray &a = device[section], &b = written[section];
        for (const FieldDef& f : FieldTable()) {
            if (f.section != section) continue;
            if (f.deviceRecord && scope == TChangeScope::SettingsOnly) continue;
            if (f.type == FieldType::Text) {
                const QString before = ReadFieldText(a, f), after = ReadFieldText(b, f);
                if (before != after)
                    changes.push_back(valueEntry(f, 0, QString::fromLatin1(f.name), before, after));
            } else if (f.type == FieldType::Bytes) {
                compareBytes(f, a, b, changes);
            } else {
                compareNumeric(f, a, b, changes);
            }
        }
        compareUnnamed(section, a, b, changes);
    }
    return changes;
}

QString ChangeLine(const TFieldChange& c) {
    if (c.bytesTotal > 0)
        return QStringLiteral("%1: %2 of %3 bytes differ")
            .arg(c.name)
            .arg(c.bytesDiffering)
            .arg(c.bytesTotal);
    return QStringLiteral("%1: %2 -> %3").arg(c.name, c.before, c.after);
}
