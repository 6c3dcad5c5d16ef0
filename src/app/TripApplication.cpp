#include "TripApplication.h"

#include "Errors.h"
#include "Prompt.h"

#include <QCommandLineParser>
#include <QTimer>

namespace {
constexpr int IconSizes[] = {16, 32, 48, 64, 128, 256};
} // namespace

TTripApplication::TTripApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("tripconf"));
    // Lets the desktop match the windows to the menu entry (tripconf.desktop) and its icon.
    setDesktopFileName(QStringLiteral("tripconf"));
    setWindowIcon(ApplicationIcon());
}

QIcon ApplicationIcon() {
    QIcon icon;
    for (int size : IconSizes)
        icon.addFile(QStringLiteral(":/icons/tripconf-%1.png").arg(size), QSize(size, size));
    return icon;
}

namespace {

// An exception that got past every handler's own guard (RunGuarded). Logged at once; the
// box waits until the event's delivery is over instead of opening inside notify.
void reportUnhandled(QObject* receiver, const QString& message) {
    qCritical("Unhandled exception in an event handler of %s: %s",
              receiver ? receiver->metaObject()->className() : "(none)", qUtf8Printable(message));
    QTimer::singleShot(0, qApp, [message] { ShowError(message); });
}

} // namespace

bool TTripApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const TError& e) {
        reportUnhandled(receiver, e.message());
    } catch (const std::exception& e) {
        reportUnhandled(receiver, QString::fromLocal8Bit(e.what()));
    }
    return false;
}

TCommandLine ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption port(QStringLiteral("port"),
                                  QStringLiteral("Use PATH as COM1 for this run."),
                                  QStringLiteral("PATH"));
    parser.addOption(port);
    TCommandLine result;
    if (!parser.parse(arguments))
        result.error = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        result.error = QStringLiteral("Unexpected argument: %1")
                           .arg(parser.positionalArguments().constFirst());
    else
        result.portPath = parser.value(port);
    return result;
}
