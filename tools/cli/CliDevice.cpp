#include "ChangeWords.h"
#include "CliCommands.h"
#include "CliOptions.h"
#include "ConsoleStream.h"
#include "DeviceMemory.h"
#include "DeviceTransfers.h"
#include "Errors.h"
#include "ML_RS232.h"
#include "Pars32H.h"
#include "PortMap.h"
#include "SettingsFile.h"
#include "VehicleRecording.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QThread>
#include <cstdio>
#include <memory>
#include <optional>

namespace cli {

namespace {

// The line as the main window sets it.
constexpr std::uint32_t LineBaudRate = 19200;
constexpr std::uint16_t LineResponseTimeoutMs = 100;
constexpr int DefaultWaitSeconds = 30;

struct DeviceOptions {
    QString port;
    int waitSeconds = DefaultWaitSeconds;
    std::uint8_t portType = TML_RS::PortRs485Echo;
};

// The window's settings file, for its "Ports" map: beside this tool (a portable
// installation keeps both programs in one folder), else in the user's configuration folder.
TPortMap appPortMap() {
    const QString name = QStringLiteral("tripconf.ini");
    for (const QString& folder :
         {QCoreApplication::applicationDirPath(),
          QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)}) {
        const QString path = QDir(folder).filePath(name);
        if (QFile::exists(path)) {
            QSettings ini(path, QSettings::IniFormat);
            return TPortMap::FromSettings(ini);
        }
    }
    return TPortMap();
}

// A COM number goes through the port map; anything else is a device path.
std::unique_ptr<TML_RS> openLink(const DeviceOptions& o) {
    bool isNumber = false;
    const int n = o.port.toInt(&isNumber);
    TPortMap map = appPortMap();
    int number = n;
    if (!isNumber) {
        number = TPortMap::FirstPort;
        map.SetPath(number, o.port);
    } else if (!TPortMap::IsValidNumber(n)) {
        throw TError(QStringLiteral("Port %1: a COM number is 1..32.").arg(o.port));
    }
    auto link = std::make_unique<TML_RS>(MakeQtSerialPortIo(), map);
    link->SetBaudRate(LineBaudRate);
    link->Open(number);
    if (!link->IsOpen() || link->PortNumber != number)
        throw TError(
            QStringLiteral("Port %1: %2")
                .arg(isNumber ? QStringLiteral("COM%1 (%2)").arg(n).arg(map.Path(n)) : o.port,
                     link->NoLinkMessage()));
    link->SetPortType(o.portType);
    link->ResponseTimeout = LineResponseTimeoutMs;
    return link;
}

std::uint16_t connect(TML_RS& link, const DeviceOptions& o, QTextStream& err) {
    err << "Reconnect the device power supply" << Qt::endl;
    QElapsedTimer clock;
    clock.start();
    const qint64 limit = qint64(o.waitSeconds) * 1000;
    const TConnectResult r = WaitForDevice(link, [&] { return clock.elapsed() >= limit; });
    if (!r.connected) throw TError(QStringLiteral("No answer from the device"));
    return r.version;
}

// A bar on stderr when it is a terminal; nothing when it is a file or a pipe.
std::function<void(int)> progressBar(const char* label) {
    if (!StandardErrorIsTerminal()) return [](int) {};
    return [label, last = -1](int percent) mutable {
        if (percent == last) return;
        last = percent;
        const int filled = percent * 30 / 100;
        std::fprintf(stderr, "\r%-8s [%-30.*s] %3d%%", label, filled,
                     "##############################", percent);
        if (percent >= 100) std::fputc('\n', stderr);
        std::fflush(stderr);
    };
}

QString parseDeviceOptions(const ParsedArgs& p, DeviceOptions& o) {
    if (!p.values.contains("--port")) return QStringLiteral("--port is required.");
    o.port = p.values.value("--port");
    if (p.values.contains("--wait")) {
        bool ok = false;
        o.waitSeconds = p.values.value("--wait").toInt(&ok);
        if (!ok || o.waitSeconds < 0)
            return QStringLiteral("--wait takes a whole number of seconds.");
    }
    if (p.values.contains("--port-type")) {
        const QString t = p.values.value("--port-type");
        if (t != u"0" && t != u"1" && t != u"2") return QStringLiteral("--port-type is 0, 1 or 2.");
        o.portType = std::uint8_t(t.toInt());
    }
    return {};
}

// Runs one step on the device and names the port and the step in any failure; the link's
// own text stays as it is.
template <typename Step> void onPort(const DeviceOptions& o, const char* step, Step run) {
    try {
        run();
    } catch (const TError& e) {
        throw TError(
            QStringLiteral("port %1, %2: %3").arg(o.port, QLatin1String(step), e.message()));
    }
}

void tellCopy(const QString& copy, const TVehicleRecording& vehicle, QTextStream& out) {
    if (!copy.isEmpty())
        out << "Kept for vehicle " << vehicle.Name() << ": " << QDir::toNativeSeparators(copy)
            << "\n";
}

} // namespace

int Ports(const QStringList& args, Streams io) {
    if (!args.isEmpty()) {
        io.err << "ports takes no arguments.\n" << UsageText();
        return ExitUsage;
    }
    const TPortMap map = appPortMap();
    std::unique_ptr<ISerialPortIo> probe = MakeQtSerialPortIo();
    for (int n = TPortMap::FirstPort; n <= TPortMap::LastPort; ++n)
        if (probe->probe(map.Path(n)))
            io.out << TPortMap::PortName(n) << '\t' << map.Path(n) << "\n";
    return ExitOk;
}

int Read(const QStringList& args, Streams io) {
    const ParsedArgs p = ParseArgs(
        args, {"--port", "--out", "--wait", "--port-type", "--vehicle", "--data-dir"}, {});
    DeviceOptions o;
    VehicleOptions vo;
    QString error = p.error;
    if (error.isEmpty()) error = parseDeviceOptions(p, o);
    if (error.isEmpty()) error = ParseVehicleOptions(p, vo);
    if (error.isEmpty() && !p.values.contains("--out"))
        error = QStringLiteral("--out is required.");
    if (error.isEmpty() && !p.positional.isEmpty())
        error = QStringLiteral("Unexpected argument %1.").arg(p.positional.first());
    if (!error.isEmpty()) {
        io.err << error << "\n" << UsageText();
        return ExitUsage;
    }
    auto link = openLink(o);
    TMK model;
    model.DeviceVersion = connect(*link, o, io.err);
    onPort(o, "reading the settings",
           [&] { ReadSettingsFromDevice(*link, model, progressBar("Reading")); });
    SaveSettingsFile(model, p.values.value("--out"));
    io.out << "Saved " << p.values.value("--out") << "\n";
    if (!vo.vehicle.isEmpty()) {
        TVehicleEvent event;
        event.kind = TEventKind::Read;
        event.file = QFileInfo(p.values.value("--out")).absoluteFilePath();
        TVehicleRecording vehicle(vo, io.err);
        tellCopy(vehicle.Record(model, event), vehicle, io.out);
    }
    return ExitOk;
}

int Write(const QStringList& args, Streams io) {
    const ParsedArgs p = ParseArgs(
        args,
        {"--port", "--in", "--wait", "--port-type", "--backup-dir", "--vehicle", "--data-dir"},
        {"--dry-run", "--with-journals"});
    DeviceOptions o;
    VehicleOptions vo;
    QString error = p.error;
    if (error.isEmpty()) error = parseDeviceOptions(p, o);
    if (error.isEmpty()) error = ParseVehicleOptions(p, vo);
    if (error.isEmpty() && !p.values.contains("--in")) error = QStringLiteral("--in is required.");
    if (error.isEmpty() && !p.positional.isEmpty())
        error = QStringLiteral("Unexpected argument %1.").arg(p.positional.first());
    if (!error.isEmpty()) {
        io.err << error << "\n" << UsageText();
        return ExitUsage;
    }
    const bool dryRun = p.flags.contains("--dry-run");
    // The device keeps the journals and totals it recorded unless asked otherwise.
    const bool withJournals = p.flags.contains("--with-journals");

    TMK model;
    LoadSettingsForTool(model, p.values.value("--in"));
    std::optional<TVehicleRecording> vehicle;
    if (!vo.vehicle.isEmpty()) vehicle.emplace(vo, io.err);
    WriteFlowSteps steps;
    steps.backupFolder = p.values.value("--backup-dir");
    // Before the device is connected: the history may keep us waiting for another writer.
    if (vehicle && steps.backupFolder.isEmpty()) steps.backupFolder = vehicle->BackupFolder();

    auto link = openLink(o);
    const std::uint16_t version = connect(*link, o, io.err);
    steps.readProgress = progressBar("Reading");
    steps.writeProgress = progressBar("Writing");
    steps.checkProgress = progressBar("Checking");
    steps.confirm = [&](const TWritePlan& plan) {
        const bool replacing = withJournals && plan.canReplaceRecords;
        const TSettingWords words(plan.writtenImage, plan.deviceVersion);
        PrintChangeList(plan.changes, words,
                        replacing ? plan.replacedRecordChanges : plan.recordChanges, io.out);
        if (!withJournals && plan.canReplaceRecords)
            io.out << "The device keeps its own journals and totals (--with-journals replaces "
                      "them with those of "
                   << p.values.value("--in") << ").\n";
        io.out.flush();
        return TWriteChoice{!dryRun, replacing};
    };
    TWriteOutcome outcome;
    onPort(o, "writing the settings",
           [&] { outcome = WriteSettingsToDevice(*link, model, version, steps); });
    if (!outcome.written) {
        io.out << "Dry run: nothing was written. Backup of the device's memory: "
               << QDir::toNativeSeparators(outcome.backupPath) << "\n";
        return ExitOk;
    }
    io.out << "The settings are recorded in the device\n";
    io.out << "Checked by reading back. Backup: " << QDir::toNativeSeparators(outcome.backupPath)
           << "\n";
    if (vehicle) {
        TVehicleEvent event;
        event.kind = TEventKind::Write;
        event.file = QFileInfo(p.values.value("--in")).absoluteFilePath();
        event.backup = QFileInfo(outcome.backupPath).absoluteFilePath();
        event.changes = WriteChangesText(outcome);
        tellCopy(vehicle->Record(model, event), *vehicle, io.out);
    }
    return ExitOk;
}

QString WordsOf(const TFieldChange& change, const TSettingWords& words) {
    QStringList parts;
    for (const TChangeRow& r : words.Described(change))
        parts << ChangeRowLine(r);
    return parts.isEmpty() ? QString()
                           : QStringLiteral(" (%1)").arg(parts.join(QStringLiteral("; ")));
}

void PrintChangeList(const std::vector<TFieldChange>& changes, const TSettingWords& words,
                     const std::vector<journals::TRecordChange>& records, QTextStream& out) {
    for (const TFieldChange& c : changes)
        out << ChangeLine(c) << WordsOf(c, words) << "\n";
    for (const journals::TRecordChange& r : records)
        out << journals::RecordChangeLine(r) << "\n";
    if (changes.empty())
        out << "No setting differs from the device.\n";
    else
        out << changes.size() << (changes.size() == 1 ? " setting differs" : " settings differ")
            << " from the device.\n";
}

} // namespace cli
