#pragma once

// A small option reader for the commands: positional words and "--name value" pairs,
// with unknown options and missing values reported as usage errors.

#include <QMap>
#include <QSet>
#include <QStringList>

namespace cli {

struct ParsedArgs {
    QStringList positional;
    QMap<QString, QString> values; // options that take a value
    QSet<QString> flags;           // options without one
    QString error;                 // non-empty: wrong usage
};

ParsedArgs ParseArgs(const QStringList& args, const QStringList& valueOptions,
                     const QStringList& flagOptions);

// The captions' language of "--lang en|ru" (English when absent); a bad value sets error
// unless it already holds one.
bool EnglishOption(const ParsedArgs& p, QString& error);

} // namespace cli

class TMK;

namespace cli {

// Loads a settings file and refuses one whose image cannot be a device memory, naming
// the file.
void LoadSettingsForTool(TMK& model, const QString& path);

} // namespace cli
