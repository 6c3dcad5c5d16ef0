#pragma once

// Every event handler of the windows runs through RunGuarded: what it throws is shown with
// ShowError at the handler's own boundary, so no exception travels through Qt's event loop,
// which does not support that.

#include <functional>
#include <type_traits>
#include <utility>

// Runs handler. A TError is shown with its message, any other std::exception with its
// what(). Returns false when the handler threw.
bool RunGuarded(const std::function<void()>& handler);

// A handler for QObject::connect that runs through RunGuarded. It takes whatever the signal
// passes and hands the handler the arguments when it accepts them, none otherwise:
//     connect(button, &QPushButton::clicked, this, Guarded([this] { bGetParamsClick(); }));
template <typename F> auto Guarded(F handler) {
    return [handler = std::move(handler)](auto&&... args) {
        RunGuarded([&] {
            if constexpr (std::is_invocable_v<const F&, decltype(args)...>)
                std::invoke(handler, std::forward<decltype(args)>(args)...);
            else
                std::invoke(handler);
        });
    };
}
