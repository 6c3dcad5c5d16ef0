#pragma once

// What the trip computer writes into its own memory when a drive ends: the drive becomes
// entry 0 of the trip journal, the older entries move down one place and the oldest falls
// off, and every running sum of section 1 grows by the drive. Both sections are found
// through the memory's own section table, wherever it puts them.

#include "SimDrive.h"

#include <QByteArray>
#include <cstdint>

namespace sim {

// Seed of the drives a running simulator records, so that every run records the same ones.
constexpr std::uint32_t DriveSeed = 0x0D21FE55;

// Makes the next drive with random and records it into memory (by device address). The
// drive ends after the journal's latest entry: later that day, or the next day when the
// day is over; an empty journal gets the day after the generated history. A section whose
// table entry has no room for the journal or the sums is left alone. Returns the drive.
TDrive RecordNextDrive(QByteArray& memory, TRandom& random);

} // namespace sim
