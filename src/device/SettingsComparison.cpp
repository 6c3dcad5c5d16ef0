#include "SettingsComparison.h"

#include "ChangeWords.h"
#include "DeviceModels.h"
#include "FieldAccess.h"
#include "Language.h"
#include "Pars32H.h"
#include "SettingDescriptions.h"
#include "SettingPages.h"

#include <algorithm>

namespace {

// The value a setting's element holds, as its editor shows it.
QString ShownValue(const TSettingWords& w, const TSettingDesc& s, int k) {
    const TFieldRef ref = SettingField(s, k);
    const QByteArray& record = w.Model().Section(ref.field->section);
    if (ref.field->type == FieldType::Text) return ReadFieldText(record, *ref.field);
    double stored = 0;
    if (ref.field->type == FieldType::Bytes)
        stored = std::uint8_t(ReadFieldBytes(record, *ref.field).at(ref.index));
    else if (ref.bit >= 0)
        stored = double((ReadFieldInt(record, *ref.field, ref.index) >> ref.bit) & 1);
    else
        stored = ReadFieldNumber(record, *ref.field, ref.index);
    return SettingValueText(s, w.Context(), stored, k);
}

TSectionRecords RecordsOf(const TMK& m) {
    TSectionRecords r;
    for (int i = 1; i <= SectionCountMax; ++i)
        r[i] = m.Section(i);
    return r;
}

} // namespace

TComparison CompareSettings(const TSettingsSide& first, const TSettingsSide& second) {
    const TSettingWords a(first.image, first.deviceVersion);
    const TSettingWords b(second.image, second.deviceVersion);
    TComparison out;
    if (first.deviceVersion != second.deviceVersion)
        out.notes << Tx("Different device types: %1 and %2. Settings both offer are compared "
                        "by what they mean; those only one offers are listed apart.",
                        "Разные типы устройств: %1 и %2. Настройки, которые есть у обоих, "
                        "сравниваются по смыслу; те, что есть только у одного, перечислены "
                        "отдельно.")
                         .arg(DeviceTypeText(first.deviceVersion),
                              DeviceTypeText(second.deviceVersion));
    const int va = a.Model().SettingsVersion(), vb = b.Model().SettingsVersion();
    if (va != vb)
        out.notes << Tx("Different settings versions: %1 and %2. The settings are compared as "
                        "laid out alike; a firmware that moved them would need the device itself.",
                        "Разные версии настроек: %1 и %2. Настройки сравниваются как "
                        "расположенные одинаково.")
                         .arg(va)
                         .arg(vb);

    const TText unused{"(not in use)", "(не используется)"};
    for (const TSettingDesc& s : SettingDescriptions()) {
        const bool inA = SettingOffered(s, a.Context()), inB = SettingOffered(s, b.Context());
        if (!inA && !inB) continue;
        for (int k = 0; k < s.count; ++k) {
            const QString captionA = SettingCaption(s, a.Context(), k);
            const QString captionB = SettingCaption(s, b.Context(), k);
            // An element one side does not show (a screen box past its protocol's list, a
            // tare point past the table's length) reads as not in use there.
            const bool elementA = inA && (s.count == 1 || !captionA.isEmpty());
            const bool elementB = inB && (s.count == 1 || !captionB.isEmpty());
            if (!elementA && !elementB) continue;
            const QString caption = elementB ? captionB : captionA;
            if (inA != inB) {
                out.notCompared << SettingPagePath(s.page) + QStringLiteral(": ") + caption;
                continue;
            }
            const QString x = elementA ? ShownValue(a, s, k) : unused.text();
            const QString y = elementB ? ShownValue(b, s, k) : unused.text();
            if (x != y) out.rows.push_back({SettingPagePath(s.page), caption, x, y});
        }
    }
    out.records = journals::DescribeRecordDifferences(RecordsOf(a.Model()), RecordsOf(b.Model()));
    return out;
}

QString ComparisonCountText(const TComparison& c) {
    return c.rows.empty()
               ? Tx("No setting differs.", "Настройки не различаются.")
               : Tx("Settings that differ: %1", "Различающихся настроек: %1").arg(c.rows.size());
}

QString ComparisonText(const TComparison& c, const QString& firstName, const QString& secondName) {
    QString text = Tx("Compared: %1 -> %2", "Сравнение: %1 -> %2").arg(firstName, secondName) +
                   QLatin1Char('\n');
    for (const QString& note : c.notes)
        text += note + QLatin1Char('\n');
    QString group;
    for (const TChangeRow& r : c.rows) {
        if (r.group != group) {
            group = r.group;
            text += QLatin1Char('\n') + group + QLatin1Char('\n');
        }
        text += QStringLiteral("  %1: %2 -> %3\n").arg(r.setting, r.before, r.after);
    }
    if (!c.records.empty()) {
        text += QLatin1Char('\n') + ComparisonTexts::Records.text() + QLatin1Char('\n');
        for (const journals::TRecordChange& r : c.records)
            text += QStringLiteral("  ") + journals::RecordChangeLine(r) + QLatin1Char('\n');
    }
    if (!c.notCompared.isEmpty()) {
        text += QLatin1Char('\n') + ComparisonTexts::NotCompared.text() + QLatin1Char('\n');
        for (const QString& line : c.notCompared)
            text += QStringLiteral("  ") + line + QLatin1Char('\n');
    }
    text += QLatin1Char('\n') + ComparisonCountText(c) + QLatin1Char('\n');
    return text;
}
