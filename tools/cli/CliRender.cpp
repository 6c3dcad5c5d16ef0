#include "CliCommands.h"
#include "CliOptions.h"
#include "Errors.h"
#include "Language.h"
#include "ParamRelabel.h"
#include "Pars32H.h"
#include "ScreenRenderer.h"
#include "SettingsScreens.h"

#include <QGuiApplication>
#include <QImageWriter>
#include <QSaveFile>

namespace cli {

namespace {

struct KindName {
    const char* name;
    TScreenKind kind;
};

constexpr KindName Kinds[] = {{"x1", TScreenKind::X1},     {"x4", TScreenKind::X4},
                              {"x6", TScreenKind::X6},     {"x9", TScreenKind::X9},
                              {"menu", TScreenKind::Menu}, {"avg", TScreenKind::Averages}};

struct ScreenChoice {
    TScreenKind kind = TScreenKind::X4;
    int number = 1; // from 1
    QString error;
};

ScreenChoice parseScreen(const QString& text) {
    ScreenChoice c;
    const QStringList parts = text.split(u':');
    bool known = false;
    for (const KindName& k : Kinds)
        if (parts.first() == QLatin1String(k.name)) {
            c.kind = k.kind;
            known = true;
        }
    bool numeric = true;
    if (parts.size() == 2) c.number = parts[1].toInt(&numeric);
    if (!known || parts.size() > 2 || !numeric || c.number < 1)
        c.error = QStringLiteral("--screen is KIND[:N] with KIND one of x1, x4, x6, x9, menu, avg "
                                 "and N a screen number from 1.");
    return c;
}

void savePng(const QImage& image, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw TError(QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
    QImageWriter writer(&file, "png");
    if (!writer.write(image) || !file.commit())
        throw TError(QStringLiteral("Cannot write %1: %2").arg(path, writer.errorString()));
}

} // namespace

int Render(const QStringList& args, Streams io) {
    const ParsedArgs p = ParseArgs(args, {"--screen", "--scheme", "--out", "--lang"}, {});
    QString error = p.error;
    if (error.isEmpty() && p.positional.size() != 1)
        error = QStringLiteral("render takes one settings file.");
    if (error.isEmpty() && (!p.values.contains("--screen") || !p.values.contains("--out")))
        error = QStringLiteral("render needs --screen and --out.");
    const ScreenChoice screen = parseScreen(p.values.value("--screen"));
    if (error.isEmpty()) error = screen.error;
    const QString scheme = p.values.value("--scheme", "day");
    if (error.isEmpty() && scheme != u"day" && scheme != u"night")
        error = QStringLiteral("--scheme is day or night.");
    const bool english = EnglishOption(p, error);
    if (!error.isEmpty()) {
        io.err << error << "\n" << UsageText();
        return ExitUsage;
    }
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        throw TError(QStringLiteral("drawing needs the tool's graphics set-up."));

    EnglishVersion = english;
    TMK model;
    LoadSettingsForTool(model, p.positional.first());
    // The device's own catalogues, in the chosen language.
    model.SelectCapabilities(model.DeviceVersion, int(model.Get("Protocol")),
                             model.SettingsVersion());
    model.BuildMeasParList();
    RelabelMeasPars(model); // the captions the editor's previews show
    model.BuildMenuItems();

    const int count = ScreenCount(model, screen.kind);
    if (screen.number > count)
        throw TError(count == 0 ? QStringLiteral("these settings have no %1 screens (no protocol "
                                                 "parameter list).")
                                      .arg(p.values.value("--screen").section(u':', 0, 0))
                                : QStringLiteral("screen %1 does not exist; these settings have "
                                                 "%2 of this kind.")
                                      .arg(screen.number)
                                      .arg(count));
    TScreenRenderer renderer(SchemeColours(model, scheme == u"night" ? 1 : 0), model.MeasPars,
                             DisplayOptionsOf(model));
    if (model.Prots.Current()) renderer.SetOfferedCodes(OfferedCodes(model));
    savePng(renderer.Render(ScreenFromSettings(model, screen.kind, screen.number - 1)),
            p.values.value("--out"));
    io.out << "Saved " << p.values.value("--out") << "\n";
    return ExitOk;
}

} // namespace cli
