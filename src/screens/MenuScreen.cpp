// The device's menu: a title over its rows, the active row highlighted and marked with an
// arrow, hot-menu rows led by their numbers.

#include "ScreenParts.h"
#include "ScreenText.h"

#include <QPainter>

namespace {

constexpr qreal Pad = 6;
constexpr qreal TitleSize = 17;
constexpr qreal RowSize = 15;

} // namespace

void PaintMenuScreen(QPainter& painter, const TScreenColours& colours,
                     const TScreenContent& screen) {
    const TInk title = PlaceInk(colours, 2), body = PlaceInk(colours, 1);
    const QRectF titleBox = FillPlace(painter, TitleRect(), title.back);
    painter.setPen(title.text);
    DrawFittedText(painter, titleBox.adjusted(Pad, 0, -Pad, 0), {screen.title}, TitleSize,
                   TitleSize - 4, Qt::AlignCenter, true);

    QRect rows = MenuRowRect(0).united(MenuRowRect(MenuRows - 1));
    FillPlace(painter, rows, body.back);
    const QColor activeText = colours.Role(TColourRole::MenuActiveColor);
    const QColor activeBack = colours.Role(TColourRole::MenuActiveBack);
    const QColor hotNumber = colours.Role(TColourRole::MenuHotNumColor);
    const int count = std::min<int>(MenuRows, int(screen.menu.size()));
    for (int row = 0; row < count; ++row) {
        const TMenuLine& line = screen.menu[std::size_t(row)];
        const bool active = row == screen.activeRow;
        QRectF caption = QRectF(MenuCaptionRect(row)).adjusted(0, 1, -Pad, -1);
        if (active) {
            const QRectF band = QRectF(MenuRowRect(row)).adjusted(2, 1, -2, -1);
            painter.setPen(Qt::NoPen);
            painter.setBrush(activeBack);
            painter.drawRoundedRect(band, 3, 3);
            painter.setBrush(Qt::NoBrush);
            const qreal side = band.height() - 4;
            DrawIcon(painter, TIcon::Arrow,
                     QRectF(band.right() - side - 2, band.center().y() - side / 2, side, side),
                     activeText);
            caption.setRight(band.right() - side - Pad);
        }
        if (line.hotNumber >= 0) {
            painter.setPen(hotNumber);
            DrawFittedText(painter, MenuNumberRect(row), {QString::number(line.hotNumber)}, RowSize,
                           RowSize - 3, Qt::AlignCenter, true);
        }
        painter.setPen(active ? activeText : body.text);
        DrawFittedText(painter, caption, {line.caption}, RowSize, RowSize - 3,
                       Qt::AlignLeft | Qt::AlignVCenter, active);
    }
}
