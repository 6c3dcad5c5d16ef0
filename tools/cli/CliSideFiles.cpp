// tank and maintenance: carry the tank calibration or the maintenance settings from one
// settings file to another through the window's side files.

#include "CliCommands.h"
#include "CliOptions.h"
#include "Pars32H.h"
#include "SettingsFile.h"
#include "SideFiles.h"

namespace cli {

namespace {

struct SideFileKind {
    const char* command;
    const char* what; // for messages
    int size;
    int firstSection, lastSection;
    QByteArray (*encode)(const TMK&);
    void (*save)(const TMK&, const QString&);
    int (*load)(TMK&, const QString&);
};

const SideFileKind kTank{"tank", "tank settings", TankFileSize, 3,
                         4,      EncodeTankFile,  SaveTankFile, LoadTankFile};
const SideFileKind kMaintenance{
    "maintenance",         "maintenance settings", MaintenanceFileSize, 5, 5,
    EncodeMaintenanceFile, SaveMaintenanceFile,    LoadMaintenanceFile};

int usage(const QString& problem, Streams io) {
    io.err << problem << "\n" << UsageText();
    return ExitUsage;
}

int exportFile(const SideFileKind& kind, const QString& settings, const QString& out, Streams io) {
    TMK model;
    LoadSettingsForTool(model, settings);
    kind.save(model, out);
    io.out << "Saved " << out << "\n";
    return ExitOk;
}

// The image may keep a section shorter than its record (an older firmware); what the side
// file put beyond it cannot be stored, and the user is told so.
bool imageHoldsAll(const SideFileKind& kind, const TMK& model) {
    TMK stored;
    stored.SettingsImage = model.SettingsImage;
    stored.ReadSections(kind.firstSection, kind.lastSection);
    return kind.encode(stored) == kind.encode(model);
}

int importFile(const SideFileKind& kind, const QString& settings, const QString& in,
               const QString& out, Streams io) {
    TMK model;
    LoadSettingsForTool(model, settings);
    const int used = kind.load(model, in);
    model.WriteSections(kind.firstSection, kind.lastSection);
    const bool complete = imageHoldsAll(kind, model);
    SaveSettingsFile(model, out);
    if (used < kind.size)
        io.err << "Note: " << in << " holds " << used << " of " << kind.size << " bytes; the "
               << kind.what << " after them were kept.\n";
    if (!complete)
        io.err << "Warning: the sections of " << settings << " are shorter than the " << kind.what
               << " need; the values that did not fit were not stored.\n";
    io.out << "Imported " << in << " into " << out << "\n";
    return ExitOk;
}

int runSideFile(const SideFileKind& kind, const QStringList& args, Streams io) {
    const ParsedArgs p = ParseArgs(args, {"--out"}, {});
    if (!p.error.isEmpty()) return usage(p.error, io);
    const QString action = p.positional.value(0);
    if (action == u"export") {
        if (p.positional.size() != 3 || p.values.contains("--out"))
            return usage(QStringLiteral("export takes a settings file and a %1 file.")
                             .arg(QLatin1String(kind.what)),
                         io);
        return exportFile(kind, p.positional[1], p.positional[2], io);
    }
    if (action == u"import") {
        if (p.positional.size() != 3)
            return usage(QStringLiteral("import takes a settings file and a %1 file.")
                             .arg(QLatin1String(kind.what)),
                         io);
        const QString out = p.values.value("--out", p.positional[1]);
        return importFile(kind, p.positional[1], p.positional[2], out, io);
    }
    return usage(QStringLiteral("%1 takes export or import.").arg(kind.command), io);
}

} // namespace

int Tank(const QStringList& args, Streams io) {
    return runSideFile(kTank, args, io);
}

int Maintenance(const QStringList& args, Streams io) {
    return runSideFile(kMaintenance, args, io);
}

} // namespace cli
