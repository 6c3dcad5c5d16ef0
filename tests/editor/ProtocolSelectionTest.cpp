// The protocol choice: search methods, the protocol list and the protocol's option lists.

#include "EditorTestSupport.h"

#include <QWheelEvent>

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
    EXPECT_EQ(Items("cbProtocolSelectMeth"), QStringList({"Auto", "AutoOBD", "AutoVAG", "Man."}))
        << "every VAG model has the VAG search";
}

// Another protocol clears all eight option bytes and refills what depends on it; the same
// protocol again only refills the option lists.
TEST_F(EditorTest, ProtocolChangeClearsTheOptionsAndTheSameOneKeepsThem) {
    model.Set("ProtocolSelectMeth", 0, 3); // by hand on 0x4600
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

// The wheel and the arrow keys over the closed protocol list only browse: nothing is applied
// until the list is left (or a pick, Enter, OK), and leaving it on the stored protocol keeps
// its options however far the user went.
TEST_F(EditorTest, BrowsingTheProtocolListChangesNothingUntilItIsLeft) {
    model.Set("ProtocolSelectMeth", 0, 3); // by hand on 0x4600
    for (int k = 0; k < 8; ++k)
        model.Set(kOptionFields[k], 0, 1);
    Open(0x4600, 0);
    auto* protocol = Find<QComboBox>("cbProtocol");
    RevealNested(protocol);
    protocol->setFocus();
    const QByteArray before = model.Section(10);
    auto wheel = [protocol](int notches) {
        for (int i = 0; i < notches; ++i) {
            QWheelEvent e(QPointF(5, 5), protocol->mapToGlobal(QPointF(5, 5)), QPoint(),
                          QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(protocol, &e);
        }
    };
    wheel(3);
    QTest::keyClick(protocol, Qt::Key_Down);
    ASSERT_EQ(protocol->currentIndex(), 4);
    EXPECT_EQ(model.Section(10), before) << "browsing applies nothing";
    QTest::keyClick(protocol, Qt::Key_Home);
    Find<QComboBox>("cbProtocolSelectMeth")->setFocus(); // leaves the list on the stored one
    EXPECT_EQ(model.Section(10), before);

    protocol->setFocus();
    wheel(2);
    Find<QComboBox>("cbProtocolSelectMeth")->setFocus();
    EXPECT_EQ(model.Get("Protocol"), 2);
    for (const char* field : kOptionFields)
        EXPECT_EQ(model.Get(field), 0) << field;
}
