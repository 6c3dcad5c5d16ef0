#include "ScreenRenderer.h"

#include "Language.h"
#include "MeasParsH.h"
#include "PlacePainter.h"
#include "SampleValues.h"
#include "ScreenParts.h"
#include "ScreenText.h"

#include <QPainter>
#include <algorithm>

namespace {

constexpr int X6Styles[6] = {1, 2, 1, 2, 1, 2};

TPlaceSize placeSize(TScreenKind kind, int place) {
    switch (kind) {
    case TScreenKind::X4:
        return TPlaceSize::Medium;
    case TScreenKind::X6:
        return place == 0 ? TPlaceSize::Large : TPlaceSize::Small;
    default:
        return TPlaceSize::Small;
    }
}

} // namespace

int PlaceStyle(TScreenKind kind, int place) {
    switch (kind) {
    case TScreenKind::X4:
        return (place % 2 + place / 2) % 2 + 1;
    case TScreenKind::X9:
        return (place % 3 + place / 3) % 2 + 1;
    case TScreenKind::X6:
        return place >= 0 && place < 6 ? X6Styles[place] : 1;
    default:
        return 1;
    }
}

TScreenRenderer::TScreenRenderer(const TScreenColours& colours, const TMeasParList& params,
                                 TDisplayOptions options)
    : colours_(colours), params_(params), options_(options) {}

void TScreenRenderer::SetOfferedCodes(std::vector<std::uint8_t> codes) {
    offered_ = std::move(codes);
    restricted_ = true;
}

const TMeasParBase* TScreenRenderer::parameter(std::uint8_t code) const {
    if (code == 0) return nullptr;
    if (restricted_ && std::find(offered_.begin(), offered_.end(), code) == offered_.end())
        return nullptr;
    TMeasParBase* p = params_.Find(code);
    if (p) p->PrepareData();
    return p;
}

QImage TScreenRenderer::Render(const TScreenContent& screen) const {
    QImage image(ScreenSize, QImage::Format_RGB32);
    QPainter painter(&image);
    Paint(painter, screen);
    return image;
}

QImage TScreenRenderer::RenderToFit(const TScreenContent& screen, QSize box) const {
    const QSize size =
        ScreenSize.scaled(box.expandedTo({1, 1}), Qt::KeepAspectRatio).expandedTo({1, 1});
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.scale(qreal(size.width()) / ScreenWidth, qreal(size.height()) / ScreenHeight);
    Paint(painter, screen);
    return image;
}

void TScreenRenderer::Paint(QPainter& painter, const TScreenContent& screen) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setClipRect(QRect(QPoint(0, 0), ScreenSize));
    painter.fillRect(QRect(QPoint(0, 0), ScreenSize), colours_.Role(TColourRole::DigitFrame));
    switch (screen.kind) {
    case TScreenKind::X4:
    case TScreenKind::X6:
    case TScreenKind::X9:
        paintPlaces(painter, screen);
        break;
    case TScreenKind::X1:
        paintX1(painter, screen);
        break;
    case TScreenKind::Averages:
        PaintAveragesScreen(painter, colours_, screen.averages);
        break;
    case TScreenKind::Menu:
        PaintMenuScreen(painter, colours_, screen);
        break;
    }
    painter.restore();
}

void TScreenRenderer::paintPlaces(QPainter& painter, const TScreenContent& screen) const {
    for (int place = 0; place < PlaceCount(screen.kind); ++place) {
        const TInk ink = PlaceInk(colours_, PlaceStyle(screen.kind, place));
        const QRectF box = FillPlace(painter, PlaceRect(screen.kind, place), ink.back);
        const std::uint8_t code =
            std::size_t(place) < screen.codes.size() ? screen.codes[std::size_t(place)] : 0;
        PaintPlace(painter, box, {code, parameter(code)}, ink, placeSize(screen.kind, place));
    }
}

void TScreenRenderer::paintX1(QPainter& painter, const TScreenContent& screen) const {
    const TInk ink = PlaceInk(colours_, 1);
    const QRectF top = FillPlace(painter, X1ValueRect(), ink.back);
    PaintX1Value(painter, top, {screen.mainCode, parameter(screen.mainCode)}, ink,
                 options_.consumptionBarLimit);
    const TInk panel = BottomPanelInk(colours_);
    for (int place = 0; place < PlaceCount(TScreenKind::X1); ++place) {
        const QRectF box = FillPlace(painter, PlaceRect(TScreenKind::X1, place), panel.back);
        const std::uint8_t code =
            std::size_t(place) < screen.codes.size() ? screen.codes[std::size_t(place)] : 0;
        PaintPlace(painter, box, {code, parameter(code)}, panel, TPlaceSize::Small);
    }
}
