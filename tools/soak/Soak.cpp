// trip-soak: cycles of edit, write and read back against the simulated trip computer on a
// pseudo-terminal, with random faults (checksum, busy, cut, drop, power cycle) on a share
// of the requests, through the same link and flows the window and tripconf-cli use.
// Every completed write must leave the device's memory equal to the expected merge byte
// for byte (so nothing outside the sections changes) and a read must give the written
// sections back; a write or read that reports an error must complete on a retry.
//
// trip-soak [--cycles N] [--fault-rate PERCENT] [--seed N] [--baud RATE]
// Prints the figures; exit code 0 when no byte was wrong and every cycle completed.

#include "DeviceMemory.h"
#include "DeviceTransfers.h"
#include "Errors.h"
#include "ML_RS232.h"
#include "Pars32H.h"
#include "SimMemory.h"
#include "SoakEdits.h"
#include "TripSim.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

namespace {

constexpr int DefaultCycles = 50;
constexpr double DefaultFaultPercent = 5;
// Attempts at one write or read before the soak fails. A device restart (one fault in five,
// so about 1 % of the requests) forgets a region half written, and a write of some 1,600
// requests (the full read first, then the regions) meets one about four times in five; 25
// attempts in a row did all fail once in 200 cycles. 100 make that about 1e-10.
constexpr int MaxAttempts = 100;
constexpr qint64 ConnectTimeoutMs = 30000; // the device answers again within this
constexpr std::uint32_t LineBaudRate = 19200;
constexpr std::uint16_t ReplyTimeoutMs = 100; // as the window sets the line

struct TFigures {
    int cycles = 0;
    int writesRetried = 0;
    int readsRetried = 0;
    int portReopened = 0;
    qint64 bytesWrong = 0;
    bool failed = false;
};

std::uint16_t connect(TML_RS& link) {
    QElapsedTimer clock;
    clock.start();
    const TConnectResult r =
        WaitForDevice(link, [&] { return clock.elapsed() > ConnectTimeoutMs; });
    if (!r.connected) throw TError(QStringLiteral("No answer from the device"));
    return r.version;
}

// Opens the simulator's port as the window does: RS-485 with echo, the window's reply time.
bool openLink(TML_RS& link) {
    link.Open(TPortMap::FirstPort);
    if (!link.IsOpen()) return false;
    link.SetPortType(TML_RS::PortRs485Echo);
    link.ResponseTimeout = ReplyTimeoutMs;
    return true;
}

// Runs step until it completes, counting the attempts that reported an error. A port the
// link closed (it closes one whose far end seems gone) is opened again before the next
// attempt, as the window does at the next transfer.
template <typename Step>
bool withRetries(const char* what, TML_RS& link, TFigures& figures, int& retried, Step step) {
    for (int attempt = 1;; ++attempt) {
        try {
            if (!link.IsOpen()) {
                if (!openLink(link)) throw TError(link.NoLinkMessage());
                ++figures.portReopened;
                std::fprintf(stderr, "trip-soak: the port was closed; opened again\n");
            }
            step();
            return true;
        } catch (const TError& e) {
            if (attempt == MaxAttempts) {
                std::fprintf(stderr, "trip-soak: %s failed %d times: %s\n", what, attempt,
                             qPrintable(e.message()));
                return false;
            }
            if (!link.IsOpen())
                std::fprintf(stderr, "trip-soak: %s: %s (the port is closed)\n", what,
                             qPrintable(e.message()));
            ++retried;
        }
    }
}

qint64 differingBytes(const QByteArray& a, const QByteArray& b) {
    qint64 n = std::abs(a.size() - b.size());
    for (qsizetype i = 0; i < std::min(a.size(), b.size()); ++i)
        n += a[i] != b[i];
    return n;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Edit, write and read back over a faulty line; nothing may be lost."));
    parser.addHelpOption();
    const QCommandLineOption cyclesOpt(QStringLiteral("cycles"), QStringLiteral("Cycles (50)."),
                                       QStringLiteral("N"));
    const QCommandLineOption rateOpt(QStringLiteral("fault-rate"),
                                     QStringLiteral("Percent of requests with a fault (5)."),
                                     QStringLiteral("PERCENT"));
    const QCommandLineOption seedOpt(QStringLiteral("seed"),
                                     QStringLiteral("Seed of the faults and edits (1)."),
                                     QStringLiteral("N"));
    const QCommandLineOption baudOpt(QStringLiteral("baud"),
                                     QStringLiteral("Simulated line speed, 0 unpaced (0)."),
                                     QStringLiteral("RATE"));
    parser.addOptions({cyclesOpt, rateOpt, seedOpt, baudOpt});
    parser.process(app);
    const int cycles =
        parser.value(cyclesOpt).isEmpty() ? DefaultCycles : parser.value(cyclesOpt).toInt();
    const double percent =
        parser.value(rateOpt).isEmpty() ? DefaultFaultPercent : parser.value(rateOpt).toDouble();
    const std::uint32_t seed = parser.value(seedOpt).isEmpty() ? 1 : parser.value(seedOpt).toUInt();
    if (cycles < 1 || percent < 0 || percent > 100) {
        std::fprintf(stderr, "trip-soak: bad --cycles or --fault-rate\n");
        return 2;
    }

    sim::TTripSimOptions options;
    options.baud = parser.value(baudOpt).toInt();
    options.randomFaults = {percent / 100, seed};
    sim::TTripSim device(options);
    TFigures figures;
    QElapsedTimer clock;
    clock.start();
    try {
        device.Start();
        TPortMap map;
        map.SetPath(TPortMap::FirstPort, device.SlavePath());
        TML_RS link(MakeQtSerialPortIo(), map);
        link.SetBaudRate(LineBaudRate);
        if (!openLink(link)) throw TError(link.NoLinkMessage());

        // The write's backups go to a folder of the soak's own, not the user's.
        const QTemporaryDir backups;
        if (!backups.isValid()) throw TError(QStringLiteral("No temporary folder for backups"));
        WriteFlowSteps steps;
        steps.backupFolder = backups.path();
        std::mt19937 rng(seed);
        TMK model;
        figures.failed = !withRetries("the first read", link, figures, figures.readsRetried, [&] {
            model.DeviceVersion = connect(link);
            ReadSettingsFromDevice(link, model, {});
        });
        while (!figures.failed && figures.cycles < cycles) {
            EditRandomFields(model, rng);
            // Written sections replace the device's; nothing else may change, even when a
            // write broke off half-way and had to be repeated.
            const QByteArray expected = ExpectedMemory(device.Memory(), model);
            figures.failed = !withRetries("a write", link, figures, figures.writesRetried, [&] {
                WriteSettingsToDevice(link, model, connect(link), steps);
            });
            if (figures.failed) break;
            figures.bytesWrong += differingBytes(device.Memory(), expected);

            TMK back;
            figures.failed = !withRetries("a read", link, figures, figures.readsRetried, [&] {
                back.DeviceVersion = connect(link);
                ReadSettingsFromDevice(link, back, {});
            });
            if (figures.failed) break;
            figures.bytesWrong +=
                differingBytes(back.SettingsImage, sim::ImageOfMemory(device.Memory()));
            for (int i = 1; i <= SectionCountMax; ++i)
                figures.bytesWrong += differingBytes(back.Section(i), model.Section(i));
            device.ClearRequests(); // the request log only grows otherwise
            ++figures.cycles;
        }
    } catch (const TError& e) {
        std::fprintf(stderr, "trip-soak: %s\n", qPrintable(e.message()));
        figures.failed = true;
    }
    device.Stop();

    const int requests = device.RequestCount(), faults = device.FaultsPlayed();
    std::printf("cycles: %d of %d\n", figures.cycles, cycles);
    std::printf("requests: %d\n", requests);
    std::printf("faults injected: %d (%.1f %% of the requests)\n", faults,
                requests ? 100.0 * faults / requests : 0.0);
    std::printf("writes retried: %d\n", figures.writesRetried);
    std::printf("reads retried: %d\n", figures.readsRetried);
    std::printf("port opened again: %d\n", figures.portReopened);
    std::printf("bytes wrong: %lld\n", static_cast<long long>(figures.bytesWrong));
    std::printf("time: %.1f s\n", clock.elapsed() / 1000.0);
    return figures.failed || figures.bytesWrong != 0 ? 1 : 0;
}
