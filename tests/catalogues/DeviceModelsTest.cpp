#include "DeviceModels.h"
#include "ProtsH.h"

#include <gtest/gtest.h>

#include <QSet>

namespace {

bool HasCode(const TProtCatalogue& c, std::uint8_t code) {
    for (int i = 0; i < c.Count(); ++i)
        if (c.Entry(i)->Code == code) return true;
    return false;
}

int CountModelsWith(bool TDeviceCaps::*flag) {
    int n = 0;
    for (std::uint16_t code : DeviceTypeCodes())
        n += DeviceCapabilities(code).*flag ? 1 : 0;
    return n;
}

} // namespace

TEST(DeviceModels, KnownCodesHaveShortDistinctDesignationsUnknownHaveNothing) {
    ASSERT_EQ(DeviceTypeCodes().size(), 28u);
    QSet<std::uint16_t> codes;
    QSet<QString> names;
    for (std::uint16_t code : DeviceTypeCodes()) {
        codes.insert(code);
        const QString name = DeviceDesignation(code);
        EXPECT_FALSE(name.isEmpty()) << code;
        EXPECT_LE(name.size(), 10) << code;
        names.insert(name);
        EXPECT_TRUE(IsKnownDevice(code));
    }
    EXPECT_EQ(codes.size(), 28);
    EXPECT_EQ(names.size(), 28);

    for (std::uint16_t unknown : {0x0000, 0x4001, 0x4900, 0x8081, 0xFFFF}) {
        EXPECT_FALSE(IsKnownDevice(std::uint16_t(unknown)));
        EXPECT_TRUE(DeviceDesignation(std::uint16_t(unknown)).isEmpty());
        EXPECT_EQ(DeviceCapabilities(std::uint16_t(unknown)), TDeviceCaps{});
    }
}

TEST(DeviceModels, CapabilityFlagsAreSetOnTheRightNumberOfModels) {
    EXPECT_EQ(CountModelsWith(&TDeviceCaps::CapNoPark), 6);
    EXPECT_EQ(CountModelsWith(&TDeviceCaps::CapNoGas), 6);
    EXPECT_EQ(CountModelsWith(&TDeviceCaps::CapNoGasMeth), 8);
    EXPECT_EQ(CountModelsWith(&TDeviceCaps::CapNoJamStats), 4);
    EXPECT_EQ(CountModelsWith(&TDeviceCaps::CapAddSystems), 24);
    EXPECT_EQ(CountModelsWith(&TDeviceCaps::CapNoLights), 4);
    EXPECT_EQ(CountModelsWith(&TDeviceCaps::CapNoAirTemp), 10);
    EXPECT_EQ(CountModelsWith(&TDeviceCaps::CapNoSpeedSensor), 8);
    EXPECT_EQ(CountModelsWith(&TDeviceCaps::CapPowerReserve), 3);
    EXPECT_EQ(CountModelsWith(&TDeviceCaps::CapSpeedLockRule), 2);
    EXPECT_EQ(CountModelsWith(&TDeviceCaps::CapGPS), 2);
    EXPECT_EQ(CountModelsWith(&TDeviceCaps::CapTrim), 2);
    EXPECT_EQ(CountModelsWith(&TDeviceCaps::CapNoVoice), 16);
    EXPECT_EQ(CountModelsWith(&TDeviceCaps::CapTSCounter), 4);
    EXPECT_EQ(CountModelsWith(&TDeviceCaps::CapLowBeam), 8);
    EXPECT_EQ(CountModelsWith(&TDeviceCaps::CapVAG), 9);
    EXPECT_EQ(CountModelsWith(&TDeviceCaps::CapUniInput), 0);
    EXPECT_EQ(CountModelsWith(&TDeviceCaps::CapTaximeter), 0);
    EXPECT_EQ(CountModelsWith(&TDeviceCaps::CapVariator), 0);
    EXPECT_EQ(CountModelsWith(&TDeviceCaps::CapNMEA), 0);

    // Spot rows.
    TDeviceCaps def;
    def.CapNoGas = def.CapAddSystems = def.CapNoVoice = true;
    EXPECT_EQ(DeviceCapabilities(0x4000), def);

    const TDeviceCaps c5800 = DeviceCapabilities(0x5800);
    EXPECT_TRUE(c5800.CapNoPark && c5800.CapNoGas && c5800.CapPowerReserve && c5800.CapGPS &&
                c5800.CapTrim && c5800.CapSpeedLockRule && c5800.CapTSCounter);
    EXPECT_FALSE(c5800.CapAddSystems || c5800.CapNoAirTemp || c5800.CapVAG);

    const TDeviceCaps c4810 = DeviceCapabilities(0x4810);
    EXPECT_TRUE(c4810.CapNoPark && c4810.CapVAG && c4810.CapNoVoice && c4810.CapAddSystems);
    EXPECT_FALSE(c4810.CapNoGas || c4810.CapLowBeam);
}

// Our own flags describe what the model's catalogue actually holds.
TEST(DeviceModels, OwnFlagsAgreeWithEachModelsCatalogue) {
    constexpr std::uint8_t Mikas = 0x1D, Obd2q = 0x67, Opel1 = 0x79;
    for (std::uint16_t code : DeviceTypeCodes()) {
        TProtCatalogue c;
        c.Build(code, 0);
        const TDeviceCaps& caps = c.Caps();
        EXPECT_EQ(caps.CapCorrUOZ, HasCode(c, Mikas)) << std::hex << code;
        EXPECT_EQ(caps.CapAutoOBD, HasCode(c, Obd2q)) << std::hex << code;
        EXPECT_EQ(caps.CapAutoOpel, HasCode(c, Opel1)) << std::hex << code;
        ASSERT_GT(c.Count(), 0);
        EXPECT_EQ(caps.CapAccelCalib, c.Entry(0)->HasParam(55)) << std::hex << code;
    }
}
