#pragma once

// Runs slow work that touches no window (building and saving a sheet) on a thread of its
// own while the window keeps painting; clicks and keys wait until it is done. What the
// work throws is thrown here again, on the window's thread.

#include <QCursor>
#include <QEventLoop>
#include <QGuiApplication>
#include <QThread>
#include <exception>
#include <memory>

template <typename F> void RunOffGuiThread(F work) {
    std::exception_ptr failure;
    QEventLoop loop;
    std::unique_ptr<QThread> thread(QThread::create([&] {
        try {
            work();
        } catch (...) {
            failure = std::current_exception();
        }
    }));
    QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit);
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    thread->start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    thread->wait();
    QGuiApplication::restoreOverrideCursor();
    if (failure) std::rethrow_exception(failure);
}
