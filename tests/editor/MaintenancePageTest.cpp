// The maintenance page: the service counter's tenths, the reminder switches, the dates shown
// from their day numbers, the user-given names, and the maintenance file's buttons.

#include "EditorTestSupport.h"
#include "FieldAccess.h"
#include "SideFiles.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

class MaintenancePageTest : public EditorTest {
protected:
    void OpenTO(std::uint16_t deviceType = 0x4610) {
        Open(deviceType, 1);
        Reveal(Find("seKPPOilCntK"));
        dlg->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
    }
    // Types any characters, as a keyboard layout would send them.
    static void TypeText(QWidget* w, const QString& text) {
        for (QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(w, &press);
        }
    }
    QByteArray NameBytes(const char* field) const {
        return ReadFieldBytes(model.Section(5), FieldByName(field));
    }
};

} // namespace

TEST_F(MaintenancePageTest, CountersSwitchesAndDates) {
    model.Set("TO", 0, 1522);
    model.Set("OSAGO", 0, 0); // no date: shown as the nearest one, marked, kept until edited
    OpenTO(0x5000);           // a model with the service counter
    EXPECT_EQ(Find<QLabel>("lAirFiltCntK")->text(), "TS th.km");
    Type("seAirFiltCntK", "2.5");
    EXPECT_EQ(model.Get("AirFiltCntK"), 25);
    EXPECT_EQ(Find<QDoubleSpinBox>("seAirFiltCntK")->maximum(), 9.9);

    const std::int64_t flags = model.Get("TOFlags");
    Toggle("cbMotoHour");
    Toggle("cbTO");
    EXPECT_EQ(model.Get("TOFlags"), flags ^ (1 << 9) ^ (1 << 7));
    EXPECT_EQ(model.Get("TO"), 1522) << "the switch is not the date";

    auto* to = Find<QDateEdit>("deTO");
    auto* osago = Find<QDateEdit>("deOSAGO");
    EXPECT_EQ(to->text(), "01.03.04");
    EXPECT_FALSE(Shown("lTOMark"));
    EXPECT_EQ(osago->text(), "01.01.00");
    EXPECT_TRUE(Shown("lOSAGOMark"));
    osago->setFocus();
    QTest::keyClick(osago, Qt::Key_Tab);
    EXPECT_EQ(model.Get("OSAGO"), 0) << "passing through stores nothing";

    // Typing a date: each section takes two digits, the year is one of 2000..2099.
    to->setFocus();
    to->setSelectedSection(QDateTimeEdit::DaySection);
    QTest::keyClicks(to, "010105");
    QTest::keyClick(to, Qt::Key_Enter);
    EXPECT_EQ(to->text(), "01.01.05");
    EXPECT_EQ(model.Get("TO"), 1828);
    osago->setFocus();
    osago->setCurrentSection(QDateTimeEdit::YearSection);
    QTest::keyClick(osago, Qt::Key_Up);
    QTest::keyClick(osago, Qt::Key_Enter);
    EXPECT_EQ(model.Get("OSAGO"), 367) << "01.01.01";
    EXPECT_FALSE(Shown("lOSAGOMark"));
    EXPECT_EQ(osago->calendarWidget()->windowTitle(), "Date selection");
    model.Set("OSAGO", 0, 60000); // past 2099: the nearest day
    dlg->Binder().Load("deOSAGO");
    EXPECT_EQ(osago->text(), "31.12.99");
}

TEST_F(MaintenancePageTest, NamesTakeTheDeviceCharactersAndKeepTheBytesAfterTheZero) {
    model.SetText("GRMStrapName", "ABCDEFGHIJKLMNO");
    model.SetText("GRMStrapName", "Old");
    const QByteArray before = NameBytes("GRMStrapName"); // "Old", zero, "DEFG...O", zero
    OpenTO();
    auto* name = Find<QLineEdit>("eGRMStrapCntK");
    EXPECT_EQ(name->text(), "Old");
    name->setFocus();
    name->selectAll();
    TypeText(name, "Ре中мень"); // a character the device cannot show is refused
    QTest::keyClick(name, Qt::Key_Tab);
    QByteArray expected = before;
    expected.replace(0, 7, QByteArray("\xD0\xE5\xEC\xE5\xED\xFC\0", 7));
    EXPECT_EQ(NameBytes("GRMStrapName"), expected);

    name->setFocus();
    name->selectAll();
    QTest::keyClicks(name, "123456789012345678");
    EXPECT_EQ(name->text(), "123456789012345");
    dlg->accept(); // OK with the name edit focused stores it
    EXPECT_EQ(NameBytes("GRMStrapName"), QByteArray("123456789012345", 16));
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(MaintenancePageTest, FileLoadShowsItsValuesOnEveryPage) {
    OpenTO();
    QTemporaryDir dir;
    const QString path = dir.filePath("car.veltt");
    prompts.prompt->savePaths = {path};
    QTest::mouseClick(Find<QPushButton>("bTOSave"), Qt::LeftButton);
    EXPECT_EQ(prompts.prompt->suffixes, QStringList{"veltt"});
    EXPECT_EQ(prompts.prompt->filters.last(), MaintenanceFileFilter());
    const QByteArray saved = EncodeMaintenanceFile(model);

    Type("seEngOilCntK", "7");
    Find<QLineEdit>("eCandleCntK")->setText("x");
    model.Set("BlocksSel", 11, 0xFF); // as the other pages would
    prompts.prompt->openPaths = {path};
    QTest::mouseClick(Find<QPushButton>("bTOLoad"), Qt::LeftButton);
    EXPECT_EQ(EncodeMaintenanceFile(model), saved);
    EXPECT_EQ(Value("seEngOilCntK"), 15);
    EXPECT_EQ(Find<QLineEdit>("eCandleCntK")->text(), model.GetText("CandleName"));
    EXPECT_TRUE(errors.isEmpty());
}
