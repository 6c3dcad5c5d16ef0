#pragma once

// The application object. Every handler shows its own errors (HandlerGuard.h); notify is
// only the last safety net: an exception that still reaches it is logged and shown in an
// error box instead of ending the program.

#include <QApplication>
#include <QIcon>

class TTripApplication : public QApplication {
    Q_OBJECT
public:
    TTripApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// The program's icon in every size it is drawn in, for its windows.
QIcon ApplicationIcon();

// Options of the command line: "--port PATH" points COM1 at PATH for this run.
struct TCommandLine {
    QString portPath;
    QString error; // not empty when the command line could not be understood
};
TCommandLine ParseCommandLine(const QStringList& arguments);
