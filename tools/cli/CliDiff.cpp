#include "ChangeList.h"
#include "ChangeWords.h"
#include "CliCommands.h"
#include "CliOptions.h"
#include "FieldAccess.h"
#include "FieldText.h"
#include "Pars32H.h"
#include "SettingsFile.h"

#include <optional>
#include <vector>

namespace cli {

namespace {

// Marks the image bytes that the header and the named fields cover, by the image's own
// section table.
void markNamed(const TMK& m, std::vector<bool>& named) {
    for (int i = 0; i < HeaderSize && i < int(named.size()); ++i)
        named[i] = true;
    for (const FieldDef& f : FieldTable()) {
        const int start = m.SectionAddress(f.section) + f.offset;
        for (int k = 0; k < FieldByteSize(f); ++k) {
            const std::optional<int> at = ImageOffset(start + k);
            if (at && *at < int(named.size())) named[std::size_t(*at)] = true;
        }
    }
}

int compareLine(QTextStream& out, const QString& name, const QString& a, const QString& b,
                const QString& words = {}) {
    if (a == b) return 0;
    out << name << ": " << a << " -> " << b << words << "\n";
    return 1;
}

// The editor's words of one element that differs, by B's device and settings.
QString words(const TSettingWords& w, const FieldDef& f, int index, const QString& a,
              const QString& b, double va = 0, double vb = 0, bool numeric = true) {
    if (a == b) return {};
    TFieldChange c;
    c.field = &f;
    c.section = f.section;
    c.index = index;
    c.before = a;
    c.after = b;
    c.numeric = numeric;
    c.beforeValue = va;
    c.afterValue = vb;
    return WordsOf(c, w);
}

} // namespace

int Diff(const QStringList& args, Streams io) {
    const ParsedArgs p = ParseArgs(args, {}, {});
    if (!p.error.isEmpty() || p.positional.size() != 2) {
        io.err << (p.error.isEmpty() ? QStringLiteral("diff takes two settings files.") : p.error)
               << "\n"
               << UsageText();
        return ExitUsage;
    }
    TMK a, b;
    LoadSettingsForTool(a, p.positional[0]);
    LoadSettingsForTool(b, p.positional[1]);

    int differences = 0;
    auto hex = [](int v) { return QStringLiteral("0x%1").arg(v, 4, 16, QLatin1Char('0')); };
    differences += compareLine(io.out, "DeviceVersion", hex(a.DeviceVersion), hex(b.DeviceVersion));
    differences += compareLine(io.out, "SettingsVersion", QString::number(a.SettingsVersion()),
                               QString::number(b.SettingsVersion()));
    differences += compareLine(io.out, "SectionCount", QString::number(a.SectionCount()),
                               QString::number(b.SectionCount()));
    for (int i = 1; i <= SectionCountMax; ++i) {
        const QString s = QStringLiteral("Section %1 ").arg(i);
        differences += compareLine(io.out, s + "Address", QString::number(a.SectionAddress(i)),
                                   QString::number(b.SectionAddress(i)));
        differences += compareLine(io.out, s + "Length", QString::number(a.SectionLength(i)),
                                   QString::number(b.SectionLength(i)));
    }

    const TSettingWords w(b.SettingsImage, b.DeviceVersion);
    for (const FieldDef& f : FieldTable()) {
        const QByteArray &ra = a.Section(f.section), &rb = b.Section(f.section);
        if (f.type == FieldType::Text || f.type == FieldType::Bytes) {
            if (f.type == FieldType::Bytes) {
                const QByteArray xa = ReadFieldBytes(ra, f), xb = ReadFieldBytes(rb, f);
                for (int k = 0; k < xa.size(); ++k) {
                    const auto va = std::uint8_t(xa[k]), vb = std::uint8_t(xb[k]);
                    const QString sa = QString::number(va), sb = QString::number(vb);
                    differences += compareLine(io.out, QStringLiteral("%1[%2]").arg(f.name).arg(k),
                                               sa, sb, words(w, f, k, sa, sb, va, vb));
                }
            } else {
                const QString ta = FieldText(ra, f), tb = FieldText(rb, f);
                differences +=
                    compareLine(io.out, f.name, ta, tb, words(w, f, 0, ta, tb, 0, 0, false));
            }
            continue;
        }
        for (int i = 0; i < f.elementCount(); ++i) {
            const QString name = f.elementCount() == 1
                                     ? QString::fromLatin1(f.name)
                                     : QStringLiteral("%1[%2]").arg(f.name).arg(i);
            const QString ta = ElementText(ra, f, i), tb = ElementText(rb, f, i);
            differences += compareLine(
                io.out, name, ta, tb,
                words(w, f, i, ta, tb, ReadFieldNumber(ra, f, i), ReadFieldNumber(rb, f, i)));
        }
    }

    const qsizetype size = std::max(a.SettingsImage.size(), b.SettingsImage.size());
    std::vector<bool> named(size, false);
    markNamed(a, named);
    markNamed(b, named);
    int otherBytes = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const bool inA = i < a.SettingsImage.size(), inB = i < b.SettingsImage.size();
        if (named[i] && inA && inB) continue;
        if (inA != inB || a.SettingsImage[i] != b.SettingsImage[i]) ++otherBytes;
    }
    io.out << "Differing image bytes outside named fields: " << otherBytes << "\n";
    return differences + otherBytes == 0 ? ExitOk : ExitFailure;
}

} // namespace cli
