#pragma once

// A preview of one of the trip computer's screens: the renderer's picture, drawn at the
// largest size the widget allows without distortion and centred in it. The page that owns
// it sets what to draw and with which colours, and sets it again when either changes. For
// screen readers its description says what each place shows (a menu: its rows).

#include "ScreenContent.h"
#include "ScreenRenderer.h"

#include <QImage>
#include <QWidget>
#include <functional>
#include <memory>

class TMeasParList;

// The words for what a place with this parameter code shows: the parameter's long caption,
// "Empty place" for 0, "?" for a code the catalogue does not know.
QString PlaceCodeWords(const TMeasParList& params, std::uint8_t code);

class TScreenPreview : public QWidget {
    Q_OBJECT
public:
    TScreenPreview(const char* name, QWidget* parent);

    // Draws the screen with the renderer (shared, so that one renderer serves a page).
    void SetScreen(const TScreenContent& screen, std::shared_ptr<const TScreenRenderer> renderer);
    const TScreenContent& Screen() const { return screen_; }
    // The words for what a place shows (a tool tip, the description); empty: none.
    void SetPlaceDescriber(std::function<QString(int place)> describe);
    QString DescribePlace(int place) const;
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
    void describeScreen();

    TScreenContent screen_;
    std::function<QString(int)> describe_;
    std::shared_ptr<const TScreenRenderer> renderer_;
    QImage image_; // drawn at the size of ImageRect, made again when stale
};
