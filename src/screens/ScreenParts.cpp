#include "ScreenParts.h"

#include "Language.h"
#include "MeasParsH.h"
#include "SampleValues.h"
#include "ScreenText.h"

#include <QPainter>

namespace {

constexpr qreal PlaceRadius = 3;
constexpr qreal MinContrast = 0.3; // difference of luminance below which digits fade out
constexpr int ConsumptionSegments = 20;

// x1 upper part, in pixels of the 320 x 240 screen.
constexpr qreal X1Pad = 8;
constexpr qreal X1Caption = 20;
constexpr qreal X1Strip = 16;

qreal luminance(const QColor& c) {
    return 0.2126 * c.redF() + 0.7152 * c.greenF() + 0.0722 * c.blueF();
}

} // namespace

TInk PlaceInk(const TScreenColours& colours, int style) {
    if (style == 2)
        return {colours.Role(TColourRole::DigitColor2), colours.Role(TColourRole::DigitBack2)};
    return {colours.Role(TColourRole::DigitColor1), colours.Role(TColourRole::DigitBack1)};
}

TInk BottomPanelInk(const TScreenColours& colours) {
    const QColor panel = colours.Role(TColourRole::DigitBottomPanel);
    const QColor digits = colours.Role(TColourRole::DigitColor1);
    const QColor other = colours.Role(TColourRole::DigitBack1);
    const qreal own = std::abs(luminance(digits) - luminance(panel));
    if (own < MinContrast && std::abs(luminance(other) - luminance(panel)) > own)
        return {other, panel};
    return {digits, panel};
}

QRectF FillPlace(QPainter& painter, const QRect& place, const QColor& back) {
    const QRectF box = QRectF(place).adjusted(1, 1, -1, -1);
    painter.setPen(Qt::NoPen);
    painter.setBrush(back);
    painter.drawRoundedRect(box, PlaceRadius, PlaceRadius);
    painter.setBrush(Qt::NoBrush);
    return box;
}

void PaintX1Value(QPainter& painter, const QRectF& box, const TPlaceParameter& place,
                  const TInk& ink, int consumptionBarLimit) {
    const QRectF inner = box.adjusted(X1Pad, 3, -X1Pad, -4);
    const QRectF caption(inner.left(), inner.top(), inner.width(), X1Caption + 4);
    const QRectF strip(inner.left(), inner.bottom() - X1Strip, inner.width(), X1Strip);
    QRectF valueBox(inner.left(), caption.bottom() + 2, inner.width(),
                    strip.top() - caption.bottom() - 6);

    // The instant-consumption bar, full scale at the display's limit.
    const int limit = std::max(1, consumptionBarLimit);
    const QString unit = Tx("l/h", "л/ч");
    const QString limitText = QString::number(limit);
    const qreal labelSize = X1Strip - 3;
    painter.setPen(ink.text);
    painter.setFont(ScreenFont(labelSize));
    const qreal zeroWidth = TextWidth(QStringLiteral("0"), labelSize);
    const qreal endWidth = TextWidth(limitText + ' ' + unit, labelSize);
    painter.drawText(strip, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("0"));
    painter.drawText(strip, Qt::AlignRight | Qt::AlignVCenter, limitText + ' ' + unit);
    DrawBar(painter, strip.adjusted(zeroWidth + 6, 3, -(endWidth + 6), -3),
            SampleConsumptionPerHour / (100.0 * limit), ink, ConsumptionSegments);

    if (place.code == 0) return;
    if (!place.param) {
        DrawValue(painter, valueBox, UnknownCodeText(place.code), ink, Qt::AlignHCenter);
        return;
    }
    const TMeasParBase& p = *place.param;
    painter.setPen(ink.text);
    const qreal unitWidth = DrawFittedText(painter, caption, {p.ShortUnit}, X1Caption - 2,
                                           X1Caption - 6, Qt::AlignRight | Qt::AlignVCenter);
    DrawFittedText(painter, caption.adjusted(0, 0, -(unitWidth + X1Pad), 0),
                   {p.Name, p.MidName, p.ShortName}, X1Caption, X1Caption - 5,
                   Qt::AlignLeft | Qt::AlignVCenter, true);
    const TIcon icon = IconOfParameter(p.ClassName);
    if (icon != TIcon::None) {
        const qreal side = valueBox.height() * 0.8;
        DrawIcon(painter, icon,
                 QRectF(valueBox.left(), valueBox.center().y() - side / 2, side, side), ink.text);
        valueBox.setLeft(valueBox.left() + side + X1Pad);
    }
    DrawValue(painter, valueBox, SampleValue(p).text, ink, Qt::AlignRight);
}
