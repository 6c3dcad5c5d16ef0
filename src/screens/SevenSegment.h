#pragma once

// Values drawn as the segment digits of an instrument, as vector paths: digits, '-', '.',
// ':' and blanks. The unlit segments come as a second path, which the painter shows
// faintly as a real segment display does.

#include <QPainterPath>
#include <QPointF>
#include <QStringView>

// True when every character of the text has a segment form.
bool IsSegmentText(QStringView text);

// Width of the text in digits of height h (slant included).
qreal SegmentTextWidth(QStringView text, qreal h);

// Adds the text's segments, with its top left corner at origin and digits of height h.
struct TSegmentPaths {
    QPainterPath lit, unlit;
};
void AddSegmentText(TSegmentPaths& paths, QStringView text, QPointF origin, qreal h);
