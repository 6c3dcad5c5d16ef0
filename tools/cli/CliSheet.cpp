// sheet: the settings sheet of a settings file, as a PDF or an HTML file.

#include "CliCommands.h"
#include "CliOptions.h"
#include "Errors.h"
#include "Language.h"
#include "Pars32H.h"
#include "SettingsSheet.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>

namespace cli {

int Sheet(const QStringList& args, Streams io) {
    const ParsedArgs p = ParseArgs(args, {"--out", "--lang"}, {});
    QString error = p.error;
    const bool english = EnglishOption(p, error);
    if (error.isEmpty() && p.positional.size() != 1)
        error = QStringLiteral("sheet takes one settings file.");
    const QString out = p.values.value("--out");
    const QString suffix = QFileInfo(out).suffix().toLower();
    if (error.isEmpty() && suffix != u"pdf" && suffix != u"html" && suffix != u"htm")
        error = QStringLiteral("--out names a .pdf or an .html file.");
    if (!error.isEmpty()) {
        io.err << error << "\n" << CommandUsage("sheet");
        return ExitUsage;
    }
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        throw TError(QStringLiteral("the sheet needs the tool's graphics set-up."));
    EnglishVersion = english; // before the catalogues: their names are in this language
    const QString path = p.positional.first();
    TMK model;
    LoadSettingsForTool(model, path);
    model.PrepareCatalogues();
    const QFileInfo file(path);
    const TSheetSource source{
        Tx("file %1, saved %2", "файл %1, сохранён %2")
            .arg(file.fileName(), QLocale().toString(file.lastModified(), QLocale::ShortFormat)),
        QDateTime::currentDateTime()};
    SaveSettingsSheet(BuildSettingsSheet(model, source), out);
    io.out << "Saved " << out << "\n";
    return ExitOk;
}

} // namespace cli
