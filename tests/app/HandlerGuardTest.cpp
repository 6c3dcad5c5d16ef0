// Handlers show what they throw at their own boundary and get the signal's arguments they
// take.

#include "HandlerGuard.h"
#include "Errors.h"
#include "GuiTestSupport.h"
#include "ScriptedPrompt.h"

#include <QComboBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <stdexcept>

TEST(HandlerGuard, WhatAHandlerThrowsIsShownAndTheNextEventIsHandledAsUsual) {
    TestApp();
    PromptScope prompts;
    ScriptedPrompt& prompt = *prompts.prompt;

    QPushButton button;
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, &button, Guarded([&] {
        if (++clicks == 1) throw ERangeError();
        throw std::runtime_error("disk full");
    }));
    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(prompt.errors, (QStringList{"Range check error", "disk full"}));

    // A handler takes as many of the signal's leading arguments as it wants.
    QTableWidget grid(3, 3);
    int row = -1;
    QObject::connect(&grid, &QTableWidget::currentCellChanged, &grid,
                     Guarded([&](int current) { row = current; }));
    grid.setCurrentCell(2, 1);
    EXPECT_EQ(row, 2);
    QComboBox combo;
    combo.addItems({"a", "b"});
    int chosen = -1;
    QObject::connect(&combo, &QComboBox::activated, &combo, Guarded([&](int index) {
        chosen = index;
        if (index == 1) throw TError(QStringLiteral("no such protocol"));
    }));
    emit combo.activated(1);
    EXPECT_EQ(chosen, 1);
    EXPECT_EQ(prompt.errors.last(), "no such protocol");
    EXPECT_FALSE(RunGuarded([] { throw ERangeError(); }));
    EXPECT_TRUE(RunGuarded([] {}));
}
