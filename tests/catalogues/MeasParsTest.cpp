#include "LanguageGuard.h"
#include "MeasParsH.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TMeasParList Built(std::uint16_t device) {
    TMeasParList l;
    l.Build(DeviceCapabilities(device));
    return l;
}

} // namespace

TEST(MeasPars, ListHoldsEveryNumberButFortyOnce) {
    const TMeasParList l = Built(0x4000);
    ASSERT_EQ(l.Count(), 64);
    std::set<int> numbers;
    for (int i = 0; i < l.Count(); ++i)
        numbers.insert(l.At(i)->Number);
    EXPECT_EQ(numbers.size(), 64u);
    EXPECT_EQ(*numbers.begin(), 1);
    EXPECT_EQ(*numbers.rbegin(), 65);
    EXPECT_EQ(numbers.count(40), 0u);

    // Editor order starts with speed, engine speed, injection time.
    EXPECT_EQ(l.At(0)->Number, 12);
    EXPECT_EQ(l.At(2)->Number, 16);
    EXPECT_EQ(l.At(l.Count() - 1)->Number, 65);

    EXPECT_EQ(l.Find(40), nullptr);
    EXPECT_EQ(l.Find(0), nullptr);
    EXPECT_EQ(l.Find(66), nullptr);
    for (int n : numbers)
        EXPECT_EQ(l.Find(n)->Number, n);
}

TEST(MeasPars, ParameterElevenDependsOnTheModel) {
    LanguageGuard english(true);
    const TMeasParList lowBeam = Built(0x4010);
    EXPECT_EQ(lowBeam.Find(11)->ClassName, "TLightsFlag");
    EXPECT_EQ(lowBeam.Find(11)->Name, "LowBmCntr");
    EXPECT_EQ(lowBeam.Find(11)->Attr1, 0);

    const TMeasParList air = Built(0x4400);
    EXPECT_EQ(air.Find(11)->ClassName, "TTemperAir");
    EXPECT_EQ(air.Find(11)->MinValue, -20);
    EXPECT_EQ(air.Find(11)->Attr1, 1);
    EXPECT_EQ(Built(0x1234).Find(11)->ClassName, "TTemperAir");

    for (std::uint16_t code : DeviceTypeCodes())
        EXPECT_EQ(Built(code).Find(11)->ClassName == "TLightsFlag",
                  DeviceCapabilities(code).CapLowBeam)
            << std::hex << code;
}

TEST(MeasPars, PrepareDataPrintsTheRangeInDisplayUnits) {
    const TMeasParList l = Built(0x4000);
    TMeasParBase* angle = l.Find(25);
    angle->PrepareData();
    EXPECT_EQ(angle->MinText, "-84.0");
    EXPECT_EQ(angle->MaxText, "84.0");

    TMeasParBase* expense = l.Find(14);
    EXPECT_EQ(expense->MaxValue, 240);
    EXPECT_FALSE(expense->Flag2);
    expense->PrepareData();
    EXPECT_EQ(expense->MaxText, "80.0");
    EXPECT_EQ(expense->MinText, "0.0");
    EXPECT_EQ(expense->AltMax, 80);
    EXPECT_TRUE(expense->Flag2);

    TMeasParBase* perHour = l.Find(15);
    perHour->PrepareData();
    EXPECT_EQ(perHour->MaxText, "8.00");
    EXPECT_FALSE(perHour->Flag2);

    TMeasParBase* chargeLimit = l.Find(45);
    chargeLimit->PrepareData();
    EXPECT_EQ(chargeLimit->MinText, "-50");
    EXPECT_EQ(chargeLimit->MaxText, "0");

    EXPECT_EQ(FormatScaled(-5, 2), "-0.05");
    EXPECT_EQ(FormatScaled(7, 1), "0.7");
    EXPECT_EQ(FormatScaled(-2000, 1), "-200.0");
    EXPECT_EQ(FormatScaled(123, 0), "123");
}

TEST(MeasPars, DefaultTextIsTheRawValueRightAligned) {
    const TMeasParList l = Built(0x4000);
    EXPECT_EQ(l.Find(12)->DefaultText, " 60");
    EXPECT_EQ(l.Find(13)->DefaultText, "2000");
    EXPECT_EQ(l.Find(10)->DefaultText, " 140"); // 14.0 V in tenths
    EXPECT_EQ(l.Find(16)->DefaultText, "  500");
    EXPECT_EQ(l.Find(45)->DefaultText, "-20");
    EXPECT_EQ(l.Find(42)->DefaultText, "10000");
    EXPECT_EQ(l.Find(37)->DefaultText, "0");
}

TEST(MeasPars, TextsAreThoseOfTheLanguageAtBuildTime) {
    LanguageGuard english(true);
    const TMeasParList l = Built(0x4000);
    EnglishVersion = false;

    const TMeasParBase* rpm = l.Find(13);
    EXPECT_EQ(rpm->NameUnit, "Eng.speed,rpm");
    EXPECT_EQ(rpm->ShortName, rpm->Name);
    EXPECT_EQ(rpm->MidName, "Eng.speed");
    EXPECT_EQ(rpm->MidNameUnit, "Eng.speed");
    EXPECT_EQ(rpm->AltName, rpm->Name);
    EXPECT_EQ(rpm->AltUnit, "x1000");
    EXPECT_EQ(rpm->Caption, "Eng.speed,rpm");

    const TMeasParBase* inj = l.Find(16);
    EXPECT_EQ(inj->Name, "Injection time");
    EXPECT_EQ(inj->NameUnit, "Inject.time,ms");
    EXPECT_EQ(inj->ShortName, "InjTim");
    EXPECT_EQ(inj->MidNameUnit, "InjTim,ms");
    EXPECT_EQ(inj->AltUnit, "ms");
    EXPECT_EQ(inj->Caption, "InjTim,ms");

    const TMeasParBase* coolant = l.Find(17);
    EXPECT_EQ(coolant->NameUnit, "Coolant Temp,deg");
    EXPECT_EQ(coolant->MidName, "CoolantTmp");
    EXPECT_EQ(coolant->AltName, "CoolantT");
    EXPECT_EQ(coolant->ShortUnit, "degrees");

    const TMeasParBase* maf = l.Find(18);
    EXPECT_EQ(maf->ShortName, "MAF");
    EXPECT_EQ(maf->MidNameUnit, "MAF,kg/h");
    EXPECT_EQ(maf->Caption, "MAF,kg/h");

    const TMeasParBase* charge = l.Find(44);
    EXPECT_EQ(charge->NameUnit, "HVB charg,%");
    EXPECT_EQ(charge->MidNameUnit, "HVB charg");
    EXPECT_EQ(charge->AltUnit, "%");

    const TMeasParList ru = Built(0x4000);
    EXPECT_EQ(ru.Find(12)->Name, "Скорость");
    EXPECT_EQ(ru.Find(12)->ShortUnit, "км/час");
    EXPECT_EQ(ru.Find(9)->NameUnit, "Прогноз пробега,км");
    EXPECT_EQ(ru.Find(55)->Caption, "Тангаж,гр");
}

TEST(MeasPars, EveryParameterHasShortEnoughTextsInBothLanguages) {
    for (bool english : {true, false}) {
        LanguageGuard lang(english);
        const TMeasParList l = Built(0x4400);
        for (int i = 0; i < l.Count(); ++i) {
            const TMeasParBase& p = *l.At(i);
            EXPECT_FALSE(p.Name.isEmpty() || p.NameUnit.isEmpty() || p.Caption.isEmpty())
                << int(p.Number);
            EXPECT_FALSE(p.ShortName.isEmpty() || p.MidName.isEmpty() || p.AltName.isEmpty());
            EXPECT_LE(p.ShortName.size(), 9) << p.ShortName.toStdString();
            EXPECT_LE(p.MidName.size(), 15) << p.MidName.toStdString();
            EXPECT_LE(p.MidNameUnit.size(), 15) << p.MidNameUnit.toStdString();
            EXPECT_LE(p.AltName.size(), 15) << p.AltName.toStdString();
            EXPECT_EQ(p.MidUnit, p.ShortUnit);
            EXPECT_EQ(p.Flag1, p.Number == 14 || p.Number == 65);
            EXPECT_EQ(p.DefaultText.size(),
                      std::max<qsizetype>(p.Width, p.DefaultText.trimmed().size()));
        }
    }
}

TEST(MeasPars, RangesAndAttributesOfSpotRows) {
    const TMeasParList l = Built(0x4000);
    const TMeasParBase* volt = l.Find(10);
    EXPECT_EQ(std::make_tuple(volt->Attr1, volt->Attr2, volt->Attr3), std::make_tuple(1, 2, 1));
    EXPECT_EQ(std::make_tuple(volt->Decimals, volt->Width, volt->MaxValue, volt->AltMax),
              std::make_tuple(1, 4, 160, 16));
    const TMeasParBase* current = l.Find(53);
    EXPECT_EQ(current->MinValue, -2000);
    EXPECT_EQ(current->DefaultValue, 40);
    const TMeasParBase* trip = l.Find(1);
    EXPECT_EQ(std::make_tuple(trip->Attr1, trip->MinValue, trip->MaxValue, trip->Width),
              std::make_tuple(0, 0, 100, 3));
}
