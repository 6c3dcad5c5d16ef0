#include "ScreenIcons.h"

#include <QLatin1StringView>
#include <QPainterPathStroker>
#include <QPolygonF>
#include <QTransform>
#include <array>
#include <cmath>
#include <numbers>

namespace {

constexpr qreal Grid = 24; // the design grid

QPainterPath stroked(const QPainterPath& line, qreal width) {
    QPainterPathStroker s;
    s.setWidth(width);
    s.setCapStyle(Qt::RoundCap);
    s.setJoinStyle(Qt::RoundJoin);
    return s.createStroke(line);
}

QPainterPath fuelPump() {
    QPainterPath body;
    body.addRoundedRect(QRectF(3, 3, 11, 17), 1.5, 1.5);
    QPainterPath window;
    window.addRect(QRectF(5, 5.5, 7, 5));
    QPainterPath base;
    base.addRect(QRectF(1.5, 19.5, 14, 2.5));
    QPainterPath hose(QPointF(14, 13));
    hose.lineTo(17, 13);
    hose.lineTo(17, 18);
    hose.quadTo(17, 20, 19, 20);
    hose.quadTo(21, 20, 21, 18);
    hose.lineTo(21, 8.5);
    hose.lineTo(18, 5);
    QPainterPath nozzle;
    nozzle.addRect(QRectF(19.5, 7.5, 3, 4));
    return body.subtracted(window).united(base).united(stroked(hose, 1.6)).united(nozzle);
}

QPainterPath thermometer() {
    QPainterPath outer;
    outer.addRoundedRect(QRectF(10, 1.5, 6, 16), 3, 3);
    outer.addEllipse(QPointF(13, 18.5), 4.5, 4.5);
    outer.setFillRule(Qt::WindingFill);
    QPainterPath inner;
    inner.addRoundedRect(QRectF(11.5, 3, 3, 14), 1.5, 1.5);
    inner.addEllipse(QPointF(13, 18.5), 3, 3);
    inner.setFillRule(Qt::WindingFill);
    QPainterPath mercury;
    mercury.addRect(QRectF(12.2, 9, 1.6, 8));
    mercury.addEllipse(QPointF(13, 18.5), 2.2, 2.2);
    mercury.setFillRule(Qt::WindingFill);
    QPainterPath ticks;
    for (qreal y : {4.5, 8.0, 11.5})
        ticks.addRect(QRectF(5.5, y - 0.6, 3, 1.2));
    return outer.simplified()
        .subtracted(inner.simplified())
        .united(mercury.simplified())
        .united(ticks);
}

QPainterPath scale() {
    QPainterPath p;
    p.addRect(QRectF(1.5, 16, 21, 1.6));
    for (int i = 0; i <= 4; ++i) {
        const qreal x = 2 + 5 * i, h = i % 2 == 0 ? 7 : 4;
        p.addRect(QRectF(x - 0.65, 16 - h, 1.3, h));
    }
    // A pointer resting on the scale.
    p.addPolygon(QPolygonF({QPointF(14.5, 5), QPointF(17.5, 5), QPointF(16, 8.5)}));
    p.closeSubpath();
    p.setFillRule(Qt::WindingFill);
    return p.simplified();
}

QPainterPath dial() {
    constexpr qreal cx = 12, cy = 13.5, r = 9.5;
    QPainterPath arc;
    arc.arcMoveTo(QRectF(cx - r, cy - r, 2 * r, 2 * r), 215);
    arc.arcTo(QRectF(cx - r, cy - r, 2 * r, 2 * r), 215, -250);
    QPainterPath p = stroked(arc, 1.6);
    for (int i = 0; i <= 5; ++i) {
        const qreal a = (215 - 50.0 * i) * std::numbers::pi / 180;
        QPainterPath tick(QPointF(cx + 0.55 * r * std::cos(a), cy - 0.55 * r * std::sin(a)));
        tick.lineTo(cx + 0.75 * r * std::cos(a), cy - 0.75 * r * std::sin(a));
        p = p.united(stroked(tick, 1.2));
    }
    const qreal needle = 40 * std::numbers::pi / 180;
    QPainterPath hand(QPointF(cx, cy));
    hand.lineTo(cx + 0.8 * r * std::cos(needle), cy - 0.8 * r * std::sin(needle));
    QPainterPath hub;
    hub.addEllipse(QPointF(cx, cy), 2.2, 2.2);
    return p.united(stroked(hand, 1.6)).united(hub);
}

QPainterPath arrow() {
    QPainterPath p;
    p.addPolygon(QPolygonF({QPointF(3, 9), QPointF(12, 9), QPointF(12, 4), QPointF(21, 12),
                            QPointF(12, 20), QPointF(12, 15), QPointF(3, 15)}));
    p.closeSubpath();
    return p;
}

// Built once: the union operations are the costly part.
const QPainterPath& designed(TIcon icon) {
    static const std::array<QPainterPath, 6> paths = {QPainterPath(), fuelPump(), thermometer(),
                                                      scale(),        dial(),     arrow()};
    return paths[std::size_t(icon)];
}

struct ParameterIcon {
    const char* className;
    TIcon icon;
};

// clang-format off
constexpr ParameterIcon ParameterIcons[] = {
    {"TTripExpense", TIcon::FuelPump},
    {"TTripMomentaryExpenseK", TIcon::FuelPump},
    {"TOil", TIcon::FuelPump},
    {"TMomentaryExpenseK", TIcon::FuelPump},
    {"TMomentaryExpenseH", TIcon::FuelPump},
    {"TMomentaryExpenseL", TIcon::FuelPump},
    {"TTemperAir", TIcon::Thermometer},
    {"TTemperLiq", TIcon::Thermometer},
    {"TTemperIntakeAir", TIcon::Thermometer},
    {"TTemperOilAKPP", TIcon::Thermometer},
    {"TTemperOilEng", TIcon::Thermometer},
    {"TRetarderOilTemper", TIcon::Thermometer},
    {"THVBTemper", TIcon::Thermometer},
    {"THVBAirIntakeTemper", TIcon::Thermometer},
    {"TInvTemper", TIcon::Thermometer},
    {"TTemperEngBoat", TIcon::Thermometer},
    {"TTemperWat", TIcon::Thermometer},
    {"TTemperCyl", TIcon::Thermometer},
    {"TTemperCylLeft", TIcon::Thermometer},
    {"TTemperCylRight", TIcon::Thermometer},
    {"TElEngTemper", TIcon::Thermometer},
    {"TVelocity", TIcon::Dial},
    {"TTripVelocity", TIcon::Dial},
    {"TRevolutions", TIcon::Dial},
    {"TMAP", TIcon::Dial},
    {"TFuelPressFact", TIcon::Dial},
    {"TTurboPress", TIcon::Dial},
    {"TPressOilEngine", TIcon::Dial},
    {"TPrognoz", TIcon::Arrow},
    {"TThrottle", TIcon::Scale},
    {"TThrottle2", TIcon::Scale},
    {"TEngCalcLoad", TIcon::Scale},
    {"THVBChargeLevel", TIcon::Scale},
};
// clang-format on

} // namespace

QPainterPath IconPath(TIcon icon, const QRectF& box) {
    if (icon == TIcon::None || box.isEmpty()) return {};
    const qreal k = std::min(box.width(), box.height()) / Grid;
    QTransform t;
    t.translate(box.center().x() - k * Grid / 2, box.center().y() - k * Grid / 2);
    t.scale(k, k);
    return t.map(designed(icon));
}

TIcon IconOfParameter(const QString& className) {
    for (const ParameterIcon& p : ParameterIcons)
        if (className == QLatin1StringView(p.className)) return p.icon;
    return TIcon::None;
}
