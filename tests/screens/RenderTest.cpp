// The screen painter: backgrounds, frame and bottom panel in the scheme's roles where the
// geometry puts them, colour words shown by the display's rule, empty and unknown places.

#include "ByteAccess.h"
#include "Language.h"
#include "Pars32H.h"
#include "ScreenRenderer.h"
#include "SettingsScreens.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

namespace {

QGuiApplication& guiApp() {
    static int argc = 1;
    static char name[] = "tripconf-test";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = new QGuiApplication(argc, argv);
    return *app;
}

class Render : public ::testing::Test {
protected:
    void SetUp() override {
        guiApp();
        EnglishVersion = true;
        model.BuildMeasParList();
    }
    QImage render(const TScreenContent& s, int scheme) const {
        return TScreenRenderer(SchemeColours(model, scheme), model.MeasPars).Render(s);
    }
    // A point of the place inside its background, clear of frame lines and lettering.
    static QPoint backgroundPoint(const QRect& place) { return place.bottomLeft() + QPoint(3, -3); }

    TMK model;
};

TScreenContent screenOf(TScreenKind kind, std::vector<std::uint8_t> codes) {
    TScreenContent s;
    s.kind = kind;
    s.codes = std::move(codes);
    return s;
}

} // namespace

TEST_F(Render, BackgroundsFrameAndPanelFollowTheGeometryInBothSchemes) {
    const std::vector<std::uint8_t> nine = {14, 5, 12, 1, 2, 6, 10, 8, 9};
    for (int scheme = 0; scheme < SchemeCount; ++scheme) {
        const TScreenColours colours = SchemeColours(model, scheme);
        for (TScreenKind kind : {TScreenKind::X4, TScreenKind::X6, TScreenKind::X9}) {
            const QImage image = render(screenOf(kind, nine), scheme);
            ASSERT_EQ(image.size(), ScreenSize);
            EXPECT_EQ(image.pixelColor(0, 0), colours.Role(TColourRole::DigitFrame));
            for (int place = 0; place < PlaceCount(kind); ++place) {
                const TColourRole back = PlaceStyle(kind, place) == 1 ? TColourRole::DigitBack1
                                                                      : TColourRole::DigitBack2;
                EXPECT_EQ(image.pixelColor(backgroundPoint(PlaceRect(kind, place))),
                          colours.Role(back))
                    << "scheme " << scheme << " place " << place;
            }
        }
        TScreenContent x1 = screenOf(TScreenKind::X1, {12, 13, 0, 99});
        x1.mainCode = 12;
        const QImage image = render(x1, scheme);
        EXPECT_EQ(image.pixelColor(backgroundPoint(X1ValueRect())),
                  colours.Role(TColourRole::DigitBack1));
        for (int place = 0; place < 4; ++place)
            EXPECT_EQ(image.pixelColor(backgroundPoint(PlaceRect(TScreenKind::X1, place))),
                      colours.Role(TColourRole::DigitBottomPanel));
    }
    const TScreenContent x4 = screenOf(TScreenKind::X4, {4, 14, 8, 9});
    EXPECT_NE(render(x4, 0), render(x4, 1)) << "day and night differ";

    // A preview drawn to fit its box keeps the proportions and the places of its own size.
    const TScreenColours day = SchemeColours(model, 0);
    const QImage preview = TScreenRenderer(day, model.MeasPars).RenderToFit(x4, {240, 200});
    ASSERT_EQ(preview.size(), QSize(240, 180));
    for (int place = 0; place < 4; ++place)
        EXPECT_EQ(
            preview.pixelColor(backgroundPoint(PlaceRect(TScreenKind::X4, place, preview.size()))),
            day.Role(place == 0 || place == 3 ? TColourRole::DigitBack1 : TColourRole::DigitBack2));
}

TEST_F(Render, ColourWordsShowByTheDisplayRule) {
    // Palette colour 3 = 0x07E0 as the day scheme's first background; the role bytes of a
    // file may hold any value, of which the low four bits pick the colour.
    QByteArray& s9 = model.Section(9);
    bytes::setU16le(s9, SchemeOffset(0) + PaletteWordOffset(3), 0x07E0);
    s9[SchemeOffset(0) + int(TColourRole::DigitBack1)] = char(3);
    s9[SchemeOffset(0) + int(TColourRole::DigitFrame)] = char(0xF3);
    const QImage image = render(screenOf(TScreenKind::X4, {0, 0, 0, 0}), 0);
    EXPECT_EQ(image.pixelColor(backgroundPoint(PlaceRect(TScreenKind::X4, 0))), QColor(0, 255, 0));
    EXPECT_EQ(image.pixelColor(0, 0), QColor(0, 255, 0));
    EXPECT_EQ(ToQColor(Rgb565(0x0020)), QColor(0, 4, 0));
    // A short record reads its missing bytes as 0 instead of reading past its end: the
    // frame takes palette colour 0, here the white of the bytes that are there.
    EXPECT_EQ(TScreenColours::FromRecord(QByteArray(3, '\xFF')).Role(TColourRole::DigitFrame),
              QColor(255, 255, 255));
}

TEST_F(Render, EmptyPlacesStayBlankAndUnofferedCodesShowThemselves) {
    const QRect place = PlaceRect(TScreenKind::X4, 0);
    auto distinctColours = [&](const QImage& image) {
        QSet<QRgb> seen;
        for (int y = place.top() + 2; y < place.bottom() - 1; ++y)
            for (int x = place.left() + 2; x < place.right() - 1; ++x)
                seen.insert(image.pixel(x, y));
        return seen.size();
    };
    EXPECT_EQ(distinctColours(render(screenOf(TScreenKind::X4, {0, 0, 0, 0}), 0)), 1);

    TScreenRenderer r(SchemeColours(model, 0), model.MeasPars);
    const QImage known = r.Render(screenOf(TScreenKind::X4, {12, 0, 0, 0}));
    EXPECT_GT(distinctColours(known), 2);
    r.SetOfferedCodes({13, 14});
    const QImage unoffered = r.Render(screenOf(TScreenKind::X4, {12, 0, 0, 0}));
    EXPECT_GT(distinctColours(unoffered), 2);
    EXPECT_NE(known, unoffered) << "a code the device does not offer is marked, not drawn as usual";
    EXPECT_GT(distinctColours(r.Render(screenOf(TScreenKind::X4, {40, 0, 0, 0}))), 2);
}

TEST_F(Render, MenuHighlightsItsActiveRow) {
    model.BuildMenuItems();
    TScreenContent menu = ScreenFromSettings(model, TScreenKind::Menu, 0);
    ASSERT_GE(menu.menu.size(), 3u);
    EXPECT_EQ(menu.menu[0].caption, model.MenuItems.FindByKey(u"FullTankMenu")->Caption);
    menu.activeRow = 2;
    const TScreenColours colours = SchemeColours(model, 0);
    const QImage image = TScreenRenderer(colours, model.MeasPars).Render(menu);
    const QRect active = MenuRowRect(2), other = MenuRowRect(1);
    EXPECT_EQ(image.pixelColor(active.center().x(), active.bottom() - 2),
              colours.Role(TColourRole::MenuActiveBack));
    EXPECT_EQ(image.pixelColor(other.center().x(), other.bottom() - 1),
              colours.Role(TColourRole::DigitBack1));
}

TEST_F(Render, ScreensAsTheSettingsHoldThem) {
    for (int i = 0; i < 4; ++i)
        model.Set("Digit4", 2 * 4 + i, 20 + i);
    EXPECT_EQ(ScreenFromSettings(model, TScreenKind::X4, 2).codes,
              (std::vector<std::uint8_t>{20, 21, 22, 23}));
    EXPECT_EQ(ScreenFromSettings(model, TScreenKind::X9, 0).codes.size(), 9u);
    EXPECT_THROW(ScreenFromSettings(model, TScreenKind::X4, 6), ERangeError);
    EXPECT_THROW(SchemeColours(model, 2), ERangeError);

    const std::vector<std::uint8_t> offered = OfferedCodes(model);
    ASSERT_EQ(ScreenCount(model, TScreenKind::X1), int(offered.size()));
    ASSERT_FALSE(offered.empty());
    model.Set("Dig1", 3, 17);
    const TScreenContent x1 = ScreenFromSettings(model, TScreenKind::X1, int(offered.size()) - 1);
    EXPECT_EQ(x1.mainCode, offered.back());
    EXPECT_EQ(x1.codes, (std::vector<std::uint8_t>{0, 0, 0, 17}));
    model.Set("ExpPBLim", 0, 12);
    EXPECT_EQ(DisplayOptionsOf(model).consumptionBarLimit, 12);
}
