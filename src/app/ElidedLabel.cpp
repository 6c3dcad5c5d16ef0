#include "ElidedLabel.h"

#include <QPainter>

QSize TElidedLabel::minimumSizeHint() const {
    // Room for a few letters and the ellipsis; the layout gives the rest when it can.
    const QMargins m = contentsMargins();
    return {fontMetrics().horizontalAdvance(QStringLiteral("Wwww…")) + m.left() + m.right(),
            QLabel::minimumSizeHint().height()};
}

void TElidedLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect area = contentsRect();
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
    painter.drawText(area, int(alignment()), shown);
    updateToolTip(shown != text());
}

void TElidedLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    update();
}

void TElidedLabel::updateToolTip(bool elided) {
    // A tool tip set for another reason (a file's full path) is left alone.
    const bool own = toolTip().isEmpty() || toolTip() == ownTip_;
    if (!own) return;
    ownTip_ = elided ? text() : QString();
    if (toolTip() != ownTip_) setToolTip(ownTip_);
}
