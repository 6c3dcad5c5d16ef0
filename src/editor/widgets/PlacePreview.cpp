#include "PlacePreview.h"

#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <limits>

namespace {

constexpr int MarkWidth = 2;       // px of the chosen place's outline
constexpr int CrossAxisWeight = 2; // a step sideways counts more than one straight on

} // namespace

TPlacePreview::TPlacePreview(const char* name, TScreenKind kind, int screen, QWidget* parent)
    : TScreenPreview(name, parent), kind_(kind), screen_(screen) {
    setProperty("tag", screen);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
}

int TPlacePreview::PlaceUnder(QPoint widgetPos) const {
    const QRect image = ImageRect();
    return PlaceAt(kind_, widgetPos - image.topLeft(), image.size());
}

QRect TPlacePreview::PlaceRectInWidget(int place) const {
    const QRect image = ImageRect();
    return PlaceRect(kind_, place, image.size()).translated(image.topLeft());
}

void TPlacePreview::paintEvent(QPaintEvent* event) {
    TScreenPreview::paintEvent(event);
    if (!hasFocus()) return;
    const QRect mark = PlaceRectInWidget(current_).adjusted(1, 1, -1, -1);
    if (mark.isEmpty()) return;
    QPainter painter(this);
    // Dashes of the highlight colour over white show on any scheme's colours.
    painter.setPen(QPen(Qt::white, MarkWidth));
    painter.drawRect(mark);
    painter.setPen(QPen(palette().color(QPalette::Highlight), MarkWidth, Qt::DashLine));
    painter.drawRect(mark);
}

void TPlacePreview::mousePressEvent(QMouseEvent* event) {
    TScreenPreview::mousePressEvent(event);
    if (event->button() != Qt::RightButton) return;
    const QPoint at = event->position().toPoint();
    const int place = PlaceUnder(at);
    if (place < 0) return;
    current_ = place;
    update();
    emit PlaceMenuRequested(place, event->globalPosition().toPoint());
}

void TPlacePreview::contextMenuEvent(QContextMenuEvent* event) {
    // The mouse's right button is read at the press; here only the keyboard's request.
    if (event->reason() != QContextMenuEvent::Keyboard) {
        event->ignore();
        return;
    }
    const QRect place = PlaceRectInWidget(current_);
    if (place.isEmpty()) return;
    emit PlaceMenuRequested(current_, mapToGlobal(place.center()));
}

void TPlacePreview::keyPressEvent(QKeyEvent* event) {
    int dx = 0, dy = 0;
    switch (event->key()) {
    case Qt::Key_Left:
        dx = -1;
        break;
    case Qt::Key_Right:
        dx = 1;
        break;
    case Qt::Key_Up:
        dy = -1;
        break;
    case Qt::Key_Down:
        dy = 1;
        break;
    default:
        TScreenPreview::keyPressEvent(event);
        return;
    }
    current_ = Neighbour(dx, dy);
    update();
}

int TPlacePreview::Neighbour(int dx, int dy) const {
    const QPoint from = PlaceRect(kind_, current_).center();
    int best = current_;
    long long bestCost = std::numeric_limits<long long>::max();
    for (int place = 0; place < PlaceCount(kind_); ++place) {
        const QPoint d = PlaceRect(kind_, place).center() - from;
        const int along = dx * d.x() + dy * d.y();
        const int across = dx != 0 ? d.y() : d.x();
        if (place == current_ || along <= 0) continue;
        const long long cost = along + CrossAxisWeight * std::abs(across);
        if (cost < bestCost) {
            bestCost = cost;
            best = place;
        }
    }
    return best;
}

void TPlacePreview::focusInEvent(QFocusEvent* event) {
    TScreenPreview::focusInEvent(event);
    update();
}

void TPlacePreview::focusOutEvent(QFocusEvent* event) {
    TScreenPreview::focusOutEvent(event);
    update();
}

bool TPlacePreview::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return TScreenPreview::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const int place = PlaceUnder(help->pos());
    const QString text = DescribePlace(place);
    if (text.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), text, this, PlaceRectInWidget(place));
    }
    return true;
}
