#include "ByteAccess.h"
#include "Errors.h"
#include "LanguageGuard.h"
#include "MenuItemsH.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TMKMenuTable Built(std::uint16_t device) {
    TMKMenuTable t;
    t.Build(DeviceCapabilities(device));
    return t;
}

std::set<int> Codes(const TMKMenuTable& t) {
    std::set<int> codes;
    for (const TMKMenuItem& item : t.Items())
        codes.insert(item.MenuCode);
    return codes;
}

std::set<int> Span(std::initializer_list<std::pair<int, int>> ranges) {
    std::set<int> s;
    for (auto [first, last] : ranges)
        for (int i = first; i <= last; ++i)
            s.insert(i);
    return s;
}

std::vector<int> HotList(const QByteArray& s9, int list) {
    std::vector<int> codes;
    for (int slot = 0; slot < HotMenuSlots; ++slot)
        codes.push_back(bytes::u16le(s9, HotMenuOffset + (list * HotMenuSlots + slot) * 2));
    return codes;
}

} // namespace

// 0x4600 has every entry (with the ice warning as the shared alternative).
TEST(MenuItems, FullModelNumbersEntriesOneToHundredThirteenAndFrom141) {
    const TMKMenuTable t = Built(0x4600);
    ASSERT_EQ(t.Count(), 132);
    EXPECT_EQ(Codes(t), Span({{1, 113}, {141, 159}}));
    std::set<QString> keys;
    for (int i = 0; i < t.Count(); ++i) {
        keys.insert(t.At(i).MenuKey);
        if (i > 0) {
            EXPECT_GT(t.At(i).MenuCode, t.At(i - 1).MenuCode);
        }
    }
    EXPECT_EQ(keys.size(), 132u);

    const std::pair<const char*, int> fixed[] = {
        {"VirtLockMenu", 1},
        {"CorrUOZMenu", 9},
        {"EBUResetMenu", 10},
        {"Vel100Menu", 20},
        {"Vel100DownMenu", 21},
        {"Intense1Menu", 23},
        {"AlarmPermJournMenu", 24},
        {"SoundVolumeMenu", 25},
        {"apHoloMenu", 32},
        {"InitTripParamsMenu", 41},
        {"TripJournMenu", 47},
        {"ViewTripMenu", 70},
        {"TankJournMenu", 92},
        {"ViewTank20Menu", 113},
        {"ParkOffMenu", 141},
        {"ParkSpeedMenu_1", 150},
        {"InitResetOnlyGasParamsMenu", 151},
        {"ErrorsMenu", 154},
        {"InGasTankMenu", 159},
    };
    for (auto [key, code] : fixed)
        EXPECT_EQ(t.CodeOf(QString::fromLatin1(key)), code) << key;
    EXPECT_EQ(t.FindByKey(u"LightsOnMenu"), nullptr);
    EXPECT_EQ(t.FindByKey(u"errorsmenu"), nullptr); // keys are case-sensitive
    EXPECT_EQ(t.FindByCode(141)->MenuKey, "ParkOffMenu");
    EXPECT_EQ(t.FindByCode(0), nullptr);
    EXPECT_EQ(t.FindByCode(114), nullptr);
}

TEST(MenuItems, AnAbsentEntryKeepsTheNumbersOfTheOthers) {
    const TMKMenuTable t = Built(0x4000); // no ignition-angle correction
    EXPECT_EQ(t.FindByCode(9), nullptr);
    EXPECT_EQ(t.FindByKey(u"CorrUOZMenu"), nullptr);
    EXPECT_EQ(t.CodeOf(u"CorrUOZMenu"), 0);
    EXPECT_EQ(t.CodeOf(u"EBUResetMenu"), 10);
    EXPECT_EQ(t.CodeOf(u"ExpenseHHMenu"), 8);

    // Without gas the last five gas entries leave holes; later entries do not move.
    EXPECT_EQ(t.FindByKey(u"FullGasTankMenu"), nullptr);
    EXPECT_EQ(t.CodeOf(u"EBUInitMenu"), 153); // 155 less the two voice entries
}

TEST(MenuItems, MissingVoiceEntriesMoveEveryLaterNumber) {
    const TMKMenuTable t = Built(0x4700); // 0x4600 without voice output
    EXPECT_EQ(t.Count(), 130);
    EXPECT_EQ(Codes(t), Span({{1, 111}, {139, 157}}));
    EXPECT_EQ(t.FindByKey(u"SoundVolumeMenu"), nullptr);
    EXPECT_EQ(t.FindByKey(u"SayParamPeriodMenu"), nullptr);
    EXPECT_EQ(t.CodeOf(u"AlarmPermJournMenu"), 24);
    EXPECT_EQ(t.CodeOf(u"FlagSoundMenu"), 25);
    EXPECT_EQ(t.CodeOf(u"apVelMenu"), 26);
    EXPECT_EQ(t.CodeOf(u"apHoloMenu"), 30);
    EXPECT_EQ(t.CodeOf(u"TankJournMenu"), 90);
    EXPECT_EQ(t.CodeOf(u"ParkOffMenu"), 139);
    EXPECT_EQ(t.CodeOf(u"InGasTankMenu"), 157);
}

TEST(MenuItems, ModelCapabilitiesGateTheEntries) {
    const TMKMenuTable marine = Built(0x5000);
    for (const char* key :
         {"ParkOffMenu", "ParkSpeedMenu_1", "FullGasTankMenu", "InitStopParamsMenu",
          "InitNoStopParamsMenu", "apGabarMenu", "apLightsMenu", "Vel100Menu", "Vel100DownMenu",
          "apHoloMenu", "LightsOnMenu", "CorrUOZMenu", "SoundVolumeMenu"})
        EXPECT_EQ(marine.FindByKey(QString::fromLatin1(key)), nullptr) << key;
    EXPECT_NE(marine.FindByKey(u"ErrorsMenu"), nullptr);

    const TMKMenuTable lowBeam = Built(0x4110); // low-beam control and voice output
    EXPECT_EQ(lowBeam.CodeOf(u"LightsOnMenu"), 32);
    EXPECT_EQ(lowBeam.FindByKey(u"apHoloMenu"), nullptr);

    // No air temperature and no low beam: neither alternative, number 32 stays free.
    const TMKMenuTable noAir = Built(0x5100);
    EXPECT_EQ(noAir.FindByCode(32 - 2), nullptr);
    EXPECT_EQ(noAir.CodeOf(u"apEconomMenu"), 33 - 2);

    int groups[3] = {};
    const TMKMenuTable full = Built(0x4600);
    for (const TMKMenuItem& item : full.Items())
        ++groups[item.Group];
    EXPECT_EQ(groups[MenuGroupGeneral], 55);
    EXPECT_EQ(groups[MenuGroupJournal], 67);
    EXPECT_EQ(groups[MenuGroupParking], 10);

    // An unknown model has no flags: everything but the correction and the low-beam control.
    EXPECT_EQ(Built(0x1234).Count(), 131);
}

TEST(MenuItems, CaptionsInTheLanguageOfTheBuild) {
    {
        LanguageGuard english(true);
        const TMKMenuTable t = Built(0x4600);
        EnglishVersion = false;
        EXPECT_EQ(t.FindByKey(u"ViewTrip0Menu")->Caption, "Last     MM:HH DD.MM");
        EXPECT_EQ(t.FindByKey(u"ViewTank1Menu")->Caption, "   1     MM:HH DD.MM");
        EXPECT_EQ(t.FindByKey(u"WriteTrip20Menu")->Caption, "  20     MM:HH DD.MM");
        EXPECT_EQ(t.FindByKey(u"TankMethMenu")->Caption, "Tank type Calculated/FLS/ECU FLS");
        EXPECT_EQ(t.FindByKey(u"ParkForwConstOffMenu")->Caption, "Work mode On/On 3s/R.mov");
        for (const TMKMenuItem& item : t.Items())
            EXPECT_FALSE(item.Caption.isEmpty()) << item.MenuKey.toStdString();
    }
    LanguageGuard russian(false);
    const TMKMenuTable t = Built(0x4600);
    EXPECT_EQ(t.FindByKey(u"ViewTrip0Menu")->Caption,
              QString::fromUtf8("\u041Fo\u0441.     \u041C\u041C:\u0427\u0427 "
                                "\u0414\u0414.\u041C\u041C"));
    EXPECT_EQ(t.FindByKey(u"ViewTank7Menu")->Caption, "   7     ММ:ЧЧ ДД.ММ");
    EXPECT_EQ(t.FindByKey(u"ErrorsMenu")->Caption, "Ошибки ЭБУ");
    EXPECT_EQ(t.FindByKey(u"CorrUOZMenu")->Caption, "Поправка УОЗ");
}

TEST(MenuItems, DefaultHotMenusTakeTheCodesOfTheBuiltTable) {
    const TMKMenuTable t = Built(0x4000); // parking sensors, no voice output
    QByteArray s9(288, char(0x55));
    FillDefaultHotMenus(s9, t, !DeviceCapabilities(0x4000).CapNoPark);
    EXPECT_EQ(HotList(s9, 0), (std::vector<int>{2, 3, 152, 25, 15, 6, 8, 0, 0, 0}));
    EXPECT_EQ(HotList(s9, 1), (std::vector<int>{45, 40, 41, 46, 90, 0, 0, 0, 0, 0}));
    EXPECT_EQ(HotList(s9, 2), (std::vector<int>{139, 141, 142, 143, 144, 0, 0, 0, 0, 0}));
    EXPECT_EQ(HotList(s9, 3), std::vector<int>(10, 0x5555)); // the spare list is not touched
    EXPECT_EQ(bytes::u8(s9, HotMenuOffset - 1), 0x55);

    // Without parking sensors the parking list keeps what it held.
    QByteArray noPark(288, '\0');
    FillDefaultHotMenus(noPark, Built(0x4800), false);
    EXPECT_EQ(HotList(noPark, 2), std::vector<int>(10, 0));
    EXPECT_EQ(HotList(noPark, 0)[0], 2);

    // A key the table lacks gives 0.
    QByteArray forced(288, char(0x55));
    FillDefaultHotMenus(forced, Built(0x5000), true);
    EXPECT_EQ(HotList(forced, 2), std::vector<int>(10, 0));

    QByteArray tooShort(200, '\0');
    EXPECT_THROW(FillDefaultHotMenus(tooShort, t, true), ERangeError);
}
