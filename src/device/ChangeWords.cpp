#include "ChangeWords.h"

#include "DeviceTransfers.h"
#include "Language.h"
#include "Pars32H.h"
#include "SettingDescriptions.h"
#include "SettingPages.h"

#include <algorithm>
#include <climits>

namespace {

constexpr int OtherGroup = INT_MAX; // after every page

struct TPlacedRow {
    int page; // tab order; OtherGroup after every page
    TChangeRow row;
};

QString OtherSettings() {
    return Tx("Other settings", "Прочие настройки");
}

QString BytesText(const TFieldChange& c) {
    return Tx("%1 of %2 bytes differ", "отличаются %1 из %2 байт")
        .arg(c.bytesDiffering)
        .arg(c.bytesTotal);
}

QString CaptionOf(const TSettingElement& e, const TSettingContext& c) {
    const QString caption = SettingCaption(*e.setting, c, e.k);
    return caption.isEmpty() ? e.setting->caption.text() + QStringLiteral(" #%1").arg(e.k + 1)
                             : caption;
}

TPlacedRow Placed(const TSettingElement& e, const TSettingContext& c, const QString& before,
                  const QString& after) {
    return {SettingPageOrder(e.setting->page),
            {SettingPagePath(e.setting->page), CaptionOf(e, c), before, after}};
}

TPlacedRow Other(const QString& setting, const QString& before, const QString& after) {
    return {OtherGroup, {OtherSettings(), setting, before, after}};
}

std::vector<TPlacedRow> Describe(const TFieldChange& ch, const TSettingContext& c) {
    if (!ch.field) return {Other(ch.name, {}, BytesText(ch))};
    if (ch.bytesTotal > 0) { // a byte range with many changes: told as one
        const std::vector<TSettingElement> found = SettingsOf(*ch.field, 0, -1, c);
        if (found.empty()) return {Other(ch.name, {}, BytesText(ch))};
        TPlacedRow row = Placed(found.front(), c, {}, BytesText(ch));
        row.row.setting = found.front().setting->caption.text();
        return {row};
    }
    if (!ch.numeric) { // a text
        const std::vector<TSettingElement> found = SettingsOf(*ch.field, 0, -1, c);
        if (found.empty()) return {Other(ch.name, ch.before, ch.after)};
        return {Placed(found.front(), c, ch.before, ch.after)};
    }
    if (const std::vector<TSettingElement> found = SettingsOf(*ch.field, ch.index, -1, c);
        !found.empty()) {
        const TSettingElement& e = found.front();
        return {Placed(e, c, SettingValueText(*e.setting, c, ch.beforeValue, e.k),
                       SettingValueText(*e.setting, c, ch.afterValue, e.k))};
    }
    // A word whose bits are settings of their own: one row for each bit that changes.
    const auto before = std::uint64_t(std::int64_t(ch.beforeValue));
    const auto after = std::uint64_t(std::int64_t(ch.afterValue));
    std::vector<TPlacedRow> rows;
    std::uint64_t described = 0;
    for (int bit = 0; bit < 64; ++bit) {
        if (((before ^ after) >> bit & 1) == 0) continue;
        const std::vector<TSettingElement> found = SettingsOf(*ch.field, ch.index, bit, c);
        if (found.empty()) continue;
        described |= std::uint64_t(1) << bit;
        const TSettingElement& e = found.front();
        rows.push_back(Placed(e, c, SettingValueText(*e.setting, c, double(before >> bit & 1), e.k),
                              SettingValueText(*e.setting, c, double(after >> bit & 1), e.k)));
    }
    if ((before ^ after) & ~described) rows.push_back(Other(ch.name, ch.before, ch.after));
    return rows;
}

} // namespace

TSettingWords::TSettingWords(const QByteArray& image, std::uint16_t deviceVersion)
    : model_(std::make_unique<TMK>()) {
    model_->DeviceVersion = deviceVersion;
    model_->SettingsImage = image;
    model_->ReadSections(1, SectionCountMax);
    model_->PrepareCatalogues();
    context_ = std::make_unique<TSettingContext>(SettingContextOf(*model_));
}

TSettingWords::~TSettingWords() = default;

std::vector<TChangeRow> TSettingWords::Described(const TFieldChange& change) const {
    std::vector<TChangeRow> rows;
    for (const TPlacedRow& p : Describe(change, *context_))
        if (p.page != OtherGroup) rows.push_back(p.row);
    return rows;
}

std::vector<TChangeRow> TSettingWords::Rows(const std::vector<TFieldChange>& changes) const {
    std::vector<TPlacedRow> placed;
    for (const TFieldChange& c : changes)
        for (TPlacedRow& p : Describe(c, *context_))
            placed.push_back(std::move(p));
    std::stable_sort(placed.begin(), placed.end(),
                     [](const TPlacedRow& a, const TPlacedRow& b) { return a.page < b.page; });
    std::vector<TChangeRow> rows;
    for (const TPlacedRow& p : placed)
        rows.push_back(p.row);
    return rows;
}

std::vector<TChangeRow> ChangeRowsInWords(const std::vector<TFieldChange>& changes,
                                          const QByteArray& writtenImage,
                                          std::uint16_t deviceVersion) {
    return TSettingWords(writtenImage, deviceVersion).Rows(changes);
}

QString ChangeRowLine(const TChangeRow& row) {
    return row.before.isEmpty()
               ? QStringLiteral("%1: %2").arg(row.setting, row.after)
               : QStringLiteral("%1: %2 -> %3").arg(row.setting, row.before, row.after);
}

QString WriteChangesText(const TWriteOutcome& outcome) {
    const TWritePlan& plan = outcome.plan;
    QStringList lines;
    for (const TChangeRow& r :
         ChangeRowsInWords(plan.changes, plan.writtenImage, plan.deviceVersion))
        lines << ChangeRowLine(r);
    for (const journals::TRecordChange& r :
         outcome.recordsReplaced ? plan.replacedRecordChanges : plan.recordChanges)
        lines << journals::RecordChangeLine(r);
    return lines.join(u'\n');
}
