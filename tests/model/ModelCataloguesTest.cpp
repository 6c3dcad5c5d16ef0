#include "Errors.h"
#include "FieldTable.h"
#include "LanguageGuard.h"
#include "Pars32H.h"

#include <gtest/gtest.h>

// The model keeps the protocol choice and hot menus where the field table says.
TEST(ModelCatalogues, CatalogueOffsetsAgreeWithTheFieldTable) {
    const FieldDef& protocol = FieldByName("Protocol");
    EXPECT_EQ(protocol.section, 10);
    EXPECT_EQ(protocol.offset, ProtocolOffset);
    EXPECT_EQ(FieldByName("PrevProtocol").offset, AppliedProtocolOffset);
    EXPECT_EQ(FieldByName("ProtTypeMain").offset, SubtypeOffset);
    EXPECT_EQ(FieldByName("ProtTypeAdd7").offset, SubtypeOffset + SubtypeSelectorCount - 1);
    const FieldDef& hot = FieldByName("HotMenu");
    EXPECT_EQ(hot.section, 9);
    EXPECT_EQ(hot.offset, HotMenuOffset);
    EXPECT_EQ(hot.count, HotMenuLists * HotMenuSlots);
}

TEST(ModelCatalogues, FreshModelHasTheDefaultDeviceAndItsHotMenus) {
    LanguageGuard english(true);
    const TMK m;
    EXPECT_EQ(m.DeviceVersion, 0x4000);
    EXPECT_EQ(m.Caps(), DeviceCapabilities(0x4000));
    EXPECT_EQ(m.Prots.Count(), 5);
    ASSERT_NE(m.Prots.Current(), nullptr);
    EXPECT_EQ(m.Prots.Current()->Name, "Jan");
    EXPECT_EQ(m.MeasPars.Count(), 64);
    EXPECT_EQ(m.MeasPars.Find(11)->ClassName, "TTemperAir");
    // No ignition correction, no low-beam control, no voice, no gas.
    EXPECT_EQ(m.MenuItems.Count(), 133 - 1 - 1 - 2 - 5);
    EXPECT_EQ(m.MenuItems.FindByCode(9), nullptr);

    EXPECT_EQ(m.Get("HotMenu", 0), m.MenuItems.CodeOf(u"FullTankMenu"));
    EXPECT_EQ(m.Get("HotMenu", 2), m.MenuItems.CodeOf(u"ErrorsMenu"));
    EXPECT_EQ(m.Get("HotMenu", 10), m.MenuItems.CodeOf(u"TripJournMenu"));
    EXPECT_EQ(m.Get("HotMenu", 20), m.MenuItems.CodeOf(u"ParkOffMenu"));
    EXPECT_NE(m.Get("HotMenu", 20), 0);
    EXPECT_EQ(m.Get("HotMenu", 7), 0);
    EXPECT_EQ(m.Get("HotMenu", 30), 0);
    EXPECT_EQ(m.Section(9).mid(PaletteOffsetA, PaletteSize), m.PaletteA);
}

TEST(ModelCatalogues, EditRebuildsEverythingForTheStoredDevice) {
    LanguageGuard english(true);
    TMK m;
    m.DeviceVersion = 0x5800;
    m.Set("Protocol", 0, 3);
    bool ran = m.Edit([&] {
        EXPECT_TRUE(m.Caps().CapNoPark);
        EXPECT_EQ(m.Prots.Count(), 22);
        EXPECT_EQ(m.Prots.CurrentPosition(), 3);
        EXPECT_EQ(m.MenuItems.FindByKey(u"ParkOffMenu"), nullptr);
        EXPECT_TRUE(m.MeasPars.Find(62) != nullptr);
        EXPECT_EQ(m.PaletteA[32], char(10)); // the model's own default colours
        return false;
    });
    EXPECT_FALSE(ran);

    m.DeviceVersion = 0x4010;
    m.Set("Protocol", 0, 300); // beyond the model's seven entries
    m.Edit([&] {
        EXPECT_EQ(m.Prots.Current(), nullptr);
        EXPECT_EQ(m.MeasPars.Find(11)->ClassName, "TLightsFlag");
        EXPECT_EQ(m.MenuItems.CodeOf(u"LightsOnMenu"), 30);
        return false;
    });
    EXPECT_EQ(m.Get("Protocol"), 300);

    // A type no model has edits as the default model; the type itself is kept.
    m.DeviceVersion = 0x1234;
    m.Set("Protocol", 0, 1);
    m.Edit([&] {
        EXPECT_EQ(m.Caps(), DeviceCapabilities(DefaultDeviceVersion));
        EXPECT_EQ(m.Prots.CurrentPosition(), 1);
        EXPECT_NE(m.Prots.Current(), nullptr);
        return false;
    });
    EXPECT_EQ(m.DeviceVersion, 0x1234);

    // The device reads the stored position by its low byte.
    m.DeviceVersion = 0x4000;
    m.Set("Protocol", 0, 0x0102);
    m.Edit([&] {
        EXPECT_NE(m.Prots.Current(), nullptr);
        EXPECT_EQ(m.Prots.CurrentPosition(), 2);
        return false;
    });
}

TEST(ModelCatalogues, ChoosingAProtocolResetsItsSubtypes) {
    LanguageGuard english(true);
    TMK m;
    for (const char* name : {"ProtTypeMain", "ProtTypeAdd3", "ProtTypeAdd7"})
        m.Set(name, 0, 2);
    m.SelectProtocol(2);
    EXPECT_EQ(m.Get("Protocol"), 2);
    EXPECT_EQ(m.Get("PrevProtocol"), 2);
    EXPECT_EQ(m.Get("ProtTypeMain"), 0);
    EXPECT_EQ(m.Get("ProtTypeAdd3"), 0);
    EXPECT_EQ(m.Get("ProtTypeAdd7"), 0);
    EXPECT_EQ(m.Prots.Current()->Name, "Bosch M7.9.7");

    m.Set("ProtTypeAdd1", 0, 4);
    EXPECT_THROW(m.SelectProtocol(5), ERangeError);
    EXPECT_EQ(m.Get("Protocol"), 2);
    EXPECT_EQ(m.Get("ProtTypeAdd1"), 4);
}
