#include "SettingsScreens.h"

#include "Errors.h"
#include "Language.h"
#include "MenuItemsH.h"
#include "Pars32H.h"

namespace {

struct LayoutField {
    const char* name;
    int screens, places;
};

LayoutField layoutOf(TScreenKind kind) {
    switch (kind) {
    case TScreenKind::X4:
        return {"Digit4", 6, 4};
    case TScreenKind::X6:
        return {"Digit6", 2, 6};
    case TScreenKind::X9:
        return {"Digit9", 3, 9};
    case TScreenKind::X1:
        return {"Dig1", 1, 4};
    default:
        return {nullptr, 0, 0};
    }
}

// Titles of the hot menus, by list.
constexpr TText HotMenuTitles[HotMenuLists] = {{"Parameters", "Параметры"},
                                               {"Averages", "Средние"},
                                               {"Parking", "Парктроник"},
                                               {"Hot menu 4", "Гор. меню 4"}};

TScreenContent hotMenu(const TMK& model, int list) {
    TScreenContent s;
    s.kind = TScreenKind::Menu;
    s.title = HotMenuTitles[list].text();
    for (int slot = 0; slot < HotMenuSlots; ++slot) {
        const auto code = std::uint16_t(model.Get("HotMenu", list * HotMenuSlots + slot));
        if (code == 0) continue;
        const TMKMenuItem* item = model.MenuItems.FindByCode(code);
        s.menu.push_back({slot, item ? item->Caption : QStringLiteral("#%1").arg(code)});
    }
    return s;
}

} // namespace

std::vector<std::uint8_t> OfferedCodes(const TMK& model) {
    const TProtBase* entry = model.Prots.Current();
    return entry ? entry->Params : std::vector<std::uint8_t>{};
}

int ScreenCount(const TMK& model, TScreenKind kind) {
    switch (kind) {
    case TScreenKind::X1:
        return int(OfferedCodes(model).size());
    case TScreenKind::Averages:
        return AveragesSets;
    case TScreenKind::Menu:
        return HotMenuLists;
    default:
        return layoutOf(kind).screens;
    }
}

TScreenContent ScreenFromSettings(const TMK& model, TScreenKind kind, int number) {
    if (number < 0 || number >= ScreenCount(model, kind)) throw ERangeError();
    if (kind == TScreenKind::Menu) return hotMenu(model, number);
    TScreenContent s;
    s.kind = kind;
    if (kind == TScreenKind::Averages) {
        s.averages = number;
        return s;
    }
    const LayoutField f = layoutOf(kind);
    const int screen = kind == TScreenKind::X1 ? 0 : number;
    for (int place = 0; place < f.places; ++place)
        s.codes.push_back(std::uint8_t(model.Get(f.name, screen * f.places + place)));
    if (kind == TScreenKind::X1) s.mainCode = OfferedCodes(model)[std::size_t(number)];
    return s;
}

TScreenColours SchemeColours(const TMK& model, int scheme) {
    if (scheme < 0 || scheme >= SchemeCount) throw ERangeError();
    return TScreenColours::FromRecord(
        model.Section(SchemeSection).mid(SchemeOffset(scheme), SchemeRecordSize));
}

TDisplayOptions DisplayOptionsOf(const TMK& model) {
    TDisplayOptions o;
    o.consumptionBarLimit = int(model.Get("ExpPBLim"));
    return o;
}
