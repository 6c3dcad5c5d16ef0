// Display pages "Color schemes" and "Divers", driven through their widgets.

#include "ColorSchemes.h"
#include "EditorTestSupport.h"
#include "ScreenGeometry.h"
#include "ScreenPreview.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>

namespace {

class ColorPageTest : public EditorTest {
protected:
    // Presses a mouse button on a grid row, as the user selects it.
    void PressRow(const char* grid, int row, Qt::MouseButton button = Qt::LeftButton) {
        auto* view = Find<QTableView>(grid);
        RevealNested(view);
        const QRect cell = view->visualRect(view->model()->index(row, 0));
        QTest::mouseClick(view->viewport(), button, {}, cell.center());
    }
    void SetSpin(const char* name, int value) {
        auto* spin = Find<QSpinBox>(name);
        RevealNested(spin);
        spin->selectAll();
        QTest::keyClicks(spin, QString::number(value));
        ASSERT_EQ(spin->value(), value);
    }
    int SpinValue(const char* name) { return Find<QSpinBox>(name)->value(); }
    QColor CellColour(const char* grid, int row) {
        auto* view = Find<QTableView>(grid);
        return view->model()->index(row, 1).data(Qt::BackgroundRole).value<QColor>();
    }
    // The colour a preview shows at the background of its screen's first place.
    QColor PreviewBackground(const char* name) {
        auto* preview = Find<TScreenPreview>(name);
        RevealNested(preview);
        const QRect image = preview->ImageRect();
        const QPoint p = PlaceRect(TScreenKind::X4, 0, image.size()).bottomLeft() + QPoint(3, -3);
        return preview->grab().toImage().pixelColor(image.topLeft() + p);
    }
    std::uint16_t Word(int scheme, int index) { return PaletteColour(model, scheme, index).Word(); }
};

} // namespace

TEST_F(ColorPageTest, PaletteChannelsPackIntoTheWordAndRepaintGridsAndPreviews) {
    Open();
    PressRow("sgPalette", 9);
    EXPECT_EQ(Find<QLabel>("lColorTab")->text(), "Color #9");
    EXPECT_EQ(SpinValue("seR"), 31) << "default day colour 9 is (31, 0, 0)";
    EXPECT_EQ(Word(0, 9), 0xF800);
    SetSpin("seR", 0);
    SetSpin("seG", 31);
    EXPECT_EQ(Word(0, 9), 0x07E0);
    EXPECT_EQ(CellColour("sgPalette", 9), QColor(0, 255, 0));
    SetSpin("seG", 30);
    EXPECT_EQ(Word(0, 9), 0x0780);
    SetSpin("seR", 31);
    SetSpin("seG", 31);
    SetSpin("seB", 31);
    EXPECT_EQ(Word(0, 9), 0xFFFF);

    // The lowest green bit alone is below the 5-bit green.
    SetPaletteColour(model, 0, 3, Rgb565(0x0020));
    PressRow("sgPalette", 3);
    EXPECT_EQ(SpinValue("seG"), 0);

    // Background 1 (digit grid row 1) now picks colour 9: the x4 preview repaints at once.
    PressRow("sgDigit", 1);
    EXPECT_EQ(Find<QLabel>("lDigit")->text(), "Background 1");
    SetSpin("seDigit", 9);
    EXPECT_EQ(RolePaletteIndex(model, 0, TColourRole::DigitBack1), 9);
    EXPECT_EQ(CellColour("sgDigit", 1), QColor(255, 255, 255));
    EXPECT_EQ(PreviewBackground("pbDigit4"), QColor(255, 255, 255));
    PressRow("sgMenu", 2, Qt::RightButton); // any button selects
    EXPECT_EQ(Find<QLabel>("lMenu")->text(), "Hot item num.color");
    SetSpin("seMenu", 4);
    EXPECT_EQ(RolePaletteIndex(model, 0, TColourRole::MenuHotNumColor), 4);
}

TEST_F(ColorPageTest, NightEditsLeaveTheDaySchemeAndTheCarriedBytesAlone) {
    QByteArray& s9 = model.Section(9);
    for (int scheme = 0; scheme < 2; ++scheme)
        s9.replace(SchemeOffset(scheme) + 41, 3, QByteArray("\x11\x22\x33", 3));
    Open();
    const QByteArray day = model.Section(9).mid(SchemeOffset(0), SchemeRecordSize);
    PressRow("sgPalette", 1);
    EXPECT_EQ(SpinValue("seG"), 9) << "day colour 1 is (0, 9, 9)";
    Click("rgCurrColorSchemeNum", 1);
    // The channels follow the night scheme's colour 1, (3, 12, 12), so that changing one
    // channel keeps the other two of that colour.
    EXPECT_EQ(SpinValue("seR"), 3);
    EXPECT_EQ(SpinValue("seG"), 12);
    SetSpin("seB", 31);
    EXPECT_EQ(PaletteColour(model, 1, 1).ToRgb5(), (Rgb5{3, 12, 31}));
    PressRow("sgDigit", 4);
    SetSpin("seDigit", 13);
    EXPECT_EQ(RolePaletteIndex(model, 1, TColourRole::DigitFrame), 13);
    EXPECT_EQ(model.Section(9).mid(SchemeOffset(0), SchemeRecordSize), day);
    EXPECT_EQ(model.Section(9).mid(SchemeOffset(1) + 41, 3), QByteArray("\x11\x22\x33", 3));

    // Which scheme the device uses by hand is a setting of its own.
    Click("rgActiveColorScheme", 0);
    EXPECT_EQ(model.Get("ActiveColorScheme"), 0);
    EXPECT_EQ(dlg->findChild<TRadioGroup*>("rgCurrColorSchemeNum")->index(), 1);
}

TEST_F(ColorPageTest, RestoringDefaultsAsksFirstAndNoChangesNothing) {
    Open();
    Click("rgCurrColorSchemeNum", 1);
    PressRow("sgPalette", 0);
    SetSpin("seR", 17);
    const QByteArray edited = model.Section(9);
    auto* restore = Find<QPushButton>("bPaletteInit");
    prompts.prompt->answers = {false};
    QTest::mouseClick(restore, Qt::LeftButton);
    ASSERT_EQ(prompts.prompt->questions.size(), 1);
    EXPECT_EQ(prompts.prompt->questions[0],
              "Initialize all the color scheme settings to their original state? ");
    EXPECT_EQ(model.Section(9), edited);
    EXPECT_EQ(dlg->findChild<TRadioGroup*>("rgCurrColorSchemeNum")->index(), 1);

    prompts.prompt->answers = {true};
    QTest::mouseClick(restore, Qt::LeftButton);
    EXPECT_EQ(model.Section(9).mid(SchemeOffset(0), SchemeRecordSize), model.PaletteA);
    EXPECT_EQ(model.Section(9).mid(SchemeOffset(1), SchemeRecordSize), model.PaletteB);
    EXPECT_EQ(dlg->findChild<TRadioGroup*>("rgCurrColorSchemeNum")->index(), 0);
    EXPECT_EQ(SpinValue("seR"), PaletteColour(model, 0, 0).ToRgb5().r);
}

TEST_F(ColorPageTest, DiversStoresItsChoicesEachInItsOwnBits) {
    model.Set("IntenseMeth", 0, 2);
    Open();
    Click("rgColorMeth", 1);
    EXPECT_EQ(std::uint8_t(model.Section(9)[259]), 0x12);
    Click("rgIntenseMeth", 0);
    EXPECT_EQ(std::uint8_t(model.Section(9)[259]), 0x10);

    auto type = [&](const char* name, const QString& text) {
        auto* edit = Find<QLineEdit>(name);
        RevealNested(edit);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Enter);
    };
    type("meIntenseDayTime", "0730");
    EXPECT_EQ(model.Get("IntenseDayTime"), 450);
    type("meIntenseNightTime", "2359");
    EXPECT_EQ(model.Get("IntenseNightTime"), 1439);
    // An hour left blank is no number: the error is shown and the field kept.
    auto* night = Find<QLineEdit>("meIntenseNightTime");
    night->setFocus();
    night->selectAll();
    QTest::keyClick(night, Qt::Key_Delete);
    night->setCursorPosition(3);
    QTest::keyClicks(night, "30");
    ASSERT_EQ(night->displayText(), "__:30");
    QTest::keyClick(night, Qt::Key_Enter);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains("is not a valid integer value")) << errors[0].toStdString();
    EXPECT_EQ(model.Get("IntenseNightTime"), 1439);
    EXPECT_EQ(night->text(), "23:59");

    Click("rgDispShowPBMeth", 1);
    Toggle("cbShowDispName");
    Click("rgDispSpeed", 3);
    EXPECT_EQ(model.Get("DispFlags"), 0x12);
    EXPECT_EQ(model.Get("DispSpeed"), 3);
    EXPECT_TRUE(Find<TRadioGroup>("rgColorMeth")->button(2)->isEnabled());

    // A model without side-light sensing cannot switch by the lights.
    dlg.reset();
    EnglishVersion = false;
    Open(0x5000);
    for (const char* group : {"rgColorMeth", "rgIntenseMeth"}) {
        EXPECT_EQ(Items(group), (QStringList{"Руч.", "Время", "Габар."}));
        EXPECT_FALSE(Find<TRadioGroup>(group)->button(2)->isEnabled());
        EXPECT_TRUE(Find<TRadioGroup>(group)->button(1)->isEnabled());
    }
}
