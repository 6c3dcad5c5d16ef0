// The tripsim program itself: options, memory from a dump or a settings file, fault
// injection from the command line, and the dump on exit.

#include "DeviceMemory.h"
#include "DeviceTransfers.h"
#include "ML_RS232.h"
#include "Pars32H.h"
#include "SettingsFile.h"
#include "SimHistory.h"
#include "SimMemory.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>

namespace {

const QString TripSimProgram = QStringLiteral(TRIP_BINARY_DIR "/tools/tripsim/tripsim");
constexpr int StartTimeoutMs = 5000;

class LinkSimProgram : public ::testing::Test {
protected:
    void SetUp() override {
        if (!QCoreApplication::instance()) app_ = std::make_unique<QCoreApplication>(argc_, argv_);
        ASSERT_TRUE(QFileInfo::exists(TripSimProgram)) << "build the tripsim target first";
        ASSERT_TRUE(dir_.isValid());
        ttyPath_ = dir_.filePath(QStringLiteral("ttyTRIP"));
    }
    void TearDown() override {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished();
        }
        app_.reset();
    }

    // Starts tripsim on the link path and waits until the terminal is there.
    void start(QStringList args) {
        args << QStringLiteral("--link") << ttyPath_;
        process_.start(TripSimProgram, args);
        ASSERT_TRUE(process_.waitForReadyRead(StartTimeoutMs))
            << process_.readAllStandardError().toStdString();
        ASSERT_TRUE(QFileInfo::exists(ttyPath_));
        TPortMap map;
        map.SetPath(1, ttyPath_);
        link_ = std::make_unique<TML_RS>(MakeQtSerialPortIo(), map);
        link_->Open(1);
        link_->SetBaudRate(19200);
        link_->SetPortType(TML_RS::PortRs485Echo);
        link_->ResponseTimeout = 100;
        ASSERT_TRUE(link_->IsOpen());
    }
    // Ends tripsim as a user would, with SIGTERM.
    void stop() {
        link_.reset();
        process_.terminate();
        ASSERT_TRUE(process_.waitForFinished(StartTimeoutMs));
        EXPECT_EQ(process_.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process_.exitCode(), 0) << process_.readAllStandardError().toStdString();
        EXPECT_FALSE(QFileInfo::exists(ttyPath_) || QFileInfo(ttyPath_).isSymLink());
    }
    QString file(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
    // Waits for the program's lines about recorded drives until there are count of them.
    QStringList waitForDrives(int count) {
        QElapsedTimer clock;
        clock.start();
        while (output_.count(QStringLiteral("recorded a drive")) < count &&
               clock.elapsed() < StartTimeoutMs) {
            process_.waitForReadyRead(StartTimeoutMs - int(clock.elapsed()));
            output_ += QString::fromLocal8Bit(process_.readAllStandardOutput());
        }
        return output_.split(QLatin1Char('\n')).filter(QStringLiteral("recorded a drive"));
    }

    QTemporaryDir dir_;
    QString ttyPath_;
    QProcess process_;
    std::unique_ptr<TML_RS> link_;
    QString output_; // what the program printed, as far as read

private:
    int argc_ = 1;
    char name_[16] = "test_e2e";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QCoreApplication> app_;
};

void writeFile(const QString& path, const QByteArray& data) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(data);
}

} // namespace

TEST_F(LinkSimProgram, ServesARawDumpWithFaultsAndDumpsTheWrittenMemoryOnExit) {
    QByteArray memory = sim::BuildDefaultMemory(7);
    memory[0] = '\x11';    // block 0: never read, never written
    memory[4100] = '\x22'; // block 128 likewise
    writeFile(file("in.bin"), memory);
    // Identifications 1 and 2 go unanswered; request 4 (the first block) is refused as busy.
    start({"--baud", "0", "--version", "0x4710", "--image", file("in.bin"), "--dump-on-exit",
           file("out.bin"), "--fail", "power-cycle@2", "--fail", "busy@4"});

    const TConnectResult device = WaitForDevice(*link_, [] { return false; });
    ASSERT_TRUE(device.connected);
    EXPECT_EQ(device.version, 0x4710);
    TMK model;
    ReadImage(*link_, model, {});
    EXPECT_EQ(model.SettingsImage, sim::ImageOfMemory(memory));
    model.ReadSections(1, SectionCountMax);
    EXPECT_EQ(model.SettingsVersion(), 7);

    model.Section(2).fill('\x5A');
    model.WriteSections(1, SectionCountMax);
    WriteSections(*link_, model, {});
    stop();

    QFile out(file("out.bin"));
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    const QByteArray dumped = out.readAll();
    ASSERT_EQ(dumped.size(), MemorySize);
    EXPECT_EQ(sim::ImageOfMemory(dumped), model.SettingsImage);
    EXPECT_EQ(dumped.left(32), memory.left(32));
    EXPECT_EQ(dumped.mid(4096, 32), memory.mid(4096, 32));
}

TEST_F(LinkSimProgram, ServesASettingsFileWithItsVersionWord) {
    TMK saved;
    saved.SettingsImage = sim::ImageOfMemory(sim::BuildDefaultMemory(3));
    saved.SettingsImage[2000] = '\x77';
    saved.DeviceVersion = 0x4810;
    SaveSettingsFile(saved, file("saved.veltg"));
    start({"--baud", "0", "--image", file("saved.veltg")});

    const TConnectResult device = WaitForDevice(*link_, [] { return false; });
    ASSERT_TRUE(device.connected);
    EXPECT_EQ(device.version, 0x4810);
    TMK model;
    ReadImage(*link_, model, {});
    EXPECT_EQ(model.SettingsImage, saved.SettingsImage);
    stop();
}

TEST_F(LinkSimProgram, ASectionInTheUpperHalfIsReadEditedAndWrittenAtItsOwnAddress) {
    constexpr int Upper = 4200; // image offset 4136: the A - 32 rule would miss it by 32
    const QByteArray layout = sim::MoveSection(sim::BuildDefaultMemory(1), 7, Upper);
    start({"--baud", "0", "--upper-section", "7:4200", "--dump-on-exit", file("out.bin")});

    const TConnectResult device = WaitForDevice(*link_, [] { return false; });
    ASSERT_TRUE(device.connected);
    TMK model;
    model.DeviceVersion = device.version;
    ReadSettingsFromDevice(*link_, model, {});
    ASSERT_EQ(model.SettingsImage, sim::ImageOfMemory(layout));
    ASSERT_EQ(model.SectionAddress(7), Upper);
    TMK simulated;
    sim::FillHistory(simulated);
    EXPECT_EQ(model.Section(7), simulated.Section(7)) << "decoded from the section's own bytes";

    ASSERT_TRUE(model.Edit([&] {
        model.Set("PriceExpense", 0, 0x1234);
        return true;
    }));
    WriteSettingsToDevice(*link_, model, device.version, {});
    stop();

    QFile out(file("out.bin"));
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    QByteArray expected = layout;
    expected.replace(Upper + FieldByName("PriceExpense").offset, 2, QByteArray("\x34\x12", 2));
    EXPECT_EQ(out.readAll(), expected) << "the edit at 4200 + offset, no other byte changed";
}

TEST_F(LinkSimProgram, RecordsADriveOnSignalAndOnItsClock) {
    start({"--baud", "0"});
    ASSERT_EQ(::kill(pid_t(process_.processId()), SIGUSR1), 0);
    const QStringList lines = waitForDrives(1);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("tripsim: recorded a drive of ")));
    stop();

    output_.clear();
    start({"--baud", "0", "--drive-every", "0.1"});
    EXPECT_EQ(waitForDrives(2).size(), 2);
    stop();
}

TEST_F(LinkSimProgram, RefusesBadOptions) {
    for (const QStringList& args :
         {QStringList{"--fail", "sometimes@3"}, QStringList{"--version", "0x10000"},
          QStringList{"--image", "/nonexistent/file"}, QStringList{"--upper-section", "7:4090"},
          QStringList{"--upper-section", "7:x"}, QStringList{"--drive-every", "0"}}) {
        QProcess p;
        p.start(TripSimProgram, args);
        ASSERT_TRUE(p.waitForFinished(StartTimeoutMs));
        EXPECT_NE(p.exitCode(), 0) << args.join(' ').toStdString();
        EXPECT_FALSE(p.readAllStandardError().isEmpty());
    }
}
