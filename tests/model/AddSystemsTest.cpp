// The additional-system units, the model's unit list and the selection bits.

#include "AddSystems.h"
#include "AddSystemUnits.h"
#include "Errors.h"
#include "Language.h"
#include "Pars32H.h"

#include <gtest/gtest.h>

namespace {

constexpr int BlocksSelOffset = 20; // in section 5

TProtCatalogue catalogueOf(std::uint16_t device) {
    TProtCatalogue c;
    c.Build(device, 0);
    return c;
}

} // namespace

TEST(AddSystems, UnitTableKeepsTheDevicesListAsItStands) {
    const auto units = AddSystemUnits();
    ASSERT_EQ(units.size(), 159u);
    EXPECT_EQ(units.front().code, 93);
    EXPECT_EQ(units.back().code, 169);
    EXPECT_EQ(std::count_if(units.begin(), units.end(), [](auto& u) { return u.code == 143; }), 2);
    auto nameOf = [&](int code) {
        return std::find_if(units.begin(), units.end(), [&](auto& u) { return u.code == code; })
            ->Name();
    };
    EnglishVersion = false;
    EXPECT_EQ(nameOf(109), nameOf(132));
    EXPECT_EQ(nameOf(93), "Доп.устройства");
    EnglishVersion = true;
    EXPECT_EQ(nameOf(29), "AT Jatco AY-K3");
}

TEST(AddSystems, SelectionBitsAndThePageChoices) {
    TMK m;
    QByteArray& s5 = m.Section(5);
    SetUnitSelected(s5, 93, true);
    EXPECT_EQ(std::uint8_t(s5[BlocksSelOffset + 11]), 1 << 5);
    ToggleUnitSelected(s5, 93);
    EXPECT_FALSE(UnitSelected(s5, 93));

    const TProtCatalogue c = catalogueOf(0x4610);
    const TBlockList list = BuildBlockList(c);
    ASSERT_EQ(list.Count(), 21); // the units of its first CAN entry, in table order
    EXPECT_EQ(list.At(0).Code, 8);
    EXPECT_EQ(list.At(4).Code, 25);
    EXPECT_EQ(list.At(20).Code, 90);
    EXPECT_EQ(BuildBlockList(catalogueOf(0x4000)).Count(), 0);

    SetUnitSelected(s5, 200, true); // not on this model: kept, shown nowhere
    SetBlocksShowList(s5, 1);
    ApplyBlocksShow(s5, list, BlocksShowAll, nullptr);
    EXPECT_EQ(SelectedRows(list, s5).size(), 21u);
    ApplyBlocksShow(s5, list, BlocksShowProtocol, c.Entry(1)); // an entry without units
    EXPECT_TRUE(SelectedRows(list, s5).empty());
    EXPECT_TRUE(UnitSelected(s5, 200));
    EXPECT_EQ(BlocksShowChoice(s5), 1);
    EXPECT_EQ(BlocksShowListChoice(s5), 1);

    ToggleUnitSelected(s5, 90);
    ToggleUnitSelected(s5, 8);
    EXPECT_EQ(SelectedRows(list, s5), (std::vector<int>{0, 20})) << "table order";
    const QByteArray before = s5;
    SetBlocksShowList(s5, 0);
    EXPECT_EQ(s5.mid(BlocksSelOffset + 1), before.mid(BlocksSelOffset + 1));
    EXPECT_EQ(BlocksShowChoice(s5), 1);
    ApplyBlocksShow(s5, list, BlocksShowProtocol, c.Entry(0));
    EXPECT_EQ(SelectedRows(list, s5).size(), 21u);
    EXPECT_EQ(BlocksShowListChoice(s5), 0);
}

TEST(AddSystems, TheListRefusesEntriesPastItsSize) {
    TBlockList list;
    for (int i = 0; i < TBlockList::MaxEntries; ++i)
        list.Add(std::uint8_t(i), QString());
    EXPECT_THROW(list.Add(1, "one more"), ERangeError);
    EXPECT_EQ(list.Count(), TBlockList::MaxEntries);
}
