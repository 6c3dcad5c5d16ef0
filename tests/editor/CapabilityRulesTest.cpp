// Pages, controls and choices that the device model and its protocol offer.

#include "EditorTestSupport.h"

#include <map>
#include <utility>
#include <vector>

// Each device model shows the pages and controls its capabilities allow, and hides a group
// whose controls are all hidden.
TEST_F(EditorTest, PagesAndControlsFollowTheDeviceModel) {
    struct Model {
        std::uint16_t type;
        bool park, uniInput, gas, gasMeth, jams, lowBeam, airTemp, vag;
        QStringList speedSources;
    };
    const Model models[] = {
        {0x4000, true, false, false, false, true, false, true, false, {"ECU", "Sens."}},
        {0x4010, true, false, true, false, true, true, false, false, {"ECU"}},
        {0x4600, true, false, true, true, true, false, true, true, {"ECU", "Sens."}},
        {0x5000, false, true, false, false, false, false, true, false, {"ECU", "GPS", "Sens."}},
    };
    for (const Model& m : models) {
        SCOPED_TRACE(m.type);
        Open(m.type);
        EXPECT_EQ(PageShown("tsPark"), m.park);
        EXPECT_EQ(PageShown("tsUniMeas"), m.uniInput);
        EXPECT_TRUE(PageShown("tsCorr") && PageShown("tsMeth") && PageShown("tsLim") &&
                    PageShown("tsAver"));
        for (const char* gas : {"seGazContFull", "lGazContFull", "cbGasOil", "seGazExpenseCorr",
                                "lGazExpenseCorr", "sePriceGas", "lPriceGas", "cbResetPeriodOnly",
                                "lResetPeriodOnly", "cbShowDisp_S_7", "cbShowDisp_S_8"})
            EXPECT_EQ(Shown(gas), m.gas) << gas;
        EXPECT_EQ(Shown("rgGasMeth"), m.gasMeth);
        for (const char* jam :
             {"seStopVelocityLimit", "lStopVelocityLimit", "cbShowDisp_S_4", "cbShowDisp_S_5"})
            EXPECT_EQ(Shown(jam), m.jams) << jam;
        EXPECT_FALSE(Shown("cbShowDisp_S_6")) << "no model has a taximeter";
        EXPECT_EQ(Shown("cbLightsOn"), m.lowBeam);
        EXPECT_EQ(Shown("seAirTemperCorr"), m.airTemp);
        EXPECT_EQ(Shown("lAirTemperCorr"), m.airTemp);
        EXPECT_EQ(Shown("seVAGSFilterLimit"), m.vag);
        EXPECT_EQ(Shown("gbLimTrim"), m.uniInput) << "trim limits only where there is trim";
        EXPECT_EQ(Items("rgVelocityMeth"), m.speedSources);
    }
}

// The protocol decides which limits apply and how the coolant limit is worded.
TEST_F(EditorTest, LimitsAndWordingFollowTheProtocol) {
    struct Prot {
        std::uint16_t type;
        int position;
        const char* coolantCaption; // nullptr: the coolant limit does not apply
        bool atOil, hybrid, hybridCooling;
    };
    const Prot prots[] = {
        {0x5000, 0, "T coolant, C", false, false, false}, // 10/11Corvet
        {0x5000, 3, nullptr, false, false, false},        // Yamaha: no coolant warnings
        {0x5000, 6, "T cyl., C", false, false, false},    // Evinrude outboard
        {0x5000, 8, "Т eng., С", false, false, false},    // Hidea outboard
        {0x5000, 9, nullptr, false, false, false},        // Carb.: no coolant warnings
        {0x8080, 0, "T coolant, C", true, false, false},  // CAN Toyota
        {0x8080, 1, "T coolant, C", true, true, true},    // Estima20 hybrid
        {0x8080, 2, "T coolant, C", true, true, false},   // Toyota Sai hybrid
    };
    for (const Prot& p : prots) {
        SCOPED_TRACE(testing::Message() << p.type << " #" << p.position);
        Open(p.type, p.position);
        EXPECT_EQ(Shown("seLiqTemperLimit"), p.coolantCaption != nullptr);
        if (p.coolantCaption) {
            EXPECT_EQ(Find<QLabel>("lLiqTemperLimit")->text(), QString(p.coolantCaption));
        }
        EXPECT_EQ(Shown("seOilAKPPTemperLimit"), p.atOil);
        EXPECT_EQ(Shown("seCVTFDeteriorLim"), p.atOil);
        EXPECT_EQ(Shown("seHVBTemperLimit"), p.hybrid);
        EXPECT_EQ(Shown("gbLimHybrid"), p.hybrid);
        EXPECT_EQ(Shown("seAddCoolingTemper"), p.hybridCooling);
        EXPECT_EQ(Shown("cbHybridCoolHVB"), p.hybridCooling);
    }
    EnglishVersion = false;
    Open(0x8080, 0);
    EXPECT_EQ(Find<QLabel>("lLiqTemperLimit")->text(), QString("ТОЖ, С"));
}

// The speed source ECU needs engine data; with the speed-lock rule the last source needs
// the virtual ignition lock, whose level is offered only while it is chosen.
TEST_F(EditorTest, SpeedSourceAndIgnitionLockRules) {
    Open(0x5000, 10); // "Uni.": no engine data
    auto* speed = Find<TRadioGroup>("rgVelocityMeth");
    EXPECT_FALSE(speed->button(0)->isEnabled());
    EXPECT_FALSE(Shown("rgLockTypeLevel"));

    Click("rgVelocityMeth", 2);
    EXPECT_EQ(model.Get("VelocityMeth"), 0) << "refused with the physical lock";
    EXPECT_EQ(speed->index(), 0);

    Click("rgLockType", 1);
    EXPECT_TRUE(Shown("rgLockTypeLevel"));
    Click("rgVelocityMeth", 2);
    EXPECT_EQ(model.Get("VelocityMeth"), 2);
    Click("rgLockType", 0);
    EXPECT_EQ(model.Get("LockType"), 0);
    EXPECT_EQ(model.Get("VelocityMeth"), 0) << "the lock handler applies the rule too";
    EXPECT_FALSE(Shown("rgLockTypeLevel"));

    Open(0x8000); // no such rule
    EXPECT_TRUE(Find<TRadioGroup>("rgVelocityMeth")->button(0)->isEnabled());
    Click("rgVelocityMeth", 1);
    EXPECT_EQ(model.Get("VelocityMeth"), 1);
}

// The injector polarity and tachometer matter while any source is the injector.
TEST_F(EditorTest, InjectorSettingsFollowTheSources) {
    Open(0x5000, 9); // "Carb.": the sources must be chosen
    EXPECT_TRUE(Shown("rgRevolutionsMeth"));
    EXPECT_FALSE(Shown("rgForsCoef"));
    EXPECT_FALSE(Shown("gbInjector"));
    Click("rgExpenseMeth", 1);
    EXPECT_TRUE(Shown("rgForsCoef"));
    EXPECT_TRUE(Shown("rgForsPosFlag"));
    Click("rgRevolutionsMeth", 1);
    Click("rgExpenseMeth", 0);
    EXPECT_TRUE(Shown("gbInjector"));
    Click("rgRevolutionsMeth", 0);
    EXPECT_FALSE(Shown("gbInjector"));

    Open(0x8000); // engine data: the ECU gives these quantities
    EXPECT_FALSE(Shown("rgRevolutionsMeth"));
    EXPECT_FALSE(Shown("rgUaccMeth"));
}

// Every show rule of the editor, each with a device (and protocol) where it shows and one
// where it hides. Rules that no device of the catalogue satisfies (the taximeter, lights
// options from the ECU, engine oil and fan limits from the protocol, the graphic displays)
// are checked hidden only. As in the rules themselves, a control of a page this build does
// not have yet is passed over.
TEST_F(EditorTest, EveryShowRuleShowsAndHides) {
    struct Device {
        std::uint16_t type;
        int protocol;
    };
    constexpr Device None{0, 0};
    struct Rule {
        QStringList controls; // pages begin with "ts"
        Device shownAt;       // None: no device shows it
        Device hiddenAt;
    };
    // clang-format off
    const Rule rules[] = {
        {{"tsPark"},                                   {0x4000, 0}, {0x5000, 0}},
        {{"tsUniMeas"},                                {0x5000, 0}, {0x4000, 0}},
        {{"tsBlocks"},                                 {0x4000, 0}, {0x5000, 0}},
        {{"tsServiceInfo"},                            None,        {0x4000, 0}},
        {{"seGazContFull", "cbGasOil", "seGazExpenseCorr", "sePriceGas", "cbResetPeriodOnly",
          "cbShowDisp_S_7", "cbShowDisp_S_8", "rgGasCalcExp"},
                                                       {0x4010, 0}, {0x4000, 0}},
        {{"rgGasMeth"},                                {0x4600, 0}, {0x4010, 0}},
        {{"seStopVelocityLimit", "cbShowDisp_S_4", "cbShowDisp_S_5"},
                                                       {0x4000, 0}, {0x5000, 0}},
        {{"cbShowDisp_S_6"},                           None,        {0x4000, 0}},
        {{"rgapGabar_F", "lapGabar", "rgapLights_F", "lapLights", "rgGabarInvPol"},
                                                       {0x4000, 0}, {0x5000, 0}},
        {{"rgGabarType"},                              None,        {0x4000, 0}},
        {{"cbLightsOn"},                               {0x4010, 0}, {0x4000, 0}},
        {{"seAirTemperCorr"},                          {0x4000, 0}, {0x4010, 0}},
        {{"rgAirTemperMeth"},                          {0x4000, 0}, {0x4010, 0}},
        {{"rgAirTemperMeth"},                          {0x4000, 0}, {0x5000, 0}}, // power reserve
        {{"rgAirTemperGetMeth"},                       {0x8080, 4}, {0x8080, 0}},
        {{"rgUaccMeth", "rgRevolutionsMeth", "rgExpenseMeth"},
                                                       {0x5000, 9}, {0x8000, 0}},
        {{"seLiqTemperLimit"},                         {0x4000, 0}, {0x5000, 3}},
        {{"seLiqTemperReady"},                         {0x4000, 0}, {0x5000, 8}},
        {{"seVel100", "seVel100Down"},                 {0x4000, 0}, {0x5000, 3}}, // Yamaha
        {{"seOilAKPPTemperLimit", "seCVTFDeteriorLim"},{0x8080, 0}, {0x4000, 0}},
        {{"seOilEngTemperLimit"},                      None,        {0x8080, 0}},
        {{"seVentTempLimit"},                          None,        {0x8080, 0}},
        {{"seRetarderOilTemperLimit"},                 {0x4400, 7}, {0x4400, 0}},
        {{"seVAGSFilterLimit"},                        {0x4600, 0}, {0x4000, 0}},
        {{"seTrimLowLimit", "seTrimHighLimit", "sgTrimMeth"},
                                                       {0x5000, 0}, {0x4000, 0}},
        {{"seHVBTemperLimit", "seInvTemperLimit", "seElEngTemperLimit", "seHybrVentSpeedStep",
          "cbHybrUse6VentSpeed"},                      {0x8080, 1}, {0x8080, 0}},
        {{"seAddCoolingTemper", "cbHybridCoolHVB"},    {0x8080, 1}, {0x8080, 2}},
        {{"GroupBox15", "GroupBox16", "rgDispShowArrowMeth"},
                                                       None,        {0x4000, 0}},
    };
    // clang-format on
    // One editor per device: what each should show there.
    std::map<std::pair<int, int>, std::vector<std::pair<QString, bool>>> expected;
    for (const Rule& r : rules)
        for (const QString& name : r.controls) {
            if (r.shownAt.type != 0)
                expected[{r.shownAt.type, r.shownAt.protocol}].push_back({name, true});
            expected[{r.hiddenAt.type, r.hiddenAt.protocol}].push_back({name, false});
        }
    for (const auto& [device, controls] : expected) {
        Open(std::uint16_t(device.first), device.second);
        for (const auto& [name, shown] : controls) {
            const bool page = name.startsWith("ts");
            if (page ? !dlg->Page(qPrintable(name)) : !dlg->findChild<QWidget*>(name)) continue;
            SCOPED_TRACE(testing::Message() << std::hex << device.first << " #" << device.second
                                            << " " << name.toStdString());
            if (page)
                EXPECT_EQ(PageShown(qPrintable(name)), shown);
            else
                EXPECT_EQ(Shown(name), shown);
        }
    }
}
