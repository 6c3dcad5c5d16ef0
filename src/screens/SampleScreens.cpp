#include "SampleScreens.h"

#include "Language.h"
#include "MenuItemsH.h"

namespace {

constexpr int SampleActiveRow = 1;

// Speed, engine speed, consumption, fuel left, coolant, battery and the like.
TScreenContent screenOf(TScreenKind kind, std::vector<std::uint8_t> codes, std::uint8_t main = 0) {
    TScreenContent s;
    s.kind = kind;
    s.codes = std::move(codes);
    s.mainCode = main;
    return s;
}

} // namespace

TScreenContent SampleScreen(TScreenKind kind) {
    switch (kind) {
    case TScreenKind::X1:
        return screenOf(kind, {13, 17, 10, 8}, 12);
    case TScreenKind::X4:
        return screenOf(kind, {12, 13, 14, 8});
    case TScreenKind::X6:
        return screenOf(kind, {12, 17, 13, 10, 8, 9});
    case TScreenKind::X9:
        return screenOf(kind, {14, 5, 12, 1, 2, 6, 10, 8, 9});
    case TScreenKind::Averages:
        return screenOf(kind, {});
    case TScreenKind::Menu:
        break;
    }
    return SampleMenu(TMKMenuTable());
}

TScreenContent SampleMenu(const TMKMenuTable& menu) {
    TScreenContent s;
    s.kind = TScreenKind::Menu;
    s.title = Tx("Menu", "Меню");
    for (int i = 0; i < menu.Count() && i < MenuRows; ++i)
        s.menu.push_back({i, menu.At(i).Caption});
    s.activeRow = SampleActiveRow;
    return s;
}
