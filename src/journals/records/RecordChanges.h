#pragma once

// The device's records on their way into a write: the user's clears made again on the
// device's own records, and what a write does to them told in words ("Trip journal: 5
// records replaced", "Total distance: 12,345.6 km -> 9,876.5 km") rather than as raw bytes.

#include "DeviceRecords.h"

#include <QString>
#include <vector>

namespace journals {

// Clears the parts in the records, as the journals viewer clears them.
void ClearRecordParts(TSectionRecords& records, const TRecordParts& parts);

// One line about the records, in the current language. `before` is empty where only the
// new state is told (a journal's replaced records).
struct TRecordChange {
    QString what;
    QString before;
    QString after;
    bool operator==(const TRecordChange&) const = default;
};

// What writing `written` over `device` does to the records: per adder counter that changes,
// per journal the records that change, and record bytes of no journal that change.
std::vector<TRecordChange> DescribeRecordChanges(const TSectionRecords& device,
                                                 const TSectionRecords& written);

// The same records compared rather than written: a journal's line tells how many records
// each holds and how many differ ("Trip journal, 7 records differ: 12 records -> 5 records").
std::vector<TRecordChange> DescribeRecordDifferences(const TSectionRecords& first,
                                                     const TSectionRecords& second);

// "what: before -> after", or "what: after".
QString RecordChangeLine(const TRecordChange& change);

} // namespace journals
