#include "ScreenGeometry.h"

#include <algorithm>

namespace {

// Division of a length into n cells of length div n; the last cell takes the remainder.
struct Cells {
    int length, n;

    int step() const { return length / n; }
    // -1 outside 0..length-1 and when the length is too short to divide.
    int at(int coord) const {
        if (step() <= 0 || coord < 0 || coord >= length) return -1;
        return std::min(coord / step(), n - 1);
    }
    int begin(int cell) const { return cell * step(); }
    int end(int cell) const { return cell == n - 1 ? length : (cell + 1) * step(); }
};

QRect span(const Cells& cols, int c0, int c1, const Cells& rows, int r0, int r1, int top = 0) {
    return QRect(QPoint(cols.begin(c0), top + rows.begin(r0)),
                 QPoint(cols.end(c1) - 1, top + rows.end(r1) - 1));
}

// The cells of an x6 screen (row by row, 3 x 3) to its places: the four upper-left cells
// are the large place 0.
constexpr int X6PlaceOfCell[9] = {0, 0, 1, 0, 0, 2, 3, 4, 5};

int x1BarTop(int h) {
    return (4 * h + 6) / 7; // the first y with 7y >= 4h
}

int gridPlace(int n, QPoint p, QSize s) {
    const int col = Cells{s.width(), n}.at(p.x()), row = Cells{s.height(), n}.at(p.y());
    return col < 0 || row < 0 ? -1 : col + n * row;
}

int titleHeight(QSize s) {
    return s.height() / 8;
}

QRect rowRect(int row, int rows, QSize s) {
    if (row < 0 || row >= rows) return {};
    const int top = titleHeight(s);
    const Cells r{s.height() - top, rows}, c{s.width(), 1};
    if (r.step() <= 0) return {};
    return span(c, 0, 0, r, row, row, top);
}

} // namespace

int PlaceCount(TScreenKind kind) {
    switch (kind) {
    case TScreenKind::X1:
    case TScreenKind::X4:
        return 4;
    case TScreenKind::X6:
        return 6;
    case TScreenKind::X9:
        return 9;
    case TScreenKind::Averages:
    case TScreenKind::Menu:
        break;
    }
    return 0;
}

int PlaceAt(TScreenKind kind, QPoint p, QSize s) {
    switch (kind) {
    case TScreenKind::X4:
        return gridPlace(2, p, s);
    case TScreenKind::X9:
        return gridPlace(3, p, s);
    case TScreenKind::X6: {
        const int cell = gridPlace(3, p, s);
        return cell < 0 ? -1 : X6PlaceOfCell[cell];
    }
    case TScreenKind::X1:
        if (p.y() < x1BarTop(s.height()) || p.y() >= s.height()) return -1;
        return Cells{s.width(), 4}.at(p.x());
    case TScreenKind::Averages:
    case TScreenKind::Menu:
        break;
    }
    return -1;
}

QRect PlaceRect(TScreenKind kind, int place, QSize s) {
    if (place < 0 || place >= PlaceCount(kind)) return {};
    const Cells c2{s.width(), 2}, r2{s.height(), 2}, c3{s.width(), 3}, r3{s.height(), 3};
    if (c3.step() <= 0 || r3.step() <= 0) return {};
    switch (kind) {
    case TScreenKind::X4:
        return span(c2, place % 2, place % 2, r2, place / 2, place / 2);
    case TScreenKind::X9:
        return span(c3, place % 3, place % 3, r3, place / 3, place / 3);
    case TScreenKind::X6:
        if (place == 0) return span(c3, 0, 1, r3, 0, 1);
        if (place <= 2) return span(c3, 2, 2, r3, place - 1, place - 1);
        return span(c3, place - 3, place - 3, r3, 2, 2);
    case TScreenKind::X1: {
        const QRect bar = X1BarRect(s);
        const Cells c4{s.width(), 4}, whole{bar.height(), 1};
        return span(c4, place, place, whole, 0, 0, bar.top());
    }
    case TScreenKind::Averages:
    case TScreenKind::Menu:
        break;
    }
    return {};
}

QRect X1ValueRect(QSize s) {
    return QRect(0, 0, s.width(), x1BarTop(s.height()));
}

QRect X1BarRect(QSize s) {
    const int top = x1BarTop(s.height());
    return QRect(0, top, s.width(), s.height() - top);
}

QRect TitleRect(QSize s) {
    return QRect(0, 0, s.width(), titleHeight(s));
}

QRect MenuRowRect(int row, QSize s) {
    return rowRect(row, MenuRows, s);
}

QRect AverageRowRect(int row, QSize s) {
    return rowRect(row, AverageRows, s);
}

QRect MenuNumberRect(int row, QSize s) {
    QRect r = MenuRowRect(row, s);
    r.setWidth(r.height() + r.height() / 3);
    return r;
}

QRect MenuCaptionRect(int row, QSize s) {
    QRect r = MenuRowRect(row, s);
    r.setLeft(MenuNumberRect(row, s).right() + 1);
    return r;
}
