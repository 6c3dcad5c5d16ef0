#include "CliCommands.h"

#include "Errors.h"

#include <exception>

namespace cli {

namespace {

using Handler = int (*)(const QStringList&, Streams);

// One command: its handler, its usage lines and, for `COMMAND --help`, what it does.
struct TCommand {
    const char* name;
    Handler run;
    const char* usage;
    const char* about;
};

// clang-format off
const TCommand kCommands[] = {
    {"ports", Ports,
     "tripconf-cli ports\n",
     "Lists the serial ports present, as COM numbers with their device paths.\n"},
    {"read", Read,
     "tripconf-cli read  --port PORT --out FILE.veltg [--wait SECONDS] [--port-type 0|1|2] "
     "[--vehicle NAME] [--data-dir DIR]\n",
     "Reads the trip computer's memory into a settings file. PORT is a COM number 1..32 or a\n"
     "device path; --wait is how long to wait for the device to answer (30 s). --vehicle\n"
     "keeps a copy in the vehicle's folder and records the read in the vehicles' history.\n"},
    {"write", Write,
     "tripconf-cli write --port PORT --in FILE.veltg [--wait SECONDS] [--port-type 0|1|2] "
     "[--backup-dir DIR] [--dry-run] [--with-journals] [--vehicle NAME] [--data-dir DIR]\n",
     "Writes a settings file to the trip computer: backs the device's memory up, lists what\n"
     "changes (the stored values and the editor's words), writes and reads back. The device\n"
     "keeps its own journals and totals unless --with-journals replaces them with the file's.\n"
     "--dry-run stops after the list. --vehicle keeps the backup (unless --backup-dir says\n"
     "otherwise) and a copy of what was written in the vehicle's folder and records the\n"
     "write in the vehicles' history.\n"},
    {"history", History,
     "tripconf-cli history [--vehicle NAME] [--json] [--data-dir DIR]\n",
     "Lists the reads and writes the vehicles' history holds, newest first: time, vehicle,\n"
     "kind, device type, settings version, file and a write's backup.\n"},
    {"vehicles", Vehicles,
     "tripconf-cli vehicles [--json] [--data-dir DIR]\n",
     "Lists the vehicles with their notes, device type and last event, newest activity first.\n"
     "--data-dir is the folder of the history (vehicles.sqlite and vehicles/), by default the\n"
     "user's data folder.\n"},
    {"show", Show,
     "tripconf-cli show FILE.veltg [--json]\n",
     "Prints every field of a settings file in stored units.\n"},
    {"describe", Describe,
     "tripconf-cli describe FILE.veltg [NAME...] [--lang en|ru]\n",
     "Prints the settings the file's device offers, page by page, in the editor's words: the\n"
     "caption, the value with its unit, the stored value and the range. NAME picks settings\n"
     "by their names, field names or FIELD[INDEX].\n"},
    {"get", Get,
     "tripconf-cli get FILE.veltg NAME[INDEX]...\n",
     "Prints fields in stored units.\n"},
    {"set", Set,
     "tripconf-cli set FILE.veltg NAME[INDEX]=VALUE... [--out NEW.veltg]\n",
     "Changes fields in stored units; every name and value is checked before anything changes.\n"},
    {"diff", Diff,
     "tripconf-cli diff A.veltg B.veltg\n",
     "Lists the fields that differ, in stored units and in the editor's words; exits 1 when\n"
     "the files differ.\n"},
    {"journal", Journal,
     "tripconf-cli journal FILE.veltg (--trip | --tank | --sums | --faults) [--lang en|ru]\n",
     "Prints a journal as the journals viewer exports it.\n"},
    {"tank", Tank,
     "tripconf-cli tank export SETTINGS.veltg OUT.velto\n"
     "tripconf-cli tank import SETTINGS.veltg IN.velto [--out NEW.veltg]\n",
     "Carries the fuel-tank calibration between settings files.\n"},
    {"maintenance", Maintenance,
     "tripconf-cli maintenance export SETTINGS.veltg OUT.veltt\n"
     "tripconf-cli maintenance import SETTINGS.veltg IN.veltt [--out NEW.veltg]\n",
     "Carries the maintenance settings between settings files.\n"},
    {"render", Render,
     "tripconf-cli render FILE.veltg --screen KIND[:N] --out FILE.png [--scheme day|night] "
     "[--lang en|ru]\n",
     "Draws a screen of the settings as the device shows it (320 x 240 PNG); KIND is\n"
     "x1, x4, x6, x9, avg (averages) or menu (the hot menus), N its number from 1.\n"},
    {"sheet", Sheet,
     "tripconf-cli sheet FILE.veltg --out NAME.pdf|NAME.html [--lang en|ru]\n",
     "Saves the settings sheet: every setting the device offers in the editor's words, the\n"
     "tank calibration, the reminders, the hot menus and pictures of the screens; an A4 PDF\n"
     "with page numbers, or one HTML file.\n"},
};
// clang-format on

const TCommand* FindCommand(const QString& name) {
    for (const TCommand& c : kCommands)
        if (name == QLatin1String(c.name)) return &c;
    return nullptr;
}

} // namespace

QString UsageText() {
    QString text;
    for (const TCommand& c : kCommands)
        text += QString::fromUtf8(c.usage);
    return text + QStringLiteral("tripconf-cli COMMAND --help\n"
                                 "tripconf-cli --version | --help\n");
}

QString CommandUsage(const QString& command) {
    const TCommand* c = FindCommand(command);
    if (!c) return UsageText();
    return QString::fromUtf8(c->usage) + QString::fromUtf8(c->about);
}

int Run(const QStringList& args, Streams io) {
    if (args.isEmpty()) {
        io.err << UsageText();
        return ExitUsage;
    }
    const QString command = args.first();
    const QStringList rest = args.mid(1);
    if (command == u"--help" || command == u"-h") {
        io.out << UsageText();
        return ExitOk;
    }
    if (command == u"--version") {
        io.out << "tripconf-cli " << TRIPCONF_VERSION << "\n";
        return ExitOk;
    }
    const TCommand* c = FindCommand(command);
    if (!c) {
        io.err << "Unknown command: " << command << "\n\n" << UsageText();
        return ExitUsage;
    }
    if (rest.contains(QStringLiteral("--help")) || rest.contains(QStringLiteral("-h"))) {
        io.out << CommandUsage(command);
        return ExitOk;
    }
    try {
        return c->run(rest, io);
    } catch (const TError& e) {
        io.err << command << ": " << e.message() << "\n";
        return ExitFailure;
    } catch (const std::exception& e) {
        io.err << command << ": " << e.what() << "\n";
        return ExitFailure;
    }
}

} // namespace cli
