// The defaults of a new model, against the values the layouts list.

#include "ByteAccess.h"
#include "Errors.h"
#include "FieldAccess.h"
#include "Language.h"
#include "Pars32H.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

struct Expect {
    const char* name;
    int index;
    double value;
};

// clang-format off
const Expect kExpected[] = {
    {"ResetPeriod", 0, 0}, {"ResetPeriod", 1, -1}, {"ResetPeriodOnly", 0, -1},
    {"AllPathStart", 0, 0}, {"ParkSense", 1, 0},
    {"Oil6L", 0, 1000}, {"Lit6L", 0, 6}, {"Oil43L", 0, 10}, {"Lit43L", 0, 43},
    {"OilCalibrQuant", 0, 7}, {"TankMode", 0, 0}, {"TankContFull", 0, 50},
    {"GazContFull", 0, 50}, {"K100Manual", 0, 0}, {"LinkGaps", 0, 0},
    {"TarirByte0", 0, 0}, {"TarirFlagFinish", 0, 1}, {"TarirLeng", 0, 15},
    {"AirFiltCntK", 0, 15}, {"KPPOilCntK", 0, 45}, {"ForsTOCntK", 0, 30},
    {"GRMStrapCntK", 0, 45}, {"CoolLiqCntK", 0, 30}, {"EngOilCntK", 0, 15},
    {"CandleCntK", 0, 30}, {"AirWaterShow", 0, 0}, {"TO", 0, 4392}, {"OSAGO", 0, 4392},
    {"TOFlags", 0, 0x01FF}, {"TOFlag_CandleCntK", 0, 1}, {"TOFlag_MotoHour", 0, 0},
    {"MotoHourLim", 0, 0}, {"UniMeasADC", 0, 0}, {"UniMeasADC", 1, 1023},
    {"UniMeasDat", 0, 0}, {"UniMeasDat", 1, 90},
    {"MethFlags", 0, 1024}, {"ForsPosFlag", 0, 1}, {"LockType", 0, 0},
    {"VelocityLimit", 0, 40}, {"RevolutionsLimit", 0, 80}, {"TankLimit", 0, 10},
    {"VelMinForExp", 0, 0}, {"LiqTemperLimit", 0, 115}, {"CVTFDeteriorLim", 0, 30},
    {"UaccLowLimit", 0, 115}, {"UaccHighLimit", 0, 155}, {"OilAKPPTemperLimit", 0, 110},
    {"OilEngTemperLimit", 0, 110}, {"VentTempLimit", 0, 115}, {"StopVelocityLimit", 0, 20},
    {"Vel100", 0, 100}, {"Vel100Down", 0, 100}, {"RetarderOilTemperLimit", 0, 165},
    {"LiqTemperReady", 0, 70}, {"InjTimeLimit", 0, 9}, {"VAGSFilterLimit", 0, 25},
    {"InvTemperLimit", 0, 120}, {"HVBTemperLimit", 0, 120}, {"AddCoolingTemper", 0, 0},
    {"ElEngTemperLimit", 0, 0}, {"ExpenseCorr", 0, 1.0}, {"VelocityCorr", 0, 1.0},
    {"GazExpenseCorr", 0, 1.0}, {"LockTypeLevel", 0, 0}, {"ForsCoef", 0, 1},
    {"ForsCoefCarb", 0, 0},
    {"PriceExpense", 0, 250}, {"PriceTime", 0, 0}, {"PricePath", 0, 30}, {"PriceGas", 0, 0},
    {"TripMinStop", 0, 0},
    {"AlarmSound", 31, 0}, {"AlarmVelSecNoSayMax", 0, 0},
    {"DispFlags", 0, 0}, {"ActiveColorScheme", 0, 1}, {"DispSpeed", 0, 0},
    {"ShowDisp_1", 0, 4294967295.0}, {"ShowDisp_6", 0, 1}, {"ShowDisp_S", 0, 511},
    {"ShowDisp_4", 0, 63}, {"ShowDisp_9", 0, 7}, {"ExpPBLim", 0, 8},
    {"HotMenu", 0, 0}, {"Intense", 1, 0}, {"ColorMeth", 0, 0}, {"IntenseMeth", 0, 0},
    {"Protocol", 0, 0}, {"ProtTypeAdd7", 0, 0},
};

struct ExpectList {
    const char* name;
    std::vector<int> values;
};

const ExpectList kExpectedLists[] = {
    {"Digit4", {4,14,8,9, 13,10,11,4, 1,2,5,9, 7,12,3,6, 7,10,8,12, 18,25,27,21}},
    {"Digit6", {12,17,13,10,8,9, 13,17,12,10,8,9}},
    {"Digit9", {14,5,12,1,2,6,10,8,9, 11,24,13,23,18,17,7,19,22, 1,2,3,5,14,6,20,24,25}},
};
// clang-format on

// Restores the language flag when a test ends.
class LanguageGuard {
public:
    explicit LanguageGuard(bool english) : saved_(EnglishVersion) { EnglishVersion = english; }
    ~LanguageGuard() { EnglishVersion = saved_; }

private:
    bool saved_;
};

QByteArray Defaults(int section) {
    QByteArray r;
    FillSectionDefaults(section, r);
    return r;
}

TEST(SectionDefaults, ListedValues) {
    for (const Expect& e : kExpected) {
        SCOPED_TRACE(e.name);
        const FieldDef& f = FieldByName(e.name);
        EXPECT_EQ(ReadFieldNumber(Defaults(f.section), f, e.index), e.value) << e.index;
    }
    for (const ExpectList& l : kExpectedLists) {
        const FieldDef& f = FieldByName(l.name);
        const QByteArray r = Defaults(f.section);
        ASSERT_EQ(f.count, int(l.values.size())) << l.name;
        for (int i = 0; i < f.count; ++i)
            EXPECT_EQ(ReadFieldInt(r, f, i), l.values[i]) << l.name << "[" << i << "]";
    }
}

// Every byte outside the listed non-zero defaults (and the names and sample journal
// records) is 0: the colour schemes and hot menus are left to the model.
TEST(SectionDefaults, EverythingElseIsZero) {
    std::vector<std::set<int>> set(SectionCountMax + 1);
    auto mark = [&](const FieldDef& f, int begin, int length) {
        for (int b = begin; b < begin + length; ++b)
            set[f.section].insert(f.offset + b);
    };
    for (const Expect& e : kExpected)
        if (e.value != 0) {
            const FieldDef& f = FieldByName(e.name);
            mark(f, e.index * FieldTypeWidth(f.type), FieldTypeWidth(f.type));
        }
    for (const ExpectList& l : kExpectedLists)
        mark(FieldByName(l.name), 0, FieldByteSize(FieldByName(l.name)));
    for (const char* n : {"ForsTOName", "GRMStrapName", "CandleName", "TarirLit", "TarirRes"})
        mark(FieldByName(n), 0, FieldByteSize(FieldByName(n)));
    mark(FieldByName("TripJournal"), 20, 20);
    mark(FieldByName("TankJournal"), 0, 20);

    for (int s = 1; s <= SectionCountMax; ++s) {
        const QByteArray r = Defaults(s);
        ASSERT_EQ(r.size(), SectionRecordSize(s));
        for (int b = 0; b < r.size(); ++b)
            if (!set[s].count(b)) {
                EXPECT_EQ(r[b], 0) << "section " << s << " byte " << b;
            }
    }
}

TEST(SectionDefaults, FreshTotalsAreZeroButTheProhibitedResets) {
    QByteArray expected(164, '\0');
    expected[153] = char(0xFF); // ResetPeriod[1]
    expected[158] = char(0xFF); // ResetPeriodOnly
    EXPECT_EQ(Defaults(1), expected);
    EXPECT_EQ(Defaults(2), QByteArray(28, '\0'));
    EXPECT_EQ(Defaults(11), QByteArray(664, '\0'));
}

TEST(SectionDefaults, FlagWordsAndDates) {
    const QByteArray s5 = Defaults(5);
    EXPECT_EQ(bytes::u16le(s5, 100), 0x01FF);
    EXPECT_EQ(bytes::u32le(s5, 8), 4392u); // 9 January 2012
    EXPECT_EQ(bytes::u32le(s5, 12), 4392u);
    // 12 x 365 + (12 - 1) div 4 + 0 days of earlier months + 9 + 1
    EXPECT_EQ(12 * 365 + 11 / 4 + 9 + 1, 4392);
    EXPECT_EQ(bytes::u32le(Defaults(6), 0), 1024u);
    const QByteArray s9 = Defaults(9);
    EXPECT_EQ(bytes::u64le(s9, 264), 0x00000000FFFFFFFFull);
}

TEST(SectionDefaults, TarePoints) {
    const QByteArray s4 = Defaults(4);
    for (int i = 0; i < 68; ++i) {
        EXPECT_EQ(bytes::u8(s4, 8 + i), i < 15 ? 16 + 3 * i : 0) << i;
        EXPECT_EQ(bytes::s16le(s4, 144 + 2 * i), i < 15 ? 50 * i : 0) << i;
    }
}

TEST(SectionDefaults, SampleJournalRecords) {
    const QByteArray s7 = Defaults(7);
    struct Rec {
        int offset, time, day, month;
        unsigned seconds, metres, petrol, gas;
    };
    const Rec trip1 = {16 + 20, 497, 15, 11, 123456, 10123, 1234, 12};
    const Rec tank0 = {436, 622, 5, 1, 123456, 100456, 5678, 56};
    for (const Rec& r : {trip1, tank0}) {
        EXPECT_EQ(bytes::u16le(s7, r.offset), r.time);
        EXPECT_EQ(bytes::u8(s7, r.offset + 2), r.day);
        EXPECT_EQ(bytes::u8(s7, r.offset + 3), r.month);
        EXPECT_EQ(bytes::u32le(s7, r.offset + 4), r.seconds);
        EXPECT_EQ(bytes::u32le(s7, r.offset + 8), r.metres);
        EXPECT_EQ(bytes::u32le(s7, r.offset + 12), r.petrol);
        EXPECT_EQ(bytes::u32le(s7, r.offset + 16), r.gas);
    }
    int nonEmpty = 0;
    for (int rec = 0; rec < 42; ++rec)
        nonEmpty += bytes::u8(s7, 16 + 20 * rec + 2) != 0;
    EXPECT_EQ(nonEmpty, 2);
}

TEST(SectionDefaults, MaintenanceNamesFollowTheLanguageOfTheMoment) {
    const char* names[] = {"ForsTOName", "GRMStrapName", "CandleName"};
    const char* english[] = {"Inject. TS", "GDM belt repl.", "Spark pl.repl."};
    const char* russian[] = {"ТО форсунок", "Замена рем.ГРМ", "Замена свечей"};
    {
        LanguageGuard en(true);
        const QByteArray s5 = Defaults(5);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(ReadFieldText(s5, FieldByName(names[i])), QString::fromUtf8(english[i]));
        EXPECT_EQ(s5.mid(52, 11), QByteArray("Inject. TS\0", 11));
    }
    {
        LanguageGuard ru(false);
        const QByteArray s5 = Defaults(5);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(ReadFieldText(s5, FieldByName(names[i])), QString::fromUtf8(russian[i]));
        EXPECT_EQ(s5.mid(52, 3), QByteArray("\xD2\xCE\x20", 3)); // "ТО " in Windows-1251
    }
}

TEST(SectionDefaults, ReplaceWhateverTheRecordHeld) {
    for (int s = 1; s <= SectionCountMax; ++s) {
        QByteArray small(3, 'x'), large(2000, 'x');
        FillSectionDefaults(s, small);
        FillSectionDefaults(s, large);
        EXPECT_EQ(small, Defaults(s)) << s;
        EXPECT_EQ(large, Defaults(s)) << s;
    }
    QByteArray r;
    EXPECT_THROW(FillSectionDefaults(0, r), ERangeError);
    EXPECT_THROW(FillSectionDefaults(12, r), ERangeError);
}

} // namespace
