#include "ScreenText.h"

#include <QFontMetricsF>
#include <QPainter>

namespace {

constexpr qreal ShrinkStep = 1;

} // namespace

QFont ScreenFont(qreal pixelSize, bool bold) {
    QFont f;
    f.setFamilies({QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans"),
                   QStringLiteral("Liberation Sans Narrow"), QStringLiteral("Arial Narrow"),
                   QStringLiteral("Arial")});
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(std::max(1, qRound(pixelSize)));
    f.setBold(bold);
    return f;
}

qreal TextWidth(const QString& text, qreal pixelSize, bool bold) {
    return QFontMetricsF(ScreenFont(pixelSize, bold)).horizontalAdvance(text);
}

qreal DrawFittedText(QPainter& painter, const QRectF& box, const QStringList& candidates,
                     qreal pixelSize, qreal minPixelSize, Qt::Alignment align, bool bold) {
    if (candidates.isEmpty() || box.width() <= 0) return 0;
    for (qreal size = pixelSize; size >= minPixelSize; size -= ShrinkStep) {
        const QFont font = ScreenFont(size, bold);
        const QFontMetricsF fm(font);
        for (const QString& text : candidates) {
            const qreal w = fm.horizontalAdvance(text);
            if (w > box.width()) continue;
            painter.setFont(font);
            painter.drawText(box, align, text);
            return w;
        }
    }
    const QFont font = ScreenFont(minPixelSize, bold);
    const QFontMetricsF fm(font);
    const QString cut = fm.elidedText(candidates.last(), Qt::ElideRight, box.width());
    painter.setFont(font);
    painter.drawText(box, align, cut);
    return fm.horizontalAdvance(cut);
}
