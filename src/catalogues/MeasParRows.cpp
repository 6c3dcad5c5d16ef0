// Measured parameters: numbers, names, units, default values, ranges and attributes.

#include "MeasParDefs.h"

namespace meas {
namespace {

// number, class, name, unit, default, min, max, alt. min, alt. max, decimals, width, attributes
// clang-format off
constexpr ParRow Rows[] = {
    {1, "TTripTime", {"Time/Trip", "Время/Поез."}, {"", ""}, 0, 0, 100, 0, 100, 0, 3, 0, 0, 0},
    {2, "TTripPath", {"Path/Trip", "Пробег/Поез."}, {"km", "км"}, 0, 0, 100, 0, 100, 0, 3, 0, 0, 0},
    {3, "TTripExpense", {"Fuel/Trip", "Топл./Поез."}, {"litres", "литры"}, 0, 0, 100, 0, 100, 0, 3, 0, 0, 0},
    {4, "TTripVelocity", {"Speed/Trip", "Скор/Поез."}, {"km/h", "км/час"}, 47, 0, 100, 0, 100, 0, 3, 0, 0, 0},
    {5, "TTripMomentaryExpenseK", {"Exp/100/Trip", "Расх/100/Поез."}, {"l/100", "л/100"}, 0, 0, 100, 0, 100, 0, 3, 0, 0, 0},
    {6, "TTripPrice", {"Cost/Trip", "Стоим/Поез."}, {"CU", "У.е."}, 0, 0, 100, 0, 100, 0, 3, 0, 0, 0},
    {7, "TTime", {"Time", "Время"}, {"", ""}, 0, 0, 100, 0, 100, 0, 3, 0, 0, 0},
    {8, "TOil", {"Fuel rem.", "Остаток бака"}, {"liters", "литры"}, 20, 0, 50, 0, 100, 0, 3, 1, 0, 0},
    {9, "TPrognoz", {"Mileage progn", "Прогноз проб"}, {"km", "км"}, 300, 0, 999, 0, 100, 0, 3, 0, 0, 0},
    {10, "TAccVoltage", {"BattVolt", "Напр.АКБ"}, {"Volts", "Вольты"}, 140, 0, 160, 0, 16, 1, 4, 1, 2, 1},
    {11, "TLightsFlag", {"LowBmCntr", "Упр.БСвет"}, {"", ""}, 0, 0, 100, 0, 100, 0, 3, 0, 0, 0},
    {11, "TTemperAir", {"Tair/wat/en", "Твоз/вод/дв"}, {"degrees", "градусы"}, 20, -20, 60, -20, 60, 0, 3, 1, 0, 0},
    {12, "TVelocity", {"Speed", "Скорость"}, {"km/h", "км/час"}, 60, 0, 160, 0, 160, 0, 3, 1, 2, 1},
    {13, "TRevolutions", {"Eng.speed", "Обороты"}, {"rpm", "об/мин"}, 2000, 0, 8000, 0, 8, 0, 4, 1, 1, 1},
    {14, "TMomentaryExpenseK", {"Expense/100", "Расход/100"}, {"l/100", "л/100"}, 100, 0, 240, 0, 24, 1, 5, 1, 1, 1},
    {15, "TMomentaryExpenseH", {"Expense/h", "Расход/час"}, {"l/h", "л/час"}, 100, 0, 800, 0, 8, 2, 5, 1, 2, 1},
    {16, "TInjectionTime", {"Injection time", "Время впрыска"}, {"ms", "мс"}, 500, 0, 2400, 0, 24, 2, 5, 1, 2, 1},
    {17, "TTemperLiq", {"Coolant Temp", "ТОЖ двиг"}, {"degrees", "градусы"}, 90, 0, 120, 0, 120, 0, 3, 1, 2, 1},
    {18, "TMAF", {"Man.Air Flow", "Расх.воздуха"}, {"kg/h", "кг/час"}, 500, 0, 2400, 0, 240, 1, 5, 1, 1, 1},
    {19, "TMAP", {"Man.Air Press", "Давление ВК"}, {"kPa", "кПа"}, 50, 0, 200, 0, 240, 0, 3, 1, 1, 1},
    {20, "TThrottle", {"Throttle", "Дроссель"}, {"%", "%"}, 20, 0, 100, 0, 100, 0, 3, 1, 1, 1},
    {21, "TStepMotor", {"IS control", "Регулятор ХХ"}, {"steps", "шаги"}, 100, 0, 240, 0, 240, 0, 3, 1, 2, 1},
    {22, "TO2Probe1", {"OxSens1Volt", "Напряж.ДК1"}, {"Volts", "Вольты"}, 100, 0, 400, 0, 4, 2, 4, 1, 1, 1},
    {23, "TO2Probe2", {"OxSens2Volt", "Напряж.ДК2"}, {"Volts", "Вольты"}, 100, 0, 400, 0, 4, 2, 4, 1, 1, 1},
    {24, "TTemperIntakeAir", {"InAirTemp", "Темпер.ВК"}, {"degrees", "градусы"}, 40, 0, 80, 0, 80, 0, 3, 1, 1, 1},
    {25, "TUOZ", {"IgnAngl", "УОЗ"}, {"degrees", "градусы"}, 100, -840, 840, -84, 84, 1, 5, 1, 2, 1},
    {26, "TCorrUOZ", {"IgnAngCorr", "Попр.УОЗ"}, {"degrees", "градусы"}, 10, 0, 100, 0, 100, 1, 4, 0, 0, 0},
    {27, "TEngCalcLoad", {"Engine load", "Нагр.на двиг."}, {"%", "%"}, 20, 0, 100, 0, 100, 0, 3, 1, 1, 1},
    {28, "TVAF", {"VAF sensor", "VAF сенсор"}, {"Volts", "Вольты"}, 100, 0, 400, 0, 4, 2, 4, 1, 1, 1},
    {29, "TEMV", {"EM valve", "ЭлМ клапан"}, {"%", "%"}, 10, 0, 100, 0, 100, 0, 3, 1, 1, 1},
    {30, "TCorrRight", {"Right corr.", "Корр.правая"}, {"Volts", "Вольты"}, 100, 0, 400, 0, 4, 2, 4, 1, 1, 1},
    {31, "TCorrLeft", {"Left corr.", "Корр.левая"}, {"Volts", "Вольты"}, 100, 0, 400, 0, 4, 2, 4, 1, 1, 1},
    {32, "TDDK", {"ACPressSens", "Напряж.ДДК"}, {"Volts", "Вольты"}, 100, 0, 400, 0, 4, 2, 4, 1, 1, 1},
    {33, "TThrottle2", {"Throttle2", "Дроссель"}, {"%", "%"}, 20, 0, 100, 0, 100, 0, 3, 1, 1, 1},
    {34, "TLightsFlag1", {"LowBmCntr", "Упр.БСвет"}, {"", ""}, 0, 0, 100, 0, 100, 0, 3, 0, 0, 0},
    {35, "TFuelPressFact", {"FuelPress", "Д.топлива"}, {"kPa", "кПа"}, 1000, 0, 1600, 0, 100, 0, 5, 1, 0, 1},
    {36, "TTemperOilAKPP", {"AT temper.", "Темпер.АКПП"}, {"degrees", "градусы"}, 90, 0, 160, 0, 160, 0, 3, 1, 2, 1},
    {37, "TAKPPMode", {"AT mode", "Режим КПП"}, {"", ""}, 0, 0, 100, 0, 100, 0, 1, 0, 0, 0},
    {38, "TTemperOilEng", {"Eng.oil temper.", "Темп.масла дв."}, {"degrees", "градусы"}, 90, 0, 160, 0, 160, 0, 3, 1, 2, 1},
    {39, "TTurboPress", {"Turbine press", "Давл.турбины"}, {"kPa", "кПа"}, 20, 0, 150, 0, 100, 0, 4, 1, 0, 1},
    {41, "TPressOilEngine", {"Eng.oil press.", "Давл.масла дв."}, {"kPa", "кПа"}, 200, 0, 800, 0, 800, 0, 4, 1, 2, 1},
    {42, "TWorkTimeEngine", {"Eng.hours", "Моточаcы"}, {"", ""}, 10000, 0, 800, 0, 800, 0, 5, 0, 0, 0},
    {43, "TRetarderOilTemper", {"Retard.temp", "Т.ретардера"}, {"degrees", "градусы"}, 90, 0, 160, 0, 160, 0, 3, 1, 2, 1},
    {44, "THVBChargeLevel", {"HVB charg", "Заряд ВВБ"}, {"%", "%"}, 50, 0, 100, 0, 100, 0, 3, 1, 1, 1},
    {45, "THVBChargeLimit", {"HVB ch.lim.", "Лим.зар.ВВБ"}, {"kW", "кВт"}, -20, -50, 0, -50, 0, 0, 3, 1, 0, 0},
    {46, "THVBDischargeLimit", {"HVB disch.lim.", "Лим.раз.ВВБ"}, {"kW", "кВт"}, 30, 0, 50, 0, 50, 0, 3, 1, 0, 0},
    {47, "THVBTemper", {"HVB temper.", "Температ.ВВБ"}, {"degrees", "градусы"}, 40, -20, 60, -20, 60, 0, 3, 1, 2, 1},
    {48, "THVBFanSpeed", {"HVB fan speed", "Скор.вент.ВВБ"}, {"", ""}, 3, 0, 6, 0, 6, 0, 2, 1, 0, 0},
    {49, "THVBAirIntakeTemper", {"HVB int.air T", "Т.вп.возд.ВВБ"}, {"degrees", "градусы"}, 50, -20, 60, -20, 60, 0, 3, 1, 2, 1},
    {50, "THVBFrontBrakeTorq", {"Front reg.brake", "Перед.рек.торм"}, {"Nm", "Нм"}, 300, 0, 600, 0, 600, 0, 3, 1, 2, 1},
    {51, "THVBRearBrakeTorq", {"Rear reg.brake", "Задн.рек.торм"}, {"Nm", "Нм"}, 70, 0, 120, 0, 120, 0, 3, 1, 2, 1},
    {52, "THVBBrakeTorq", {"Regener.brake", "Рекупер.торм"}, {"Nm", "Нм"}, 40, 0, 600, 0, 600, 0, 3, 1, 2, 1},
    {53, "THVBCurrent", {"HVB curr", "Ток ВВБ"}, {"A", "A"}, 40, -2000, 2000, -2000, 2000, 1, 5, 1, 0, 1},
    {54, "TInvTemper", {"Inverter temp.", "Температ.инв"}, {"degrees", "градусы"}, 40, 0, 120, 0, 120, 0, 3, 1, 2, 1},
    {55, "TCourseAngle", {"Pitch", "Тангаж"}, {"degrees", "градусы"}, 0, -10, 10, -10, 10, 0, 3, 1, 1, 1},
    {56, "TSideAngle", {"Roll", "Крен"}, {"degrees", "градусы"}, 0, -5, 5, -5, 5, 0, 3, 1, 2, 1},
    {57, "TTemperEngBoat", {"Engine temp", "Темп.двиг."}, {"degrees", "градусы"}, 0, 0, 160, 0, 160, 0, 3, 1, 2, 1},
    {58, "TTemperWat", {"Water temp.", "Темп.воды"}, {"degrees", "градусы"}, 0, 0, 160, 0, 160, 0, 3, 1, 2, 1},
    {59, "TTemperCyl", {"Cyl.temp.", "Темп.цил."}, {"degrees", "градусы"}, 0, 0, 160, 0, 80, 0, 3, 1, 2, 1},
    {60, "TTemperCylLeft", {"Left Cyl.T", "Темп.лв.цил."}, {"degrees", "градусы"}, 0, 0, 160, 0, 80, 0, 3, 1, 2, 1},
    {61, "TTemperCylRight", {"Right Cyl.T", "Темп.пр.цил."}, {"degrees", "градусы"}, 0, 0, 160, 0, 80, 0, 3, 1, 2, 1},
    {62, "TTrim", {"Trim", "Трим"}, {"", ""}, 0, 0, 160, 0, 160, 0, 3, 1, 2, 1},
    {63, "TElEngTemper", {"ElMot temper.", "Температ.ЭД"}, {"degrees", "градусы"}, 40, 0, 120, 0, 120, 0, 3, 1, 2, 1},
    {64, "THVBVoltage", {"HVBVolt", "Напр.ВВБ"}, {"Volts", "Вольты"}, 140, 0, 320, 0, 320, 0, 3, 1, 2, 1},
    {65, "TMomentaryExpenseL", {"FuelCon,km/l", "Расход,км/л"}, {"km/l", "км/л"}, 100, 0, 100, 0, 100, 1, 5, 1, 0, 0},
};
// clang-format on

} // namespace

std::span<const ParRow> ParRows() {
    return Rows;
}

} // namespace meas
