#include "GuiTestSupport.h"
#include "Progress.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

TEST(ProgressForm, CancelOnlyRaisesTheFlagAndTheWindowStaysUntilTheTransferEnds) {
    TestApp();
    QWidget owner;
    owner.resize(600, 400);
    owner.show();
    TProgressForm p(&owner);
    EXPECT_EQ(p.windowTitle(), "Progress...");
    EXPECT_FALSE(p.Cancelled);
    auto* label = p.findChild<QLabel*>("ProgressLabel");
    auto* gauge = p.findChild<QProgressBar*>("ProgressGauge");
    auto* cancel = p.findChild<QPushButton*>("BitBtn1");
    ASSERT_TRUE(label && gauge && cancel);

    p.SetStep("Reconnect the device power supply");
    p.SetGaugeVisible(false);
    p.Start();
    EXPECT_TRUE(p.isVisible());
    EXPECT_TRUE(p.isModal()) << "the main window must not start a second transfer";
    EXPECT_EQ(label->text(), "Reconnect the device power supply");
    EXPECT_FALSE(gauge->isVisible());

    // Escape and the close request act as Cancel; neither closes the window.
    QTest::keyClick(&p, Qt::Key_Escape);
    EXPECT_TRUE(p.Cancelled);
    EXPECT_TRUE(p.isVisible());
    p.Cancelled = false;
    p.close();
    EXPECT_TRUE(p.Cancelled);
    EXPECT_TRUE(p.isVisible());
    p.Cancelled = false;
    QTest::mouseClick(cancel, Qt::LeftButton);
    EXPECT_TRUE(p.Cancelled);
    EXPECT_TRUE(p.isVisible());

    // Once Cancel is hidden nothing cancels any more.
    p.Cancelled = false;
    p.SetCancelVisible(false);
    p.SetGaugeVisible(true);
    QTest::keyClick(&p, Qt::Key_Escape);
    EXPECT_FALSE(p.Cancelled);
    p.SetPercent(140);
    EXPECT_EQ(gauge->value(), 100);
    p.SetPercent(37);
    EXPECT_EQ(gauge->value(), 37);
    p.Finish();
    EXPECT_FALSE(p.isVisible());
}
