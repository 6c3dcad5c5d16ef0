#pragma once

// A write's changes in the settings' own words (SettingDescriptions.h): grouped by page in
// tab order, each with the setting's caption and both values as the editor shows them, in
// the current language. Changes no setting describes come last under their field-table
// names. The words are those of the settings about to be written: their device model, their
// protocol, their parameter and menu names.

#include "ChangeList.h"
#include "Prompt.h"
#include "SettingContext.h"

#include <QByteArray>
#include <cstdint>
#include <memory>
#include <vector>

class TMK;
struct TWriteOutcome;

class TSettingWords {
public:
    TSettingWords(const QByteArray& image, std::uint16_t deviceVersion);
    ~TSettingWords();
    TSettingWords(const TSettingWords&) = delete;
    TSettingWords& operator=(const TSettingWords&) = delete;

    const TSettingContext& Context() const { return *context_; }
    const TMK& Model() const { return *model_; }

    // Rows for every change, sorted by page (settings nothing describes last).
    std::vector<TChangeRow> Rows(const std::vector<TFieldChange>& changes) const;
    // The rows of one change: one, or one per bit of a word whose bits are settings of
    // their own; empty when no setting describes it.
    std::vector<TChangeRow> Described(const TFieldChange& change) const;

private:
    std::unique_ptr<TMK> model_;
    std::unique_ptr<TSettingContext> context_;
};

// The change list of a write as the window shows it (before the device's records).
std::vector<TChangeRow> ChangeRowsInWords(const std::vector<TFieldChange>& changes,
                                          const QByteArray& writtenImage,
                                          std::uint16_t deviceVersion);

// "Caption: old -> new", or "Caption: new" for a row without an old value.
QString ChangeRowLine(const TChangeRow& row);

// What a write changed, one line each, as a vehicle's history keeps it: every setting's line,
// then what happened to the device's journals and totals (replaced or kept, as chosen).
QString WriteChangesText(const TWriteOutcome& outcome);
