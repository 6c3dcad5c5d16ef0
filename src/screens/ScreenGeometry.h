#pragma once

// Where every place of every screen lies, for the screen itself (320 x 240) or for a
// preview of any size. The rectangles divide a screen exactly as a click on a preview is
// read: a column is w div n pixels wide and a row h div n high, and the pixels that the
// division leaves over belong to the last column or row, so every point finds a place.

#include <QPoint>
#include <QRect>
#include <QSize>

enum class TScreenKind {
    X1,       // one large value over a bar of four small places (the lower three sevenths)
    X4,       // 2 x 2 places
    X6,       // one large place over the left two thirds of the upper two rows, five small
    X9,       // 3 x 3 places
    Averages, // a title over the rows of one set of averages
    Menu,     // a title over the menu's rows
};

constexpr int ScreenWidth = 320;
constexpr int ScreenHeight = 240;
constexpr QSize ScreenSize{ScreenWidth, ScreenHeight};

// Places a layout stores codes for: x1 4 (its bottom bar), x4 4, x6 6, x9 9, the others 0.
int PlaceCount(TScreenKind kind);

// The place under p on a screen of size s, or -1 where there is none (outside the screen,
// the x1 screen's upper part, averages and menu screens, a screen too small to divide).
// Places: x4 0 top left, 1 top right, 2 bottom left, 3 bottom right; x9 row by row; x6
// 0 the large place, 1 upper right, 2 middle right, 3..5 the bottom row; x1 the bar from
// the left.
int PlaceAt(TScreenKind kind, QPoint p, QSize s = ScreenSize);

// The rectangle of a place (empty for a place the kind does not have).
QRect PlaceRect(TScreenKind kind, int place, QSize s = ScreenSize);

// The x1 screen's upper part (the large value) and its bottom bar. The bar starts at the
// first row y with y >= 4h / 7.
QRect X1ValueRect(QSize s = ScreenSize);
QRect X1BarRect(QSize s = ScreenSize);

// Menu and averages screens: a title strip of an eighth of the height, then rows.
constexpr int MenuRows = 10;
constexpr int AverageRows = 6;
QRect TitleRect(QSize s = ScreenSize);
QRect MenuRowRect(int row, QSize s = ScreenSize);
QRect AverageRowRect(int row, QSize s = ScreenSize);
// The menu row's column for the hot-item number, and the rest of the row for its caption.
QRect MenuNumberRect(int row, QSize s = ScreenSize);
QRect MenuCaptionRect(int row, QSize s = ScreenSize);
