// The defaults a new model starts with. Most come from the field table (one value for
// every element of a field); the tables below hold the rest. The colour schemes and the
// hot menus of section 9 are put in by the model itself, which owns their sources.

#include "FieldAccess.h"
#include "Language.h"
#include "Pars32H.h"

#include "ByteAccess.h"

#include <initializer_list>

namespace {

// clang-format off
// Fields whose elements start with different values; elements past the list keep the
// field's own default.
struct ElementDefaults {
    const char* name;
    std::initializer_list<int> values;
};

const ElementDefaults kElementDefaults[] = {
    {"ResetPeriod", {0, -1}},   // reset 2 prohibited
    {"UniMeasADC",  {0, 1023}},
    {"UniMeasDat",  {0, 90}},
    // The 15 default tare points: 16 + 3 i litres at the reading 50 i.
    {"TarirLit",    {16, 19, 22, 25, 28, 31, 34, 37, 40, 43, 46, 49, 52, 55, 58}},
    {"TarirRes",    {0, 50, 100, 150, 200, 250, 300, 350, 400, 450, 500, 550, 600, 650, 700}},
    // Screen layouts: measured-parameter numbers, screen by screen.
    {"Digit4",      {4, 14, 8, 9,  13, 10, 11, 4,  1, 2, 5, 9,  7, 12, 3, 6,  7, 10, 8, 12,
                     18, 25, 27, 21}},
    {"Digit6",      {12, 17, 13, 10, 8, 9,  13, 17, 12, 10, 8, 9}},
    {"Digit9",      {14, 5, 12, 1, 2, 6, 10, 8, 9,  11, 24, 13, 23, 18, 17, 7, 19, 22,
                     1, 2, 3, 5, 14, 6, 20, 24, 25}},
};

// The names of the three user-named maintenance items, in the language of the moment.
struct TextDefault {
    const char* name;
    TText text;
};

const TextDefault kTextDefaults[] = {
    {"ForsTOName",   {"Inject. TS",     "ТО форсунок"}},
    {"GRMStrapName", {"GDM belt repl.", "Замена рем.ГРМ"}},
    {"CandleName",   {"Spark pl.repl.", "Замена свечей"}},
};

// One journal record each, so that a fresh model shows what a journal looks like.
struct JournalSample {
    const char* journal;
    int record;
    std::uint16_t timeOfDay; // minutes since midnight
    std::uint8_t day, month;
    std::uint32_t seconds, metres, petrolMl, gasMl;
};

const JournalSample kJournalSamples[] = {
    {"TripJournal", 1, 497, 15, 11, 123456,  10123, 1234, 12},
    {"TankJournal", 0, 622,  5,  1, 123456, 100456, 5678, 56},
};
// clang-format on

// Journal record layout: u16 time of day, u8 day, u8 month, u32 seconds, u32 metres,
// u32 petrol mL, u32 gas mL.
constexpr int JournalRecordSize = 20;

void PutJournalSample(QByteArray& record, const JournalSample& s) {
    const FieldDef& f = FieldByName(s.journal);
    const qsizetype o = f.offset + s.record * JournalRecordSize;
    bytes::checkRange(f.count, s.record * JournalRecordSize, JournalRecordSize);
    bytes::setU16le(record, o, s.timeOfDay);
    bytes::setU8(record, o + 2, s.day);
    bytes::setU8(record, o + 3, s.month);
    bytes::setU32le(record, o + 4, s.seconds);
    bytes::setU32le(record, o + 8, s.metres);
    bytes::setU32le(record, o + 12, s.petrolMl);
    bytes::setU32le(record, o + 16, s.gasMl);
}

bool HasElements(const FieldDef& f) {
    return f.type != FieldType::Text && f.type != FieldType::Bytes;
}

} // namespace

void FillSectionDefaults(int section, QByteArray& record) {
    record = QByteArray(SectionRecordSize(section), '\0');

    // Whole words first, then the bit fields, whose defaults repeat their word's bits.
    for (bool bits : {false, true})
        for (const FieldDef& f : FieldTable())
            if (f.section == section && f.isBitField() == bits && HasElements(f) && f.def != 0)
                for (int i = 0; i < f.elementCount(); ++i)
                    WriteFieldNumber(record, f, i, f.def);

    for (const ElementDefaults& e : kElementDefaults) {
        const FieldDef& f = FieldByName(e.name);
        if (f.section != section) continue;
        int i = 0;
        for (int v : e.values)
            WriteFieldInt(record, f, i++, v);
    }
    for (const TextDefault& t : kTextDefaults) {
        const FieldDef& f = FieldByName(t.name);
        if (f.section == section) WriteFieldText(record, f, t.text.text());
    }
    for (const JournalSample& s : kJournalSamples)
        if (FieldByName(s.journal).section == section) PutJournalSample(record, s);
}

bool IsDefaultText(std::string_view field, const QString& text) {
    for (const TextDefault& t : kTextDefaults)
        if (field == t.name)
            return text == QString::fromUtf8(t.text.en) || text == QString::fromUtf8(t.text.ru);
    return false;
}
