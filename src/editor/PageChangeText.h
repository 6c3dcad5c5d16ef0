#pragma once

#include <QString>

class QWidget;

// A change of a setting that a page edits without a control of its own (a place of a
// screen), in the page's words: the widget that stands for it, the setting, and the values
// as the page shows them.
struct TPageChangeText {
    const QWidget* widget = nullptr;
    QString setting, before, after;
};
