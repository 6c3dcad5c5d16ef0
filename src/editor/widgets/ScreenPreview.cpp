#include "ScreenPreview.h"

#include "Language.h"
#include "MeasParsH.h"

#include <QPainter>
#include <QStringList>

namespace {

constexpr QSize PreferredSize{240, 180};
constexpr QSize SmallestSize{160, 120};

} // namespace

TScreenPreview::TScreenPreview(const char* name, QWidget* parent) : QWidget(parent) {
    setObjectName(QString::fromUtf8(name));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

QString PlaceCodeWords(const TMeasParList& params, std::uint8_t code) {
    if (code == 0) return Tx("Empty place", "Пустое место");
    const TMeasParBase* param = params.Find(code);
    if (!param) return QStringLiteral("?");
    return param->NameUnit.isEmpty() ? param->Name : param->NameUnit;
}

void TScreenPreview::SetScreen(const TScreenContent& screen,
                               std::shared_ptr<const TScreenRenderer> renderer) {
    screen_ = screen;
    renderer_ = std::move(renderer);
    image_ = QImage();
    describeScreen();
    update();
}

void TScreenPreview::SetPlaceDescriber(std::function<QString(int)> describe) {
    describe_ = std::move(describe);
    describeScreen();
}

QString TScreenPreview::DescribePlace(int place) const {
    return describe_ && place >= 0 ? describe_(place) : QString();
}

void TScreenPreview::describeScreen() {
    QStringList parts;
    if (screen_.kind == TScreenKind::Menu) {
        for (const TMenuLine& line : screen_.menu)
            if (!line.caption.trimmed().isEmpty()) parts << line.caption.trimmed();
        setAccessibleDescription(screen_.title + QStringLiteral(": ") +
                                 parts.join(QStringLiteral(", ")));
        return;
    }
    for (int place = 0; place < int(screen_.codes.size()); ++place)
        if (const QString words = DescribePlace(place); !words.isEmpty())
            parts << Tx("Place %1: %2", "Место %1: %2").arg(place + 1).arg(words);
    setAccessibleDescription(parts.join(QStringLiteral("; ")));
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
