#pragma once

// A past worth looking at for the simulated trip computer: eight months of a commuter's
// bi-fuel car (started on petrol, run on LPG once warm), generated from a fixed seed so
// that every run shows the same history. It fills
// - section 1: the eight running sums, which agree with the drives (jams + traffic = all,
//   petrol only + gas only = all, reset 2 = the drives since the last refuelling, trip =
//   the last drive) and the odometer start;
// - section 7: fuel prices, the last 21 drives and the last 21 stretches between
//   refuellings;
// - section 10: an OBD-II protocol, so that fault codes read as P0301, C0035, U0100;
// - section 11: the fault journal, powertrain faults with their freeze frames.
// Times are s, distances m, fuel mL, as the device counts them.

#include <QDate>
#include <cstdint>

class TMK;

namespace sim {

constexpr std::uint32_t HistorySeed = 0x7C0FFEE5;
// The device the protocol choice is made for (the simulator's default device).
constexpr std::uint16_t HistoryDeviceVersion = 0x4610;
// The last day of the history (the device keeps no year).
inline QDate HistoryLastDay() {
    return QDate(2026, 12, 4);
}

// Same seed, same bytes. The other settings of the model stay as they are.
void FillHistory(TMK& model, std::uint32_t seed = HistorySeed);

// The fault journal alone (part of FillHistory): faults of the weeks before lastDay.
void FillFaultJournal(TMK& model, const QDate& lastDay);

} // namespace sim
