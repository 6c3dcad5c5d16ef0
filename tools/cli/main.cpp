#include "CliCommands.h"
#include "Language.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tripconf"));
    EnglishVersion = true; // messages of the tool are English unless a command says otherwise
    QTextStream out(stdout), err(stderr);
    const int code = cli::Run(app.arguments().mid(1), {out, err});
    out.flush();
    err.flush();
    return code;
}
