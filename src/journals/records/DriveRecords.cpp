// Trip and refuelling journals: 21 records of 20 bytes each in section 7.

#include "JournalRecords.h"

#include "ByteAccess.h"
#include "FieldTable.h"
#include "JournalNumbers.h"
#include "Language.h"
#include "Pars32H.h"
#include "ShortText.h"
#include "ValueConversions.h"

namespace journals {

namespace {

// Inside a JournalRecord.
constexpr int RecTimeOfDay = 0;
constexpr int RecDay = 2;
constexpr int RecMonth = 3;
constexpr int RecTravelTime = 4;
constexpr int RecDistance = 8;
constexpr int RecPetrol = 12;
constexpr int RecGas = 16;

qsizetype RecordOffset(DriveJournal journal, int index) {
    if (index < 0 || index >= JournalRecordCount) throw ERangeError();
    // Looked up once: every record of every table is read through here.
    static const qsizetype trip = FieldByName("TripJournal").offset;
    static const qsizetype tank = FieldByName("TankJournal").offset;
    return (journal == DriveJournal::Trip ? trip : tank) + index * JournalRecordSize;
}

// Averages of a drive have no value without time or distance.
const QString NoValue = QStringLiteral("---");

// As MinutesToText: the hours wrap at a day.
QString DateTimeText(const JournalRecord& r) {
    return TShortText()
        .number((r.timeOfDay / 60) % 24, 2)
        .add(':')
        .number(r.timeOfDay % 60, 2)
        .add("   ")
        .number(r.day)
        .add('.')
        .number(r.month, 2)
        .text();
}

QString TravelTimeText(std::uint32_t seconds) {
    const std::uint32_t minutes = seconds / 60;
    return TShortText().number(minutes / 60).add(':').number(minutes % 60, 2).text();
}

} // namespace

Prices ReadPrices(const TMK& model) {
    static const FieldDef& expense = FieldByName("PriceExpense");
    static const FieldDef& time = FieldByName("PriceTime");
    static const FieldDef& path = FieldByName("PricePath");
    static const FieldDef& gas = FieldByName("PriceGas");
    return {int(model.Get(expense)), int(model.Get(time)), int(model.Get(path)),
            int(model.Get(gas))};
}

JournalRecord ReadJournalRecord(const TMK& model, DriveJournal journal, int index) {
    return ReadJournalRecord(model.Section(7), journal, index);
}

JournalRecord ReadJournalRecord(const QByteArray& s, DriveJournal journal, int index) {
    const qsizetype o = RecordOffset(journal, index);
    JournalRecord r;
    r.timeOfDay = bytes::u16le(s, o + RecTimeOfDay);
    r.day = bytes::u8(s, o + RecDay);
    r.month = bytes::u8(s, o + RecMonth);
    r.travelTime = bytes::u32le(s, o + RecTravelTime);
    r.distance = bytes::u32le(s, o + RecDistance);
    r.petrol = bytes::u32le(s, o + RecPetrol);
    r.gas = bytes::u32le(s, o + RecGas);
    return r;
}

DriveRowTexts DriveRecordTexts(const JournalRecord& r, const Prices& prices) {
    DriveRowTexts t;
    if (r.isEmpty()) {
        t[0] = Tx("Empty", "Пусто");
        return t;
    }
    // Fuel as a 64-bit sum: two full 32-bit counters must not wrap.
    const std::uint64_t fuel = std::uint64_t(r.petrol) + r.gas;
    const double seconds = r.travelTime, metres = r.distance;
    t[0] = DateTimeText(r);
    t[1] = TravelTimeText(r.travelTime);
    t[2] = numbers::Scaled(r.distance, 3);
    t[3] = numbers::Scaled(std::int64_t(fuel), 3);
    // km/h = m * 3.6 / s, in integers so that a tie really goes to the even neighbour.
    t[4] = r.travelTime > 0 ? QString::number(numbers::RoundHalfEven(
                                  std::uint64_t(r.distance) * 36, std::uint64_t(r.travelTime) * 10))
                            : NoValue;
    t[5] = r.distance > 0 ? numbers::Fixed(double(fuel) * 100 / metres, 1) : NoValue;
    t[6] = r.travelTime > 0 ? numbers::Fixed(double(fuel) * 3.6 / seconds, 2) : NoValue;
    const double cost = (metres / 1000 * prices.path + r.petrol / 1000.0 * prices.expense +
                         r.gas / 1000.0 * prices.gas) /
                            10 +
                        seconds / 3600 * prices.time;
    t[7] = numbers::Fixed(cost, 1);
    return t;
}

void ClearDriveJournal(TMK& model, DriveJournal journal) {
    ClearDriveJournal(model.Section(7), journal);
    model.ClearedRecords.Add(RecordPartOf(journal));
}

void ClearDriveJournal(QByteArray& section7, DriveJournal journal) {
    for (int i = 0; i < JournalRecordCount; ++i)
        bytes::setU8(section7, RecordOffset(journal, i) + RecDay, 0);
}

TRecordPart RecordPartOf(DriveJournal journal) {
    return journal == DriveJournal::Trip ? TRecordPart::TripJournal : TRecordPart::TankJournal;
}

} // namespace journals
