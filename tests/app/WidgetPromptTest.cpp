#include "WidgetPrompt.h"
#include "GuiTestSupport.h"

#include <QComboBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Runs answer on the next modal window the prompt opens, after noting its title and buttons.
struct ModalSeen {
    QString title;
    QStringList buttons;
};

void whenModal(ModalSeen& seen, std::function<void(QWidget*)> answer) {
    QTimer::singleShot(0, [&seen, answer] {
        QWidget* w = QApplication::activeModalWidget();
        ASSERT_NE(w, nullptr);
        seen.title = w->windowTitle();
        for (QPushButton* b : w->findChildren<QPushButton*>())
            seen.buttons << b->text();
        answer(w);
    });
}

void press(QWidget* box, const QString& text) {
    for (QPushButton* b : box->findChildren<QPushButton*>())
        if (b->text() == text) return QTest::mouseClick(b, Qt::LeftButton);
    ADD_FAILURE() << "no button " << text.toStdString();
}

} // namespace

TEST(WidgetPrompt, MessageBoxesCarryTheirTitlesAndButtons) {
    TestApp();
    WidgetPrompt prompt;
    ModalSeen seen;

    whenModal(seen, [](QWidget* box) { press(box, "OK"); });
    prompt.showError("Range check error");
    EXPECT_EQ(seen.title, "Error");
    EXPECT_EQ(seen.buttons, QStringList{"OK"});

    seen = {};
    whenModal(seen, [](QWidget* box) { press(box, "OK"); });
    prompt.showInfo("Done");
    EXPECT_EQ(seen.title, "Information");

    seen = {};
    whenModal(seen, [](QWidget* box) { press(box, "&Yes"); });
    EXPECT_TRUE(prompt.askYesNo("Save it?"));
    EXPECT_EQ(seen.title, "Confirm");
    EXPECT_TRUE(seen.buttons.contains("&Yes") && seen.buttons.contains("&No"));
    whenModal(seen, [](QWidget* box) { press(box, "&No"); });
    EXPECT_FALSE(prompt.askYesNo("Save it?"));
    whenModal(seen, [](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); });
    EXPECT_FALSE(prompt.askYesNo("Save it?")) << "closing the box is not a yes";
}

TEST(WidgetPrompt, PortChoiceReturnsTheChosenEntryOrNothing) {
    TestApp();
    WidgetPrompt prompt;
    ModalSeen seen;
    const QStringList ports = {"COM1 (/dev/ttyUSB0)", "COM17 (/dev/ttyS0)"};
    whenModal(seen, [](QWidget* dlg) {
        auto* list = dlg->findChild<QComboBox*>();
        EXPECT_FALSE(list->isEditable());
        EXPECT_EQ(list->currentIndex(), 1) << "the port in use is preselected";
        list->setCurrentIndex(0);
        press(dlg, "OK");
    });
    EXPECT_EQ(prompt.choose("Port number selection", "Select serial port", ports, 1), 0);
    EXPECT_EQ(seen.title, "Port number selection");
    whenModal(seen, [](QWidget* dlg) { press(dlg, "Cancel"); });
    EXPECT_EQ(prompt.choose("Port number selection", "Select serial port", ports, 1), -1);
}
