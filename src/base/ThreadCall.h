#pragma once

// Calls a function on the thread that an object belongs to and waits for its result: the
// way a worker thread asks the window's thread something (a question to the user, a look
// at the settings) in the middle of its work.

#include <QMetaObject>
#include <QObject>
#include <QThread>
#include <exception>
#include <optional>
#include <stdexcept>
#include <type_traits>
#include <utility>

// Runs fn on context's thread and returns what it returns; what fn throws is thrown again
// in the calling thread. Called on that thread itself (or with no context) it simply runs fn.
// Context's thread must be in its event loop, or in a nested one, meanwhile: a thread that
// blocks waiting for the caller would wait for ever.
template <typename F> std::invoke_result_t<F&> CallOnThreadOf(QObject* context, F&& fn) {
    using Result = std::invoke_result_t<F&>;
    if (!context || QThread::currentThread() == context->thread()) return fn();
    std::exception_ptr failure;
    bool ran = false;
    [[maybe_unused]] std::optional<std::conditional_t<std::is_void_v<Result>, bool, Result>> result;
    QMetaObject::invokeMethod(
        context,
        [&] {
            ran = true;
            try {
                if constexpr (std::is_void_v<Result>)
                    fn();
                else
                    result.emplace(fn());
            } catch (...) {
                failure = std::current_exception();
            }
        },
        Qt::BlockingQueuedConnection);
    if (failure) std::rethrow_exception(failure);
    // The object went away before it could run the call.
    if (!ran) throw std::runtime_error("The call could not be delivered to its thread");
    if constexpr (!std::is_void_v<Result>) return std::move(*result);
}
