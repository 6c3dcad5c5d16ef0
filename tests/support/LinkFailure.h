#pragma once

// The message a link action raises, as UTF-8 for readable failures.

#include "Errors.h"

#include <functional>
#include <string>

inline std::string failureOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const TError& e) {
        return e.message().toStdString();
    }
    return "(no error)";
}
