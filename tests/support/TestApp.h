#pragma once

// The one QApplication of a widget test executable, and readable failure messages for texts.

#include "QStringPrint.h"

#include <QApplication>

inline QApplication& TestApp() {
    static int argc = 1;
    static char name[] = "tripconf-test";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}
