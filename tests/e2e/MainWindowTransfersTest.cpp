// The main window against the simulated trip computer on a pseudo-terminal: the whole
// read / save / load / write cycle, cancelling, the two version refusals and a link error.

#include "../app/MainWindowSupport.h"
#include "ChangeList.h"
#include "DeviceMemory.h"
#include "LinkThread.h"
#include "MK_SetParamsH.h"
#include "Pars32H.h"
#include "Progress.h"
#include "SettingsFile.h"
#include "SimMemory.h"
#include "TripSim.h"
#include "VehicleStore.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QProgressBar>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTimer>
#include <set>

namespace {

const QString NoLink = QStringLiteral("RS232. No link. Check PC-device connection.");

// Watches the progress window while a transfer runs, as a user would see it. Besides a
// quick timer it looks whenever the window is shown and whenever its gauge moves, since the
// link's thread may hand over the next phase before the timer comes round.
class ProgressWatch : public QObject {
public:
    ProgressWatch() {
        timer_.setInterval(2);
        QObject::connect(&timer_, &QTimer::timeout, this, [this] { look(true); });
        timer_.start();
        qApp->installEventFilter(this);
    }
    ~ProgressWatch() override { qApp->removeEventFilter(this); }
    std::set<QString> steps;
    int highestPercent = -1;
    bool cancelWhenAsked = false; // press Cancel while the device is being waited for

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* p = qobject_cast<TProgressForm*>(watched);
        if (p && event->type() == QEvent::Show) {
            QObject::connect(
                p->findChild<QProgressBar*>("ProgressGauge"), &QProgressBar::valueChanged, this,
                [this] { look(false); }, Qt::UniqueConnection);
            look(false);
        }
        return false;
    }

private:
    void look(bool mayClick) {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* p = qobject_cast<TProgressForm*>(w);
            if (!p || !p->isVisible()) continue;
            const QString step = p->findChild<QLabel*>("ProgressLabel")->text();
            steps.insert(step);
            auto* gauge = p->findChild<QProgressBar*>("ProgressGauge");
            if (gauge->isVisible()) highestPercent = std::max(highestPercent, gauge->value());
            auto* cancel = p->findChild<QPushButton*>("BitBtn1");
            if (mayClick && cancelWhenAsked && cancel->isVisible())
                QTest::mouseClick(cancel, Qt::LeftButton);
        }
    }
    QTimer timer_;
};

} // namespace

class MainWindowTransfers : public MainWindowFixture {
protected:
    void SetUp() override {
        startSim({});
        MainWindowFixture::SetUp();
    }
    void startSim(sim::TTripSimOptions options) {
        if (options.baud == 19200)
            options.baud = 0; // the tests need the protocol, not the line's pace
        sim = std::make_unique<sim::TTripSim>(options);
        sim->Start(simPath());
    }
    QString simPath() const { return dir.filePath("tripsim"); }
    QString com1Path() const override { return simPath(); }
    std::vector<std::uint8_t> commands() const {
        std::vector<std::uint8_t> out;
        for (const sim::TRequestRecord& r : sim->Requests())
            out.push_back(std::uint8_t(r.frame[4]));
        return out;
    }
    bool onlyIdentified() const {
        for (std::uint8_t c : commands())
            if (c != devmem::CmdIdentify) return false;
        return true;
    }
    // Changes one byte of section 3 the way a confirmed editor would.
    static void editSection3(TMainForm& form, int offset, char value) {
        form.Model().Edit([&] {
            form.Model().Section(3)[offset] = value;
            return true;
        });
        form.Modified = true;
    }
    int sectionAddress(int i) const {
        TMK m;
        m.SettingsImage = sim::ImageOfMemory(sim->Memory());
        m.ReadHeader();
        return m.SectionAddress(i);
    }

    bool nothingWritten() const {
        for (std::uint8_t c : commands())
            if (c != devmem::CmdIdentify && c != devmem::CmdReadBlock) return false;
        return true;
    }
    // Changes one spin edit in the real editor and confirms it, as the user does.
    static void editInEditor(TMainForm& form, const char* control, double shown) {
        QTimer::singleShot(0, [control, shown] {
            auto* dlg = qobject_cast<TMK_SetParamsDlg*>(QApplication::activeModalWidget());
            ASSERT_NE(dlg, nullptr);
            auto* spin = dlg->findChild<QDoubleSpinBox*>(control);
            ASSERT_NE(spin, nullptr);
            spin->setValue(shown);
            emit spin->editingFinished();
            dlg->accept();
        });
        click(form, "bEditParams");
    }

    std::unique_ptr<sim::TTripSim> sim;
};

TEST_F(MainWindowTransfers, ReadSaveLoadAndWriteBackWithTheProgressWindowShowing) {
    auto form = openWindow();
    ASSERT_TRUE(form->LinkThread().State().open) << "COM1 is the simulator";
    EXPECT_FALSE(form->KeepAliveTimer()->isActive());

    ProgressWatch watch;
    click(*form, "bGetParams");
    EXPECT_TRUE(prompt.errors.isEmpty()) << qPrintable(prompt.errors.join('\n'));
    EXPECT_EQ(stepButtons(*form), 1);
    EXPECT_EQ(form->Model().SettingsImage, sim::ImageOfMemory(sim->Memory()));
    EXPECT_EQ(form->Model().DeviceVersion, 0x4610);
    EXPECT_TRUE(watch.steps.count("Переподключите питание МК"));
    EXPECT_TRUE(watch.steps.count("Чтение настроек..."));
    EXPECT_EQ(watch.highestPercent, 100);
    EXPECT_TRUE(form->KeepAliveTimer()->isActive());
    EXPECT_EQ(form->KeepAliveTimer()->interval(), 30000);

    // The keep-alive identifies itself and nothing else; the window does not wait for it.
    sim->ClearRequests();
    form->Timer1Timer();
    EXPECT_TRUE(form->LinkThread().Busy());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form->LinkThread().Busy(); }));
    EXPECT_EQ(commands(), std::vector<std::uint8_t>{devmem::CmdIdentify});

    // Save, change, load back: the change is gone and the file's settings are in place.
    const QString file = dir.filePath("device.veltg");
    prompt.savePaths = {file};
    click(*form, "bSaveParams");
    const QByteArray asRead = form->Model().SettingsImage;
    editSection3(*form, 0, 0x5A);
    prompt.answers = {false};
    prompt.openPaths = {file};
    click(*form, "bLoadParams");
    EXPECT_EQ(form->Model().SettingsImage, asRead);
    EXPECT_FALSE(form->Modified);

    // Edit and write: the edited section lands in the device's memory, bytes outside the
    // sections stay as the device had them.
    editSection3(*form, 1, 0x3C);
    const QByteArray before = sim->Memory();
    sim->ClearRequests();
    QTest::mouseClick(control<QCheckBox>(*form, "cbEnglishVersion"), Qt::LeftButton);
    click(*form, "bSetParams");
    EXPECT_TRUE(prompt.errors.isEmpty()) << qPrintable(prompt.errors.join('\n'));
    EXPECT_TRUE(prompt.infos.last().startsWith("The settings are recorded in the device\n"
                                               "Checked by reading back. Backup: " +
                                               dir.filePath("backups/")))
        << qPrintable(prompt.infos.last());
    EXPECT_TRUE(watch.steps.count("The settings are recorded..."));
    const QByteArray after = sim->Memory();
    const int a3 = sectionAddress(3);
    EXPECT_EQ(after[a3 + 1], char(0x3C));
    for (int address : {0, 40, 91, 4096, 8000})
        EXPECT_EQ(after[address], before[address]) << address;
    // Loaded from a file, the settings no longer stem from the read: where the write read
    // nothing (address 4000 is in no section) the backup holds zero, not the read's byte.
    TMK backup;
    LoadSettingsFile(backup, prompt.infos.last().section("Backup: ", 1));
    EXPECT_EQ(backup.SettingsImage[*ImageOffset(4000)], '\0');
    EXPECT_TRUE(form->Modified) << "a write does not save to disk";
    EXPECT_EQ(stepButtons(*form), 1);

    // Read back through the window: what is in the device is what was edited.
    prompt.answers = {false};
    click(*form, "bGetParams");
    EXPECT_EQ(form->Model().Section(3)[1], char(0x3C));
}

TEST_F(MainWindowTransfers, CancelWhileWaitingForTheDeviceEndsQuietly) {
    sim->Stop();
    sim::TTripSimOptions silent;
    silent.faults = {{sim::TFaultMode::PowerCycle, 1, 1000000}};
    startSim(silent);
    auto form = openWindow();
    ProgressWatch watch;
    watch.cancelWhenAsked = true;
    click(*form, "bGetParams");
    EXPECT_TRUE(prompt.errors.isEmpty());
    EXPECT_EQ(stepButtons(*form), 0);
    EXPECT_TRUE(onlyIdentified());
    // Cancel ends the exchange on the line at once; the device may take its request a
    // moment later.
    EXPECT_TRUE(QTest::qWaitFor([&] { return sim->Identifications() >= 1; }, 1000));
    EXPECT_TRUE(form->KeepAliveTimer()->isActive());
    EXPECT_TRUE(form->Model().SettingsImage.isEmpty());

    // The same for a write: nothing reaches the device's memory.
    const QByteArray memory = sim->Memory();
    prompt.openPaths = {dir.filePath("x.veltg")};
    QFile f(dir.filePath("x.veltg"));
    f.open(QIODevice::WriteOnly);
    f.write(EncodeSettingsFile(0x4610, sim::ImageOfMemory(memory)));
    f.close();
    click(*form, "bLoadParams");
    click(*form, "bSetParams");
    EXPECT_TRUE(prompt.errors.isEmpty());
    EXPECT_TRUE(prompt.infos.isEmpty());
    EXPECT_TRUE(onlyIdentified());
    EXPECT_EQ(sim->Memory(), memory);
}

TEST_F(MainWindowTransfers, WriteIsRefusedForAnotherDeviceOrFirmwareVersion) {
    auto form = openWindow();
    click(*form, "bGetParams");
    const QByteArray image = form->Model().SettingsImage;
    const QByteArray memory = sim->Memory();

    // Settings of another device model: refused after the connection, nothing read.
    form->Model().DeviceVersion = 0x4000;
    sim->ClearRequests();
    click(*form, "bSetParams");
    EXPECT_EQ(prompt.errors, QStringList{"Версия настроек не совпадает с версией устройства!"});
    EXPECT_TRUE(onlyIdentified());
    EXPECT_EQ(sim->Memory(), memory);

    // The device got a firmware with another settings layout: refused after the read,
    // nothing written, and the settings in the program are still the user's own.
    form->Model().DeviceVersion = 0x4610;
    QByteArray newFirmware = memory;
    newFirmware[sim::HeaderAddress + 1] = char(2);
    sim->SetMemory(newFirmware);
    sim->ClearRequests();
    prompt.errors.clear();
    click(*form, "bSetParams");
    EXPECT_EQ(prompt.errors, QStringList{"Версия настроек не совпадает с версией прошивки!"});
    for (std::uint8_t c : commands())
        EXPECT_TRUE(c == devmem::CmdIdentify || c == devmem::CmdReadBlock) << int(c);
    EXPECT_EQ(sim->Memory(), newFirmware);
    EXPECT_EQ(form->Model().SettingsImage, image);
    form->Model().ReadHeader();
    EXPECT_EQ(form->Model().SettingsVersion(), 1);
    EXPECT_TRUE(prompt.infos.isEmpty());
}

TEST_F(MainWindowTransfers, ALinkErrorDuringTheReadIsShownAndChangesNothing) {
    auto form = openWindow();
    click(*form, "bGetParams");
    const QByteArray image = form->Model().SettingsImage;

    // A device with other contents that stops answering in the middle of the read.
    QByteArray other = sim->Memory();
    other[4000] = char(~other[4000]);
    sim->SetMemory(other);
    sim->ClearRequests();
    const int n = sim->RequestCount();
    sim->AddFault({sim::TFaultMode::DropReply, n + 60, n + 200});
    form->Modified = true;
    prompt.answers = {false};
    click(*form, "bGetParams");
    EXPECT_EQ(prompt.questions.size(), 1) << "unsaved changes are offered for saving first";
    EXPECT_EQ(prompt.errors, QStringList{NoLink});
    EXPECT_EQ(form->Model().SettingsImage, image);
    EXPECT_EQ(stepButtons(*form), 1);
    EXPECT_TRUE(form->KeepAliveTimer()->isActive());
}

TEST_F(MainWindowTransfers, APortGivenForTheRunIsCom1AloneAndIsNotSaved) {
    WritePortMap(iniPath, dir.path(), dir.filePath("elsewhere"));
    {
        TMainForm form(options(simPath()));
        EXPECT_TRUE(form.LinkThread().State().open);
        EXPECT_EQ(form.LinkThread().State().portNumber, 1);
        EXPECT_EQ(control<QLabel>(form, "lPort")->text(),
                  QStringLiteral("Порт: COM1 (%1)").arg(simPath()));
        form.close();
    }
    EXPECT_FALSE(QSettings(iniPath, QSettings::IniFormat).contains("RS232/Port"));

    // A path that is not there: no other port is opened in its place.
    const QString missing = dir.filePath("unplugged");
    TMainForm form(options(missing));
    EXPECT_FALSE(form.LinkThread().State().open);
    EXPECT_EQ(control<QLabel>(form, "lPort")->text(),
              QStringLiteral("Порт: COM1 (%1), не открыт").arg(missing));
}

TEST_F(MainWindowTransfers, APortThatCameBackIsOpenedAgainAtTheNextTransfer) {
    auto form = openWindow();
    click(*form, "bGetParams");
    ASSERT_TRUE(prompt.errors.isEmpty());

    // The device goes away: the user gives up waiting for it, and the dead port is closed.
    sim.reset();
    {
        ProgressWatch watch;
        watch.cancelWhenAsked = true;
        click(*form, "bGetParams");
    }
    EXPECT_TRUE(prompt.errors.isEmpty());
    EXPECT_FALSE(form->LinkThread().State().open);

    // It is back on the same path: the next transfer reopens the port by itself.
    prompt.errors.clear();
    startSim({});
    click(*form, "bGetParams");
    EXPECT_TRUE(prompt.errors.isEmpty()) << qPrintable(prompt.errors.join('\n'));
    EXPECT_TRUE(form->LinkThread().State().open);
    EXPECT_EQ(form->LinkThread().State().portNumber, 1);
}

TEST_F(MainWindowTransfers, EditsAreListedInTheEditorsWordsAndMarkedUntilWritten) {
    auto form = openWindow();
    click(*form, "bGetParams");
    auto* device = control<QLabel>(*form, "lDeviceStatus");
    auto* source = control<QLabel>(*form, "lSourceStatus");
    auto* unwritten = control<QLabel>(*form, "lUnwrittenStatus");
    EXPECT_TRUE(device->text().contains("0x4610")) << qPrintable(device->text());
    EXPECT_TRUE(device->text().endsWith("версия настроек 1"));
    EXPECT_TRUE(source->text().startsWith("считаны из МК в "));
    EXPECT_FALSE(form->windowTitle().endsWith(" *"));
    EXPECT_TRUE(unwritten->isHidden());

    // The low battery voltage: shown in volts, stored in tenths.
    editInEditor(*form, "seUaccLowLimit", 12.3);
    EXPECT_TRUE(form->windowTitle().endsWith(")"
                                             " *"));
    EXPECT_EQ(unwritten->text(), "изменения ещё не записаны в МК");
    EXPECT_FALSE(unwritten->isHidden());

    // Cancel in the list: nothing is written and the edit still waits.
    const QByteArray memory = sim->Memory();
    const QByteArray image = form->Model().SettingsImage;
    sim->ClearRequests();
    prompt.changeAnswers = {false};
    click(*form, "bSetParams");
    ASSERT_EQ(prompt.changeLists.size(), 1u);
    const std::vector<TChangeRow> rows = prompt.changeLists[0];
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].group, "Границы");
    EXPECT_EQ(rows[0].setting, "Низкое напряжение АКБ");
    EXPECT_EQ(rows[0].after, QLocale().toString(12.3, 'f', 1) + " В");
    EXPECT_NE(rows[0].before, rows[0].after);
    EXPECT_TRUE(nothingWritten());
    EXPECT_EQ(sim->Memory(), memory);
    EXPECT_EQ(form->Model().SettingsImage, image);
    EXPECT_TRUE(prompt.infos.isEmpty());
    EXPECT_TRUE(prompt.errors.isEmpty()) << qPrintable(prompt.errors.join('\n'));
    EXPECT_TRUE(form->windowTitle().endsWith(" *"));

    // Write in English, asking not to see the list again: checked, backed up, unmarked.
    QTest::mouseClick(control<QCheckBox>(*form, "cbEnglishVersion"), Qt::LeftButton);
    prompt.hideChangeList = true;
    const QStringList backupsBefore = QDir(dir.filePath("backups")).entryList(QDir::Files);
    click(*form, "bSetParams");
    ASSERT_EQ(prompt.changeLists.size(), 2u);
    EXPECT_EQ(prompt.changeLists[1][0].group, "Limits");
    EXPECT_EQ(prompt.changeLists[1][0].after, QLocale().toString(12.3, 'f', 1) + " V");
    ASSERT_EQ(prompt.infos.size(), 1);
    const QStringList backups = QDir(dir.filePath("backups")).entryList(QDir::Files);
    ASSERT_EQ(backups.size(), 2) << "one for each time the device was read for a write";
    // Two backups in one second differ only by a counter, so find the new one by name.
    QStringList added = backups;
    for (const QString& name : backupsBefore)
        added.removeOne(name);
    ASSERT_EQ(added.size(), 1);
    EXPECT_TRUE(prompt.infos[0].endsWith(added[0])) << qPrintable(prompt.infos[0]);
    TMK backup;
    LoadSettingsFile(backup, prompt.infos[0].section("Backup: ", 1));
    EXPECT_EQ(backup.SettingsImage, sim::ImageOfMemory(memory))
        << "what the write did not read comes from Step 1's read of this device";
    EXPECT_FALSE(form->windowTitle().endsWith(" *"));
    EXPECT_TRUE(unwritten->isHidden());
    EXPECT_TRUE(source->text().startsWith("written to the device at "));
    EXPECT_EQ(QSettings(iniPath, QSettings::IniFormat).value("Common/ShowChangeList").toInt(), 0);

    // From now on the write goes without the list.
    click(*form, "bSetParams");
    EXPECT_EQ(prompt.changeLists.size(), 2u);
    EXPECT_EQ(prompt.infos.size(), 2);
}

// The window's write keeps the drive the device recorded after the read; the box in the
// change list has the settings' journals and totals replace the device's.
TEST_F(MainWindowTransfers, TheDeviceKeepsItsDrivesUnlessTheListIsToldToReplaceThem) {
    auto form = openWindow();
    click(*form, "bGetParams");
    const QByteArray asRead = form->Model().SettingsImage;
    editInEditor(*form, "seUaccLowLimit", 12.3);
    sim->RecordDrive();
    const TSectionRecords recorded = DecodeSectionRecords(sim::ImageOfMemory(sim->Memory()));

    click(*form, "bSetParams");
    ASSERT_EQ(prompt.changeListsShown.size(), 1u);
    const TChangeList& list = prompt.changeListsShown[0];
    ASSERT_EQ(list.rows.size(), 1u) << "the records the device keeps are no change";
    ASSERT_TRUE(list.canReplaceRecords);
    EXPECT_GT(list.replacingRows.size(), 2u);
    EXPECT_EQ(list.replacingRows.back().group, "Журналы и счётчики МК");
    const TSectionRecords device = DecodeSectionRecords(sim::ImageOfMemory(sim->Memory()));
    EXPECT_TRUE(SameDeviceRecords(device, recorded));
    EXPECT_TRUE(SameDeviceRecords(DecodeSectionRecords(form->Model().SettingsImage), recorded))
        << "the window holds what the device holds";

    prompt.replaceRecords = true;
    TMK asReadModel;
    asReadModel.SettingsImage = asRead;
    asReadModel.DeviceVersion = form->Model().DeviceVersion;
    asReadModel.ReadSections(1, SectionCountMax);
    prompt.openPaths = {dir.filePath("read.veltg")};
    SaveSettingsFile(asReadModel, prompt.openPaths.front());
    click(*form, "bLoadParams");
    click(*form, "bSetParams");
    EXPECT_TRUE(prompt.errors.isEmpty()) << qPrintable(prompt.errors.join('\n'));
    EXPECT_TRUE(SameDeviceRecords(DecodeSectionRecords(sim::ImageOfMemory(sim->Memory())),
                                  DecodeSectionRecords(asRead)));
}

TEST_F(MainWindowTransfers, AWriteTheDeviceDoesNotKeepOrABackupThatCannotBeSavedIsReported) {
    auto form = openWindow();
    click(*form, "bGetParams");
    editInEditor(*form, "seUaccLowLimit", 12.3);

    // The device acknowledges every block write and keeps none.
    sim->AddFault({sim::TFaultMode::UnstoredWrite, sim->RequestCount() + 1, 1000000});
    const TSettingsCopy settings = form->Model().CopySettings();
    click(*form, "bSetParams");
    EXPECT_EQ(form->Model().SettingsImage, settings.image) << "a failed write changes no setting";
    EXPECT_EQ(form->Model().Section(6), settings.sections[6]);
    ASSERT_EQ(prompt.errors.size(), 1);
    const QString section = QString::number(FieldByName("UaccLowLimit").section);
    EXPECT_TRUE(prompt.errors[0].startsWith("Проверка записи не прошла"));
    EXPECT_TRUE(prompt.errors[0].contains("раздел " + section + " (адреса МК "));
    EXPECT_TRUE(prompt.errors[0].contains(dir.filePath("backups/")));
    EXPECT_TRUE(prompt.infos.isEmpty());
    EXPECT_EQ(stepButtons(*form), 1);
    EXPECT_TRUE(form->windowTitle().endsWith(" *")) << "the edit is not in the device";

    // A backup folder that cannot be made: said so, and nothing is written.
    form.reset();
    QFile blocker(dir.filePath("blocker"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    TMainFormOptions o = options();
    o.backupFolder = dir.filePath("blocker/backups");
    form = std::make_unique<TMainForm>(o);
    click(*form, "bGetParams");
    prompt.errors.clear();
    sim->ClearRequests();
    click(*form, "bSetParams");
    ASSERT_EQ(prompt.errors.size(), 1);
    EXPECT_TRUE(prompt.errors[0].contains(o.backupFolder)) << qPrintable(prompt.errors[0]);
    EXPECT_TRUE(nothingWritten());
}

// The car is named after the first read; its reads and writes are kept with their files and
// its backups go to its folder. A history that cannot be written stops no write: the write
// happens, the user is told, and the event waits for the next time.
TEST_F(MainWindowTransfers, ANamedCarKeepsItsEventsAndABusyHistoryStopsNoWrite) {
    TMainFormOptions o = options();
    o.backupFolder.clear();
    auto form = std::make_unique<TMainForm>(o);
    const QString car = QString::fromUtf8("А123ВС 77");
    prompt.vehicleAnswers = {TVehicleAnswer{-1, car, QStringLiteral("VIN XTA")}};
    click(*form, "bGetParams");
    ASSERT_EQ(prompt.vehicleChoices.size(), 1u);
    ASSERT_TRUE(form->CurrentVehicle());
    EXPECT_EQ(form->CurrentVehicle()->name, car);
    editInEditor(*form, "seUaccLowLimit", 12.3);
    click(*form, "bSetParams");
    ASSERT_EQ(prompt.infos.size(), 1) << qPrintable(prompt.errors.join('\n'));
    EXPECT_FALSE(form->Modified) << "the written settings are kept in the car's folder";
    click(*form, "bGetParams"); // the same device: no question again
    EXPECT_EQ(prompt.vehicleChoices.size(), 1u);

    TVehicleStore store(o.dataDir);
    ASSERT_TRUE(store.Open()) << qPrintable(store.Problem());
    const std::vector<TVehicleEvent> events = store.Events(form->CurrentVehicle()->id);
    ASSERT_EQ(events.size(), 3u);
    const TVehicleEvent& write = events[1];
    EXPECT_EQ(write.kind, TEventKind::Write);
    EXPECT_TRUE(write.backup.startsWith(store.VehicleFolder(car) + '/'))
        << qPrintable(write.backup);
    EXPECT_TRUE(write.changes.contains(QLocale().toString(12.3, 'f', 1)))
        << qPrintable(write.changes);
    for (const TVehicleEvent& e : events) {
        TMK m;
        EXPECT_NO_THROW(LoadSettingsFile(m, e.file)) << qPrintable(e.file);
    }
    EXPECT_NO_THROW(LoadSettingsFile(*std::make_unique<TMK>(), write.backup));

    // Another program holds the database: the write goes on, the event waits.
    {
        QSqlDatabase holder = QSqlDatabase::addDatabase("QSQLITE", "holder");
        holder.setDatabaseName(store.DatabasePath());
        ASSERT_TRUE(holder.open());
        ASSERT_TRUE(QSqlQuery(holder).exec("BEGIN EXCLUSIVE"));
        prompt.infos.clear();
        prompt.errors.clear();
        editInEditor(*form, "seUaccLowLimit", 12.5);
        click(*form, "bSetParams");
        EXPECT_EQ(prompt.infos.size(), 1) << "written";
        ASSERT_EQ(prompt.errors.size(), 1);
        EXPECT_TRUE(prompt.errors[0].contains(QString::fromUtf8("занята")))
            << qPrintable(prompt.errors[0]);
        QSqlQuery(holder).exec("ROLLBACK");
        holder.close();
    }
    QSqlDatabase::removeDatabase("holder");
    TVehicleStore later(o.dataDir);
    ASSERT_TRUE(later.Open());
    EXPECT_EQ(later.Events(form->CurrentVehicle()->id).size(), 4u) << "recorded the next time";
}
