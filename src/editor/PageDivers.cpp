#include "PageDivers.h"

#include "DeviceModels.h"
#include "EditorLayout.h"
#include "RadioGroup.h"

namespace {

using enum TCtlKind;
using enum TConv;

// Both switching groups: by hand, by the time of day, by the side lights.
constexpr TText kSwitching[] = {{"Manual", "Руч."}, {"Time", "Время"}, {"Side lights", "Габар."}};
constexpr int SideLightsChoice = 2;
constexpr TText kRates[] = {{"1", "1"}, {"2", "2"}, {"3", "3"}, {"4", "4"}};
constexpr TText kBarScales[] = {{"Max.", "Макс."}, {"Limits", "Границы"}};

// clang-format off
constexpr TControlRow kDisplayRows[] = {
    // name               kind   caption                                                              unit              min max step dec conversion
    {"rgDispSpeed",       Radio, {"Information output rate, times/s", "Скорость вывода информации, раз/сек"}, {},          0,  0,  0, 0, Plain, kRates},
    {"cbDispShowTitle",   Check, {"Show the title screen", "Заставка показывать"},                    {},                0,  0,  0, 0, Plain},
    {"cbShowDispName",    Check, {"Show screen names", "Подпись дисп. показывать"},                   {},                0,  0,  0, 0, Plain},
    {"rgDispShowPBMeth",  Radio, {"Progress bar", "Прогрессбар"},                                     {},                0,  0,  0, 0, Plain, kBarScales},
    {"seExpPBLim",        Spin,  {"Instant consumption bar, full scale", "Шкала прогрессбара мгнов. расхода"}, {"l/h", "л/ч"}, 3, 99, 1, 0, Plain},
};

constexpr TControlRow kSwitchRows[] = {
    {"rgColorMeth",       Radio, {"Color scheme control", "Управление цветовой схемой"},              {},                0,  0,  0, 0, Plain, kSwitching},
    {"rgIntenseMeth",     Radio, {"Display brightness control", "Управление яркостью дисплея"},       {},                0,  0,  0, 0, Plain, kSwitching},
    {"meIntenseDayTime",  Time,  {"DAY brightness from", "Время вкл. ДНЕВНОЙ яркости"},               {"hh:mm", "чч:мм"}, 0,  0,  0, 0, Plain},
    {"meIntenseNightTime", Time, {"NIGHT brightness from", "Время вкл. НОЧНОЙ яркости"},              {"hh:mm", "чч:мм"}, 0,  0,  0, 0, Plain},
    {"seIntense0",        Spin,  {"Backlight brightness (Day)", "Яркость подсветки (День)"},          {},                0,  4,  1, 0, Plain},
    {"seIntense1",        Spin,  {"Backlight brightness (Night)", "Яркость подсветки (Ночь)"},        {},                0,  4,  1, 0, Plain},
};
// clang-format on

} // namespace

void TPageDivers::Build(QWidget* page) {
    auto columns = MakeColumns(page, 2);
    TControlBinder& b = Binder();
    AddRowsGroup(b, columns[0], "gbDispOptions", {"Screens", "Экраны"}, kDisplayRows);
    AddRowsGroup(b, columns[1], "gbDayNight", {"Day and night", "День и ночь"}, kSwitchRows);
    for (auto* column : columns)
        column->addStretch();
}

void TPageDivers::ApplyRules() {
    for (const char* name : {"rgColorMeth", "rgIntenseMeth"})
        if (auto* group = Find<TRadioGroup>(QString::fromUtf8(name)))
            group->setItemEnabled(SideLightsChoice, !Caps().CapNoLights);
}
