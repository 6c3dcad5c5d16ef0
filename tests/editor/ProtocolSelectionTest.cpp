// The protocol choice: search methods, the protocol list and the protocol's option lists.

#include "EditorTestSupport.h"

namespace {

const char* const kOptionFields[] = {"ProtTypeMain", "ProtTypeAdd1", "ProtTypeAdd2",
                                     "ProtTypeAdd3", "ProtTypeAdd4", "ProtTypeAdd5",
                                     "ProtTypeAdd6", "ProtTypeAdd7"};

} // namespace

TEST_F(EditorTest, MethodListFollowsTheModelAndShowsTheProtocolOnlyByHand) {
    Open(0x4000);
    EXPECT_EQ(Items("cbProtocolSelectMeth"), QStringList({"Auto", "Man."}));
    EXPECT_FALSE(Shown("cbProtocol"));
    Pick("cbProtocolSelectMeth", 1);
    EXPECT_EQ(model.Get("ProtocolSelectMeth"), 1);
    EXPECT_TRUE(Shown("cbProtocol"));
    EXPECT_TRUE(Shown("lProtocol"));
    EXPECT_EQ(Items("cbProtocol").size(), 5);
    EXPECT_EQ(Items("cbProtocol")[2], "Bosch M7.9.7");

    Open(0x8000);
    EXPECT_EQ(Items("cbProtocolSelectMeth"),
              QStringList({"Auto", "AutoOBD", "AutoVAG", "AutoOpl", "Man."}));
    Open(0x4600);
    EXPECT_EQ(Items("cbProtocolSelectMeth"), QStringList({"Auto", "AutoOBD", "Man."}))
        << "a VAG model without the VAG search";
}

// Another protocol clears all eight option bytes and refills what depends on it; the same
// protocol again only refills the option lists.
TEST_F(EditorTest, ProtocolChangeClearsTheOptionsAndTheSameOneKeepsThem) {
    model.Set("ProtocolSelectMeth", 0, 2); // by hand on 0x4600
    for (int k = 0; k < 8; ++k)
        model.Set(kOptionFields[k], 0, k + 1);
    model.Set("ProtTypeAdd1", 0, 2);
    Open(0x4600, 0); // "M74CAN": options 1 (fan channel) and 4 (AT oil)
    EXPECT_EQ(model.Get("PrevProtocol"), 0);
    EXPECT_TRUE(Shown("cbProtocol"));
    EXPECT_FALSE(Shown("cbProtTypeMain"));
    EXPECT_FALSE(Shown("cbProtTypeAdd3"));
    EXPECT_FALSE(Shown("lProtTypeAdd3"));
    EXPECT_TRUE(Shown("cbProtTypeAdd1"));
    EXPECT_EQ(Find<QLabel>("lProtTypeAdd1")->text(), "Fan control channel");
    EXPECT_EQ(Items("cbProtTypeAdd1"), QStringList({"1", "2", "1+2"}));
    EXPECT_EQ(Find<QComboBox>("cbProtTypeAdd1")->currentIndex(), 2);
    EXPECT_EQ(Items("cbTankMeth").size(), 4) << "two ECU level readings";

    Pick("cbProtTypeAdd4", 1);
    EXPECT_EQ(model.Get("ProtTypeAdd4"), 1);
    const QByteArray before = model.Section(10);
    Pick("cbProtocol", 0);
    EXPECT_EQ(model.Section(10), before);
    EXPECT_EQ(Find<QComboBox>("cbProtTypeAdd4")->currentIndex(), 1);

    Pick("cbProtocol", 6); // "CAN Toyota"
    EXPECT_EQ(model.Get("Protocol"), 6);
    EXPECT_EQ(model.Get("PrevProtocol"), 6);
    for (const char* field : kOptionFields)
        EXPECT_EQ(model.Get(field), 0) << field;
    EXPECT_EQ(model.Prots.CurrentPosition(), 6);
    EXPECT_EQ(Find<QLabel>("lProtTypeAdd1")->text(), "CAN req/sec");
    EXPECT_EQ(Items("cbProtTypeAdd1"), QStringList({"4", "1"}));
    EXPECT_EQ(Find<QComboBox>("cbProtTypeAdd1")->currentIndex(), 0);
    EXPECT_EQ(Items("cbTankMeth"), QStringList({"Calculated", "FLS"}));
    EXPECT_EQ(Items("rgVelocityMeth"), QStringList({"ECU", "Sens."}));
}
