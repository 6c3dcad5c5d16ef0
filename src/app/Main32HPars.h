#pragma once

// The main window: leads the user through choosing the port, reading the settings from
// the trip computer or a file, editing them, viewing the journals, saving them to a file
// and writing them back. It owns the one link and the one settings model of the run.

#include "DeviceTransfers.h"
#include "VehicleEvents.h"

#include <QDateTime>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QStatusBar;
class QTimer;
class TLinkJob;
class TLinkThread;
class TMIniFile;
class TMK;
class TProgressForm;
class TVehicleStore;
struct TChangeList;
struct TWritePlan;

struct TMainFormOptions {
    // The application settings file; empty: TMIniFile::DefaultPath().
    QString iniPath;
    // When set, COM1 stands for this device path for this run and is opened at once; the
    // port saved in the settings file is then neither used nor overwritten.
    QString portPath;
    // Where a write keeps the device's memory first; empty: DefaultBackupFolder(), or the
    // current vehicle's folder.
    QString backupFolder;
    // Where the vehicles' history lives; empty: TVehicleStore::DefaultDataDir().
    QString dataDir;
};

class TMainForm : public QWidget {
    Q_OBJECT
public:
    explicit TMainForm(const TMainFormOptions& options = {}, QWidget* parent = nullptr);
    ~TMainForm() override;

    static constexpr int KeepAliveIntervalMs = 30000;
    static constexpr std::uint32_t LineBaudRate = 19200;
    static constexpr std::uint16_t ResponseTimeoutMs = 100;

    // The settings may have changed since they were last saved to a file.
    bool Modified = false;

    TMK& Model() { return *model_; }
    // The link runs on its own thread; the window sees its state and hands it tasks.
    const TLinkThread& LinkThread() const { return *linkThread_; }
    QTimer* KeepAliveTimer() const { return Timer1; }

    // Event handlers of the buttons, also reachable by tests and the menu keys.
    void bRS232Click();
    void bGetParamsClick();
    void bLoadParamsClick();
    void bEditParamsClick();
    void bViewJournalsClick();
    void bSaveParamsClick();
    void bSetParamsClick();
    void bCompareClick();
    void bSheetClick();
    void bVehiclesClick();
    // The vehicle whose history the reads, writes and files are kept in; none: no history.
    const std::optional<TVehicle>& CurrentVehicle() const { return vehicle_; }
    void Timer1Timer();
    void cbEnglishVersionClick();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    enum class SaveResult { Saved, Cancelled, Failed };

    // MainFormLayout.cpp
    void buildControls();
    void setCaptions();
    void updatePortLabel();
    // The status line and the title's marker of unwritten changes.
    void updateStatus();
    void fitMinimumSize();
    int neededHeight(int width) const;
    void setInitialSize();

    // MainFormFiles.cpp
    SaveResult saveToFile();
    // Asks whether to save unsaved changes first; false when the command must not go on
    // because the asked-for save failed.
    bool offerSave();

    // MainFormCompareSheet.cpp
    // Where the settings came from and when, for the settings sheet.
    QString sourceForSheet() const;

    // MainFormVehicles.cpp
    // Opens the history when it is not open yet; false (said once) when it cannot be used.
    bool vehiclesReady(bool quiet);
    void setVehicle(std::optional<TVehicle> vehicle);
    // After a read: which car is this, unless the current vehicle is plainly the one.
    void offerVehicleAfterRead();
    // Keeps a copy of the settings in the vehicle's folder; empty when it could not.
    QString keepEventCopy(TEventKind kind);
    void recordEvent(TEventKind kind, const QString& file, const QString& backup = {},
                     const QString& changes = {});
    // Where a write keeps its backup: the current vehicle's folder unless told otherwise.
    QString writeBackupFolder() const;
    // Loads an event's settings as Step 1's file load does; a restore then writes them.
    void takeEvent(const TVehicleEvent& event, bool restore);

    // MainFormTransfers.cpp
    class Transfer;
    void setStepButtons(bool enabled);
    void startLink();
    // Reopens a port that came back; false (after saying why) when no port is open.
    bool portReady();
    // Runs a transfer on the link's thread behind the progress window; the text of the
    // error that ended it, empty when none. The window is closed on return. The task may
    // touch the progress window only inside job.AskGui (on this thread).
    QString runTransfer(const std::function<void(TLinkJob&, TProgressForm&)>& task);
    // The change list of a write in the editor's words, from the write's plan alone.
    static TChangeList changeListOf(const TWritePlan& plan);
    void closeIfPending();

    void loadSettings();
    void saveSettings();
    // Whether a write shows its change list first (the user may have turned it off).
    bool changeListShown() const;
    void hideChangeListFromNowOn();

    // Where the settings in the model came from, for the status line.
    enum class Source { None, Device, File, Written };
    void setSource(Source source, const QString& file = QString());
    void setUnwritten(bool unwritten);

    TMainFormOptions options_;
    std::unique_ptr<TMIniFile> ini_;
    std::unique_ptr<TMK> model_;
    // After the model: destroyed first, so the link's thread has stopped before the model goes.
    std::unique_ptr<TLinkThread> linkThread_;
    bool busy_ = false;         // a transfer runs (the keep-alive only posts its exchange)
    bool closePending_ = false; // a close request arrived while the link was in use
    bool unwritten_ = false;
    Source source_ = Source::None;
    // The image of the last read from the device (Step 1) while the settings still stem from
    // it; a file load drops it. A write fills the backup bytes it does not read from it.
    std::optional<TFullRead> lastFullRead_;
    QDateTime sourceTime_;
    QString sourceFile_;
    std::unique_ptr<TVehicleStore> vehicles_;
    std::optional<TVehicle> vehicle_;
    bool vehiclesProblemSaid_ = false;
    bool vehiclesNoticesSaid_ = false;

    QLabel* Label5 = nullptr;
    QPushButton* bRS232 = nullptr;
    QPushButton* bVehicles = nullptr;
    QLabel* lPort = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* bGetParams = nullptr;
    QLabel* Label6 = nullptr;
    QPushButton* bLoadParams = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QLabel* Label3 = nullptr;
    QPushButton* bEditParams = nullptr;
    QGroupBox* GroupBox5 = nullptr;
    QLabel* Label7 = nullptr;
    QPushButton* bViewJournals = nullptr;
    QGroupBox* GroupBox3 = nullptr;
    QLabel* Label4 = nullptr;
    QPushButton* bSaveParams = nullptr;
    QLabel* Label8 = nullptr;
    QPushButton* bCompare = nullptr;
    QLabel* Label9 = nullptr;
    QPushButton* bSheet = nullptr;
    QGroupBox* GroupBox4 = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* bSetParams = nullptr;
    QCheckBox* cbEnglishVersion = nullptr;
    QStatusBar* StatusBar = nullptr;
    QLabel* lDeviceStatus = nullptr;
    QLabel* lSourceStatus = nullptr;
    QLabel* lUnwrittenStatus = nullptr;
    QLabel* lVehicleStatus = nullptr;
    QTimer* Timer1 = nullptr;
};
