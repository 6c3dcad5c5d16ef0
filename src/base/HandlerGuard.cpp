#include "HandlerGuard.h"

#include "Errors.h"
#include "Prompt.h"

#include <QtGlobal>

namespace {

void show(const QString& text) {
    try {
        ShowError(text);
    } catch (...) {
        // Not even the box could be shown; the log is all that is left.
        qCritical("%s", qUtf8Printable(text));
    }
}

} // namespace

bool RunGuarded(const std::function<void()>& handler) {
    try {
        handler();
        return true;
    } catch (const TError& e) {
        show(e.message());
    } catch (const std::exception& e) {
        show(QString::fromLocal8Bit(e.what()));
    }
    return false;
}
