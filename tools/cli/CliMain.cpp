#include "CliCommands.h"

#include "Errors.h"

#include <exception>

namespace cli {

QString UsageText() {
    return QStringLiteral(
        "tripconf-cli ports\n"
        "tripconf-cli read  --port PORT --out FILE.veltg [--wait SECONDS] [--port-type 0|1|2]\n"
        "tripconf-cli write --port PORT --in FILE.veltg [--wait SECONDS] [--port-type 0|1|2] "
        "[--backup-dir DIR] [--dry-run] [--with-journals]\n"
        "tripconf-cli show FILE.veltg [--json]\n"
        "tripconf-cli get FILE.veltg NAME[INDEX]...\n"
        "tripconf-cli set FILE.veltg NAME[INDEX]=VALUE... [--out NEW.veltg]\n"
        "tripconf-cli diff A.veltg B.veltg\n"
        "tripconf-cli journal FILE.veltg (--trip | --tank | --sums | --faults) [--lang en|ru]\n"
        "tripconf-cli tank export SETTINGS.veltg OUT.velto\n"
        "tripconf-cli tank import SETTINGS.veltg IN.velto [--out NEW.veltg]\n"
        "tripconf-cli maintenance export SETTINGS.veltg OUT.veltt\n"
        "tripconf-cli maintenance import SETTINGS.veltg IN.veltt [--out NEW.veltg]\n"
        "tripconf-cli render FILE.veltg --screen KIND[:N] --out FILE.png [--scheme day|night] "
        "[--lang en|ru]\n"
        "    draws a screen of the settings as the device shows it (320 x 240 PNG); KIND is\n"
        "    x1, x4, x6, x9, avg (averages) or menu (the hot menus), N its number from 1\n"
        "tripconf-cli --version | --help\n");
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
    using Handler = int (*)(const QStringList&, Streams);
    static const struct {
        const char* name;
        Handler run;
    } commands[] = {{"ports", Ports},  {"read", Read},
                    {"write", Write},  {"show", Show},
                    {"get", Get},      {"set", Set},
                    {"diff", Diff},    {"journal", Journal},
                    {"tank", Tank},    {"maintenance", Maintenance},
                    {"render", Render}};
    for (const auto& c : commands) {
        if (command != QLatin1String(c.name)) continue;
        try {
            return c.run(rest, io);
        } catch (const TError& e) {
            io.err << command << ": " << e.message() << "\n";
            return ExitFailure;
        } catch (const std::exception& e) {
            io.err << command << ": " << e.what() << "\n";
            return ExitFailure;
        }
    }
    io.err << "Unknown command: " << command << "\n\n" << UsageText();
    return ExitUsage;
}

} // namespace cli
