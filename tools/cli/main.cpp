#include "CliCommands.h"
#include "Language.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstring>
#include <memory>

int main(int argc, char** argv) {
    // Drawing a screen or a sheet needs the fonts of a GUI application; the tool never opens
    // a window, so that one runs on the offscreen platform, with or without a display.
    const bool draws =
        argc > 1 && (std::strcmp(argv[1], "render") == 0 || std::strcmp(argv[1], "sheet") == 0);
    std::unique_ptr<QCoreApplication> app;
    if (draws) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("tripconf"));
    EnglishVersion = true; // messages of the tool are English unless a command says otherwise
    QTextStream out(stdout), err(stderr);
    const int code = cli::Run(app->arguments().mid(1), {out, err});
    out.flush();
    err.flush();
    return code;
}
