#include "PageCorr.h"

#include "EditorLayout.h"

namespace {

using enum TCtlKind;
using enum TConv;

// clang-format off
constexpr TControlRow kCorrRows[] = {
    // name               kind  caption                                          unit               min    max   step dec conversion
    {"seVelocityCorr",    Spin, {"Speed", "Скорость"},                           {"%", "%"},        -99,  999.9, 0.1, 1, Percent},
    {"seExpenseCorr",     Spin, {"Petrol consumption", "Расход бензина"},        {"%", "%"},        -99,  999.9, 0.1, 1, Percent},
    {"seGazExpenseCorr",  Spin, {"Gas consumption", "Расход газа"},              {"%", "%"},        -99,  999.9, 0.1, 1, Percent},
    {"seAccCorr",         Spin, {"Battery voltage", "Напряжение АКБ"},           {"V", "В"},        -0.7,   0.7, 0.1, 1, Mul10},
    {"seAirTemperCorr",   Spin, {"Air temperature", "Температура воздуха"},      {"°C", "°C"},       -20,    20,   1, 0, Plain},
    {"seTimeCorr",        Spin, {"Clock", "Часы"},                               {},                 -30,    30,   1, 0, Plain},
};

constexpr TControlRow kTachoRows[] = {
    {"seForsCoefCarb",    Spin, {"Pulses per revolution", "Имп. на оборот"},     {},                 0.5,    12, 0.5, 1, Mul2},
};
// clang-format on

} // namespace

void TPageCorr::Build(QWidget* page) {
    auto columns = MakeColumns(page, 2);
    AddRowsGroup(Binder(), columns[0], "gbCorrections", {"Corrections", "Поправки"}, kCorrRows);
    AddRowsGroup(Binder(), columns[1], "gbCarbTacho",
                 {"Carburettor tachometer", "Тахометр карбюратора"}, kTachoRows);
    columns[0]->addStretch();
    columns[1]->addStretch();
}
