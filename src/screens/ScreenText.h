#pragma once

// The lettering of the screens: one narrow sans-serif face, texts fitted into their boxes.

#include <QFont>
#include <QRectF>
#include <QStringList>

class QPainter;

QFont ScreenFont(qreal pixelSize, bool bold = false);

// Draws the first of the candidate texts that fits the box's width at pixelSize, shrinking
// the size down to minPixelSize; when none fits, the last candidate cut short with "…".
// Returns the width the drawn text takes.
qreal DrawFittedText(QPainter& painter, const QRectF& box, const QStringList& candidates,
                     qreal pixelSize, qreal minPixelSize, Qt::Alignment align, bool bold = false);

// The width of a text at a pixel size.
qreal TextWidth(const QString& text, qreal pixelSize, bool bold = false);
