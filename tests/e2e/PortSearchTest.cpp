// Finding the trip computer among several ports: the simulated device on one pseudo-terminal,
// a silent one on another, a path that cannot be opened as a port, and an absent port.

#include "PortSearch.h"
#include "Language.h"
#include "ML_RS232_SetNumDlg.h"
#include "TestApp.h"
#include "TripSim.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

using namespace portsearch;

constexpr int SearchLimitMs = 10000;

class PortSearch : public ::testing::Test {
protected:
    void SetUp() override {
        TestApp();
        sim::TTripSimOptions silentOptions;
        silentOptions.faults = {{sim::TFaultMode::PowerCycle, 1, 1000000}};
        silent = std::make_unique<sim::TTripSim>(silentOptions);
        silent->Start(dir.filePath("silent"));
        device = std::make_unique<sim::TTripSim>();
        device->Start(dir.filePath("device"));
        QFile notAPort(dir.filePath("not-a-port"));
        ASSERT_TRUE(notAPort.open(QIODevice::WriteOnly));
    }
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir;
    std::unique_ptr<sim::TTripSim> silent, device;
};

} // namespace

TEST_F(PortSearch, AsksEachPortInTurnSkipsWhatCannotBeOpenedAndStopsAtTheDevice) {
    const std::atomic_bool stop{false};
    std::vector<int> asked;
    const TSearchResult r =
        FindDevice({path("silent"), path("not-a-port"), path("device"), path("silent")}, stop,
                   [&](int i) { asked.push_back(i); });
    EXPECT_EQ(r.found, 2);
    EXPECT_EQ(r.version, 0x4610);
    EXPECT_EQ(asked, (std::vector<int>{0, 1, 2})) << "nothing asked after the device answered";
    ASSERT_EQ(r.probes.size(), 3u);
    EXPECT_EQ(r.probes[0].outcome, TProbeOutcome::Silent);
    EXPECT_EQ(r.probes[1].outcome, TProbeOutcome::NotOpened);
    EXPECT_GE(silent->Identifications(), 1);
    EXPECT_EQ(device->RequestCount(), 1) << "one identification, no power-cycle wait";

    const std::atomic_bool stopped{true};
    const TSearchResult none = FindDevice({path("device")}, stopped);
    EXPECT_TRUE(none.stopped);
    EXPECT_EQ(none.found, -1);
    EXPECT_TRUE(none.probes.empty());
}

TEST_F(PortSearch, PortDialogMarksAbsentPortsAndFindsTheDeviceWithoutBlockingTheWindow) {
    EnglishVersion = true;
    const std::vector<TPortChoice> ports = {
        {"COM1", path("silent"), "COM1 (" + path("silent") + ")", true},
        {"COM2", path("gone"), "COM2 (" + path("gone") + ")", false},
        {"COM3", path("not-a-port"), "COM3 (" + path("not-a-port") + ")", true},
        {"COM4", path("device"), "COM4 (" + path("device") + ")", true},
    };
    TML_RS232_SetNumDlg dlg("Port number selection", "Select serial port", ports, 1);
    auto* list = dlg.findChild<QComboBox*>("cbPort");
    auto* model = qobject_cast<QStandardItemModel*>(list->model());
    EXPECT_EQ(list->currentIndex(), 0) << "the port in use is absent: the first present one";
    EXPECT_FALSE(model->item(1)->isEnabled());
    EXPECT_TRUE(list->itemText(1).endsWith("not connected")) << qPrintable(list->itemText(1));
    EXPECT_TRUE(dlg.findChild<QLabel*>("lPortDetails")->text().contains(path("silent")));
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(list->currentIndex(), 2) << "the keyboard passes over absent ports";
    QTest::keyClick(list, Qt::Key_Up);

    auto* find = dlg.findChild<QPushButton*>("bFindDevice");
    EXPECT_EQ(find->text(), "Find the device");
    QTest::mouseClick(find, Qt::LeftButton);
    EXPECT_TRUE(dlg.searching());
    EXPECT_EQ(find->text(), "Stop search") << "the window answers while the ports are asked";
    EXPECT_TRUE(QTest::qWaitFor([&] { return !dlg.searching(); }, SearchLimitMs));
    EXPECT_EQ(dlg.selectedIndex(), 3);
    const QString status = dlg.findChild<QLabel*>("lSearch")->text();
    EXPECT_TRUE(status.startsWith("COM4: the device answered, TC-4610 (0x4610)."))
        << qPrintable(status);
    EXPECT_TRUE(status.contains("Could not be opened: COM3")) << qPrintable(status);

    // Stopping: a search over silent ports ends at once, and closing never waits for it.
    device->Stop();
    QTest::mouseClick(find, Qt::LeftButton);
    QTest::mouseClick(find, Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !dlg.searching(); }, SearchLimitMs));
    EXPECT_EQ(dlg.findChild<QLabel*>("lSearch")->text(), "Search stopped.");
    QTest::mouseClick(find, Qt::LeftButton);
    dlg.reject();
    EXPECT_FALSE(dlg.searching());
    EnglishVersion = false;
}
