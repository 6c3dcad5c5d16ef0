#pragma once

// The small pictures the screens use, drawn as vector paths of our own: a fuel pump, a
// thermometer, a scale, a dial and an arrow. Each is designed on a 24 x 24 grid and scaled
// into the box it is given, keeping its proportions.

#include <QPainterPath>
#include <QRectF>

enum class TIcon { None, FuelPump, Thermometer, Scale, Dial, Arrow };

// The icon's outline fitted and centred in box; empty for None.
QPainterPath IconPath(TIcon icon, const QRectF& box);

// The icon a parameter's place shows, by its measured-parameter class name.
TIcon IconOfParameter(const QString& className);
