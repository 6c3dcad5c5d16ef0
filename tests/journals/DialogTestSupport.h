#pragma once

// What the viewer tests need around the dialog: an application object, a prompt that
// answers without windows, and input events delivered the way the window system does.

#include "ScriptedPrompt.h"
#include "TestApp.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

inline void KeyClick(QWidget* w, Qt::Key key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(w, &release);
}

inline void SendMouse(QWidget* w, QEvent::Type type, QPoint pos) {
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, pos, w->mapToGlobal(pos), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// A click, or a double click, on a cell of an item view.
inline void ClickCell(QAbstractItemView* view, int row, int column, bool twice = false) {
    const QPoint pos = view->visualRect(view->model()->index(row, column)).center();
    QWidget* vp = view->viewport();
    SendMouse(vp, QEvent::MouseButtonPress, pos);
    SendMouse(vp, QEvent::MouseButtonRelease, pos);
    if (twice) {
        SendMouse(vp, QEvent::MouseButtonPress, pos);
        SendMouse(vp, QEvent::MouseButtonDblClick, pos);
        SendMouse(vp, QEvent::MouseButtonRelease, pos);
    }
}
