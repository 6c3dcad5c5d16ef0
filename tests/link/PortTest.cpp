// The serial-port layer: which ports exist, opening and falling back, line settings,
// the port dialog, the settings file and the port map.

#include "Errors.h"
#include "LinkRig.h"
#include "LinkTexts.h"
#include "ScriptedPrompt.h"

#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// COM3 and COM10 present (plus whatever the test adds).
struct TPortRig {
    explicit TPortRig(std::map<QString, TPortOpenResult> ports = {{QStringLiteral("/dev/ttyUSB2"),
                                                                   TPortOpenResult::Opened},
                                                                  {QStringLiteral("/dev/ttyACM1"),
                                                                   TPortOpenResult::Opened}},
                      TPortMap map = TPortMap()) {
        auto fake = std::make_unique<TFakePort>(time);
        port = fake.get();
        port->ports = std::move(ports);
        link = std::make_unique<TML_RS>(std::move(fake), map, time);
    }
    TFakeTime time;
    TFakePort* port = nullptr;
    std::unique_ptr<TML_RS> link;
};

std::string transactFailure(TML_RS& link) {
    try {
        link.Command(0xF4, 0x01);
    } catch (const TError& e) {
        return e.message().toStdString();
    }
    return {};
}

} // namespace

TEST(SerialPort, OpenFallsBackToTheLowestPresentPortAndNeverPast32) {
    PromptScope scope;
    TPortRig rig;
    TML_RS& link = *rig.link;
    EXPECT_EQ(link.AvailableCount, 2);
    EXPECT_EQ(link.PortNumber, 3); // chosen, not opened
    EXPECT_FALSE(link.IsOpen());

    link.Open(10);
    EXPECT_TRUE(link.Opened);
    EXPECT_EQ(rig.port->openPath, QStringLiteral("/dev/ttyACM1"));
    for (const int absent : {5, 33, 40, 1000}) {
        link.Open(absent);
        EXPECT_EQ(link.PortNumber, 3) << absent;
        EXPECT_EQ(rig.port->openPath, QStringLiteral("/dev/ttyUSB2"));
    }
    const auto opens = rig.port->opened.size();
    link.Open(0);
    link.Open(-3);
    EXPECT_EQ(rig.port->opened.size(), opens);
    EXPECT_EQ(link.PortNumber, 3);
    EXPECT_TRUE(scope.prompt->errors.isEmpty());

    // Enumerating closes the own port so that it counts as present.
    EXPECT_EQ(link.EnumeratePorts(), 2);
    EXPECT_FALSE(link.IsOpen());
    EXPECT_FALSE(link.Opened);
}

TEST(SerialPort, NoPortAtAllIsReportedAndNothingOpens) {
    PromptScope scope;
    TPortRig rig(std::map<QString, TPortOpenResult>{});
    EXPECT_EQ(scope.prompt->errors, QStringList{QString::fromLatin1(NoFreePortText)});
    EXPECT_EQ(rig.link->PortNumber, 0);
    rig.link->Open(1);
    EXPECT_EQ(scope.prompt->errors.size(), 2);
    EXPECT_FALSE(rig.link->IsOpen());
    EXPECT_EQ(transactFailure(*rig.link), NoLinkText);
}

TEST(SerialPort, APortThatCannotBeOpenedLeavesTheLinkClosedAndSaysWhyLater) {
    PromptScope scope;
    TPortRig rig({{QStringLiteral("/dev/ttyUSB0"), TPortOpenResult::Busy},
                  {QStringLiteral("/dev/ttyUSB1"), TPortOpenResult::NoPermission}});
    TML_RS& link = *rig.link;
    link.Open(1);
    EXPECT_FALSE(link.IsOpen());
    EXPECT_FALSE(link.Opened);
    EXPECT_TRUE(scope.prompt->errors.isEmpty()); // silent at that moment
    EXPECT_EQ(transactFailure(link), NoLinkText);
    EXPECT_LT(rig.time.now, 200); // a closed port has nothing to wait for

    link.Open(2);
    const std::string text = transactFailure(link);
    EXPECT_EQ(text.rfind(NoLinkText, 0), 0u) << text;
#ifdef Q_OS_LINUX
    EXPECT_NE(text.find("/dev/ttyUSB1"), std::string::npos) << text;
    EXPECT_NE(text.find("dialout"), std::string::npos) << text;
#endif
}

TEST(SerialPort, LineSettingsAreKeptWhileClosedAndAppliedOnOpen) {
    TPortRig rig;
    TML_RS& link = *rig.link;
    EXPECT_EQ(link.BaudRate, 115200u);
    link.SetBaudRate(19200);
    link.SetParity(0);
    EXPECT_EQ(link.BaudRate, 19200u);
    EXPECT_EQ(rig.port->baud, 0); // nothing reached a port

    link.Open(3);
    EXPECT_EQ(rig.port->baud, 19200);
    EXPECT_EQ(rig.port->dataBits, 8);
    EXPECT_EQ(rig.port->parity, 0);
    EXPECT_EQ(rig.port->stopBits, 2);
    EXPECT_EQ(rig.port->dtrRaised, 1);

    // The rate the driver settles on is the one kept.
    rig.port->reportedBaud = 19231;
    link.SetBaudRate(19200);
    EXPECT_EQ(link.BaudRate, 19231u);
}

TEST(SerialPort, SettingsFileKeepsThePortAndMapsPortsToPaths) {
    QTemporaryDir dir;
    const QString iniPath = dir.filePath(QStringLiteral("trip.ini"));
    {
        QSettings ini(iniPath, QSettings::IniFormat);
        ini.setValue(QStringLiteral("Ports/COM5"), QStringLiteral("/tmp/tripsim-pty"));
        ini.setValue(QStringLiteral("RS232/Port"), 5);
    }
    TPortRig rig({{QStringLiteral("/dev/ttyUSB2"), TPortOpenResult::Opened},
                  {QStringLiteral("/tmp/tripsim-pty"), TPortOpenResult::Opened}});
    TML_RS& link = *rig.link;
    EXPECT_EQ(link.Name, QStringLiteral("RS232"));
    {
        QSettings ini(iniPath, QSettings::IniFormat);
        link.LoadSettings(ini);
    }
    EXPECT_TRUE(link.IsOpen());
    EXPECT_EQ(rig.port->openPath, QStringLiteral("/tmp/tripsim-pty"));
    EXPECT_EQ(link.PortLabel(5), QStringLiteral("COM5 (/tmp/tripsim-pty)"));

    // The saved port has gone: the lowest present one is opened, and saved at exit.
    {
        QSettings ini(iniPath, QSettings::IniFormat);
        ini.remove(QStringLiteral("Ports"));
        link.LoadSettings(ini);
        EXPECT_EQ(rig.port->openPath, QStringLiteral("/dev/ttyUSB2"));
        link.SaveSettings(ini);
    }
    QSettings ini(iniPath, QSettings::IniFormat);
    EXPECT_EQ(ini.value(QStringLiteral("RS232/Port")).toInt(), 3);

    // A saved 0 opens nothing; a value that is no number counts as missing.
    link.Close();
    ini.setValue(QStringLiteral("RS232/Port"), 0);
    link.LoadSettings(ini);
    EXPECT_FALSE(link.IsOpen());
    ini.setValue(QStringLiteral("RS232/Port"), QStringLiteral("COM3"));
    link.LoadSettings(ini);
    EXPECT_TRUE(link.IsOpen());
    EXPECT_EQ(link.PortNumber, 3);
}

TEST(SerialPort, PortMapDefaultsAndBounds) {
#ifndef Q_OS_WIN
    const TPortMap map;
    EXPECT_EQ(map.Path(1), QStringLiteral("/dev/ttyUSB0"));
    EXPECT_EQ(map.Path(8), QStringLiteral("/dev/ttyUSB7"));
    EXPECT_EQ(map.Path(9), QStringLiteral("/dev/ttyACM0"));
    EXPECT_EQ(map.Path(16), QStringLiteral("/dev/ttyACM7"));
    EXPECT_EQ(map.Path(17), QStringLiteral("/dev/ttyS0"));
    EXPECT_EQ(map.Path(32), QStringLiteral("/dev/ttyS15"));
#endif
    EXPECT_TRUE(TPortMap().Path(0).isEmpty());
    EXPECT_TRUE(TPortMap().Path(33).isEmpty());
}

TEST(SerialPort, SelectPortOffersPresentPortsAndReopensOnCancel) {
    PromptScope scope;
    TPortRig rig;
    TML_RS& link = *rig.link;
    link.Open(10);
    scope.prompt->chooser = nullptr; // cancelled
    link.SelectPort();
    EXPECT_EQ(scope.prompt->chooseCaption, QStringLiteral("Port number selection"));
    EXPECT_EQ(scope.prompt->choosePrompt, QStringLiteral("Select serial port"));
    EXPECT_EQ(scope.prompt->chooseItems, (QStringList{QStringLiteral("COM3 (/dev/ttyUSB2)"),
                                                      QStringLiteral("COM10 (/dev/ttyACM1)")}));
    EXPECT_EQ(scope.prompt->chooseCurrent, 1);
    EXPECT_TRUE(link.IsOpen());
    EXPECT_EQ(rig.port->opened.back(), QStringLiteral("/dev/ttyACM1"));
    EXPECT_EQ(rig.port->opened.size(), 2u); // closed and opened again

    scope.prompt->chooser = [](const QStringList&, int) { return 0; };
    link.SelectPort();
    EXPECT_EQ(link.PortNumber, 3);
    EXPECT_EQ(rig.port->openPath, QStringLiteral("/dev/ttyUSB2"));

    // With no port left, the dialog is not shown and the link stays closed.
    rig.port->ports.clear();
    scope.prompt->chooseCaption.clear();
    link.SelectPort();
    EXPECT_TRUE(scope.prompt->chooseCaption.isEmpty());
    EXPECT_EQ(scope.prompt->errors, QStringList{QString::fromLatin1(NoFreePortText)});
    EXPECT_FALSE(link.IsOpen());
}
