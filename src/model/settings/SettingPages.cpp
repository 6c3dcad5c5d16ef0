#include "SettingPages.h"

#include "SettingRules.h"

#include <QStringList>

namespace {

// clang-format off
// Pages the trip computer never shows (service information, graphic and pointer displays
// and their colours) are not here.
constexpr TSettingPage kPages[] = {
    // id            parent         caption                                    offered
    {"tsCorr",      nullptr,       {"Correction", "Поправки"},               nullptr},
    {"tsMeth",      nullptr,       {"Resources", "Источники"},               nullptr},
    {"tsLim",       nullptr,       {"Limits", "Границы"},                    nullptr},
    {"tsDisp",      nullptr,       {"Display", "Дисплей"},                   nullptr},
    {"tsColor",     "tsDisp",      {"Color schemes", "Цветовые схемы"},      nullptr},
    {"tsColorDig",  "tsColor",     {"Digital displays", "Цифровые дисплеи"}, nullptr},
    {"tsColorMenu", "tsColor",     {"Menu", "Меню"},                         nullptr},
    {"tsParams1",   "tsDisp",      {"Displays x 1", "Дисплеи х1"},           nullptr},
    {"tsParams4",   "tsDisp",      {"Displays x 4", "Дисплеи х4"},           nullptr},
    {"tsParams4_1", "tsParams4",   {"Displays 1..3", "Дисплеи 1 .. 3"},      nullptr},
    {"tsParams4_2", "tsParams4",   {"Displays 4..6", "Дисплеи 4 .. 6"},      nullptr},
    {"tsParams9",   "tsDisp",      {"Displays x 9", "Дисплеи х9"},           nullptr},
    {"tsParams6",   "tsDisp",      {"Displays x 6", "Дисплей х6"},           nullptr},
    {"tsHotMenu",   "tsDisp",      {"Hot menu", "Горячие меню"},             nullptr},
    {"tsInfoPanel", "tsDisp",      {"Add.panel", "Доп.панель"},              nullptr},
    {"tsDivers",    "tsDisp",      {"Divers", "Разное"},                     nullptr},
    {"tsVoice",     nullptr,       {"Sounds", "Озвуч.сообщения"},            nullptr},
    {"tsVoiceWarn", "tsVoice",     {"Warnings", "Предупреждения"},           nullptr},
    {"tsVoiceMisc", "tsVoice",     {"Miscellaneous", "Разное"},              nullptr},
    {"tsAver",      nullptr,       {"Average", "Средние"},                   nullptr},
    {"tsPark",      nullptr,       {"Parctronic", "Парковка"},               offer::Park},
    {"tsOil",       nullptr,       {"Fuel", "Бак"},                          nullptr},
    {"tsTO",        nullptr,       {"TS", "ТО"},                             nullptr},
    {"tsBlocks",    nullptr,       {"Add.systems", "Допсистемы"},            offer::AddSystems},
    {"tsUniMeas",   nullptr,       {"Uni.input/Trim", "Трим"},               offer::UniOrTrim},
};
// clang-format on

} // namespace

std::span<const TSettingPage> SettingPages() {
    return kPages;
}

const TSettingPage* FindSettingPage(std::string_view id) {
    for (const TSettingPage& p : kPages)
        if (id == p.id) return &p;
    return nullptr;
}

int SettingPageOrder(std::string_view id) {
    for (std::size_t i = 0; i < std::size(kPages); ++i)
        if (id == kPages[i].id) return int(i);
    return -1;
}

QString SettingPagePath(std::string_view id) {
    QStringList captions;
    for (const TSettingPage* p = FindSettingPage(id); p;
         p = p->parent ? FindSettingPage(p->parent) : nullptr)
        captions.prepend(p->caption.text());
    return captions.join(QStringLiteral(" / "));
}

bool SettingPageOffered(std::string_view id, const TSettingContext& c) {
    for (const TSettingPage* p = FindSettingPage(id); p;
         p = p->parent ? FindSettingPage(p->parent) : nullptr)
        if (p->offered && !p->offered(c)) return false;
    return true;
}
