// The averages screens: one set of running averages (trip, the two resets, totals, in and
// out of traffic jams, taximeter, petrol, gas) under its title.

#include "Language.h"
#include "ScreenParts.h"
#include "ScreenText.h"

#include <QPainter>

namespace {

constexpr qreal Pad = 8;
constexpr qreal CaptionSize = 15;
constexpr qreal TitleSize = 18;
constexpr qreal UnitColumn = 50;
constexpr int PricePerLitre = 50; // currency units, for the sample cost

// A plausible set: distance in tenths of a km, consumption in tenths of l/100 km, speed in
// km/h; time, fuel and cost follow from them.
struct AverageSet {
    TText title;
    int distance, consumption, speed;
};

// clang-format off
constexpr AverageSet Sets[AveragesSets] = {
    {{"Trip", "Поездка"},                 1246,   90, 48},
    {{"Reset 1", "Сброс 1"},              5310,   86, 52},
    {{"Reset 2", "Сброс 2"},             18275,   84, 55},
    {{"Total", "Общие"},                 96420,   83, 57},
    {{"In traffic jams", "В пробках"},     412,  132, 14},
    {{"Without jams", "Без пробок"},       834,   77, 63},
    {{"Taximeter", "Таксометр"},           268,   95, 31},
    {{"Petrol", "Бензин"},                 960,   92, 50},
    {{"Gas", "Газ"},                       286,  108, 44},
};

struct Row {
    TText caption, unit;
};
constexpr Row Rows[AverageRows] = {
    {{"Distance", "Пробег"},      {"km", "км"}},
    {{"Time", "Время"},           {"", ""}},
    {{"Fuel", "Топливо"},         {"l", "л"}},
    {{"Consumption", "Расход"},   {"l/100", "л/100"}},
    {{"Speed", "Скорость"},       {"km/h", "км/ч"}},
    {{"Cost", "Стоимость"},       {"CU", "У.е."}},
};
// clang-format on

QString tenths(long long v) {
    return QStringLiteral("%1.%2").arg(v / 10).arg(v % 10);
}

QStringList valuesOf(const AverageSet& s) {
    const long long minutes = 6LL * s.distance / s.speed; // tenths of km / (km/h) * 60 / 10
    const long long fuel = 1LL * s.distance * s.consumption / 1000; // tenths of a litre
    return {tenths(s.distance),
            QStringLiteral("%1:%2").arg(minutes / 60).arg(minutes % 60, 2, 10, QLatin1Char('0')),
            tenths(fuel),
            tenths(s.consumption),
            QString::number(s.speed),
            QString::number(fuel * PricePerLitre / 10)};
}

} // namespace

void PaintAveragesScreen(QPainter& painter, const TScreenColours& colours, int set) {
    const AverageSet& s = Sets[std::clamp(set, 0, AveragesSets - 1)];
    const TInk title = PlaceInk(colours, 2), body = PlaceInk(colours, 1);
    const QRectF titleBox = FillPlace(painter, TitleRect(), title.back);
    painter.setPen(title.text);
    DrawFittedText(painter, titleBox.adjusted(Pad, 0, -Pad, 0), {s.title.text()}, TitleSize,
                   TitleSize - 4, Qt::AlignCenter, true);
    const QStringList values = valuesOf(s);
    for (int row = 0; row < AverageRows; ++row) {
        const QRectF box = FillPlace(painter, AverageRowRect(row), body.back);
        const QRectF inner = box.adjusted(Pad, 2, -Pad, -2);
        painter.setPen(body.text);
        DrawFittedText(painter, inner, {Rows[row].caption.text()}, CaptionSize, CaptionSize - 3,
                       Qt::AlignLeft | Qt::AlignVCenter);
        const QRectF unitBox(inner.right() - UnitColumn, inner.top(), UnitColumn, inner.height());
        DrawFittedText(painter, unitBox, {Rows[row].unit.text()}, CaptionSize - 2, CaptionSize - 5,
                       Qt::AlignRight | Qt::AlignVCenter);
        const QRectF valueBox(inner.center().x() - Pad, inner.top(),
                              unitBox.left() - Pad - (inner.center().x() - Pad), inner.height());
        DrawValue(painter, valueBox, values[row], body, Qt::AlignRight);
    }
}
