// Lists whose stored position the device reads, and rules that hide a setting, at the edges
// of the device models and protocols they follow: a list that drops an item makes the
// device's value show (and be stored again) as another one.

#include "LanguageGuard.h"
#include "Pars32H.h"
#include "ProtsH.h"
#include "QStringPrint.h"
#include "SettingDescriptions.h"
#include "SettingLists.h"

#include <gtest/gtest.h>

namespace {

class SettingRulesTest : public ::testing::Test {
protected:
    LanguageGuard english{true};
    TMK model;

    TSettingContext On(std::uint16_t deviceType, int protocol = 0) {
        model.DeviceVersion = deviceType;
        model.Set("Protocol", 0, protocol);
        model.SelectCapabilities(deviceType, protocol, 0);
        return SettingContextOf(model);
    }
    static QString Shown(const char* setting, const TSettingContext& c, double stored) {
        return SettingShownText(SettingByName(setting), c, stored);
    }
    static bool Offered(const char* setting, const TSettingContext& c) {
        return SettingOffered(SettingByName(setting), c);
    }
};

} // namespace

// Every model with the VAG features offers the VAG search, those around the VAG range too
// where they have them; a stored method reads the same wherever the list is the same.
TEST_F(SettingRulesTest, EveryVagModelOffersTheVagSearch) {
    const QStringList withVag{"Auto", "AutoOBD", "AutoVAG", "Man."};
    EXPECT_EQ(ProtocolMethodItems(On(0x4500)), QStringList({"Auto", "AutoOBD", "Man."}));
    EXPECT_EQ(ProtocolMethodItems(On(0x4600)), withVag);
    EXPECT_EQ(ProtocolMethodItems(On(0x4810)), withVag);
    EXPECT_EQ(ProtocolMethodItems(On(0x5000)), QStringList({"Auto", "Man."}));
    EXPECT_EQ(ProtocolMethodItems(On(0x8000)),
              QStringList({"Auto", "AutoOBD", "AutoVAG", "AutoOpl", "Man."}));

    const TSettingContext c = On(0x4700);
    EXPECT_EQ(Shown("ProtocolSelectMeth", c, 2), "AutoVAG");
    model.Set("ProtocolSelectMeth", 0, 2);
    EXPECT_FALSE(IsManualProtocolMethod(c));
    EXPECT_FALSE(Offered("Protocol", c));
    model.Set("ProtocolSelectMeth", 0, 3);
    EXPECT_TRUE(IsManualProtocolMethod(c));
    EXPECT_TRUE(Offered("Protocol", c));
}

// The level sensor is item 1 on every model, the models that control the low beam
// included: a stored 1 is the sensor and a stored 2 the ECU's first reading everywhere.
TEST_F(SettingRulesTest, LevelSensorIsItemOneOnEveryModel) {
    for (std::uint16_t type : {0x4000, 0x4010, 0x4200, 0x4310, 0x4400}) {
        SCOPED_TRACE(type);
        const TSettingContext c = On(type);
        EXPECT_EQ(LevelSourceItems(c), QStringList({"Calculated", "FLS"}));
        EXPECT_EQ(Shown("TankMeth", c, 1), "FLS");
    }
    const TSettingContext m74 = On(0x4600, 0); // "M74CAN": two ECU readings
    EXPECT_EQ(LevelSourceItems(m74), QStringList({"Calculated", "FLS", "ECU FLS", "ECU FLS2"}));
    EXPECT_EQ(Shown("TankMeth", m74, 2), "ECU FLS");
}

// Acceleration and braking timing follow the protocol alone: a boat's own ECUs do not time
// them, its other protocols do, as on every other model.
TEST_F(SettingRulesTest, AccelerationAndBrakingFollowTheProtocol) {
    struct Case {
        std::uint16_t type;
        int protocol;
        bool offered;
    };
    const Case cases[] = {
        {0x4810, 0, true},  // "M74CAN"
        {0x5000, 0, true},  // "10/11Corvet"
        {0x5000, 3, false}, // "Yamaha": an outboard engine
        {0x5000, 8, false}, // "Hidea"
        {0x5000, 9, true},  // "Carb.": the device's own speed
        {0x5800, 0, true},  // "Mikas 10.3"
        {0x8000, 0, true},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << k.type << " #" << k.protocol);
        const TSettingContext c = On(k.type, k.protocol);
        for (const char* setting : {"Vel100", "Vel100Down", "Alarm100", "Alarm100Down"})
            EXPECT_EQ(Offered(setting, c), k.offered) << setting;
    }
}

// Warning 17 is the engine pump on every hybrid protocol, with or without the additional
// cooling, and on no other; without it the row stays where the protocol gives it a meaning.
TEST_F(SettingRulesTest, EnginePumpOnEveryHybridProtocol) {
    struct Case {
        int protocol; // on 0x8080: entries 7..21 of the master list, then "CAN"
        const char* name;
        bool pump;
    };
    const Case cases[] = {
        {0, "CAN Toyota", false}, {1, "Estima20", true},  {2, "Toyota Sai", true},
        {13, "Lex GS450H", true}, {14, "Estima10", true}, {15, "CAN", false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        const TSettingContext c = On(0x8080, k.protocol);
        ASSERT_EQ(c.prot->Name, k.name);
        EXPECT_EQ(Offered("AlarmWaterInFuel", c), k.pump);
        EXPECT_FALSE(Offered("AlarmSFilter", c)) << "no VAG features on this model";
        if (k.pump) {
            EXPECT_EQ(SettingCaption(SettingByName("AlarmWaterInFuel"), c), "Engine pump");
        }
    }
}
