// tripsim: the simulated trip computer on a pseudo-terminal, for tests and demos.
// Runs until SIGINT or SIGTERM; prints the terminal's path on start. Meanwhile the device
// records a drive on SIGUSR1 and, with --drive-every, on a clock, one stdout line each.

#include "Errors.h"
#include "SimMemory.h"
#include "TripSim.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <optional>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// A shorter period would only keep a core busy recording.
constexpr double MinDriveEverySeconds = 0.01;
constexpr double MaxDriveEverySeconds = 24 * 60 * 60;
constexpr std::int64_t NanosPerSecond = 1'000'000'000;

int fail(const QString& text) {
    std::fprintf(stderr, "tripsim: %s\n", qPrintable(text));
    return 2;
}

bool parseNumber(const QString& text, long maximum, long& value) {
    bool ok = false;
    value = text.toLong(&ok, 0); // decimal, or hexadecimal with 0x
    return ok && value >= 0 && value <= maximum;
}

void recordDrive(sim::TTripSim& simulator) {
    const sim::TDrive drive = simulator.RecordDrive();
    std::printf("tripsim: recorded a drive of %.1f km\n", drive.all.distance / 1000.0);
    std::fflush(stdout);
}

timespec timeUntil(Clock::time_point due) {
    const std::int64_t ns =
        std::chrono::duration_cast<std::chrono::nanoseconds>(due - Clock::now()).count();
    const std::int64_t wait = std::max<std::int64_t>(0, ns);
    return {time_t(wait / NanosPerSecond), long(wait % NanosPerSecond)};
}

// Takes the signals on this thread until SIGINT or SIGTERM. SIGUSR1 records a drive at once;
// with a period, a drive is also recorded each time it has passed.
void serve(sim::TTripSim& simulator, const sigset_t& takenSignals,
           std::optional<Clock::duration> every) {
    Clock::time_point due = every ? Clock::now() + *every : Clock::time_point::max();
    for (;;) {
        int signal = 0;
        if (every) {
            const timespec wait = timeUntil(due);
            signal = sigtimedwait(&takenSignals, nullptr, &wait);
            if (signal < 0 && errno == EAGAIN) {
                recordDrive(simulator);
                // A machine that slept does not make up for the drives it missed.
                due = std::max(due + *every, Clock::now());
                continue;
            }
            if (signal < 0) continue; // interrupted
        } else if (sigwait(&takenSignals, &signal) != 0) {
            continue;
        }
        if (signal != SIGUSR1) return;
        recordDrive(simulator);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    // Blocked before any thread starts, so that only the wait in serve() receives them.
    sigset_t takenSignals;
    sigemptyset(&takenSignals);
    sigaddset(&takenSignals, SIGINT);
    sigaddset(&takenSignals, SIGTERM);
    sigaddset(&takenSignals, SIGUSR1);
    pthread_sigmask(SIG_BLOCK, &takenSignals, nullptr);

    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Simulated trip computer on a pseudo-terminal. Runs until SIGINT or "
                       "SIGTERM. SIGUSR1 makes the device record one drive at once: a new "
                       "entry of the trip journal, and every running sum grows by it."));
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
                       "(first N identifications unanswered), checksum, busy, cut, drop, "
                       "zero-header or unstored-write (block writes acknowledged but not "
                       "stored). Repeatable."),
        QStringLiteral("MODE@REQUEST"));
    const QCommandLineOption rateOpt(
        QStringLiteral("fault-rate"),
        QStringLiteral("Meet PERCENT of the requests with a random fault: checksum, busy, cut, "
                       "drop or a power cycle (the device restarts)."),
        QStringLiteral("PERCENT"));
    const QCommandLineOption seedOpt(QStringLiteral("fault-seed"),
                                     QStringLiteral("Seed of the random faults (default 1)."),
                                     QStringLiteral("N"));
    const QCommandLineOption upperOpt(
        QStringLiteral("upper-section"),
        QStringLiteral("Move section N, with its table entry, to ADDRESS (default %1, in the "
                       "upper half of the memory). Repeatable.")
            .arg(sim::UpperSectionAddress),
        QStringLiteral("N[:ADDRESS]"));
    const QCommandLineOption driveOpt(
        QStringLiteral("drive-every"),
        QStringLiteral("Record a drive every SECONDS seconds while running (fractions allowed), "
                       "as the device does while the car is driven."),
        QStringLiteral("SECONDS"));
    parser.addOptions({linkOpt, versionOpt, settingsOpt, baudOpt, noEchoOpt, imageOpt, dumpOpt,
                       failOpt, rateOpt, seedOpt, upperOpt, driveOpt});
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
    if (parser.isSet(rateOpt)) {
        bool ok = false;
        const double percent = parser.value(rateOpt).toDouble(&ok);
        if (!ok || percent < 0 || percent > 100) return fail(QStringLiteral("bad --fault-rate"));
        options.randomFaults.rate = percent / 100;
    }
    if (parser.isSet(seedOpt)) {
        if (!parseNumber(parser.value(seedOpt), 0xFFFFFFFFL, value))
            return fail(QStringLiteral("bad --fault-seed"));
        options.randomFaults.seed = std::uint32_t(value);
    }
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

    std::optional<Clock::duration> driveEvery;
    if (parser.isSet(driveOpt)) {
        bool ok = false;
        const double seconds = parser.value(driveOpt).toDouble(&ok);
        if (!ok || !(seconds >= MinDriveEverySeconds && seconds <= MaxDriveEverySeconds))
            return fail(QStringLiteral("bad --drive-every"));
        driveEvery =
            std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
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

        serve(simulator, takenSignals, driveEvery);
        simulator.Stop();
        if (parser.isSet(dumpOpt)) sim::SaveMemoryFile(simulator.Memory(), parser.value(dumpOpt));
    } catch (const TError& e) {
        return fail(e.message());
    }
    return 0;
}
