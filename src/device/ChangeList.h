#pragma once

// What a write will change in the device: every named field (element, or bit field) whose
// value differs between the device's current sections and the sections about to be
// written, by the one field table. Pure functions; the window adds the editor's captions
// and units, the command-line tool prints the lines as they are.

#include "FieldTable.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <vector>

// The records as a model decodes them from this image by its own section table (record
// bytes the table does not cover keep their defaults, alike on both sides of a comparison).
TSectionRecords DecodeSectionRecords(const QByteArray& image);

struct TFieldChange {
    // nullptr for record bytes no field names.
    const FieldDef* field = nullptr;
    int section = 0;
    // The element of a numeric field; for a byte of a byte range, its position in the range.
    int index = 0;
    // "TankLimit", "ParkSense[1]", "ForsTOName", "TripJournal[12]", or for unnamed record
    // bytes "Section 11".
    QString name;
    // Raw stored values as `show` prints them (text fields as their text).
    QString before, after;
    // Numeric fields and single bytes: the stored values, for the editor's conversions.
    bool numeric = false;
    double beforeValue = 0, afterValue = 0;
    // Byte ranges with many differing bytes and unnamed bytes are one entry: how many of
    // how many bytes differ (before and after are then empty).
    int bytesDiffering = 0, bytesTotal = 0;
};

// A byte range with more differing bytes than this is one summary entry, not a line a byte
// (a cleared journal would otherwise list hundreds of bytes).
constexpr int MaxByteLines = 8;

// Which fields a comparison looks at: all of them (two files compared), or the settings
// alone (a write, which tells what it does to the device's records in words).
enum class TChangeScope { AllFields, SettingsOnly };

// Changes in field-table order (section by section), text fields compared by their text.
std::vector<TFieldChange> ComputeChanges(const TSectionRecords& device,
                                         const TSectionRecords& written,
                                         TChangeScope scope = TChangeScope::AllFields);

// "NAME: OLD -> NEW", or "NAME: N of M bytes differ".
QString ChangeLine(const TFieldChange& change);
