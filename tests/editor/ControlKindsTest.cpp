// The control kinds that the later pages use, bound on a plain window: the date, time and
// text edits and the warning sound pair; and rows built at run time.

#include "ControlBinder.h"
#include "FieldAccess.h"
#include "Pars32H.h"
#include "RadioGroup.h"
#include "ScriptedPrompt.h"
#include "TestApp.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <memory>

namespace {

using enum TCtlKind;

class ControlKindTest : public ::testing::Test {
protected:
    TMK model;
    PromptScope prompts;
    QStringList& errors = prompts.prompt->errors;
    bool refreshing = false;
    std::unique_ptr<QWidget> window;
    std::unique_ptr<TControlBinder> binder;
    QLineEdit* elsewhere = nullptr; // somewhere to move the focus to

    void SetUp() override {
        TestApp();
        EnglishVersion = true;
        window = std::make_unique<QWidget>();
        new QVBoxLayout(window.get());
        binder = std::make_unique<TControlBinder>(model, refreshing);
        elsewhere = new QLineEdit(window.get());
        window->layout()->addWidget(elsewhere);
    }
    void TearDown() override {
        binder.reset();
        window.reset();
        EnglishVersion = false;
    }
    template <class W = QWidget> W* Add(const TControlRow& row) {
        QWidget* w = binder->Create(row, window.get());
        window->layout()->addWidget(w);
        return qobject_cast<W*>(w);
    }
    // Shows the window and loads the controls, as the editor's show does.
    void Show() {
        binder->ApplyCaptions();
        binder->LoadAll();
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void Leave() { elsewhere->setFocus(); }
    void TypeInto(QWidget* edit, const QString& text) {
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClick(edit, Qt::Key_Home);
        QTest::keyClicks(edit, text);
    }
};

} // namespace

// A date edit shows the day number as dd.mm.yy and stores the day number of the date left
// in it; a stored number that is no date is kept until the user picks one.
TEST_F(ControlKindTest, DateEditShowsAndStoresDayNumbers) {
    TControlRow row{Date, "TO"};
    auto* edit = Add<QDateEdit>(row);
    Show();
    EXPECT_EQ(edit->text(), "09.01.12") << "day number 4392";
    edit->setDate(QDate(2004, 3, 1));
    QTest::keyClick(edit, Qt::Key_Enter);
    EXPECT_EQ(model.Get("TO"), 1522);
    edit->setFocus();
    edit->setDate(QDate(2005, 1, 1));
    Leave();
    EXPECT_EQ(model.Get("TO"), 1828);

    model.Set("TO", 0, 0);
    binder->Load("deTO");
    edit->setFocus();
    Leave();
    EXPECT_EQ(model.Get("TO"), 0) << "passing through stores nothing";
    EXPECT_TRUE(errors.isEmpty());
}

// A time edit reads hours, a colon and minutes as minutes; an hour typed as one digit reads
// as such, a minute left blank is refused with the parser's message, and hours past 23 or
// minutes past 59 as no time of day.
TEST_F(ControlKindTest, TimeEditStoresMinutesAndRefusesABlankMinute) {
    TControlRow row{Time, "IntenseDayTime"};
    auto* edit = Add<QLineEdit>(row);
    model.Set("IntenseDayTime", 0, 450);
    Show();
    EXPECT_EQ(edit->text(), "07:30");
    TypeInto(edit, "2359");
    Leave();
    EXPECT_EQ(model.Get("IntenseDayTime"), 1439);
    TypeInto(edit, "7:05");
    QTest::keyClick(edit, Qt::Key_Enter);
    EXPECT_EQ(model.Get("IntenseDayTime"), 425);

    TypeInto(edit, "12:");
    Leave();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains("is not a valid integer value")) << errors[0].toStdString();
    EXPECT_EQ(model.Get("IntenseDayTime"), 425);
    EXPECT_EQ(edit->text(), "07:05") << "the stored time is shown again";
    for (const char* noTime : {"2400", "9999", "1260"}) {
        TypeInto(edit, noTime);
        Leave();
        EXPECT_TRUE(errors.back().contains("is not a time of day")) << noTime;
        EXPECT_EQ(model.Get("IntenseDayTime"), 425) << noTime;
    }

    model.Set("IntenseDayTime", 0, 1500); // past midnight: shown as 01:00
    binder->Load("meIntenseDayTime");
    edit->setFocus();
    Leave();
    EXPECT_EQ(model.Get("IntenseDayTime"), 1500) << "passing through stores nothing";
}

// A text edit takes at most the field's length less one, stores the characters in the
// device's code page and one zero, and keeps the bytes after the zero.
TEST_F(ControlKindTest, TextEditStoresCharactersAndAZeroKeepingTheRest) {
    TControlRow row{Text, "CandleName", "eCandleCntK"};
    auto* edit = Add<QLineEdit>(row);
    const FieldDef& f = FieldByName("CandleName");
    const int at = f.offset;
    model.Section(f.section).replace(at, 16, QByteArray("ABCDEFGHIJKLMNO\0", 16));
    Show();
    EXPECT_EQ(edit->text(), "ABCDEFGHIJKLMNO");
    edit->setFocus();
    edit->setText("Свечи"); // typed: the key helpers know ASCII only
    Leave();
    const QByteArray stored = model.Section(f.section).mid(at, 16);
    EXPECT_EQ(stored.left(6), QByteArray("\xD1\xE2\xE5\xF7\xE8\0", 6));
    EXPECT_EQ(stored.mid(6), QByteArray("GHIJKLMNO\0", 10)) << "bytes after the zero kept";

    TypeInto(edit, "12345678901234567890");
    Leave();
    EXPECT_EQ(ReadFieldText(model.Section(f.section), f), "123456789012345");
    EXPECT_EQ(model.Section(f.section).at(at + 15), '\0');
}

// A warning pair stores first + 8 x repeated when either group loses focus, a single group
// its choice times 9; loading splits the byte.
TEST_F(ControlKindTest, SoundPairsCommitWhenEitherGroupIsLeft) {
    TControlRow pair{.kind = SoundPair,
                     .setting = "AlarmVel",
                     .name = "rgapVel_F",
                     .label = TRowLabel::Bare,
                     .partner = "rgapVel_N"};
    TControlRow single{
        .kind = SoundPair, .setting = "AlarmTO", .name = "rgapTO_F", .label = TRowLabel::Bare};
    auto* first = Add<TRadioGroup>(pair);
    auto* repeated = window->findChild<TRadioGroup*>("rgapVel_N");
    ASSERT_TRUE(repeated);
    window->layout()->addWidget(repeated);
    auto* once = Add<TRadioGroup>(single);
    model.Set("AlarmSound", 2, 0x5A);
    Show();
    EXPECT_EQ(first->index(), 2);
    EXPECT_EQ(repeated->index(), 3);
    EXPECT_EQ(first->button(4)->text(), "V");

    first->button(2)->setFocus();
    Leave();
    EXPECT_EQ(model.Get("AlarmSound", 2), 0x1A) << "bits 6 and 7 come out clear";

    // The group being left is stored with its partner as it stands.
    QTest::mouseClick(first->button(1), Qt::LeftButton, {}, QPoint(6, 6));
    EXPECT_EQ(model.Get("AlarmSound", 2), 0x1A) << "nothing while inside the group";
    QTest::mouseClick(repeated->button(4), Qt::LeftButton, {}, QPoint(6, 6));
    EXPECT_EQ(model.Get("AlarmSound", 2), 0x19);
    QTest::mouseClick(first->button(2), Qt::LeftButton, {}, QPoint(6, 6));
    EXPECT_EQ(model.Get("AlarmSound", 2), 0x21);
    Leave();
    EXPECT_EQ(model.Get("AlarmSound", 2), 0x22);

    QTest::mouseClick(once->button(3), Qt::LeftButton, {}, QPoint(6, 6));
    EXPECT_EQ(model.Get("AlarmSound", 6), 0) << "nothing until the group is left";
    Leave();
    EXPECT_EQ(model.Get("AlarmSound", 6), 0x1B);
}

// Rows built in a loop with names that live only as long as one pass: the binder keeps
// its own copies, and the controls work on.
TEST_F(ControlKindTest, RowsBuiltAtRunTimeKeepTheirNames) {
    for (int bit = 0; bit < 9; ++bit) {
        const QByteArray setting = "ShowDisp_S_" + QByteArray::number(bit);
        Add(TControlRow{Check, setting.constData()});
    }
    model.Set("ShowDisp_S", 0, 0);
    Show();
    ASSERT_EQ(binder->Names().size(), 9);
    EXPECT_STREQ(binder->Row("cbShowDisp_S_7")->setting, "ShowDisp_S_7");
    EXPECT_EQ(binder->Control("cbShowDisp_S_7")->property("text").toString(), "Petrol");
    QTest::mouseClick(binder->Control("cbShowDisp_S_7"), Qt::LeftButton, {}, QPoint(6, 6));
    EXPECT_EQ(model.Get("ShowDisp_S"), 1 << 7);
}
