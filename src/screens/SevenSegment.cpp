#include "SevenSegment.h"

#include <QPolygonF>
#include <array>

namespace {

// Proportions of a digit, in units of its height.
constexpr qreal DigitWidth = 0.5;
constexpr qreal Thickness = 0.12;
constexpr qreal SegmentGap = 0.015; // between the ends of neighbouring segments
constexpr qreal Spacing = 0.13;     // between characters
constexpr qreal PointWidth = 0.16;
constexpr qreal ColonWidth = 0.2;
constexpr qreal Slant = 0.08; // the top leans right by this much

// Segments a..g as bits 0..6.
enum : std::uint8_t { A = 1, B = 2, C = 4, D = 8, E = 16, F = 32, G = 64 };
constexpr std::array<std::uint8_t, 10> DigitSegments = {
    A | B | C | D | E | F, B | C,         A | B | G | E | D,
    A | B | G | C | D,     F | G | B | C, A | F | G | C | D,
    A | F | G | E | D | C, A | B | C,     A | B | C | D | E | F | G,
    A | B | C | D | F | G};

qreal charWidth(QChar c) {
    if (c == u'.') return PointWidth;
    if (c == u':') return ColonWidth;
    return DigitWidth;
}

// Maps a point of the upright glyph (x, y from its top left, in pixels) to the slanted one.
struct Glyph {
    QPointF origin;
    qreal h;
    QPointF at(qreal x, qreal y) const {
        return {origin.x() + x + Slant * (h - y), origin.y() + y};
    }
};

QPolygonF horizontal(const Glyph& g, qreal x0, qreal x1, qreal y, qreal t) {
    return QPolygonF({g.at(x0, y), g.at(x0 + t / 2, y - t / 2), g.at(x1 - t / 2, y - t / 2),
                      g.at(x1, y), g.at(x1 - t / 2, y + t / 2), g.at(x0 + t / 2, y + t / 2)});
}

QPolygonF vertical(const Glyph& g, qreal x, qreal y0, qreal y1, qreal t) {
    return QPolygonF({g.at(x, y0), g.at(x + t / 2, y0 + t / 2), g.at(x + t / 2, y1 - t / 2),
                      g.at(x, y1), g.at(x - t / 2, y1 - t / 2), g.at(x - t / 2, y0 + t / 2)});
}

void addDigit(TSegmentPaths& paths, const Glyph& g, std::uint8_t lit) {
    const qreal h = g.h, t = Thickness * h, w = DigitWidth * h, gap = SegmentGap * h;
    const qreal left = t / 2, right = w - t / 2, top = t / 2, mid = h / 2, bottom = h - t / 2;
    const std::array<QPolygonF, 7> segments = {horizontal(g, left + gap, right - gap, top, t),
                                               vertical(g, right, top + gap, mid - gap, t),
                                               vertical(g, right, mid + gap, bottom - gap, t),
                                               horizontal(g, left + gap, right - gap, bottom, t),
                                               vertical(g, left, mid + gap, bottom - gap, t),
                                               vertical(g, left, top + gap, mid - gap, t),
                                               horizontal(g, left + gap, right - gap, mid, t)};
    for (std::size_t i = 0; i < segments.size(); ++i)
        (lit & (1u << i) ? paths.lit : paths.unlit).addPolygon(segments[i]);
}

void addDot(QPainterPath& path, const Glyph& g, qreal x, qreal y) {
    const qreal t = Thickness * g.h;
    const QPointF c = g.at(x, y);
    path.addRect(QRectF(c.x() - t / 2, c.y() - t / 2, t, t));
}

} // namespace

bool IsSegmentText(QStringView text) {
    for (QChar c : text)
        if (!c.isDigit() && c != u'-' && c != u'.' && c != u':' && c != u' ') return false;
    return !text.isEmpty();
}

qreal SegmentTextWidth(QStringView text, qreal h) {
    qreal w = 0;
    for (QChar c : text)
        w += charWidth(c) * h;
    return w + Spacing * h * qreal(std::max<qsizetype>(0, text.size() - 1)) + Slant * h;
}

void AddSegmentText(TSegmentPaths& paths, QStringView text, QPointF origin, qreal h) {
    qreal x = origin.x();
    for (QChar c : text) {
        const Glyph g{{x, origin.y()}, h};
        if (c == u'.') {
            addDot(paths.lit, g, PointWidth * h / 2, h - Thickness * h / 2);
        } else if (c == u':') {
            addDot(paths.lit, g, ColonWidth * h / 2, h * 0.3);
            addDot(paths.lit, g, ColonWidth * h / 2, h * 0.7);
        } else if (c == u'-') {
            addDigit(paths, g, G);
        } else if (c.isDigit()) {
            addDigit(paths, g, DigitSegments[std::size_t(c.digitValue())]);
        }
        x += (charWidth(c) + Spacing) * h;
    }
}
