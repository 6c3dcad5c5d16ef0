#include "ByteAccess.h"
#include "Errors.h"
#include "LanguageGuard.h"
#include "ProtsH.h"

#include <gtest/gtest.h>

#include <map>

namespace {

TProtCatalogue Built(std::uint16_t device, int protocol = 0) {
    TProtCatalogue c;
    c.Build(device, protocol);
    return c;
}

// The first entry with this name, or nullptr.
const TProtBase* Named(const TProtCatalogue& c, const QString& name) {
    for (int i = 0; i < c.Count(); ++i)
        if (c.Entry(i)->Name == name) return c.Entry(i);
    return nullptr;
}

std::vector<std::uint8_t> Range(int first, int last) {
    std::vector<std::uint8_t> v;
    for (int i = first; i <= last; ++i)
        v.push_back(std::uint8_t(i));
    return v;
}

QStringList Digits(int first, int last) {
    QStringList l;
    for (int i = first; i <= last; ++i)
        l << QString::number(i);
    return l;
}

} // namespace

TEST(ProtCatalogue, EveryModelBuildsItsNumberOfEntries) {
    // Sums of each model's entry ranges, counted by hand.
    const std::map<std::uint16_t, int> expected = {
        {0x4000, 5},  {0x4010, 5},  {0x4020, 5},  {0x4100, 5},  {0x4110, 5},  {0x4120, 5},
        {0x4200, 7},  {0x4210, 7},  {0x4300, 7},  {0x4310, 7},  {0x4400, 24}, {0x4500, 24},
        {0x4600, 36}, {0x4610, 36}, {0x4700, 36}, {0x4710, 36}, {0x4800, 36}, {0x4810, 36},
        {0x5000, 11}, {0x5100, 8},  {0x5200, 10}, {0x5800, 22}, {0x8000, 84}, {0x8001, 84},
        {0x8080, 16}, {0x8100, 43}, {0x8180, 17}, {0x8200, 83},
    };
    ASSERT_EQ(expected.size(), DeviceTypeCodes().size());
    for (std::uint16_t code : DeviceTypeCodes()) {
        const TProtCatalogue c = Built(code);
        EXPECT_EQ(c.Count(), expected.at(code)) << std::hex << code;
        EXPECT_EQ(c.Names().size(), c.Count());
        ASSERT_NE(c.Current(), nullptr);
        EXPECT_EQ(c.Current(), c.Entry(0));
    }
    const TProtCatalogue unknown = Built(0x4001);
    EXPECT_EQ(unknown.Count(), 0);
    EXPECT_EQ(unknown.Current(), nullptr);
    EXPECT_EQ(unknown.Caps(), TDeviceCaps{});
}

TEST(ProtCatalogue, StoredPositionPicksTheEntryOfThatModel) {
    LanguageGuard english(true);
    const TProtCatalogue c4000 = Built(0x4000, 2);
    EXPECT_EQ(c4000.Names(), QStringList({"Jan", "M74", "Bosch M7.9.7", "Bosch M7.0", "OBD2E"}));
    ASSERT_NE(c4000.Current(), nullptr);
    EXPECT_EQ(c4000.Current()->Name, "Bosch M7.9.7");
    EXPECT_EQ(c4000.Current()->Code, 0x2D);
    EXPECT_EQ(c4000.CurrentPosition(), 2);

    // 0x4800 lacks "M74.8" but has "Toyota": positions differ from the second entry on.
    const TProtCatalogue c4700 = Built(0x4700), c4800 = Built(0x4800);
    EXPECT_EQ(c4700.Entry(0)->Name, c4800.Entry(0)->Name);
    EXPECT_EQ(c4700.Entry(1)->Name, "M74.8");
    EXPECT_EQ(c4800.Entry(1)->Name, "M86");
    EXPECT_EQ(Named(c4700, "Toyota"), nullptr);
    EXPECT_NE(Named(c4800, "Toyota"), nullptr);

    // 0x8080: the CAN entries only.
    const TProtCatalogue c8080 = Built(0x8080);
    EXPECT_EQ(c8080.Entry(0)->Name, "CAN Toyota");
    EXPECT_EQ(c8080.Entry(15)->Name, "CAN");
    for (int i = 1; i < 15; ++i)
        EXPECT_TRUE(c8080.Entry(i)->Hybrid) << i;
}

TEST(ProtCatalogue, NamesFollowTheLanguageOfTheBuild) {
    {
        LanguageGuard russian(false);
        const TProtCatalogue c = Built(0x4000, 2);
        EXPECT_EQ(c.Current()->Name, "Бош M7.9.7");
        EXPECT_EQ(c.Entry(0)->Name, "Январь");
        EXPECT_EQ(c.Entry(4)->Name, "OBD2E");
        EnglishVersion = true; // switching afterwards changes nothing already built
        EXPECT_EQ(c.Entry(0)->Name, "Январь");
    }
    LanguageGuard english(true);
    EXPECT_EQ(Built(0x5000).Entry(10)->Name, "Uni.");
}

TEST(ProtCatalogue, StoredPositionBeyondTheListLeavesNoCurrentEntry) {
    for (int protocol : {5, 6, 255, 0x0105, 65535}) {
        const TProtCatalogue c = Built(0x4000, protocol);
        EXPECT_EQ(c.Current(), nullptr) << protocol;
        EXPECT_EQ(c.CurrentPosition(), -1);
        EXPECT_EQ(c.Entry(protocol), nullptr);
    }
    const TProtCatalogue c = Built(0x4000, 4);
    EXPECT_EQ(c.Current(), c.Entry(4));
    EXPECT_EQ(c.Entry(-1), nullptr);
    // Only the low byte of the stored position counts.
    const TProtCatalogue high = Built(0x4000, 0x0104);
    EXPECT_EQ(high.CurrentPosition(), 4);
}

TEST(ProtCatalogue, FaultCodeFormatWithoutACatalogueIsTheBuiltEntrys) {
    std::vector<std::uint16_t> devices(DeviceTypeCodes().begin(), DeviceTypeCodes().end());
    devices.push_back(0x4001); // unknown: no entries
    for (std::uint16_t device : devices) {
        const TProtCatalogue c = Built(device);
        // Every entry, one past the list, and positions whose high byte the device ignores.
        std::vector<int> positions{255, 0x0100 + c.Count() - 1, 0xFF00, 65535};
        for (int protocol = 0; protocol <= c.Count(); ++protocol)
            positions.push_back(protocol);
        for (int protocol : positions) {
            const TProtBase* entry = c.Entry(protocol & 0xFF);
            EXPECT_EQ(EntryFaultCodeFormat(device, protocol), entry ? entry->FaultCodeFormat : 0)
                << std::hex << device << " " << protocol;
        }
    }
}

TEST(ProtCatalogue, ParametersAreCommonThenOwnThenModelExtras) {
    LanguageGuard english(true);
    // "Uni." has no parameters of its own.
    EXPECT_EQ(Named(Built(0x8000), "Uni.")->Params, Range(1, 16));

    auto uni5800 = Range(1, 16);
    uni5800.insert(uni5800.end(), {65, 62, 55, 56});
    EXPECT_EQ(Named(Built(0x5800), "Uni.")->Params, uni5800);
    auto uni5100 = Range(1, 16);
    uni5100.insert(uni5100.end(), {55, 56});
    EXPECT_EQ(Named(Built(0x5100), "Uni.")->Params, uni5100);

    const TProtCatalogue c4600 = Built(0x4600);
    const TProtBase* m74can = Named(c4600, "M74CAN");
    ASSERT_NE(m74can, nullptr);
    auto expected = Range(1, 16);
    expected.insert(expected.end(), {17, 18, 25, 20, 33, 22, 23, 24, 36, 37, 19});
    EXPECT_EQ(m74can->Params, expected);
    EXPECT_EQ(m74can->ParamCount(), 27);

    // The outboard entries list no coolant temperature (17).
    const TProtCatalogue c5000 = Built(0x5000);
    const TProtBase* yamaha = Named(c5000, "Yamaha");
    EXPECT_EQ(yamaha->ParamCount(), 16 + 10 + 2);
    EXPECT_FALSE(yamaha->HasParam(17));
    EXPECT_TRUE(yamaha->HasParam(62));
}

TEST(ProtCatalogue, AddParameterIgnoresZeroAndRefusesAFullList) {
    TProtBase e("X", 1, 0);
    e.AddParameter(0);
    EXPECT_EQ(e.ParamCount(), 0);
    for (int i = 0; i < MaxProtParams; ++i)
        e.AddParameter(std::uint8_t(1 + i % 65));
    EXPECT_EQ(e.ParamCount(), MaxProtParams);
    EXPECT_THROW(e.AddParameter(7), ERangeError);
    EXPECT_EQ(e.ParamCount(), MaxProtParams);
}

TEST(ProtCatalogue, SelectorsShowTheirCaptionsAndChoices) {
    LanguageGuard english(true);
    const TProtCatalogue c4600 = Built(0x4600), c8000 = Built(0x8000);

    const TProtBase* m74can = Named(c4600, "M74CAN");
    EXPECT_EQ(m74can->SubtypeCaption[1], "Fan control channel");
    EXPECT_EQ(m74can->Choices(1), QStringList({"1", "2", "1+2"}));
    EXPECT_EQ(m74can->SubtypeCaption[4], "AT oil temper.");
    EXPECT_EQ(m74can->Choices(4), QStringList({"No", "Jatco", "ZF 2180", "Niss5"}));
    EXPECT_TRUE(m74can->Choices(0).isEmpty());
    EXPECT_TRUE(m74can->Choices(8).isEmpty());

    EXPECT_EQ(Named(c4600, "M86Pro")->Choices(4), QStringList({"No", "Captiva", "Punch"}));
    EXPECT_TRUE(Named(c4600, "UAZ AECS D")->SubtypeCaption[1].isEmpty());
    EXPECT_EQ(Named(c4600, "M74.8")->Choices(1), QStringList({"1", "2", "1+2", "3", "4"}));
    // A selector without telling texts shows the digit presets.
    EXPECT_EQ(Named(c4600, "Jan")->Choices(1), Digits(1, 4));

    const TProtBase* can = Named(c8000, "CAN");
    EXPECT_EQ(can->Choices(1), QStringList({"4", "1"}));
    EXPECT_EQ(can->Choices(2), QStringList({"1", "2", "Cruis", "4", "5D", "DustD"}));
    EXPECT_EQ(can->Choices(3), Digits(1, 6));
    const QStringList longPreset = can->Choices(4);
    ASSERT_EQ(longPreset.size(), 51);
    EXPECT_EQ(longPreset.mid(0, 5),
              QStringList({"No", "Paj.Sport", "Outlndr", "Niss1", "Captiva"}));
    EXPECT_EQ(longPreset.mid(48), QStringList({"Skoda", "Skoda2", "Suz4"}));
    EXPECT_EQ(Named(c8000, "CAN Toyota")->Choices(4),
              QStringList({"No", "Toy1", "Toy2", "Toy3", "Toy4", "U660E"}));

    const TProtBase* obd = Named(c8000, "OBD2Q");
    EXPECT_EQ(obd->Choices(0), QStringList({"Auto", "1", "2", "3", "4", "5"}));
    EXPECT_EQ(obd->Choices(1), QStringList({"Auto", "Man."}));
    EXPECT_EQ(obd->Choices(2), QStringList({"1", "Cruis"}));

    EXPECT_EQ(Named(c8000, "SsYong диз")->Choices(0),
              QStringList({"K20E3", "K20E4", "R27E3", "R27E4", "R27  "}));
    EXPECT_EQ(Named(c8000, "Sonata")->Choices(0), QStringList({"1", "2"}));
    EXPECT_EQ(Named(c8000, "Honda")->Choices(1), QStringList({"2", "1"}));
    EXPECT_EQ(Named(c8000, "Subaru")->Choices(3), QStringList({"Lambda", "FrntO2"}));
    EXPECT_EQ(Named(c8000, "TOBD1")->Choices(3), QStringList({"ISreg", "EMV"}));

    // Every selector of every model holds the texts it offers and fits its room.
    for (std::uint16_t code : DeviceTypeCodes()) {
        const TProtCatalogue c = Built(code);
        for (int i = 0; i < c.Count(); ++i)
            for (int k = 0; k < SubtypeSelectorCount; ++k) {
                const TProtBase& e = *c.Entry(i);
                EXPECT_EQ(e.SubtypeCaption[k].isEmpty(), e.SubtypeCount[k] == 0)
                    << e.Name.toStdString();
                EXPECT_LE(e.SubtypeCount[k], TProtBase::SubtypeRoom(k));
                EXPECT_EQ(e.Choices(k).size(), e.SubtypeCount[k]);
            }
    }
}

TEST(ProtCatalogue, RussianChoiceTextsAndCaptions) {
    LanguageGuard russian(false);
    const TProtCatalogue c = Built(0x8000);
    const TProtBase* tobd = Named(c, "TOBD1");
    EXPECT_EQ(tobd->SubtypeCaption[2], "Вариант ТОЖ");
    EXPECT_EQ(tobd->Choices(2), QStringList({"с 92", "до 92"}));
    EXPECT_EQ(Named(c, "OBD2P")->Choices(0).first(), "Авто");
    EXPECT_EQ(Named(c, "Mitsu 4")->Choices(1), QStringList({"Бензин", "Дизель"}));
}

TEST(ProtCatalogue, WarningsFlagsAndFuelLevelsPerEntry) {
    LanguageGuard english(true);
    const TProtCatalogue c8000 = Built(0x8000), c5000 = Built(0x5000), c8080 = Built(0x8080);

    EXPECT_EQ(Named(c8000, "M74CAN")->EcuFuelLevels, 2);
    EXPECT_EQ(Named(c8000, "M86")->EcuFuelLevels, 3);
    EXPECT_EQ(Named(c8000, "M86Pro")->EcuFuelLevels, 1);
    EXPECT_EQ(Named(c8000, "86L")->EcuFuelLevels, 1);
    EXPECT_EQ(Named(c8000, "CAN")->EcuFuelLevels, 3);
    EXPECT_EQ(Named(c8000, "M74")->EcuFuelLevels, 0);

    int atOil = 0, hybridCooling = 0, airTemper = 0;
    for (int i = 0; i < c8080.Count(); ++i) {
        atOil += c8080.Entry(i)->AtOilTemp;
        hybridCooling += c8080.Entry(i)->HybridCooling;
        airTemper += c8080.Entry(i)->AirTemperMethod;
    }
    EXPECT_EQ(atOil, 15); // all but "Estima10"
    EXPECT_EQ(hybridCooling, 3);
    EXPECT_EQ(airTemper, 4);
    EXPECT_TRUE(Named(c8080, "Estima10")->HybridCooling);
    EXPECT_FALSE(Named(c8080, "CAN")->Hybrid);

    const TProtBase* uni = Named(c5000, "Uni.");
    EXPECT_FALSE(uni->CoolantWarnings || uni->ReadyWarnings);
    EXPECT_EQ(uni->FaultCodeFormat, NoFaultCodes);
    EXPECT_EQ(uni->Code, ProtCodeUniversal);
    EXPECT_FALSE(Named(c5000, "Yamaha")->CoolantWarnings);
    EXPECT_TRUE(Named(c5000, "Yamaha")->ReadyWarnings);
    EXPECT_FALSE(Named(c5000, "Hidea")->ReadyWarnings);
    EXPECT_TRUE(Named(c5000, "Hidea")->CoolantWarnings);
    EXPECT_TRUE(Named(c5000, "Delphi")->CoolantWarnings && Named(c5000, "Delphi")->ReadyWarnings);
    EXPECT_EQ(Named(c8000, "J1939")->FaultCodeFormat, 5);
    EXPECT_FALSE(Named(c8000, "VAG CE")->CoolantWarnings);
}

TEST(ProtCatalogue, KnownUnitsAreMarkedInUse) {
    LanguageGuard english(true);
    const TProtCatalogue c4600 = Built(0x4600);
    const TProtBase* m74can = Named(c4600, "M74CAN");
    EXPECT_EQ(m74can->BlockCount(), 21);
    EXPECT_EQ(m74can->Blocks[6], 77);
    EXPECT_TRUE(c4600.UnitInUse(77));
    EXPECT_TRUE(c4600.UnitInUse(60));
    EXPECT_FALSE(c4600.UnitInUse(61));
    EXPECT_EQ(Named(c4600, "M86")->BlockCount(), 0);

    // A model without that entry uses none of its units, even after a model that did.
    TProtCatalogue c = c4600;
    c.Build(0x4200, 0);
    EXPECT_FALSE(c.UnitInUse(77));
}

TEST(ProtCatalogue, SelectingAProtocolResetsTheSubtypes) {
    TProtCatalogue c = Built(0x4000);
    QByteArray s10(60, char(0xAA));

    SelectProtocol(c, s10, 3);
    EXPECT_EQ(bytes::u16le(s10, ProtocolOffset), 3);
    EXPECT_EQ(bytes::u16le(s10, AppliedProtocolOffset), 3);
    for (int k = 0; k < SubtypeSelectorCount; ++k)
        EXPECT_EQ(bytes::u8(s10, SubtypeOffset + k), 0) << k;
    EXPECT_EQ(bytes::u8(s10, 8), 0xAA);
    EXPECT_EQ(bytes::u8(s10, 11), 0xAA);
    EXPECT_EQ(bytes::u8(s10, 20), 0xAA);
    EXPECT_EQ(c.Current(), c.Entry(3));

    const QByteArray before = s10;
    EXPECT_THROW(SelectProtocol(c, s10, 5), ERangeError);
    EXPECT_THROW(SelectProtocol(c, s10, -1), ERangeError);
    QByteArray shortRecord(10, '\0');
    EXPECT_THROW(SelectProtocol(c, shortRecord, 1), ERangeError);
    EXPECT_EQ(s10, before);
    EXPECT_EQ(shortRecord, QByteArray(10, '\0'));
    EXPECT_EQ(c.Current(), c.Entry(3));
}
