// Screen geometry: the places a click finds and the rectangles the painter fills must be
// the same division of the screen, for the screen itself and for previews of other sizes.

#include "ScreenGeometry.h"

#include <gtest/gtest.h>

namespace {

const QSize Sizes[] = {ScreenSize, {161, 121}, {100, 75}, {331, 250}};

// The click arithmetic as written for previews: columns of w div n pixels, rows of h div n;
// the pixels beyond n whole columns (or rows) belong to the last one.
int cell(int coord, int length, int n) {
    return std::min(coord / (length / n), n - 1);
}

int expectedPlace(TScreenKind kind, QPoint p, QSize s) {
    const int x = p.x(), y = p.y(), w = s.width(), h = s.height();
    switch (kind) {
    case TScreenKind::X4:
        return cell(x, w, 2) + 2 * cell(y, h, 2);
    case TScreenKind::X9:
        return cell(x, w, 3) + 3 * cell(y, h, 3);
    case TScreenKind::X6: {
        const int c = cell(x, w, 3) + 3 * cell(y, h, 3);
        return c == 2 ? 1 : c == 5 ? 2 : c >= 6 ? c - 3 : 0;
    }
    case TScreenKind::X1:
        return 7 * y >= 4 * h ? cell(x, w, 4) : -1;
    default:
        return -1;
    }
}

} // namespace

TEST(ScreenGeometry, ClicksAndRectanglesDivideEveryScreenAlike) {
    for (TScreenKind kind : {TScreenKind::X4, TScreenKind::X9, TScreenKind::X6, TScreenKind::X1}) {
        for (QSize s : Sizes) {
            int covered = 0;
            for (int place = 0; place < PlaceCount(kind); ++place)
                covered += PlaceRect(kind, place, s).width() * PlaceRect(kind, place, s).height();
            const int clickable = kind == TScreenKind::X1 ? X1BarRect(s).height() * s.width()
                                                          : s.width() * s.height();
            EXPECT_EQ(covered, clickable) << "places overlap or leave gaps";
            for (int y = 0; y < s.height(); ++y)
                for (int x = 0; x < s.width(); ++x) {
                    const QPoint p(x, y);
                    const int place = PlaceAt(kind, p, s);
                    ASSERT_EQ(place, expectedPlace(kind, p, s))
                        << x << "," << y << " of " << s.width();
                    if (place >= 0) {
                        ASSERT_TRUE(PlaceRect(kind, place, s).contains(p));
                    }
                }
        }
    }
}

TEST(ScreenGeometry, NamedPlacesAndPointsThatEditNothing) {
    // The lower right quarter of x4 is place 3; x6's four upper-left cells are its large place.
    EXPECT_EQ(PlaceAt(TScreenKind::X4, {300, 200}), 3);
    for (QPoint p : {QPoint(5, 5), QPoint(150, 5), QPoint(5, 150), QPoint(200, 150)})
        EXPECT_EQ(PlaceAt(TScreenKind::X6, p), 0);
    EXPECT_EQ(PlaceRect(TScreenKind::X6, 0), QRect(0, 0, 212, 160));
    // x1: the upper four sevenths (y < 960 / 7 = 137.1) open nothing.
    EXPECT_EQ(PlaceAt(TScreenKind::X1, {10, 137}), -1);
    EXPECT_EQ(PlaceAt(TScreenKind::X1, {10, 138}), 0);
    EXPECT_EQ(PlaceAt(TScreenKind::X1, {319, 239}), 3);
    EXPECT_EQ(X1ValueRect().bottom() + 1, X1BarRect().top());
    // Outside the screen, on screens without places, and on a preview too small to divide.
    EXPECT_EQ(PlaceAt(TScreenKind::X4, {-1, 5}), -1);
    EXPECT_EQ(PlaceAt(TScreenKind::X9, {320, 5}), -1);
    EXPECT_EQ(PlaceAt(TScreenKind::Menu, {5, 100}), -1);
    EXPECT_EQ(PlaceAt(TScreenKind::X9, {1, 1}, {2, 2}), -1);
    EXPECT_TRUE(PlaceRect(TScreenKind::X9, 0, {2, 2}).isEmpty());
    EXPECT_TRUE(PlaceRect(TScreenKind::X4, 4).isEmpty());
}

TEST(ScreenGeometry, MenuAndAveragesRowsFollowTheTitle) {
    EXPECT_EQ(TitleRect(), QRect(0, 0, 320, 30));
    EXPECT_EQ(MenuRowRect(0).top(), 30);
    EXPECT_EQ(MenuRowRect(MenuRows - 1).bottom(), 239);
    EXPECT_EQ(AverageRowRect(AverageRows - 1).bottom(), 239);
    for (int row = 1; row < MenuRows; ++row)
        EXPECT_EQ(MenuRowRect(row).top(), MenuRowRect(row - 1).bottom() + 1);
    EXPECT_EQ(MenuNumberRect(3).right() + 1, MenuCaptionRect(3).left());
    EXPECT_TRUE(MenuRowRect(MenuRows).isEmpty());
}
