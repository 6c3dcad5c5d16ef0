#pragma once

// QSerialPort wants an event dispatcher: tests without windows hold a plain application
// object for their duration, or borrow the one a window test already made.

#include <QCoreApplication>
#include <memory>

class CoreAppScope {
public:
    CoreAppScope() {
        if (!QCoreApplication::instance()) app_ = std::make_unique<QCoreApplication>(argc_, argv_);
    }

private:
    int argc_ = 1;
    char name_[16] = "tripconf-test";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QCoreApplication> app_;
};
