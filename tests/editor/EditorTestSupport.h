#pragma once

// Opens the settings editor over a model in the tests and drives its controls the way a
// user does: typing into spin edits, clicking radio buttons and check boxes, picking combo
// items with the keyboard.

#include "ControlBinder.h"
#include "MK_SetParamsH.h"
#include "Pars32H.h"
#include "Prompt.h"
#include "RadioGroup.h"
#include "ScriptedPrompt.h"
#include "TestApp.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

// A model read from a device of the given type, with the given stored protocol position.
inline void PrepareModel(TMK& m, std::uint16_t deviceType, int protocol = 0) {
    m.DeviceVersion = deviceType;
    m.Set("Protocol", 0, protocol);
    m.SelectCapabilities(deviceType, protocol, 0);
    m.BuildMeasParList();
    m.BuildMenuItems();
}

class EditorTest : public ::testing::Test {
protected:
    TMK model;
    PromptScope prompts; // the messages the editor shows, instead of message boxes
    QStringList& errors = prompts.prompt->errors;
    std::unique_ptr<TMK_SetParamsDlg> dlg;

    void SetUp() override {
        TestApp();
        EnglishVersion = true;
    }
    void TearDown() override {
        dlg.reset();
        EnglishVersion = false;
    }

    // Opens the editor (the show sequence runs) for a device type and protocol position.
    void Open(std::uint16_t deviceType = 0x4000, int protocol = 0) {
        PrepareModel(model, deviceType, protocol);
        Reopen();
    }
    // Opens the editor again over the model as it is.
    void Reopen() {
        dlg.reset();
        dlg = std::make_unique<TMK_SetParamsDlg>(model);
        dlg->show();
    }

    // Brings every tab holding the widget to the front.
    void RevealNested(QWidget* w) {
        for (QWidget* p = w; p; p = p->parentWidget())
            if (auto* tabs = qobject_cast<QTabWidget*>(
                    p->parentWidget() ? p->parentWidget()->parentWidget() : nullptr))
                tabs->setCurrentWidget(p);
        QApplication::processEvents();
    }
    template <class W = QWidget> W* Find(const QString& name) const {
        W* w = dlg->findChild<W*>(name);
        EXPECT_TRUE(w) << "no control " << name.toStdString();
        return w;
    }
    // Shown on its page (the page itself may be another tab).
    bool Shown(const QString& name) const {
        QWidget* w = Find(name);
        QWidget* page = w;
        while (page && !dlg->findChild<QTabWidget*>("pcMain")->isAncestorOf(page->parentWidget()))
            page = page->parentWidget();
        return w && w->isVisibleTo(page ? page->parentWidget() : dlg.get());
    }
    bool PageShown(const char* name) const {
        auto* tabs = dlg->findChild<QTabWidget*>("pcMain");
        const int i = tabs->indexOf(dlg->Page(name));
        return i >= 0 && tabs->isTabVisible(i);
    }

    // Types a value into a spin edit and presses Enter, which leaves the value.
    void Type(const QString& name, const QString& text) {
        auto* spin = Find<QDoubleSpinBox>(name);
        spin->selectAll();
        QTest::keyClick(spin, Qt::Key_Delete);
        QTest::keyClicks(spin, text);
        QTest::keyClick(spin, Qt::Key_Enter);
    }
    double Value(const QString& name) const { return Find<QDoubleSpinBox>(name)->value(); }
    // Brings the page holding the control to the front, as the user would before a click.
    void Reveal(QWidget* w) {
        auto* tabs = dlg->findChild<QTabWidget*>("pcMain");
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->widget(i)->isAncestorOf(w)) tabs->setCurrentIndex(i);
    }
    void Click(const QString& group, int item) {
        auto* radio = Find<TRadioGroup>(group);
        Reveal(radio);
        QAbstractButton* b = radio->button(item);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2)); // the indicator
    }
    void Toggle(const QString& name) {
        auto* check = Find<QCheckBox>(name);
        Reveal(check);
        QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(6, check->height() / 2));
    }
    // Picks a combo item with the keyboard: Home, then Down.
    void Pick(const QString& name, int item) {
        auto* combo = Find<QComboBox>(name);
        QTest::keyClick(combo, Qt::Key_Home);
        for (int i = 0; i < item; ++i)
            QTest::keyClick(combo, Qt::Key_Down);
        ASSERT_EQ(combo->currentIndex(), item);
        // A list that applies only a settled choice (the protocol) takes it on Enter.
        QTest::keyClick(combo, Qt::Key_Return);
    }
    QStringList Items(const QString& name) const {
        QStringList items;
        if (auto* combo = dlg->findChild<QComboBox*>(name))
            for (int i = 0; i < combo->count(); ++i)
                items << combo->itemText(i);
        if (auto* radio = dlg->findChild<TRadioGroup*>(name))
            for (int i = 0; i < radio->count(); ++i)
                items << radio->button(i)->text();
        return items;
    }
};
