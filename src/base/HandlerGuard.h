#pragma once

// Every event handler of the windows runs through RunGuarded: what it throws is shown with
// ShowError at the handler's own boundary, so no exception travels through Qt's event loop,
// which does not support that.

#include <cstddef>
#include <functional>
#include <tuple>
#include <type_traits>
#include <utility>

// Runs handler. A TError is shown with its message, any other std::exception with its
// what(). Returns false when the handler threw.
bool RunGuarded(const std::function<void()>& handler);

namespace guard_detail {

template <typename F, typename Args, std::size_t... I>
constexpr bool takesFirst(std::index_sequence<I...>) {
    return std::is_invocable_v<const F&, std::tuple_element_t<I, Args>...>;
}

// Calls f with as many of the leading arguments as it accepts, as a slot is called.
template <std::size_t N, typename F, typename Args> void callWithLeading(const F& f, Args& args) {
    if constexpr (takesFirst<F, Args>(std::make_index_sequence<N>{})) {
        [&]<std::size_t... I>(std::index_sequence<I...>) {
            std::invoke(f, std::get<I>(args)...);
        }
        (std::make_index_sequence<N>{});
    } else if constexpr (N > 0) {
        callWithLeading<N - 1>(f, args);
    } else {
        static_assert(N > 0, "the handler takes none of the signal's argument lists");
    }
}

} // namespace guard_detail

// A handler for QObject::connect that runs through RunGuarded. It takes whatever the signal
// passes and hands the handler as many leading arguments as it accepts:
//     connect(button, &QPushButton::clicked, this, Guarded([this] { bGetParamsClick(); }));
template <typename F> auto Guarded(F handler) {
    return [handler = std::move(handler)](auto&&... args) {
        RunGuarded([&] {
            auto all = std::forward_as_tuple(std::forward<decltype(args)>(args)...);
            guard_detail::callWithLeading<sizeof...(args)>(handler, all);
        });
    };
}
