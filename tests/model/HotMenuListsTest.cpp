// Hot-menu list operations, captions and the insert items.

#include "HotMenuLists.h"
#include "Errors.h"
#include "Language.h"
#include "Pars32H.h"

#include <gtest/gtest.h>

namespace {

THotMenuList list(std::initializer_list<std::uint16_t> codes) {
    THotMenuList l{};
    std::copy(codes.begin(), codes.end(), l.begin());
    return l;
}

TMKMenuTable menuOf(std::uint16_t device) {
    TMKMenuTable menu;
    menu.Build(DeviceCapabilities(device));
    return menu;
}

// The group, or else the item, of this caption ("Trip log" is both).
const THotMenuChoice* find(const std::vector<THotMenuChoice>& items, const QString& caption) {
    for (const THotMenuChoice& c : items)
        if (c.Caption == caption && c.IsGroup()) return &c;
    for (const THotMenuChoice& c : items)
        if (c.Caption == caption) return &c;
    return nullptr;
}

} // namespace

TEST(HotMenuLists, DeleteInsertAndMoveAsThePageDoesThem) {
    THotMenuList l = list({5, 7, 9});
    DeleteHotMenuEntry(l, 2);
    CompactHotMenu(l);
    EXPECT_EQ(l, list({5, 7}));
    l = list({5, 0, 0, 7, 0, 9});
    CompactHotMenu(l);
    EXPECT_EQ(l, list({5, 7, 9}));

    THotMenuList full = list({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    EXPECT_TRUE(HotMenuInsertDropsLast(full));
    InsertHotMenuEntry(full, 0, 42);
    EXPECT_EQ(full, list({42, 1, 2, 3, 4, 5, 6, 7, 8, 9}));

    l = list({1, 2, 3});
    EXPECT_FALSE(HotMenuInsertDropsLast(l));
    InsertHotMenuEntry(l, 6, 42);
    EXPECT_EQ(l, list({1, 2, 3, 0, 0, 0, 42}));
    CompactHotMenu(l);
    EXPECT_EQ(l[3], 42);

    l = list({'A', 'B', 'C', 'D'});
    MoveHotMenuEntry(l, 0, 3);
    EXPECT_EQ(l, list({'B', 'C', 'D', 'A'}));
    MoveHotMenuEntry(l, 3, 0);
    EXPECT_EQ(l, list({'A', 'B', 'C', 'D'}));
    EXPECT_THROW(MoveHotMenuEntry(l, 0, 10), ERangeError);
    EXPECT_THROW(InsertHotMenuEntry(l, -1, 1), ERangeError);
}

TEST(HotMenuLists, TheSectionsFourListsAreCompactedInPlace) {
    TMK m;
    QByteArray& s9 = m.Section(9);
    WriteHotMenu(s9, 3, list({0, 11, 0, 12}));
    WriteHotMenu(s9, 1, list({0, 0, 0, 0, 0, 0, 0, 0, 0, 13}));
    CompactHotMenus(s9);
    EXPECT_EQ(ReadHotMenu(s9, 3), list({11, 12}));
    EXPECT_EQ(ReadHotMenu(s9, 1), list({13}));
    EXPECT_EQ(m.Get("HotMenu", 10), 13) << "list 1 starts at entry 10 of the field";
    EXPECT_THROW(ReadHotMenu(s9, 4), ERangeError);
}

TEST(HotMenuLists, CaptionsAndInsertItemsFollowTheDevicesMenu) {
    EnglishVersion = true;
    const TMKMenuTable withCorr = menuOf(0x4610), withoutCorr = menuOf(0x4000);
    const std::uint16_t fullTank = withCorr.CodeOf(u"FullTankMenu");
    EXPECT_EQ(HotMenuCaption(withCorr, fullTank), "Refuel.until full");
    EXPECT_EQ(HotMenuCaption(withCorr, 0), "");
    EXPECT_EQ(HotMenuCaption(withCorr, 999), "");

    auto control = [](const TMKMenuTable& menu) {
        const auto items = HotMenuInsertChoices(0, menu);
        EXPECT_EQ(items.size(), 6u) << "Control .. TS";
        return find(items, "Control")->Items;
    };
    EXPECT_TRUE(find(control(withCorr), "IgnAngCorr"));
    EXPECT_FALSE(find(control(withoutCorr), "IgnAngCorr"));
    EXPECT_EQ(control(withCorr).front().MenuCode, withCorr.CodeOf(u"VirtLockMenu"));

    const auto averages = HotMenuInsertChoices(1, withCorr);
    const THotMenuChoice* trip = find(averages, "Trip log");
    ASSERT_TRUE(trip);
    ASSERT_EQ(trip->Items.size(), 5u); // continue, write, Save, view, View
    EXPECT_EQ(trip->Items[2].Caption, "Save");
    EXPECT_EQ(trip->Items[2].Items.size(), 20u);
    EXPECT_EQ(trip->Items[4].Items.size(), 21u);
    EXPECT_EQ(find(averages, "Petrol log")->Items.size(), 21u);
    EXPECT_EQ(averages.back().Caption, "Petrol log");

    EnglishVersion = false;
    const auto parking = HotMenuInsertChoices(2, menuOf(0x4610));
    ASSERT_EQ(parking.size(), 2u);
    EXPECT_EQ(parking[1].Caption, "Парковка вперед");
    EXPECT_EQ(parking[1].Items.size(), 4u);
    EXPECT_TRUE(HotMenuInsertChoices(2, menuOf(0x4800)).empty()) << "no parking sensors";
    EXPECT_TRUE(HotMenuInsertChoices(3, withCorr).empty());
    EnglishVersion = true;
}
