#include "PageDivers.h"

#include "DeviceModels.h"
#include "EditorLayout.h"
#include "RadioGroup.h"

namespace {

using enum TCtlKind;

constexpr int SideLightsChoice = 2; // "by the side lights" of both switching groups

// clang-format off
constexpr TControlRow kDisplayRows[] = {
    // kind   setting
    {Radio, "DispSpeed"},
    {Check, "DispShowTitle"},
    {Check, "ShowDispName"},
    {Radio, "DispShowPBMeth"},
    {Spin,  "ExpPBLim"},
};

constexpr TControlRow kSwitchRows[] = {
    {Radio, "ColorMeth"},
    {Radio, "IntenseMeth"},
    {Time,  "IntenseDayTime"},
    {Time,  "IntenseNightTime"},
    {Spin,  "Intense0"},
    {Spin,  "Intense1"},
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
