#include "PlacePainter.h"

#include "MeasParsH.h"
#include "SampleValues.h"
#include "ScreenText.h"
#include "SevenSegment.h"

#include <QPainter>

namespace {

constexpr qreal FaintShare = 0.14;  // of the text colour in the faint colour
constexpr qreal SegmentFill = 0.86; // of the box height the digits take at most
constexpr qreal LetterFill = 0.72;  // the same for lettered values
constexpr qreal IconShare = 0.7;    // of the value's height an icon takes
constexpr qreal IconMaxWidth = 0.28;
constexpr qreal BarGap = 1; // between the segments of a segmented bar

struct Proportions {
    qreal pad, caption, strip;
    bool rangeLabels;
};

Proportions proportionsOf(TPlaceSize size) {
    switch (size) {
    case TPlaceSize::Small:
        return {4, 12, 11, false};
    case TPlaceSize::Medium:
        return {6, 15, 13, true};
    case TPlaceSize::Large:
        break;
    }
    return {8, 18, 15, true};
}

QStringList captionsOf(const TMeasParBase& p, TPlaceSize size) {
    switch (size) {
    case TPlaceSize::Small:
        return {p.ShortName};
    case TPlaceSize::Medium:
        return {p.MidName, p.ShortName};
    case TPlaceSize::Large:
        break;
    }
    return {p.Name, p.MidName, p.ShortName};
}

// The bottom strip: the unit at the right; a parameter with a scale gets its bar, with the
// range at its ends when there is room.
void drawScaleStrip(QPainter& painter, const QRectF& strip, const TMeasParBase& p, double fraction,
                    const TInk& ink, const Proportions& pr) {
    painter.setPen(ink.text);
    const qreal unitWidth =
        DrawFittedText(painter, strip, {p.ShortUnit}, pr.strip, pr.strip - 3, Qt::AlignRight);
    if (p.Attr1 == 0) return;
    QRectF bar = strip.adjusted(0, 0, -(unitWidth > 0 ? unitWidth + pr.pad : 0), 0);
    const qreal labelSize = pr.strip - 2;
    if (pr.rangeLabels) {
        const qreal minWidth = TextWidth(p.MinText, labelSize),
                    maxWidth = TextWidth(p.MaxText, labelSize);
        if (bar.width() > 3 * (minWidth + maxWidth)) {
            painter.setFont(ScreenFont(labelSize));
            painter.drawText(bar, Qt::AlignLeft | Qt::AlignVCenter, p.MinText);
            painter.drawText(bar, Qt::AlignRight | Qt::AlignVCenter, p.MaxText);
            bar.adjust(minWidth + 3, 0, -(maxWidth + 3), 0);
        }
    }
    const qreal h = std::max<qreal>(3, strip.height() * 0.45);
    DrawBar(painter, QRectF(bar.left(), strip.center().y() - h / 2, bar.width(), h), fraction, ink);
}

} // namespace

QColor TInk::Faint() const {
    auto mix = [](int a, int b) { return qRound(a + (b - a) * FaintShare); };
    return QColor(mix(back.red(), text.red()), mix(back.green(), text.green()),
                  mix(back.blue(), text.blue()));
}

QString UnknownCodeText(std::uint8_t code) {
    return QStringLiteral("?%1").arg(code);
}

void DrawValue(QPainter& painter, const QRectF& box, const QString& text, const TInk& ink,
               Qt::Alignment horizontal) {
    if (box.width() <= 0 || box.height() <= 0 || text.isEmpty()) return;
    if (!IsSegmentText(text)) {
        painter.setPen(ink.text);
        DrawFittedText(painter, box, {text}, box.height() * LetterFill, 6,
                       horizontal | Qt::AlignVCenter, true);
        return;
    }
    const qreal h = std::min(box.height() * SegmentFill, box.width() / SegmentTextWidth(text, 1));
    const qreal w = SegmentTextWidth(text, h);
    qreal x = box.left();
    if (horizontal & Qt::AlignRight)
        x = box.right() - w;
    else if (horizontal & Qt::AlignHCenter)
        x = box.center().x() - w / 2;
    TSegmentPaths paths;
    AddSegmentText(paths, text, QPointF(x, box.center().y() - h / 2), h);
    painter.fillPath(paths.unlit, ink.Faint());
    painter.fillPath(paths.lit, ink.text);
}

void DrawBar(QPainter& painter, const QRectF& box, double fraction, const TInk& ink, int segments) {
    if (box.width() <= 2 || box.height() <= 0) return;
    fraction = std::clamp(fraction, 0.0, 1.0);
    if (segments <= 0) {
        painter.fillRect(box, ink.Faint());
        painter.fillRect(QRectF(box.left(), box.top(), box.width() * fraction, box.height()),
                         ink.text);
        return;
    }
    const qreal step = box.width() / segments;
    const int lit = qRound(fraction * segments);
    for (int i = 0; i < segments; ++i)
        painter.fillRect(QRectF(box.left() + i * step, box.top(), step - BarGap, box.height()),
                         i < lit ? ink.text : ink.Faint());
}

void DrawIcon(QPainter& painter, TIcon icon, const QRectF& box, const QColor& colour) {
    painter.fillPath(IconPath(icon, box), colour);
}

void PaintPlace(QPainter& painter, const QRectF& box, const TPlaceParameter& place, const TInk& ink,
                TPlaceSize size) {
    if (place.code == 0) return;
    const Proportions pr = proportionsOf(size);
    const QRectF inner = box.adjusted(pr.pad, pr.pad - 2, -pr.pad, -pr.pad + 1);
    const QRectF captionBox(inner.left(), inner.top(), inner.width(), pr.caption + 3);
    const QRectF strip(inner.left(), inner.bottom() - pr.strip - 1, inner.width(), pr.strip + 1);
    QRectF valueBox(inner.left(), captionBox.bottom(), inner.width(),
                    strip.top() - captionBox.bottom());
    if (!place.param) {
        DrawValue(painter, valueBox, UnknownCodeText(place.code), ink, Qt::AlignHCenter);
        return;
    }
    const TMeasParBase& p = *place.param;
    painter.setPen(ink.text);
    DrawFittedText(painter, captionBox, captionsOf(p, size), pr.caption, pr.caption - 3,
                   Qt::AlignLeft | Qt::AlignVCenter);
    const TIcon icon = IconOfParameter(p.ClassName);
    if (icon != TIcon::None) {
        const qreal side = std::min(valueBox.height() * IconShare, valueBox.width() * IconMaxWidth);
        DrawIcon(painter, icon,
                 QRectF(valueBox.left(), valueBox.center().y() - side / 2, side, side), ink.text);
        valueBox.setLeft(valueBox.left() + side + pr.pad);
    }
    const TSampleValue sample = SampleValue(p);
    DrawValue(painter, valueBox, sample.text, ink, Qt::AlignRight);
    drawScaleStrip(painter, strip, p, sample.fraction, ink, pr);
}
