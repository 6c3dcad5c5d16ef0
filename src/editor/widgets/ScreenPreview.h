#pragma once

// A preview of one of the trip computer's screens: the renderer's picture, drawn at the
// largest size the widget allows without distortion and centred in it. The page that owns
// it sets what to draw and with which colours, and sets it again when either changes.

#include "ScreenContent.h"
#include "ScreenRenderer.h"

#include <QImage>
#include <QWidget>
#include <memory>

class TScreenPreview : public QWidget {
    Q_OBJECT
public:
    TScreenPreview(const char* name, QWidget* parent);

    // Draws the screen with the renderer (shared, so that one renderer serves a page).
    void SetScreen(const TScreenContent& screen, std::shared_ptr<const TScreenRenderer> renderer);
    const TScreenContent& Screen() const { return screen_; }
    // Where the picture lies in the widget; a click's place is PlaceAt(kind, p - topLeft,
    // size).
    QRect ImageRect() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    TScreenContent screen_;
    std::shared_ptr<const TScreenRenderer> renderer_;
    QImage image_; // drawn at the size of ImageRect, made again when stale
};
