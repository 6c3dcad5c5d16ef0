#pragma once

// Runs tripconf-cli in-process and keeps what it printed.

#include "CliCommands.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

struct CliResult {
    int code;
    QString out, err;
};

inline CliResult RunCli(const QStringList& args) {
    QString out, err;
    QTextStream o(&out), e(&err);
    const int code = cli::Run(args, {o, e});
    o.flush();
    e.flush();
    return {code, out, err};
}
