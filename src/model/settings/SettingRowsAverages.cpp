// The averages page (trip cost, trip options, automatic resets, start values and which
// averages screens the device shows) and the parking radar page.

#include "SettingRows.h"

namespace settingrows {

namespace {

constexpr TText kManual[] = {{"Man.", "Ручн."}};
constexpr TText kProhibitedManual[] = {{"Proh.", "Запр."}, {"Man.", "Ручн."}};
constexpr TText kBeepTypes[] = {
    {"None", "Нет"}, {"Buzzer", "Zumm"}, {"Warning", "Пред."}, {"Voice", "Голос"}};
constexpr TText kFrontModes[] = {
    {"On", "Вкл"}, {"On for 3 s", "Вкл3с"}, {"With reverse gear", "ДвЗад"}};

// clang-format off
constexpr TSettingDesc kAverages[] = {
    // name                kind    caption                                                   unit      min     max  step dec conversion   items              page      offered
    {"PriceExpense",       Number, {"Petrol, 1 litre", "Бензин, 1 литр"},                    {},        0,    99.9, 0.1, 1, Mul10,       {},                "tsAver", nullptr},
    {"PriceGas",           Number, {"Gas, 1 litre", "Газ, 1 литр"},                          {},        0,    99.9, 0.1, 1, Mul10,       {},                "tsAver", offer::Gas},
    {"PricePath",          Number, {"1 km", "1 км"},                                         {},        0,    99.9, 0.1, 1, Mul10,       {},                "tsAver", nullptr},
    {"PriceTime",          Number, {"1 hour", "1 час"},                                      {},        0,     999,   1, 0, Plain,       {},                "tsAver", nullptr},
    {"TripShowFlag",       Flag,   {"Show the trip", "Показ поездки"},                       {},        0,       0,   0, 0, Plain,       {},                "tsAver", nullptr},
    {"TripJournAuto",      Flag,   {"Record trips in the journal automatically", "Записывать поездки в журнал автоматически"}, {}, 0, 0, 0, 0, Plain, {}, "tsAver", nullptr},
    {"TripMinStop",        Number, {"A stop ends the trip after", "Остановка завершает поездку через"}, kMin, 0, 995, 5, 0, Div5,  {},                "tsAver", nullptr},
    {"ResetPeriod0",       List,   {"Automatic reset 1", "Автосброс 1"},                    kDays,     1,      99,   1, 0, Plain,       kManual,           "tsAver", nullptr},
    {"ResetPeriod1",       List,   {"Automatic reset 2", "Автосброс 2"},                    kDays,     1,      99,   1, 0, IndexMinus1, kProhibitedManual, "tsAver", nullptr},
    {"ResetPeriodOnly",    List,   {"Petrol-only and gas-only sums", "Суммы только бензин и только газ"}, kDays, 1, 99, 1, 0, IndexMinus1, kProhibitedManual, "tsAver", offer::Gas},
    {"AllPathStart",       Number, {"Total mileage", "Общий пробег"},                        kKm,       0,  999999,   1, 0, Plain,       {},                "tsAver", nullptr},
    {"AllTimeStart",       Number, {"Engine hours", "Моточасы"},                             kHour,     0,   99999,   1, 0, Plain,       {},                "tsAver", nullptr},
    {"ShowDisp_S_0",       Flag,   {"Trip", "Поездка"},                                      {},        0,       0,   0, 0, Plain,       {},                "tsAver", nullptr},
    {"ShowDisp_S_1",       Flag,   {"Reset 1", "Сброс 1"},                                   {},        0,       0,   0, 0, Plain,       {},                "tsAver", nullptr},
    {"ShowDisp_S_2",       Flag,   {"Reset 2", "Сброс 2"},                                   {},        0,       0,   0, 0, Plain,       {},                "tsAver", nullptr},
    {"ShowDisp_S_3",       Flag,   {"Total", "Общие"},                                       {},        0,       0,   0, 0, Plain,       {},                "tsAver", nullptr},
    {"ShowDisp_S_4",       Flag,   {"In traffic jams", "В пробках"},                         {},        0,       0,   0, 0, Plain,       {},                "tsAver", offer::JamStats},
    {"ShowDisp_S_5",       Flag,   {"Without jams", "Без пробок"},                           {},        0,       0,   0, 0, Plain,       {},                "tsAver", offer::JamStats},
    {"ShowDisp_S_6",       Flag,   {"Taximeter", "Таксометр"},                               {},        0,       0,   0, 0, Plain,       {},                "tsAver", offer::Taximeter},
    {"ShowDisp_S_7",       Flag,   {"Petrol", "Бензин"},                                     {},        0,       0,   0, 0, Plain,       {},                "tsAver", offer::Gas},
    {"ShowDisp_S_8",       Flag,   {"Gas", "Газ"},                                           {},        0,       0,   0, 0, Plain,       {},                "tsAver", offer::Gas},
    {"StopVelocityLimit",  Number, {"Jam: speed below", "Пробка: скорость ниже"},            kKmh,      0,     200,   1, 0, Plain,       {},                "tsAver", offer::JamStats},
};

// Channel 0 is the rear radar, 1 the front one.
constexpr TSettingDesc kPark[] = {
    // name                  kind    caption                                                                 unit   min  max step dec conversion items        page
    {"ParkUse0",             Flag,   {"Rear radar used", "Задний радар используется"},                       {},     0,   0,  0, 0, Plain,  {},          "tsPark"},
    {"ParkUse1",             Flag,   {"Front radar used", "Передний радар используется"},                    {},     0,   0,  0, 0, Plain,  {},          "tsPark"},
    {"ParkProbesQntReal0",   Number, {"Number of sensors, rear", "Количество датчиков, задний"},             {},     2,   4,  1, 0, Plain,  {},          "tsPark"},
    {"ParkProbesQntReal1",   Number, {"Number of sensors, front", "Количество датчиков, передний"},          {},     2,   4,  1, 0, Plain,  {},          "tsPark"},
    {"ParkSense0",           Number, {"Sensitivity, rear", "Чувствительность, задний"},                      {},     1,   7,  1, 0, Plain,  {},          "tsPark"},
    {"ParkSense1",           Number, {"Sensitivity, front", "Чувствительность, передний"},                   {},     1,   7,  1, 0, Plain,  {},          "tsPark"},
    {"ParkSpeed0",           Number, {"Response speed, rear", "Скорость реакции, задний"},                   {},     1,   3,  1, 0, Plain,  {},          "tsPark"},
    {"ParkSpeed1",           Number, {"Response speed, front", "Скорость реакции, передний"},                {},     1,   3,  1, 0, Plain,  {},          "tsPark"},
    {"ParkMinLeng0",         Number, {"Alarm distance, rear", "Дистанция тревоги, задний"},                  kCm,   30,  90, 10, 0, Div10,  {},          "tsPark"},
    {"ParkMinLeng1",         Number, {"Alarm distance, front", "Дистанция тревоги, передний"},               kCm,   30,  90, 10, 0, Div10,  {},          "tsPark"},
    {"ParkStopVel0",         Number, {"ParkStop speed (rear)", "Скорость ParkStop (задний)"},                kKmh,   0,  20,  1, 0, Plain,  {},          "tsPark"},
    {"ParkStopVel1",         Number, {"Parking speed (front)", "Скорость парковки (передний)"},              kKmh,   0,  90,  1, 0, Plain,  {},          "tsPark"},
    {"ParkStopLeng0",        Number, {"ParkStop distance (rear)", "Дистанция ParkStop (задний)"},            kCm,   40, 250, 10, 0, Div10,  {},          "tsPark"},
    {"ParkStopLeng1",        Number, {"Parking distance (front)", "Дистанция парковки (передний)"},          kCm,   50, 250, 10, 0, Div10,  {},          "tsPark"},
    {"ParkBeepType",         List,   {"Warning", "Сигнал"},                                                  {},     0,   0,  0, 0, Plain,  kBeepTypes,  "tsPark"},
    {"ParkStopLengBeep",     Number, {"Stop buzz distance (rear)", "Дистанция сигнала стоп (задний)"},       kCm,   40, 250, 10, 0, Div10,  {},          "tsPark"},
    {"ParkForwConstOff",     List,   {"Front radar", "Передний радар"},                                      {},     0,   0,  0, 0, Plain,  kFrontModes, "tsPark"},
    {"ParkFarkopLen",        Number, {"Tow bar length", "Длина фаркопа"},                                    kCm,    0,  50,  1, 0, Plain,  {},          "tsPark"},
};
// clang-format on

} // namespace

std::span<const TSettingDesc> AverageRows() {
    return kAverages;
}

std::span<const TSettingDesc> ParkRows() {
    return kPark;
}

} // namespace settingrows
