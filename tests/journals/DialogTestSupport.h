#pragma once

// What the viewer tests need around the dialog: an application object, a prompt that
// answers without windows, and input events delivered the way the window system does.

#include "Prompt.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStringList>

inline void EnsureApplication() {
    static int argc = 1;
    static char name[] = "test_journals";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance()) new QApplication(argc, argv);
}

// Answers the save dialog with a fixed path and records the errors shown.
class TestPrompt : public IPrompt {
public:
    QString savePath;
    QStringList errors;
    QString lastSuffix;

    void showError(const QString& text) override { errors << text; }
    void showInfo(const QString&) override {}
    bool askYesNo(const QString&) override { return false; }
    int choose(const QString&, const QString&, const QStringList&, int) override { return -1; }
    QString openFileName(const QString&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&, const QString& suffix) override {
        lastSuffix = suffix;
        return savePath;
    }
};

// Installs a TestPrompt for one test and puts the previous prompt back.
class PromptScope {
public:
    PromptScope() {
        auto p = std::make_unique<TestPrompt>();
        prompt = p.get();
        saved_ = SetPrompt(std::move(p));
    }
    ~PromptScope() { SetPrompt(std::move(saved_)); }
    TestPrompt* prompt;

private:
    std::unique_ptr<IPrompt> saved_;
};

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
