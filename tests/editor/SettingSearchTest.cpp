// "Find a setting": what it lists for a device, and going to the setting by keyboard alone.

#include "SettingSearch.h"
#include "EditorTestSupport.h"

#include <QLineEdit>
#include <QListWidget>

TEST_F(EditorTest, FindASettingByCaptionOrPageAndGoToItByKeyboard) {
    Open(0x4000); // no gas on this model
    QApplication::setActiveWindow(dlg.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
    auto* field = Find<QLineEdit>("eSearch");
    EXPECT_EQ(field->placeholderText(), "Find a setting");

    // Any part of the caption, any case; a page's name lists its settings.
    TSettingSearch& search = dlg->Search();
    const QString volts = QLocale().toString(11.5, 'f', 1);
    EXPECT_TRUE(
        search.Matches("BATTERY v").contains("Low battery voltage  —  Limits  —  " + volts + " V"));
    EXPECT_TRUE(search.Matches("parctr").contains("Sensitivity, rear  —  Parctronic  —  0"));
    EXPECT_TRUE(search.Matches("Gas").isEmpty()) << "the model has no gas";
    EXPECT_FALSE(search.Matches("palette").isEmpty()) << "a grid the page draws itself";

    // Ctrl+F, type, Enter: the first match's page comes to the front, its control has focus.
    QTest::keyClick(dlg.get(), Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(field->hasFocus());
    QTest::keyClicks(field, "low batt.volt");
    EXPECT_TRUE(search.Results()->isVisible());
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(Find<QTabWidget>("pcMain")->currentWidget(), dlg->Page("tsVoice"));
    EXPECT_EQ(Find<QTabWidget>("pcVoice")->currentWidget(), dlg->Page("tsVoiceWarn"));
    EXPECT_TRUE(Find("rgapUAccLow_F")->isAncestorOf(QApplication::focusWidget()));

    // Down and Enter in the list take the match chosen.
    field->setFocus();
    field->clear();
    QTest::keyClicks(field, "sensitivity");
    QTest::keyClick(field, Qt::Key_Down);
    QTest::keyClick(field, Qt::Key_Down);
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(Find<QTabWidget>("pcMain")->currentWidget(), dlg->Page("tsPark"));
    EXPECT_TRUE(Find("seParkSense1")->hasFocus());
    EXPECT_FALSE(search.Results()->isVisible());
    // Escape closes the list first, not the dialog.
    field->setFocus();
    field->clear();
    QTest::keyClicks(field, "sens");
    ASSERT_TRUE(search.Results()->isVisible());
    QTest::keyClick(field, Qt::Key_Escape);
    EXPECT_FALSE(search.Results()->isVisible());
    EXPECT_TRUE(dlg->isVisible());

    EnglishVersion = false;
    Reopen();
    EXPECT_TRUE(dlg->Search()
                    .Matches(QString::fromUtf8("напряжение акб"))
                    .contains(QString::fromUtf8("Низкое напряжение АКБ  —  Границы  —  ") + volts +
                              QString::fromUtf8(" В")));
}
