#pragma once

// Pieces of the screen painter shared by its sources (not part of the layer's interface).

#include "PlacePainter.h"
#include "ScreenColours.h"
#include "ScreenContent.h"

#include <QRect>

class QPainter;

// The colours of place style 1 or 2.
TInk PlaceInk(const TScreenColours& colours, int style);
// The bottom panel: its colour behind the style-1 digits, or behind the style-1 background
// colour when the digits would hardly stand out from the panel.
TInk BottomPanelInk(const TScreenColours& colours);

// Fills a place's rectangle inside the frame lines; returns the filled box.
QRectF FillPlace(QPainter& painter, const QRect& place, const QColor& back);

// The x1 screen's upper part: name, unit, icon, the large value and the instant-consumption
// bar with its full scale (l/h).
void PaintX1Value(QPainter& painter, const QRectF& box, const TPlaceParameter& place,
                  const TInk& ink, int consumptionBarLimit);

void PaintAveragesScreen(QPainter& painter, const TScreenColours& colours, int set);
void PaintMenuScreen(QPainter& painter, const TScreenColours& colours,
                     const TScreenContent& screen);
