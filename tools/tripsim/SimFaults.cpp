// The simulated trip computer's fault journal: seven faults of the weeks before the last day
// of its history, the powertrain ones with the OBD freeze frame the engine unit stored.

#include "ByteAccess.h"
#include "FieldTable.h"
#include "Pars32H.h"
#include "SimHistory.h"

#include <array>
#include <iterator>

namespace sim {

namespace {

// Fault record: u16 time of day (min), u8 day, u8 month, u32 code, 84-byte freeze frame
// (u32 trouble code, u16 fuel-system status, one s16 per PID).
constexpr int FaultRecordSize = 92;
constexpr int FreezeFrameOffset = 8;
constexpr int FreezeFramePidBytes = 12;

// Codes as the OBD-II protocols report them: bits 15-14 the system (0 P, 1 C, 2 B, 3 U).
constexpr std::uint32_t Powertrain = 0x0000;
constexpr std::uint32_t Chassis = 0x4000;
constexpr std::uint32_t Body = 0x8000;
constexpr std::uint32_t Network = 0xC000;

// Where each PID's value sits in the frame.
struct TPidPlace {
    int pid;
    int offset;
};

// clang-format off
constexpr TPidPlace FramePids[] = {
    {0x03,  4}, {0x04,  6}, {0x05,  8}, {0x06, 10}, {0x07, 14}, {0x0B, 20}, {0x0C, 24},
    {0x0D, 22}, {0x0E, 26}, {0x0F, 28}, {0x11, 32}, {0x1F, 40}, {0x21, 42}, {0x30, 54},
    {0x31, 56}, {0x33, 60}, {0x42, 70}, {0x46, 76},
};

// One value per PID of FramePids, in its order and its stored unit: fuel-system status (high
// byte system 1: 1 open loop cold, 2 closed loop), load %, coolant C, short and long trim %,
// manifold kPa, rpm, km/h, timing advance in tenths, intake air C, throttle %, run time s,
// km with the lamp on, warm-ups and km since clearing, barometer kPa, volts in tenths,
// outside air C.
using TFrame = std::array<int, std::size(FramePids)>;
constexpr TFrame Frames[] = {
    {0x0200, 46, 91,  2, -3, 52, 2480, 94, 245, 18, 21, 1845, 0, 14, 1262, 100, 141, 4},
    {0x0200, 38, 88, 14, 22, 44, 1950, 62, 280, 21, 17,  920, 0,  9,  846,  99, 140, 7},
    {0x0100, 31, 24,  0, -2, 38,  820,  0,  65,  3, 13,   48, 0,  5,  402, 101, 136, 1},
    {0x0200, 27, 62,  1, -1, 33, 1720, 48, 315,  9, 12, 1260, 0,  2,  118, 100, 139, 6},
};

struct TFault {
    int daysAgo;
    int minute;          // of the day
    std::uint32_t code;
    int frame;           // index into Frames; -1: none stored
};
// Slot 0 is the latest.
constexpr TFault Faults[] = {
    { 3,  8 * 60 + 12, Powertrain | 0x0420,  0},  // catalyst efficiency, at cruise
    {12, 18 * 60 + 41, Powertrain | 0x0171,  1},  // system too lean
    {19,  7 * 60 + 55, Network    | 0x0100, -1},  // lost communication with the engine unit
    {27,  7 * 60 + 36, Powertrain | 0x0301,  2},  // misfire, cylinder 1, cold start
    {41, 17 * 60 + 58, Chassis    | 0x0035, -1},  // wheel-speed sensor
    {50,  7 * 60 + 49, Body       | 0x1318, -1},  // battery voltage low
    {58,  8 * 60 +  5, Powertrain | 0x0128,  3},  // coolant below thermostat temperature
};
// clang-format on

} // namespace

void FillFaultJournal(TMK& model, const QDate& lastDay) {
    const FieldDef& pidsField = FieldByName("FreezeFramePids");
    const FieldDef& journalField = FieldByName("FaultJournal");
    QByteArray& section = model.Section(journalField.section);

    QByteArray pids(FreezeFramePidBytes, '\0');
    for (const TPidPlace& p : FramePids)
        pids[(p.pid - 1) / 8] =
            char(std::uint8_t(pids[(p.pid - 1) / 8]) | (0x80 >> ((p.pid - 1) % 8)));
    section.replace(pidsField.offset, FreezeFramePidBytes, pids);

    int slot = 0;
    for (const TFault& f : Faults) {
        const qsizetype o = journalField.offset + qsizetype(slot++) * FaultRecordSize;
        const QDate day = lastDay.addDays(-f.daysAgo);
        bytes::setU16le(section, o, std::uint16_t(f.minute));
        bytes::setU8(section, o + 2, std::uint8_t(day.day()));
        bytes::setU8(section, o + 3, std::uint8_t(day.month()));
        bytes::setU32le(section, o + 4, f.code);
        const qsizetype frame = o + FreezeFrameOffset;
        section.replace(frame, FaultRecordSize - FreezeFrameOffset,
                        QByteArray(FaultRecordSize - FreezeFrameOffset, '\0'));
        if (f.frame < 0) continue;
        bytes::setU32le(section, frame, f.code); // the code that stored the frame
        const TFrame& values = Frames[f.frame];
        for (std::size_t i = 0; i < values.size(); ++i)
            bytes::setS16le(section, frame + FramePids[i].offset, std::int16_t(values[i]));
    }
}

} // namespace sim
