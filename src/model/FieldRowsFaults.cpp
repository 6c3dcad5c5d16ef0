// Section 11 (664 bytes): the fault journal, recorded by the device as a whole; bytes 0..3
// and 660..663 have no known meaning and are carried unchanged.

#include "FieldRows.h"

namespace {

using enum FieldType;

// clang-format off
constexpr FieldDef kRows[] = {
    // name                section offset type count default shift width device record
    {"FaultJournalHead",    11,    0, Bytes, 4,     0, 0, 0, true},
    // Bitmap of OBD PIDs 1..96 present in the freeze frames, PID p at bit
    // 0x80 >> ((p - 1) % 8) of byte (p - 1) / 8.
    {"FreezeFramePids",     11,    4, Bytes, 12,    0, 0, 0, true},
    // Seven fault records of 92 bytes: time, date, code and an 84-byte freeze frame.
    {"FaultJournal",        11,   16, Bytes, 644,   0, 0, 0, true},
    {"FaultJournalTail",    11,  660, Bytes, 4,     0, 0, 0, true},
};
// clang-format on

} // namespace

std::span<const FieldDef> fieldrows::FaultsRows() {
    return kRows;
}
