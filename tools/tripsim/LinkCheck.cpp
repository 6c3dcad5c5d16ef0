// trip-link-check: connects to a trip computer (or tripsim) on a serial port, reads its whole
// memory, writes every section back with a few bytes changed, reads again and checks that
// exactly the changed bytes differ. Then it writes once more as the user does, from the click
// to "checked": connect, read what the write needs, write, read back (with --old-flow also
// the same write reading the whole memory first, as writes once did). Prints, for the read,
// the write, the write's read-back check and the user's write, the wall time, the time the
// bytes need on the line, their ratio and the CPU share of the whole process. The link runs
// on its own thread with progress going to the main thread, as in the window.

#include "DeviceMemory.h"
#include "DeviceTransfers.h"
#include "Errors.h"
#include "LinkThread.h"
#include "ML_RS232.h"
#include "Pars32H.h"
#include "ReadBackCheck.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <ctime>

namespace {

constexpr int BitsPerByte = 11; // 8 data bits, start and 2 stop bits
constexpr int ConnectTimeoutMs = 10000;

// Counts the bytes that go each way, for the line-time floor.
class TCountingIo : public ISerialPortIo {
public:
    explicit TCountingIo(std::unique_ptr<ISerialPortIo> inner) : inner_(std::move(inner)) {}
    bool probe(const QString& path) override { return inner_->probe(path); }
    TPortOpenResult open(const QString& path) override { return inner_->open(path); }
    void close() override { inner_->close(); }
    bool isOpen() const override { return inner_->isOpen(); }
    std::int32_t setBaudRate(std::int32_t rate) override { return inner_->setBaudRate(rate); }
    void setDataBits(int bits) override { inner_->setDataBits(bits); }
    void setParity(int code) override { inner_->setParity(code); }
    void setStopBits(int code) override { inner_->setStopBits(code); }
    void setDtr(bool on) override { inner_->setDtr(on); }
    void setRts(bool on) override { inner_->setRts(on); }
    void purgeInput() override { inner_->purgeInput(); }
    void purgeOutput() override { inner_->purgeOutput(); }
    bool readByte(std::uint8_t& byte) override {
        const bool got = inner_->readByte(byte);
        received += got ? 1 : 0;
        return got;
    }
    bool waitForByte(int timeoutMs) override { return inner_->waitForByte(timeoutMs); }
    bool write(const std::uint8_t* data, int count) override {
        sent += count;
        return inner_->write(data, count);
    }

    long long sent = 0;
    long long received = 0;

private:
    std::unique_ptr<ISerialPortIo> inner_;
};

double cpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

struct TMeasure {
    TCountingIo& io;
    bool echo;
    int baud;
    QElapsedTimer wall;
    double cpu0 = 0;
    long long sent0 = 0, received0 = 0;

    void start() {
        sent0 = io.sent;
        received0 = io.received;
        cpu0 = cpuSeconds();
        wall.start();
    }
    double report(const char* what) const {
        const double wallS = double(wall.nsecsElapsed()) / 1e9;
        const double cpu = cpuSeconds() - cpu0;
        const long long sent = io.sent - sent0;
        const long long replies = io.received - received0 - (echo ? sent : 0);
        const double floorS = double(sent + replies) * BitsPerByte / baud;
        std::printf("%-8s wall %7.3f s  line floor %7.3f s  ratio %5.3f  cpu %5.1f %% of wall"
                    "  (%lld bytes out, %lld reply bytes)\n",
                    what, wallS, floorS, wallS / floorS, 100.0 * cpu / wallS, sent, replies);
        return wallS;
    }
};

// Changes one byte in every section, as an edit would.
void editEverySection(TMK& model) {
    for (int i = 1; i <= SectionCountMax; ++i) {
        QByteArray& record = model.Section(i);
        record[record.size() / 2] = static_cast<char>(record.at(record.size() / 2) ^ 0x5A);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Read and write round trip over the link"));
    parser.addHelpOption();
    const QCommandLineOption portOpt(QStringLiteral("port"), QStringLiteral("Serial port path."),
                                     QStringLiteral("PATH"));
    const QCommandLineOption baudOpt(QStringLiteral("baud"),
                                     QStringLiteral("Line speed (default 19200)."),
                                     QStringLiteral("RATE"), QStringLiteral("19200"));
    const QCommandLineOption noEchoOpt(QStringLiteral("no-echo"),
                                       QStringLiteral("The line does not echo (RS-232)."));
    const QCommandLineOption oldFlowOpt(
        QStringLiteral("old-flow"),
        QStringLiteral("Also time the user's write reading the whole memory first."));
    parser.addOptions({portOpt, baudOpt, noEchoOpt, oldFlowOpt});
    parser.process(app);
    if (!parser.isSet(portOpt)) {
        std::fprintf(stderr, "trip-link-check: --port is required\n");
        return 2;
    }
    const int baud = parser.value(baudOpt).toInt();
    const bool echo = !parser.isSet(noEchoOpt);

    TPortMap map;
    map.SetPath(1, parser.value(portOpt));
    // The link works on a thread of its own, as it does for the window, while this thread
    // waits in its event loop and takes the progress reports.
    TCountingIo* io = nullptr;
    TLinkThread thread([&] {
        auto counting = std::make_unique<TCountingIo>(MakeQtSerialPortIo());
        io = counting.get();
        auto link = std::make_unique<TML_RS>(std::move(counting), map);
        link->Open(1);
        link->SetBaudRate(static_cast<std::uint32_t>(baud));
        link->SetPortType(echo ? TML_RS::PortRs485Echo : TML_RS::PortRs232);
        link->ResponseTimeout = 100;
        return link;
    });
    int reports = 0;
    QObject::connect(&thread, &TLinkThread::ProgressChanged, [&reports](int) { ++reports; });

    int status = 0;
    const QString error = thread.Run([&](TLinkJob& job) {
        TML_RS& link = job.Link();
        const auto progress = [&job](int percent) { job.Progress(percent); };
        QElapsedTimer connecting;
        connecting.start();
        const TConnectResult device =
            WaitForDevice(link, [&] { return connecting.elapsed() > ConnectTimeoutMs; });
        if (!device.connected) {
            std::fprintf(stderr, "trip-link-check: no answer on %s\n",
                         qPrintable(parser.value(portOpt)));
            status = 1;
            return;
        }
        std::printf("device version 0x%04X\n", device.version);

        TMK model;
        model.DeviceVersion = device.version;
        TMeasure measure{*io, echo, baud, {}};
        measure.start();
        ReadImage(link, model, progress);
        measure.report("read");
        model.ReadSections(1, SectionCountMax);

        editEverySection(model);
        model.WriteSections(1, SectionCountMax);
        const QByteArray expected = model.SettingsImage;

        measure.start();
        WriteSections(link, model, progress);
        measure.report("write");

        // What the write flow adds after every write: the written blocks read back.
        measure.start();
        CheckWrittenRegions(link, expected, QString(), progress);
        measure.report("check");

        TMK check;
        ReadImage(link, check, {});
        if (check.SettingsImage != expected) {
            std::fprintf(stderr, "trip-link-check: the memory read back differs from what was "
                                 "written\n");
            status = 1;
            return;
        }
        std::printf("round trip OK (%d progress reports)\n", reports);

        // The write as the user sees it: from the click (the device already on) to the
        // read-back check, with the backup and the change list's work.
        const QTemporaryDir backups;
        auto userWrite = [&](const char* what, bool wholeMemory) {
            editEverySection(model);
            model.WriteSections(1, SectionCountMax);
            WriteFlowSteps steps;
            steps.backupFolder = backups.path();
            steps.readWholeMemory = wholeMemory;
            steps.readProgress = steps.writeProgress = steps.checkProgress = progress;
            measure.start();
            const TConnectResult again =
                WaitForDevice(link, [&] { return connecting.elapsed() > ConnectTimeoutMs; });
            if (!again.connected) throw TError(QStringLiteral("no answer"));
            WriteSettingsToDevice(link, model, again.version, steps);
            return measure.report(what);
        };
        connecting.restart();
        const double user = userWrite("user", false);
        if (parser.isSet(oldFlowOpt)) {
            connecting.restart();
            const double old = userWrite("user-old", true);
            std::printf("user/old %.3f  (the user's write %.3f s, with the old flow %.3f s)\n",
                        user / old, user, old);
        }
    });
    if (!error.isEmpty()) {
        std::fprintf(stderr, "trip-link-check: %s\n", qPrintable(error));
        return 1;
    }
    return status;
}
