#pragma once

// Two sets of settings compared in the editor's words: every setting whose value, as the
// editor shows it, differs, grouped by page; then the device's records (totals, journals)
// in words; and what could not be compared. Settings of another device type or settings
// version are compared where they mean the same: where both devices offer the setting, by
// the words each device's editor shows for it (a protocol by its name, not its position).

#include "Language.h"
#include "Prompt.h"
#include "RecordChanges.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

struct TSettingsSide {
    QByteArray image;
    std::uint16_t deviceVersion = 0;
};

struct TComparison {
    std::vector<TChangeRow> rows; // group = page path; before: the first's, after: the second's
    std::vector<journals::TRecordChange> records;
    // Settings only one of the two devices offers, as "Page: Caption".
    QStringList notCompared;
    // What the reader should know first: other device types, other settings versions.
    QStringList notes;
};

// The titles of the comparison's parts after the settings, and its closing count.
namespace ComparisonTexts {
inline constexpr TText Records{"Journals and totals", "Журналы и счётчики"};
inline constexpr TText NotCompared{"Not compared (offered in only one of the two)",
                                   "Не сравнивались (есть только в одних из двух настроек)"};
} // namespace ComparisonTexts
QString ComparisonCountText(const TComparison& c);

TComparison CompareSettings(const TSettingsSide& first, const TSettingsSide& second);

// The comparison as plain text, in the current language: the notes, the settings page by
// page ("Caption: first -> second"), the records, what could not be compared, the count.
QString ComparisonText(const TComparison& c, const QString& firstName, const QString& secondName);
