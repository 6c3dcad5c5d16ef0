// The correction page and the limits page. The coolant limit's caption follows the protocol.

#include "ProtocolWording.h"
#include "SettingRows.h"

namespace settingrows {

namespace {

QString CoolantCaption(const TSettingContext& c) {
    return CoolantWordingFor(c.prot).limitCaption.text();
}

// clang-format off
constexpr TSettingDesc kCorr[] = {
    // name              kind    caption                                          unit      min    max   step dec conversion page     offered
    {"VelocityCorr",     Number, {"Speed", "Скорость"},                           kPercent, -99,  999.9, 0.1, 1, Percent, {}, "tsCorr", nullptr},
    {"ExpenseCorr",      Number, {"Petrol consumption", "Расход бензина"},        kPercent, -99,  999.9, 0.1, 1, Percent, {}, "tsCorr", nullptr},
    {"GazExpenseCorr",   Number, {"Gas consumption", "Расход газа"},              kPercent, -99,  999.9, 0.1, 1, Percent, {}, "tsCorr", offer::Gas},
    {"AccCorr",          Number, {"Battery voltage", "Напряжение АКБ"},           kVolt,    -0.7,   0.7, 0.1, 1, Mul10,   {}, "tsCorr", nullptr},
    {"AirTemperCorr",    Number, {"Air temperature", "Температура воздуха"},      kDegC,    -20,     20,   1, 0, Plain,   {}, "tsCorr", offer::AirTemp},
    {"TimeCorr",         Number, {"Clock", "Часы"},                               {},       -30,     30,   1, 0, Plain,   {}, "tsCorr", nullptr},
    {"ForsCoefCarb",     Number, {"Pulses per revolution", "Имп. на оборот"},     {},       0.5,     12, 0.5, 1, Mul2,    {}, "tsCorr", nullptr},
};

constexpr TSettingDesc kLimits[] = {
    // name                  kind    caption                                                          unit                          min   max  step dec conversion page   offered
    {"VelocityLimit",        Number, {"Speed", "Скорость"},                                           kKmh,                         40,  200,   2, 0, Div2,  {}, "tsLim", nullptr},
    {"RevolutionsLimit",     Number, {"Engine speed", "Обороты"},                                     {"x100 rpm", "x100 об/мин"},  25,   80,   1, 0, Plain, {}, "tsLim", nullptr},
    {"VelMinForExp",         Number, {"Consumption per hour below", "Расход в час при скорости до"},  kKmh,                          5,   15,   1, 0, Plain, {}, "tsLim", nullptr},
    {"Vel100",               Number, {"Acceleration from 0 to", "Разгон с 0 до"},                     kKmh,                         40,  200,   1, 0, Plain, {}, "tsLim", offer::Timing},
    {"Vel100Down",           Number, {"Braking from", "Торможение с"},                                kKmh,                         40,  200,   1, 0, Plain, {}, "tsLim", offer::Timing},
    {"InjTimeLimit",         Number, {"Injection time at idle", "Время впрыска на ХХ"},               kPercent,                      1,   99,   1, 0, Plain, {}, "tsLim", nullptr},
    {"TankLimit",            Number, {"Fuel remaining", "Остаток топлива"},                           kLitre,                        5,   99,   1, 0, Plain, {}, "tsLim", nullptr},
    {"UaccLowLimit",         Number, {"Low battery voltage", "Низкое напряжение АКБ"},                kVolt,                         9, 13.9, 0.1, 1, Mul10, {}, "tsLim", nullptr},
    {"UaccHighLimit",        Number, {"High battery voltage", "Высокое напряжение АКБ"},              kVolt,                        14,   16, 0.1, 1, Mul10, {}, "tsLim", nullptr},
    {"VAGSFilterLimit",      Number, {"Soot filter filling", "Заполнение сажевого фильтра"},          kPercent,                      5,   60,   1, 0, Plain, {}, "tsLim", offer::Vag},
    {.name = "LiqTemperLimit", .kind = Number, .caption = {"T coolant, C", "ТОЖ, С"}, .min = 30, .max = 150, .step = 1,
     .page = "tsLim", .offered = offer::Coolant, .captionOf = CoolantCaption},
    {"LiqTemperReady",       Number, {"Engine warmed up at", "Двигатель прогрет при"},                kDegC,                        10,  110,   1, 0, Plain, {}, "tsLim", offer::Ready},
    {"VentTempLimit",        Number, {"Fan switched on at", "Включение вентилятора при"},             kDegC,                        75,  115,   1, 0, Plain, {}, "tsLim", offer::Fan},
    {"OilEngTemperLimit",    Number, {"Engine oil", "Масло ДВС"},                                     kDegC,                        30,  150,   1, 0, Plain, {}, "tsLim", offer::EngOil},
    {"OilAKPPTemperLimit",   Number, {"AT oil", "Масло АКПП"},                                        kDegC,                        80,  150,   1, 0, Plain, {}, "tsLim", offer::AtOil},
    {"CVTFDeteriorLim",      Number, {"AT oil deterioration", "Износ масла АКПП"},                    {"thous.", "тыс."},           10,  100,   1, 0, Plain, {}, "tsLim", offer::AtOil},
    {"RetarderOilTemperLimit", Number, {"Retarder oil", "Масло ретардера"},                           kDegC,                        30,  200,   1, 0, Plain, {}, "tsLim", offer::Retarder},
    {"HVBTemperLimit",       Number, {"High-voltage battery", "ВВБ"},                                 kDegC,                        40,   80,   1, 0, Plain, {}, "tsLim", offer::Hybrid},
    {"InvTemperLimit",       Number, {"Inverter", "Инвертор"},                                        kDegC,                        50,  120,   1, 0, Plain, {}, "tsLim", offer::Hybrid},
    {"ElEngTemperLimit",     Number, {"Electric motor", "Электродвигатель"},                          kDegC,                        30,  200,   1, 0, Plain, {}, "tsLim", offer::Hybrid},
    {"HybrVentSpeedStep",    Number, {"HVB fan: step per speed", "Вент. ВВБ: шаг скорости"},          kDegC,                         1,    3,   1, 0, Plain, {}, "tsLim", offer::Hybrid},
    {"AddCoolingTemper",     Number, {"Additional cooling at", "Доп. охлаждение при"},                kDegC,                        90,  100,   1, 0, Plain, {}, "tsLim", offer::HybridCooling},
    {"TrimLowLimit",         Number, {"Low trim limit", "Нижний предел трима"},                       {},                           -9,   90,   1, 0, Plain, {}, "tsLim", offer::Trim},
    {"TrimHighLimit",        Number, {"High trim limit", "Верхний предел трима"},                     {},                           -9,   90,   1, 0, Plain, {}, "tsLim", offer::Trim},
};
// clang-format on

} // namespace

std::span<const TSettingDesc> CorrRows() {
    return kCorr;
}

std::span<const TSettingDesc> LimitRows() {
    return kLimits;
}

} // namespace settingrows
