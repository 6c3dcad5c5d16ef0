// The warning sounds: a row's byte from its one or two groups, committed when a group is
// left or on OK; which rows and choices a model and its protocol offer; the other sounds.

#include "DeviceModels.h"
#include "EditorTestSupport.h"

#include <QPushButton>
#include <optional>

namespace {

class VoicePageTest : public EditorTest {
protected:
    void OpenActive(std::uint16_t deviceType, int protocol = 0) {
        Open(deviceType, protocol);
        auto* main = dlg->findChild<QTabWidget*>("pcMain");
        main->setCurrentWidget(dlg->Page("tsVoice"));
        // Leaving a group is a focus change, which only an active window has.
        QApplication::setActiveWindow(dlg.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
    }
    // The user clicks an item: the button takes the focus, as a mouse click gives it.
    void Choose(const QString& group, int item) {
        Click(group, item);
        Find<TRadioGroup>(group)->button(item)->setFocus(Qt::MouseFocusReason);
    }
    void Leave() { Find("bCancel")->setFocus(Qt::TabFocusReason); }
    int Sound(int index) const { return int(model.Get("AlarmSound", index)); }
    int Index(const QString& group) const { return Find<TRadioGroup>(group)->index(); }
    bool Enabled(const QString& group, int item) const {
        return Find<TRadioGroup>(group)->button(item)->isEnabled();
    }
};

// The stored position of the first protocol with this code on some model, or nothing.
std::optional<std::pair<std::uint16_t, int>> ProtocolWithCode(std::uint8_t code) {
    for (std::uint16_t device : DeviceTypeCodes()) {
        TProtCatalogue catalogue;
        catalogue.Build(device, 0);
        for (int i = 0; i < catalogue.Count(); ++i)
            if (catalogue.Entry(i)->Code == code) return std::pair{device, i};
    }
    return std::nullopt;
}

} // namespace

TEST_F(VoicePageTest, LeavingAGroupStoresTheRowsByte) {
    OpenActive(0x4610);
    Choose("rgapVel_F", 2);
    EXPECT_EQ(Sound(2), 0) << "not yet: the user may still change the repeated sound";
    Choose("rgapVel_N", 4); // leaving the first group commits what it shows so far
    Leave();
    EXPECT_EQ(Sound(2), 0x22);

    Choose("rgapTO_F", 3); // one group: the choice counts for both
    Leave();
    EXPECT_EQ(Sound(6), 0x1B);

    // Bits 6 and 7 come out clear, even when nothing else changed.
    model.Set("AlarmSound", 2, 0x5A);
    dlg->LoadPages();
    EXPECT_EQ(Index("rgapVel_F"), 2);
    EXPECT_EQ(Index("rgapVel_N"), 3);
    Find<TRadioGroup>("rgapVel_F")->button(2)->setFocus(Qt::TabFocusReason);
    Leave();
    EXPECT_EQ(Sound(2), 0x1A);

    // Each row stores its own byte.
    Choose("rgapEngTemperHigh_F", 1);
    Choose("rgapEngTemperHigh_N", 2);
    const QByteArray before = model.Section(8);
    Leave();
    EXPECT_EQ(Sound(26), 1 + 8 * 2);
    QByteArray expected = before;
    expected[26] = char(1 + 8 * 2);
    EXPECT_EQ(model.Section(8), expected);

    // OK while a group holds the focus keeps what it shows.
    Choose("rgapRev_F", 4);
    dlg->accept();
    EXPECT_EQ(Sound(3), 4);
}

TEST_F(VoicePageTest, RowsAndChoicesFollowTheModelAndProtocol) {
    OpenActive(0x4000); // no voice output, side lights, no VAG
    EXPECT_FALSE(Enabled("rgapVel_N", 3));
    EXPECT_FALSE(Enabled("rgapTO_F", 4));
    EXPECT_TRUE(Enabled("rgapTO_F", 2));
    EXPECT_EQ(Find<TRadioGroup>("rgapVel_F")->button(4)->toolTip(),
              "no voice output on this device model");
    EXPECT_FALSE(Shown("seSoundVolume"));
    EXPECT_FALSE(Shown("rgSayHelloMode"));
    EXPECT_FALSE(Shown("seSayParamPeriod"));
    EXPECT_TRUE(Shown("seAlarmVelSecNoSayMax"));
    EXPECT_TRUE(Shown("rgapGabar_F"));
    EXPECT_TRUE(Shown("lapLights"));
    EXPECT_FALSE(Shown("rgapSFilter_F"));
    EXPECT_FALSE(Shown("rgapWaterInFuel_F"));
    EXPECT_TRUE(Shown("rgapHolo_N"));

    OpenActive(0x4610); // voice and VAG
    EXPECT_TRUE(Enabled("rgapVel_N", 3));
    EXPECT_TRUE(Find<TRadioGroup>("rgapVel_F")->button(4)->toolTip().isEmpty());
    EXPECT_TRUE(Shown("seSoundVolume"));
    EXPECT_TRUE(Shown("rgapSFilter_F"));
    EXPECT_EQ(Items("rgapVel_F"), QStringList({"O", "N", "B", "M", "V"}));

    OpenActive(0x5000); // no side lights, power reserve instead of the ice warning
    EXPECT_FALSE(Shown("rgapGabar_F"));
    EXPECT_FALSE(Shown("lapGabar"));
    EXPECT_FALSE(Shown("rgapLights_F"));
    EXPECT_FALSE(Shown("lapHolo"));
    EXPECT_TRUE(Shown("rgapTrimLow_N"));

    // Water in fuel with both groups only where the ECU reports it; the overheat rows speak
    // of water and cylinders there.
    const auto outboard = ProtocolWithCode(0xE1);
    ASSERT_TRUE(outboard);
    OpenActive(outboard->first, outboard->second);
    EXPECT_TRUE(Shown("rgapWaterInFuel_F"));
    EXPECT_TRUE(Shown("rgapWaterInFuel_N"));
    EXPECT_EQ(Find<QLabel>("lapWaterInFuel")->text(), "Water in fuel");
    EXPECT_EQ(Find<QLabel>("lapLiqTempHigh")->text(), "Water overheat");
    EXPECT_EQ(Find<QLabel>("lapEngTemperHigh")->text(), "Cylinder  overheat");

    // A hybrid with an electric engine pump: index 17 is the pump, even on a VAG model.
    const auto hybrid = ProtocolWithCode(0xE6);
    ASSERT_TRUE(hybrid);
    OpenActive(hybrid->first, hybrid->second);
    EXPECT_EQ(Find<QLabel>("lapWaterInFuel")->text(), "Engine pump");
    EXPECT_TRUE(Shown("rgapWaterInFuel_N"));
    EXPECT_TRUE(Shown("rgapHVBTemperHigh_F"));
    EXPECT_FALSE(Shown("rgapSFilter_F"));
}

TEST_F(VoicePageTest, RussianCaptionsAndTheSpeedingReportsOff) {
    EnglishVersion = false;
    OpenActive(0x4610);
    EXPECT_EQ(Items("rgapVel_F"), QStringList({"О", "Н", "Б", "М", "Г"}));
    EXPECT_EQ(Find<QLabel>("lapTO")->text(), "Выполнить ТО");
    auto* sets = Find<QTabWidget>("pcVoice");
    EXPECT_EQ(sets->tabText(0), "Предупреждения");
    EXPECT_EQ(sets->tabText(1), "Разное");
    EXPECT_EQ(Items("rgFlagSound"), QStringList({"Да", "Нет", "Замок", "ОтГол"}));

    sets->setCurrentIndex(1);
    Type("seAlarmVelSecNoSayMax", "-1"); // "none", stored signed
    EXPECT_EQ(model.Get("AlarmVelSecNoSayMax"), -1);
}
