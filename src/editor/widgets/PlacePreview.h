#pragma once

// A screen preview whose places the user picks: a right click on a place, or the
// context-menu key on the focused preview after choosing the place with the arrow keys,
// asks for the place's parameter menu. The chosen place is outlined while the preview has
// the focus, and hovering a place shows what it holds as a tool tip, in the words of the
// place describer. Places are found by the screen's own geometry over the picture, so they
// match what the preview draws.

#include "ScreenPreview.h"

class TPlacePreview : public TScreenPreview {
    Q_OBJECT
public:
    // screen: which screen of its kind (the preview's "tag", 0-based).
    TPlacePreview(const char* name, TScreenKind kind, int screen, QWidget* parent);

    TScreenKind Kind() const { return kind_; }
    int ScreenNumber() const { return screen_; }
    // The place under a point of the widget, -1 where there is none.
    int PlaceUnder(QPoint widgetPos) const;
    // A place's rectangle in widget coordinates.
    QRect PlaceRectInWidget(int place) const;
    // The place the keys have chosen (0 at first).
    int CurrentPlace() const { return current_; }

signals:
    // The place's menu is asked for, to be opened at globalPos.
    void PlaceMenuRequested(int place, QPoint globalPos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;

private:
    // The nearest place from the current one in a direction (dx, dy each -1, 0 or 1), or
    // the current one when none lies that way.
    int Neighbour(int dx, int dy) const;

    TScreenKind kind_;
    int screen_;
    int current_ = 0;
};
