// The page table: every page of the editor in tab order, a page set before the pages it
// holds. A row without a page class is a page this build does not have yet; it is left
// out, and so is a set with nothing inside. Pages the trip computer never shows (service
// information, graphic and pointer displays and their colours) have no row.

#include "EditorPage.h"
#include "EditorPageSet.h"
#include "PageAddSystems.h"
#include "PageAverages.h"
#include "PageColor.h"
#include "PageCorr.h"
#include "PageDivers.h"
#include "PageFuel.h"
#include "PageHotMenu.h"
#include "PageLayouts.h"
#include "PageLimits.h"
#include "PageMaintenance.h"
#include "PageMeth.h"
#include "PagePark.h"
#include "PageUniMeas.h"
#include "PageVoiceMisc.h"
#include "PageVoiceWarn.h"

namespace {

// clang-format off
constexpr TPageDef kPages[] = {
    // name          in             tabs           caption                                   page class
    {"tsCorr",      nullptr,       nullptr,       {"Correction", "Поправки"},               MakePage<TPageCorr>},
    {"tsMeth",      nullptr,       nullptr,       {"Resources", "Источники"},               MakePage<TPageMeth>},
    {"tsLim",       nullptr,       nullptr,       {"Limits", "Границы"},                    MakePage<TPageLimits>},
    {"tsDisp",      nullptr,       "pcDisp",      {"Display", "Дисплей"},                   MakePage<TPageSet>},
    {"tsColor",     "tsDisp",      nullptr,       {"Color schemes", "Цветовые схемы"},      MakePage<TPageColor>},
    {"tsParams1",   "tsDisp",      nullptr,       {"Displays x 1", "Дисплеи х1"},           MakePage<TPageParams1>},
    {"tsParams4",   "tsDisp",      "pcParams4",   {"Displays x 4", "Дисплеи х4"},           MakePage<TPageSet>},
    {"tsParams4_1", "tsParams4",   nullptr,       {"Displays 1..3", "Дисплеи 1 .. 3"},      MakePage<TPageParams4_1>},
    {"tsParams4_2", "tsParams4",   nullptr,       {"Displays 4..6", "Дисплеи 4 .. 6"},      MakePage<TPageParams4_2>},
    {"tsParams9",   "tsDisp",      nullptr,       {"Displays x 9", "Дисплеи х9"},           MakePage<TPageParams9>},
    {"tsParams6",   "tsDisp",      nullptr,       {"Displays x 6", "Дисплей х6"},           MakePage<TPageParams6>},
    {"tsHotMenu",   "tsDisp",      nullptr,       {"Hot menu", "Горячие меню"},             MakePage<TPageHotMenu>},
    {"tsInfoPanel", "tsDisp",      nullptr,       {"Add.panel", "Доп.панель"},              MakePage<TPageInfoPanel>},
    {"tsDivers",    "tsDisp",      nullptr,       {"Divers", "Разное"},                     MakePage<TPageDivers>},
    {"tsVoice",     nullptr,       "pcVoice",     {"Sounds", "Озвуч.сообщения"},            MakePage<TPageSet>},
    {"tsVoiceWarn", "tsVoice",     nullptr,       {"Warnings", "Предупреждения"},           MakePage<TPageVoiceWarn>},
    {"tsVoiceMisc", "tsVoice",     nullptr,       {"Miscellaneous", "Разное"},              MakePage<TPageVoiceMisc>},
    {"tsAver",      nullptr,       nullptr,       {"Average", "Средние"},                   MakePage<TPageAverages>},
    {"tsPark",      nullptr,       nullptr,       {"Parctronic", "Парковка"},               MakePage<TPagePark>},
    {"tsOil",       nullptr,       nullptr,       {"Fuel", "Бак"},                          MakePage<TPageFuel>},
    {"tsTO",        nullptr,       nullptr,       {"TS", "ТО"},                             MakePage<TPageMaintenance>},
    {"tsBlocks",    nullptr,       nullptr,       {"Add.systems", "Допсистемы"},            MakePage<TPageAddSystems>},
    {"tsUniMeas",   nullptr,       nullptr,       {"Uni.input/Trim", "Трим"},               MakePage<TPageUniMeas>},
};
// clang-format on

} // namespace

std::span<const TPageDef> EditorPageTable() {
    return kPages;
}
