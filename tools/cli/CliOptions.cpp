#include "CliOptions.h"

#include "Errors.h"
#include "Pars32H.h"
#include "SettingsFile.h"

namespace cli {

ParsedArgs ParseArgs(const QStringList& args, const QStringList& valueOptions,
                     const QStringList& flagOptions) {
    ParsedArgs p;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (!a.startsWith(QLatin1String("--"))) {
            p.positional << a;
        } else if (valueOptions.contains(a)) {
            if (i + 1 >= args.size()) {
                p.error = QStringLiteral("Option %1 needs a value.").arg(a);
                return p;
            }
            p.values.insert(a, args[++i]);
        } else if (flagOptions.contains(a)) {
            p.flags.insert(a);
        } else {
            p.error = QStringLiteral("Unknown option %1.").arg(a);
            return p;
        }
    }
    return p;
}

} // namespace cli

namespace cli {

void LoadSettingsForTool(TMK& model, const QString& path) {
    // The load itself refuses a file whose image cannot be a device memory, naming it.
    LoadSettingsFile(model, path);
}

bool EnglishOption(const ParsedArgs& p, QString& error) {
    const QString lang = p.values.value(QStringLiteral("--lang"), QStringLiteral("en"));
    if (error.isEmpty() && lang != u"en" && lang != u"ru")
        error = QStringLiteral("--lang is en or ru.");
    return lang != u"ru";
}

} // namespace cli
