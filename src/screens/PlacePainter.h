#pragma once

// One place of a screen: the parameter's caption, a sample value in its format, its unit,
// its icon and, for parameters with a scale, a bar. Also the pieces the x1, averages and
// menu screens share.

#include "ScreenIcons.h"

#include <QColor>
#include <QRectF>
#include <QString>
#include <cstdint>

class QPainter;
class TMeasParBase;

// The two colours a place is drawn in.
struct TInk {
    QColor text, back;
    // Unlit segments and the empty part of a bar: the text colour faintly over the back.
    QColor Faint() const;
};

// Proportions of a place: small (x9, the x1 bar, x6's five), medium (x4), large (x6's one).
enum class TPlaceSize { Small, Medium, Large };

struct TPlaceParameter {
    std::uint8_t code = 0;               // 0: an empty place
    const TMeasParBase* param = nullptr; // null with a code: one the device does not offer
};

// Draws the place's contents inside box (its background already filled).
void PaintPlace(QPainter& painter, const QRectF& box, const TPlaceParameter& place, const TInk& ink,
                TPlaceSize size);

// A value: segment digits when it has only digits and signs, lettering otherwise; as large
// as the box allows, aligned left, right or centred, vertically centred.
void DrawValue(QPainter& painter, const QRectF& box, const QString& text, const TInk& ink,
               Qt::Alignment horizontal);

// A horizontal bar filled to fraction (0..1): continuous, or in that many segments.
void DrawBar(QPainter& painter, const QRectF& box, double fraction, const TInk& ink,
             int segments = 0);

void DrawIcon(QPainter& painter, TIcon icon, const QRectF& box, const QColor& colour);

// The unknown code as the place shows it: "?" and the code.
QString UnknownCodeText(std::uint8_t code);
