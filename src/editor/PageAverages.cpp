#include "PageAverages.h"

#include "EditorLayout.h"

namespace {

using enum TCtlKind;
using enum TConv;

constexpr TText kManual[] = {{"Man.", "Ручн."}};
constexpr TText kProhibitedManual[] = {{"Proh.", "Запр."}, {"Man.", "Ручн."}};

// clang-format off
constexpr TControlRow kPriceRows[] = {
    // name                kind   caption                                             unit                 min     max  step dec conversion
    {"sePriceExpense",     Spin,  {"Petrol, 1 litre", "Бензин, 1 литр"},              {},                    0,   99.9, 0.1, 1, Mul10},
    {"sePriceGas",         Spin,  {"Gas, 1 litre", "Газ, 1 литр"},                    {},                    0,   99.9, 0.1, 1, Mul10},
    {"sePricePath",        Spin,  {"1 km", "1 км"},                                   {},                    0,   99.9, 0.1, 1, Mul10},
    {"sePriceTime",        Spin,  {"1 hour", "1 час"},                                {},                    0,    999,   1, 0, Plain},
};

constexpr TControlRow kTripRows[] = {
    {"cbTripShowFlag",     Check, {"Show the trip", "Показ поездки"},                 {},                    0,      0,   0, 0, Plain},
    {"cbTripJournAuto",    Check, {"Record trips in the journal automatically", "Записывать поездки в журнал автоматически"}, {}, 0, 0, 0, 0, Plain},
    {"seTripMinStop",      Spin,  {"A stop ends the trip after", "Остановка завершает поездку через"}, {"min", "мин"}, 0, 995, 5, 0, Div5},
};

constexpr TControlRow kResetRows[] = {
    {"cbResetPeriod0",     Combo, {"Reset 1", "Сброс 1"},                             {"days", "дн."},       1,     99,   1, 0, Plain,       kManual},
    {"cbResetPeriod1",     Combo, {"Reset 2", "Сброс 2"},                             {"days", "дн."},       1,     99,   1, 0, IndexMinus1, kProhibitedManual},
    {"cbResetPeriodOnly",  Combo, {"Petrol-only and gas-only sums", "Суммы только бензин и только газ"}, {"days", "дн."}, 1, 99, 1, 0, IndexMinus1, kProhibitedManual},
};

constexpr TControlRow kStartRows[] = {
    {"seAllPathStart",     Spin,  {"Total mileage", "Общий пробег"},                  {"km", "км"},          0, 999999,   1, 0, Plain},
    {"seAllTimeStart",     Spin,  {"Engine hours", "Моточасы"},                       {"h", "ч"},            0,  99999,   1, 0, Plain},
};

constexpr TControlRow kScreenRows[] = {
    {"cbShowDisp_S_0",     Check, {"Trip", "Поездка"},                                {},                    0,      0,   0, 0, Plain},
    {"cbShowDisp_S_1",     Check, {"Since reset 1", "С сброса 1"},                    {},                    0,      0,   0, 0, Plain},
    {"cbShowDisp_S_2",     Check, {"Since reset 2", "С сброса 2"},                    {},                    0,      0,   0, 0, Plain},
    {"cbShowDisp_S_3",     Check, {"Total", "Общие"},                                 {},                    0,      0,   0, 0, Plain},
    {"cbShowDisp_S_4",     Check, {"In traffic jams", "В пробках"},                   {},                    0,      0,   0, 0, Plain},
    {"cbShowDisp_S_5",     Check, {"Without jams", "Без пробок"},                     {},                    0,      0,   0, 0, Plain},
    {"cbShowDisp_S_6",     Check, {"Taximeter", "Таксометр"},                         {},                    0,      0,   0, 0, Plain},
    {"cbShowDisp_S_7",     Check, {"On petrol", "На бензине"},                        {},                    0,      0,   0, 0, Plain},
    {"cbShowDisp_S_8",     Check, {"On gas", "На газе"},                              {},                    0,      0,   0, 0, Plain},
    {"seStopVelocityLimit", Spin, {"Jam: speed below", "Пробка: скорость ниже"},      {"km/h", "км/ч"},      0,    200,   1, 0, Plain},
};
// clang-format on

} // namespace

void TPageAverages::Build(QWidget* page) {
    auto columns = MakeColumns(page, 2);
    TControlBinder& b = Binder();
    AddRowsGroup(b, columns[0], "gbPrices", {"Trip cost: prices", "Стоимость поездки: цены"},
                 kPriceRows);
    AddRowsGroup(b, columns[0], "gbTrip", {"Trip", "Поездка"}, kTripRows);
    AddRowsGroup(b, columns[0], "gbResetPeriods", {"Automatic reset of the sums", "Автосброс сумм"},
                 kResetRows);
    AddRowsGroup(b, columns[1], "gbStartValues", {"Start values", "Начальные значения"},
                 kStartRows);
    AddRowsGroup(b, columns[1], "gbAverScreens", {"Averages screens", "Экраны средних"},
                 kScreenRows);
    for (auto* column : columns)
        column->addStretch();
}
