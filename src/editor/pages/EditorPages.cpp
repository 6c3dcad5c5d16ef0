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
    // name          in             tabs           page class
    {"tsCorr",      nullptr,       nullptr,       MakePage<TPageCorr>},
    {"tsMeth",      nullptr,       nullptr,       MakePage<TPageMeth>},
    {"tsLim",       nullptr,       nullptr,       MakePage<TPageLimits>},
    {"tsDisp",      nullptr,       "pcDisp",      MakePage<TPageSet>},
    {"tsColor",     "tsDisp",      nullptr,       MakePage<TPageColor>},
    {"tsParams1",   "tsDisp",      nullptr,       MakePage<TPageParams1>},
    {"tsParams4",   "tsDisp",      "pcParams4",   MakePage<TPageSet>},
    {"tsParams4_1", "tsParams4",   nullptr,       MakePage<TPageParams4_1>},
    {"tsParams4_2", "tsParams4",   nullptr,       MakePage<TPageParams4_2>},
    {"tsParams9",   "tsDisp",      nullptr,       MakePage<TPageParams9>},
    {"tsParams6",   "tsDisp",      nullptr,       MakePage<TPageParams6>},
    {"tsHotMenu",   "tsDisp",      nullptr,       MakePage<TPageHotMenu>},
    {"tsInfoPanel", "tsDisp",      nullptr,       MakePage<TPageInfoPanel>},
    {"tsDivers",    "tsDisp",      nullptr,       MakePage<TPageDivers>},
    {"tsVoice",     nullptr,       "pcVoice",     MakePage<TPageSet>},
    {"tsVoiceWarn", "tsVoice",     nullptr,       MakePage<TPageVoiceWarn>},
    {"tsVoiceMisc", "tsVoice",     nullptr,       MakePage<TPageVoiceMisc>},
    {"tsAver",      nullptr,       nullptr,       MakePage<TPageAverages>},
    {"tsPark",      nullptr,       nullptr,       MakePage<TPagePark>},
    {"tsOil",       nullptr,       nullptr,       MakePage<TPageFuel>},
    {"tsTO",        nullptr,       nullptr,       MakePage<TPageMaintenance>},
    {"tsBlocks",    nullptr,       nullptr,       MakePage<TPageAddSystems>},
    {"tsUniMeas",   nullptr,       nullptr,       MakePage<TPageUniMeas>},
};
// clang-format on

} // namespace

std::span<const TPageDef> EditorPageTable() {
    return kPages;
}
