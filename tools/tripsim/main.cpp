// tripsim: the simulated trip computer on a pseudo-terminal, for tests and demos.
// Runs until SIGINT or SIGTERM; prints the terminal's path on start.

#include "Errors.h"
#include "SimMemory.h"
#include "TripSim.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <csignal>
#include <cstdio>
#include <vector>

namespace {

int fail(const QString& text) {
    std::fprintf(stderr, "tripsim: %s\n", qPrintable(text));
    return 2;
}

bool parseNumber(const QString& text, long maximum, long& value) {
    bool ok = false;
    value = text.toLong(&ok, 0); // decimal, or hexadecimal with 0x
    return ok && value >= 0 && value <= maximum;
}

} // namespace

int main(int argc, char* argv[]) {
    // Blocked before any thread starts, so that only sigwait below receives them.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Simulated trip computer on a pseudo-terminal"));
    parser.addHelpOption();
    const QCommandLineOption linkOpt(QStringLiteral("link"),
                                     QStringLiteral("Publish the terminal as this symbolic link."),
                                     QStringLiteral("PATH"));
    const QCommandLineOption versionOpt(QStringLiteral("version"),
                                        QStringLiteral("Device version word (default 0x4610)."),
                                        QStringLiteral("WORD"));
    const QCommandLineOption settingsOpt(QStringLiteral("settings-version"),
                                         QStringLiteral("Settings layout version (default 1)."),
                                         QStringLiteral("N"));
    const QCommandLineOption baudOpt(
        QStringLiteral("baud"), QStringLiteral("Line speed in bit/s, 0 unpaced (default 19200)."),
        QStringLiteral("RATE"));
    const QCommandLineOption noEchoOpt(QStringLiteral("no-echo"),
                                       QStringLiteral("Do not echo the requests."));
    const QCommandLineOption imageOpt(
        QStringLiteral("image"),
        QStringLiteral("Memory from a raw 8192-byte dump or a settings file."),
        QStringLiteral("FILE"));
    const QCommandLineOption dumpOpt(QStringLiteral("dump-on-exit"),
                                     QStringLiteral("Write the memory as a raw dump on exit."),
                                     QStringLiteral("FILE"));
    const QCommandLineOption failOpt(
        QStringLiteral("fail"),
        QStringLiteral("Failure MODE@N or MODE@N-M on request N (..M); MODE is power-cycle "
                       "(first N identifications unanswered), checksum, busy, cut, drop or "
                       "zero-header. Repeatable."),
        QStringLiteral("MODE@REQUEST"));
    const QCommandLineOption upperOpt(
        QStringLiteral("upper-section"),
        QStringLiteral("Move section N, with its table entry, to ADDRESS (default %1, in the "
                       "upper half of the memory). Repeatable.")
            .arg(sim::UpperSectionAddress),
        QStringLiteral("N[:ADDRESS]"));
    parser.addOptions({linkOpt, versionOpt, settingsOpt, baudOpt, noEchoOpt, imageOpt, dumpOpt,
                       failOpt, upperOpt});
    parser.process(app);

    sim::TTripSimOptions options;
    long value = 0;
    if (parser.isSet(versionOpt)) {
        if (!parseNumber(parser.value(versionOpt), 0xFFFF, value))
            return fail(QStringLiteral("bad --version"));
        options.version = static_cast<std::uint16_t>(value);
    }
    if (parser.isSet(settingsOpt)) {
        if (!parseNumber(parser.value(settingsOpt), 0xFF, value))
            return fail(QStringLiteral("bad --settings-version"));
        options.settingsVersion = static_cast<std::uint8_t>(value);
    }
    if (parser.isSet(baudOpt)) {
        if (!parseNumber(parser.value(baudOpt), 10'000'000, value))
            return fail(QStringLiteral("bad --baud"));
        options.baud = int(value);
    }
    options.echo = !parser.isSet(noEchoOpt);
    options.realtime = true;
    for (const QString& text : parser.values(failOpt)) {
        const auto fault = sim::ParseFault(text);
        if (!fault) return fail(QStringLiteral("bad --fail %1").arg(text));
        options.faults.push_back(*fault);
    }
    std::vector<sim::TSectionPlacement> placements;
    for (const QString& text : parser.values(upperOpt)) {
        const auto placement = sim::ParseSectionPlacement(text);
        if (!placement) return fail(QStringLiteral("bad --upper-section %1").arg(text));
        placements.push_back(*placement);
    }

    try {
        if (parser.isSet(imageOpt)) {
            const sim::TLoadedMemory loaded =
                sim::LoadMemoryFile(parser.value(imageOpt), options.settingsVersion);
            options.memory = loaded.memory;
            if (loaded.hasVersion && !parser.isSet(versionOpt))
                options.version = loaded.deviceVersion;
            if (parser.isSet(settingsOpt))
                options.memory[sim::HeaderAddress + 1] = static_cast<char>(options.settingsVersion);
        }
        if (!placements.empty() && options.memory.isEmpty())
            options.memory = sim::BuildDefaultMemory(options.settingsVersion);
        for (const sim::TSectionPlacement& p : placements)
            options.memory = sim::MoveSection(options.memory, p.section, p.address);
        sim::TTripSim simulator(options);
        simulator.Start(parser.value(linkOpt));
        std::printf("tripsim: %s version 0x%04X, %d bit/s%s\n", qPrintable(simulator.SlavePath()),
                    simulator.Version(), options.baud, options.echo ? ", echo" : "");
        std::fflush(stdout);

        int signal = 0;
        sigwait(&stopSignals, &signal);
        simulator.Stop();
        if (parser.isSet(dumpOpt)) sim::SaveMemoryFile(simulator.Memory(), parser.value(dumpOpt));
    } catch (const TError& e) {
        return fail(e.message());
    }
    return 0;
}
