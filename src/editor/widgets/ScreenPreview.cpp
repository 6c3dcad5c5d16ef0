#include "ScreenPreview.h"

#include <QPainter>

namespace {

constexpr QSize PreferredSize{240, 180};
constexpr QSize SmallestSize{160, 120};

} // namespace

TScreenPreview::TScreenPreview(const char* name, QWidget* parent) : QWidget(parent) {
    setObjectName(QString::fromUtf8(name));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

void TScreenPreview::SetScreen(const TScreenContent& screen,
                               std::shared_ptr<const TScreenRenderer> renderer) {
    screen_ = screen;
    renderer_ = std::move(renderer);
    image_ = QImage();
    update();
}

QRect TScreenPreview::ImageRect() const {
    const QRect area = contentsRect();
    const QSize size = ScreenSize.scaled(area.size(), Qt::KeepAspectRatio);
    return QRect(area.center() - QPoint(size.width() / 2, size.height() / 2), size);
}

QSize TScreenPreview::sizeHint() const {
    return PreferredSize;
}

QSize TScreenPreview::minimumSizeHint() const {
    return SmallestSize;
}

int TScreenPreview::heightForWidth(int width) const {
    return width * ScreenHeight / ScreenWidth;
}

void TScreenPreview::resizeEvent(QResizeEvent* event) {
    image_ = QImage();
    QWidget::resizeEvent(event);
}

void TScreenPreview::paintEvent(QPaintEvent*) {
    const QRect target = ImageRect();
    if (!renderer_ || target.isEmpty()) return;
    if (image_.size() != target.size()) image_ = renderer_->RenderToFit(screen_, target.size());
    QPainter painter(this);
    painter.drawImage(target.topLeft(), image_);
}
