// The field table against the record layouts: every row inside its record, rows and
// reserved ranges covering each record exactly once, bit fields kept apart, lookups.

#include "FieldTable.h"
#include "Errors.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace {

struct Range {
    int section, begin, end; // [begin, end)
};

// Reserved bytes of each section, as the layouts list them, but for those inside the
// device's records, which have rows of their own.
// clang-format off
const Range kReserved[] = {
    {1, 140, 144}, {1, 154, 158}, {1, 159, 164},
    {2, 12, 14},   {2, 18, 20},   {2, 22, 28},
    {3, 39, 42},   {3, 48, 56},   {3, 58, 64},
    {4, 3, 6},     {4, 76, 144},  {4, 280, 420},
    {5, 16, 20},   {5, 102, 104}, {5, 106, 108}, {5, 117, 128},
    {6, 47, 48},   {6, 49, 52},   {6, 55, 56},   {6, 68, 72},   {6, 76, 84},
    {7, 12, 16},   {7, 856, 860},
    {8, 33, 40},
    {9, 4, 12},    {9, 75, 76},   {9, 168, 170}, {9, 282, 288},
    {10, 11, 12},  {10, 56, 60},
};
// clang-format on

bool HasWordRow(const FieldDef& bit) {
    for (const FieldDef& f : FieldTable())
        if (!f.isBitField() && f.section == bit.section && f.offset == bit.offset &&
            f.type == bit.type && f.count >= bit.count)
            return true;
    return false;
}

TEST(FieldTable, RecordSizesAreTheDeviceFormat) {
    const int sizes[] = {164, 28, 64, 420, 128, 84, 860, 40, 288, 60, 664};
    for (int s = 1; s <= SectionCountMax; ++s)
        EXPECT_EQ(SectionRecordSize(s), sizes[s - 1]) << "section " << s;
    EXPECT_THROW(SectionRecordSize(0), ERangeError);
    EXPECT_THROW(SectionRecordSize(12), ERangeError);
}

TEST(FieldTable, EveryRowLiesInsideItsRecord) {
    ASSERT_FALSE(FieldTable().empty());
    for (const FieldDef& f : FieldTable()) {
        SCOPED_TRACE(f.name);
        ASSERT_GE(f.section, 1);
        ASSERT_LE(f.section, SectionCountMax);
        EXPECT_GT(f.count, 0);
        EXPECT_LE(f.offset + FieldByteSize(f), SectionRecordSize(f.section));
        if (f.isBitField()) {
            EXPECT_TRUE(f.type != FieldType::Text && f.type != FieldType::Bytes &&
                        f.type != FieldType::F32);
            EXPECT_LE(f.bitShift + f.bitWidth, 8 * FieldTypeWidth(f.type));
        } else {
            EXPECT_EQ(f.bitShift, 0);
        }
    }
}

// Each byte of each record belongs to exactly one whole row or reserved range; a bit
// field either sits in its word's own row or is, with its sibling fields, the only
// user of its word.
TEST(FieldTable, RowsAndReservedBytesCoverEachRecordOnce) {
    std::vector<std::vector<int>> uses(SectionCountMax + 1);
    for (int s = 1; s <= SectionCountMax; ++s)
        uses[s].assign(SectionRecordSize(s), 0);
    auto mark = [&](int section, int begin, int end) {
        for (int b = begin; b < end; ++b)
            ++uses[section][b];
    };
    for (const Range& r : kReserved)
        mark(r.section, r.begin, r.end);
    std::set<std::tuple<int, int, int>> bareWords; // bit fields' words without a row
    for (const FieldDef& f : FieldTable()) {
        if (!f.isBitField())
            mark(f.section, f.offset, f.offset + FieldByteSize(f));
        else if (!HasWordRow(f) && bareWords.insert({f.section, f.offset, FieldByteSize(f)}).second)
            mark(f.section, f.offset, f.offset + FieldByteSize(f));
    }
    for (int s = 1; s <= SectionCountMax; ++s)
        for (int b = 0; b < SectionRecordSize(s); ++b)
            EXPECT_EQ(uses[s][b], 1) << "section " << s << " byte " << b;
}

TEST(FieldTable, BitFieldsOfOneWordDoNotOverlap) {
    std::map<std::tuple<int, int, FieldType>, std::uint64_t> taken;
    int bitRows = 0;
    for (const FieldDef& f : FieldTable()) {
        if (!f.isBitField()) continue;
        ++bitRows;
        const std::uint64_t mask = ((std::uint64_t(1) << f.bitWidth) - 1) << f.bitShift;
        std::uint64_t& word = taken[{f.section, f.offset, f.type}];
        EXPECT_EQ(word & mask, 0u) << f.name;
        word |= mask;
    }
    // MethFlags 15, DispFlags 5, TOFlags 10, BlocksSel 2, byte 259 2, AlarmSound 2.
    EXPECT_GE(bitRows, 36);
}

// The constructor applies word defaults and bit defaults; they must tell the same story.
TEST(FieldTable, BitFieldDefaultsAgreeWithTheirWord) {
    for (const FieldDef& bit : FieldTable()) {
        if (!bit.isBitField()) continue;
        for (const FieldDef& w : FieldTable())
            if (!w.isBitField() && w.section == bit.section && w.offset == bit.offset &&
                w.type == bit.type) {
                const auto word = std::uint64_t(w.def);
                EXPECT_EQ((word >> bit.bitShift) & ((1u << bit.bitWidth) - 1),
                          std::uint64_t(bit.def))
                    << bit.name;
            }
    }
}

TEST(FieldTable, NamesAreUniqueAndFound) {
    std::set<std::string> names;
    for (const FieldDef& f : FieldTable()) {
        EXPECT_TRUE(names.insert(f.name).second) << "duplicate " << f.name;
        EXPECT_EQ(FindField(f.name), &f) << f.name;
        EXPECT_EQ(&FieldByName(f.name), &f);
    }
    EXPECT_EQ(FindField("NoSuchField"), nullptr);
    EXPECT_EQ(FindField("tanklimit"), nullptr); // names are case-sensitive
    EXPECT_THROW(FieldByName("NoSuchField"), TError);
}

TEST(FieldTable, RowsComeInSectionOrder) {
    int last = 0;
    for (const FieldDef& f : FieldTable()) {
        EXPECT_GE(f.section, last) << f.name;
        last = f.section;
    }
    EXPECT_EQ(last, 11);
}

// A sample of places, types and shapes read off the layouts, chosen where a slip would
// not change any size: neighbours of equal width, signedness, element counts, bit places.
struct Place {
    const char* name;
    int section, offset;
    FieldType type;
    int count, shift, width;
};

// clang-format off
const Place kPlaces[] = {
    {"AllSum",             1,   0, FieldType::U32,   4, 0, 0},
    {"OilOnlySum",         1,  96, FieldType::U32,   3, 0, 0},
    {"GasOnlySum",         1, 108, FieldType::U32,   3, 0, 0},
    {"AllPathStart",       1, 144, FieldType::S32,   1, 0, 0},
    {"AllTimeStart",       1, 148, FieldType::S32,   1, 0, 0},
    {"ResetPeriod",        1, 152, FieldType::S8,    2, 0, 0},
    {"ResetPeriodOnly",    1, 158, FieldType::S8,    1, 0, 0},
    {"ParkUse",            2,   0, FieldType::U8,    2, 0, 0},
    {"ParkSense",          2,   2, FieldType::S8,    2, 0, 0},
    {"ParkStopLeng",       2,  10, FieldType::S8,    2, 0, 0},
    {"ParkBeepType",       2,  14, FieldType::S8,    1, 0, 0},
    {"ParkFarkopLen",      2,  17, FieldType::S8,    1, 0, 0},
    {"ParkProbesQntReal",  2,  20, FieldType::S8,    2, 0, 0},
    {"Lit6L",              3,   2, FieldType::S16,   1, 0, 0},
    {"Oil43L",             3,   4, FieldType::S16,   1, 0, 0},
    {"OilCalibrLitArr",    3,  22, FieldType::S16,   7, 0, 0},
    {"OilCalibrQuant",     3,  36, FieldType::U8,    1, 0, 0},
    {"TankMeth",           3,  38, FieldType::S8,    1, 0, 0},
    {"TankContFull",       3,  44, FieldType::S16,   1, 0, 0},
    {"LinkGaps",           3,  46, FieldType::U16,   1, 0, 0},
    {"GazContFull",        3,  56, FieldType::S16,   1, 0, 0},
    {"TarirLeng",          4,   2, FieldType::U8,    1, 0, 0},
    {"TarirIncline",       4,   7, FieldType::U8,    1, 0, 0},
    {"TarirLit",           4,   8, FieldType::U8,   68, 0, 0},
    {"TarirRes",           4, 144, FieldType::S16,  68, 0, 0},
    {"CandleCntK",         5,   6, FieldType::S8,    1, 0, 0},
    {"AirWaterShow",       5,   7, FieldType::S8,    1, 0, 0},
    {"OSAGO",              5,  12, FieldType::U32,   1, 0, 0},
    {"BlocksShowList",     5,  20, FieldType::U8,    1, 7, 1},
    {"GRMStrapName",       5,  68, FieldType::Text, 16, 0, 0},
    {"TOFlags",            5, 100, FieldType::U16,   1, 0, 0},
    {"TOFlag_MotoHour",    5, 100, FieldType::U16,   1, 9, 1},
    {"MotoHourLim",        5, 104, FieldType::S16,   1, 0, 0},
    {"UniMeasDat",         5, 112, FieldType::S16,   2, 0, 0},
    {"AccelCalibration",   5, 116, FieldType::U8,    1, 0, 0},
    {"ForsPosFlag",        6,   0, FieldType::U32,   1, 10, 1},
    {"GasCalcExp",         6,   0, FieldType::U32,   1, 18, 1},
    {"VelMinForExp",       6,   7, FieldType::S8,    1, 0, 0},
    {"UaccHighLimit",      6,  14, FieldType::S16,   1, 0, 0},
    {"RetarderOilTemperLimit", 6, 28, FieldType::S16, 1, 0, 0},
    {"HVBTemperLimit",     6,  34, FieldType::S8,    1, 0, 0},
    {"ElEngTemperLimit",   6,  38, FieldType::S16,   1, 0, 0},
    {"UaccMeth",           6,  44, FieldType::U8,    1, 0, 0},
    {"AirTemperGetMeth",   6,  48, FieldType::U8,    1, 0, 0},
    {"VelocityCorr",       6,  60, FieldType::F32,   1, 0, 0},
    {"ForsCoef",           6,  73, FieldType::U8,    1, 0, 0},
    {"PricePath",          7,   4, FieldType::S16,   1, 0, 0},
    {"TripMinStop",        7,  10, FieldType::S16,   1, 0, 0},
    {"TankJournal",        7, 436, FieldType::Bytes, 420, 0, 0},
    {"AlarmSound_N",       8,   0, FieldType::U8,   32, 3, 3},
    {"AlarmVelSecNoSayMax", 8, 32, FieldType::S8,    1, 0, 0},
    {"Digit9",             9,  48, FieldType::U8,   27, 0, 0},
    {"Dig1",               9,  76, FieldType::U8,    4, 0, 0},
    {"ActiveColorScheme",  9, 171, FieldType::S8,    1, 0, 0},
    {"HotMenu",            9, 172, FieldType::U16,  40, 0, 0},
    {"ColorMeth",          9, 259, FieldType::U8,    1, 4, 4},
    {"IntenseMeth",        9, 259, FieldType::U8,    1, 0, 4},
    {"IntenseNightTime",   9, 262, FieldType::S16,   1, 0, 0},
    {"ShowDisp_1",         9, 264, FieldType::U64,   1, 0, 0},
    {"ShowDisp_S",         9, 274, FieldType::U16,   1, 0, 0},
    {"ShowDisp_9",         9, 278, FieldType::U16,   1, 0, 0},
    {"Protocol",          10,   4, FieldType::U16,   1, 0, 0},
    {"ProtocolSelectMeth", 10,  8, FieldType::S8,    1, 0, 0},
    {"ProtTypeAdd2",      10,  14, FieldType::U8,    1, 0, 0},
    {"StartThrottle",     10,  22, FieldType::S16,   1, 0, 0},
    {"FreezeFramePids",   11,   4, FieldType::Bytes, 12, 0, 0},
    {"FaultJournal",      11,  16, FieldType::Bytes, 644, 0, 0},
};
// clang-format on

TEST(FieldTable, SampledPlacesMatchTheLayouts) {
    for (const Place& p : kPlaces) {
        SCOPED_TRACE(p.name);
        const FieldDef* f = FindField(p.name);
        ASSERT_NE(f, nullptr);
        EXPECT_EQ(f->section, p.section);
        EXPECT_EQ(f->offset, p.offset);
        EXPECT_EQ(f->type, p.type);
        EXPECT_EQ(f->count, p.count);
        EXPECT_EQ(f->bitShift, p.shift);
        EXPECT_EQ(f->bitWidth, p.width);
    }
}

} // namespace
