// Rows of an OBD freeze frame: the trouble code that stored it, then one row per PID
// that the journal's PID map marks present.

#include "JournalRecords.h"

#include "ByteAccess.h"
#include "JournalNumbers.h"
#include "Language.h"

namespace journals {

namespace {

enum class Shown {
    Integer,      // signed decimal
    Tenths,       // value / 10, one decimal
    Hundredths,   // value / 100, two decimals
    FuelSystem1,  // status text of the high byte
    FuelSystem2,  // status text of the low byte
    SecondaryAir, // status text of the value
};

struct PidRow {
    int pid;
    int offset; // inside the freeze frame
    Shown shown;
    TText label;
};

// Rows in the order they are shown; two pairs are stored the other way round.
// clang-format off
const PidRow kPidRows[] = {
    {0x03,  4, Shown::FuelSystem1,  {"Fuel system 1 status", "Сост. топливной системы 1"}},
    {0x03,  4, Shown::FuelSystem2,  {"Fuel system 2 status", "Сост. топливной системы 2"}},
    {0x04,  6, Shown::Integer,      {"Calc.engine load, %", "Нагрузка на двигатель, %"}},
    {0x05,  8, Shown::Integer,      {"Eng.coolant temper., C", "ТОЖ, С"}},
    {0x06, 10, Shown::Integer,      {"Short term fuel trim-Bank 1, %", "Краткосрочная корр.подачи топл.Б1, %"}},
    {0x08, 12, Shown::Integer,      {"Short term fuel trim-Bank 2, %", "Краткосрочная корр.подачи топл.Б2, %"}},
    {0x07, 14, Shown::Integer,      {"Long term fuel trim-Bank 1, %", "Долгосрочная корр.продачи топл.Б1, %"}},
    {0x09, 16, Shown::Integer,      {"Long term fuel trim-Bank 2, %", "Долгосрочная корр.продачи топл.Б2, %"}},
    {0x0A, 18, Shown::Tenths,       {"Fuel pressure, kPa", "Давление топлива, кПа"}},
    {0x0B, 20, Shown::Integer,      {"Intake manifold pressure, kPa", "Давление во впускном коллекторе, кПа"}},
    {0x0C, 24, Shown::Integer,      {"Engine RPM", "Обороты/мин"}},
    {0x0D, 22, Shown::Integer,      {"Vehicle speed, km/h", "Скорость, км/час"}},
    {0x0E, 26, Shown::Tenths,       {"Timing advance", "Угол опережения зажигания, ВМТ"}},
    {0x0F, 28, Shown::Integer,      {"Intake air temperature, C", "Температура впускного воздуха, С"}},
    {0x10, 30, Shown::Tenths,       {"MAF air flow rate, kg/h", "Массовый расход воздуха, кг/час"}},
    {0x11, 32, Shown::Integer,      {"Throttle position, %", "Дроссель, %"}},
    {0x12, 34, Shown::SecondaryAir, {"Secondary air status", "Состояние вторичного воздуха"}},
    {0x14, 36, Shown::Hundredths,   {"Oxygen sensor voltage 1, V", "Датчик кислорода 1, В"}},
    {0x15, 38, Shown::Hundredths,   {"Oxygen sensor voltage 2, V", "Датчик кислорода 2, В"}},
    {0x1F, 40, Shown::Integer,      {"Run time since engine start, s", "Время с момента запуска двигателя, с"}},
    {0x21, 42, Shown::Integer,      {"Distance traveled with MIL on, km", "Пробег с вкл. лампой неиспр., км"}},
    {0x22, 44, Shown::Integer,      {"Fuel Rail Press.(rel.to manifold vacuum), kPa", "Давление в топл.рампе отн.вакуума, кПа"}},
    {0x23, 46, Shown::Tenths,       {"Fuel Pressure (diesel), kPa", "Давление в топл.рампе (выс.диап.), кПа"}},
    {0x2C, 48, Shown::Integer,      {"Commanded EGR, %", "Желаемый расход системы EGR, %"}},
    {0x2D, 50, Shown::Integer,      {"EGR Error, %", "Ошибка регул.расхода сис.EGR, %"}},
    {0x2E, 52, Shown::Integer,      {"Commanded evaporative purge, %", "Жел.уровень продувки паров топлива, %"}},
    {0x30, 54, Shown::Integer,      {"# of warm-ups since codes cleared", "Число прогревов двиг.с момента сброса ошибок"}},
    {0x31, 56, Shown::Integer,      {"Distance traveled since codes cleared, km", "Пробег с момента сброса ошибок, км"}},
    {0x32, 58, Shown::Integer,      {"Evap. System Vapor Pressure, Pa", "Давление паров топ.в системе продувки"}},
    {0x33, 60, Shown::Integer,      {"Barometric pressure, kPa", "Атмосферное давление, кПа"}},
    {0x3C, 62, Shown::Integer,      {"Catalyst Temperature B1 S1, C", "Температура катализатора B1 S1, С"}},
    {0x3D, 64, Shown::Integer,      {"Catalyst Temperature B2 S1, C", "Температура катализатора B2 S1, С"}},
    {0x3E, 66, Shown::Integer,      {"Catalyst Temperature B1 S2, C", "Температура катализатора B1 S2, С"}},
    {0x3F, 68, Shown::Integer,      {"Catalyst Temperature B2 S2, C", "Температура катализатора B2 S2, С"}},
    {0x42, 70, Shown::Tenths,       {"Control module voltage, V", "Напряжение питания БУ, В"}},
    {0x44, 72, Shown::Hundredths,   {"Command equivalence ratio", "Желаемое значение лямбда"}},
    {0x45, 74, Shown::Integer,      {"Relative throttle position, %", "Отн.положение дросс.заслонки, %"}},
    {0x46, 76, Shown::Integer,      {"Ambient air temperature, C", "Температура внешнего воздуха, C"}},
    {0x4C, 78, Shown::Integer,      {"Commanded throttle actuator, %", "Жел. положение привода дросселя, %"}},
    {0x4D, 80, Shown::Integer,      {"Time run with MIL on, min", "Время с момента вкл.лампы неиспр., мин"}},
    {0x4E, 82, Shown::Integer,      {"Time since trouble codes cleared, min", "Время с момента сброса ошибок, мин"}},
};

struct StatusText {
    int value;
    TText text;
};

const StatusText kFuelSystemTexts[] = {
    {1,  {"Open loop(ins.eng.T)", "Разомкнута(Ош.Тдв)"}},
    {2,  {"Closed loop(O2 sens)", "Замкнута (ДатчО2)"}},
    {4,  {"Open loop(Eng.load)",  "Разомк.(Нагр.дв.)"}},
    {8,  {"Open loop(SysFault)",  "Разомк.(ОшСист)"}},
    {16, {"Closed loop(O2s Flt)", "Замкн.(ОшДатчО2)"}},
};

const StatusText kSecondaryAirTexts[] = {
    {1, {"Upstream of catal.",  "В катализатор"}},
    {2, {"Downstream of catal", "Из катализатора"}},
    {4, {"Off",                 "Выключено"}},
};
// clang-format on

const TText kUnknown = {"Unknown", "Неизвестно"};
const TText kTroubleCode = {"Trouble code", "Код ошибки"};

template <std::size_t N> QString StatusOf(const StatusText (&table)[N], int value) {
    for (const StatusText& s : table)
        if (s.value == value) return s.text.text();
    return kUnknown.text();
}

QString ValueText(const PidRow& row, const QByteArray& frame) {
    switch (row.shown) {
    case Shown::FuelSystem1:
        return StatusOf(kFuelSystemTexts, bytes::u16le(frame, row.offset) >> 8);
    case Shown::FuelSystem2:
        return StatusOf(kFuelSystemTexts, bytes::u16le(frame, row.offset) & 0xFF);
    case Shown::SecondaryAir:
        return StatusOf(kSecondaryAirTexts, bytes::s16le(frame, row.offset));
    case Shown::Tenths:
        return numbers::Scaled(bytes::s16le(frame, row.offset), 1);
    case Shown::Hundredths:
        return numbers::Scaled(bytes::s16le(frame, row.offset), 2);
    case Shown::Integer:
        break;
    }
    return QString::number(bytes::s16le(frame, row.offset));
}

} // namespace

std::vector<LabelValue> FreezeFrameRows(const FaultRecord& record, const QByteArray& pidMap) {
    std::vector<LabelValue> rows;
    const std::uint32_t dtc = record.freezeDtc();
    if (dtc == 0) return rows;
    rows.reserve(std::size(kPidRows) + 1);
    // The frame is an OBD snapshot, so its code is always written the SAE way.
    rows.push_back({kTroubleCode.text(), FaultCodeText(FaultCodeStyle{}, dtc)});
    for (const PidRow& row : kPidRows)
        if (PidPresent(pidMap, row.pid))
            rows.push_back({row.label.text(), ValueText(row, record.freezeFrame)});
    return rows;
}

} // namespace journals
