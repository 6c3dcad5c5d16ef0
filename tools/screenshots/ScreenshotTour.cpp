// tripconf-screenshots: the configurator's own windows, driven as a user would drive them
// against a running simulated trip computer, photographed for the README. Run it under a
// display (scripts/screenshots.sh uses xvfb-run).
//
//   tripconf-screenshots --port PATH --out FOLDER
//
// Reads the settings from the device at PATH, then saves: the main window, the port dialog
// after "Find the device", two editor pages and the four-value screens' page, two journals
// viewer pages and, in Russian, the file dialog of "Read settings from a file on disk".

#include "Language.h"
#include "Main32HPars.h"
#include "TripApplication.h"
#include "WidgetPrompt.h"

#include <QCheckBox>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>

namespace {

constexpr int ReadLimitMs = 120000; // the whole memory at 19200 bit/s takes under a minute
constexpr int SearchLimitMs = 60000;
constexpr int ModalLimitMs = 20000;
constexpr int PollMs = 20;
constexpr int SettleMs = 300; // lets a window lay itself out and paint once

[[noreturn]] void fail(const QString& what) {
    std::fprintf(stderr, "tripconf-screenshots: %s\n", qPrintable(what));
    std::exit(1);
}

// Runs the event loop until done() or the limit; false on time-out.
bool waitFor(const std::function<bool()>& done, int limitMs) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > limitMs) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

void settle() {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < SettleMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

class TTour {
public:
    TTour(TMainForm& form, QString folder) : form_(form), folder_(std::move(folder)) {}

    void run() {
        settle();
        // After the read: "Which car is this?" on an empty history; not now.
        onModal(
            [](QWidget* dlg) { QMetaObject::invokeMethod(dlg, "reject", Qt::QueuedConnection); },
            "VehicleChoiceDlg", ReadLimitMs);
        click(form_, "bGetParams");
        if (!waitFor([this] { return button(form_, "bEditParams")->isEnabled(); }, ReadLimitMs))
            fail(QStringLiteral("the settings were not read from the device"));
        settle();
        save(form_, "main-window.png");

        onModal([this](QWidget* dlg) {
            click(*dlg, "bFindDevice");
            if (!waitFor(
                    [dlg] {
                        return !dlg->findChild<QLabel*>("lSearch")->text().isEmpty() &&
                               !dlg->findChild<QPushButton*>("bFindDevice")
                                    ->text()
                                    .startsWith("Stop");
                    },
                    SearchLimitMs))
                fail(QStringLiteral("the port search did not end"));
            save(*dlg, "port-dialog.png");
            QMetaObject::invokeMethod(dlg, "accept", Qt::QueuedConnection);
        });
        clickAndWait(form_, "bRS232");

        onModal([this](QWidget* dlg) {
            auto* pages = dlg->findChild<QTabWidget*>();
            if (!pages) fail(QStringLiteral("the editor has no pages"));
            pages->setCurrentIndex(0);
            save(*dlg, "editor-1.png");
            pages->setCurrentIndex(secondEditorPage(*pages));
            save(*dlg, "editor-2.png");
            showNested(*dlg, {"tsDisp", "tsParams4", "tsParams4_1"});
            save(*dlg, "x4-page.png");
            QMetaObject::invokeMethod(dlg, "reject", Qt::QueuedConnection);
        });
        clickAndWait(form_, "bEditParams");

        onModal([this](QWidget* dlg) {
            auto* pages = dlg->findChild<QTabWidget*>();
            if (!pages) fail(QStringLiteral("the journals viewer has no pages"));
            pages->setCurrentIndex(0);
            save(*dlg, "journals-trips.png");
            pages->setCurrentIndex(pages->count() - 1);
            save(*dlg, "journals-faults.png");
            QMetaObject::invokeMethod(dlg, "reject", Qt::QueuedConnection);
        });
        clickAndWait(form_, "bViewJournals");

        // Russian: our captions and Qt's own texts of the standard dialogs.
        auto* english = form_.findChild<QCheckBox*>("cbEnglishVersion");
        if (english->isChecked()) english->click();
        onModal([this](QWidget* dlg) {
            save(*dlg, "file-dialog-ru.png");
            QMetaObject::invokeMethod(dlg, "reject", Qt::QueuedConnection);
        });
        clickAndWait(form_, "bLoadParams");
        english->click();
    }

private:
    int pending_ = 0; // dialogs whose action has not run yet

    static QPushButton* button(QWidget& w, const char* name) {
        auto* b = w.findChild<QPushButton*>(QString::fromLatin1(name));
        if (!b) fail(QStringLiteral("no button %1").arg(QString::fromLatin1(name)));
        return b;
    }
    static void click(QWidget& w, const char* name) {
        QPushButton* b = button(w, name);
        if (!b->isEnabled()) fail(QStringLiteral("%1 is disabled").arg(QString::fromLatin1(name)));
        b->click();
    }

    // Runs action on the next modal window, from inside its own event loop. A polling timer
    // rather than a wait loop: a dialog that the link's thread asks for opens inside whatever
    // loop is running, and a wait loop below it on the stack could never see it close.
    // name: only a modal window of that object name (the progress window is modal too).
    void onModal(std::function<void(QWidget*)> action, const char* name = nullptr,
                 int limitMs = ModalLimitMs) {
        ++pending_;
        auto* poll = new QTimer(qApp);
        auto clock = std::make_shared<QElapsedTimer>();
        clock->start();
        QObject::connect(poll, &QTimer::timeout,
                         [this, poll, clock, name, limitMs, action = std::move(action)] {
                             QWidget* dlg = QApplication::activeModalWidget();
                             if (dlg && name && dlg->objectName() != QLatin1String(name))
                                 dlg = nullptr;
                             if (!dlg) {
                                 if (clock->elapsed() > limitMs)
                                     fail(QStringLiteral("no dialog opened"));
                                 return;
                             }
                             poll->stop();
                             poll->deleteLater();
                             settle();
                             action(dlg);
                             --pending_;
                         });
        poll->start(PollMs);
    }

    // Clicks a button that opens a dialog (at once or by way of the link's thread) and waits
    // until the dialog's action has run and the dialog has closed.
    void clickAndWait(QWidget& w, const char* name) {
        click(w, name);
        if (!waitFor([this] { return pending_ == 0 && !QApplication::activeModalWidget(); },
                     ReadLimitMs))
            fail(QStringLiteral("the dialog of %1 did not close").arg(QString::fromLatin1(name)));
    }

    // Brings each named page to the front of the tab widget holding it, outermost first.
    static void showNested(QWidget& dlg, std::initializer_list<const char*> pages) {
        for (const char* name : pages) {
            auto* page = dlg.findChild<QWidget*>(QString::fromLatin1(name));
            if (!page) fail(QStringLiteral("the editor has no page %1").arg(name));
            for (QWidget* w = page->parentWidget(); w; w = w->parentWidget())
                if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
                    tabs->setCurrentWidget(page);
                    break;
                }
        }
    }

    // A page with more to see than the first: the display's, else the second one.
    static int secondEditorPage(const QTabWidget& pages) {
        for (const char* name : {"tsDisplay", "tsScreens", "tsTank"})
            for (int i = 0; i < pages.count(); ++i)
                if (pages.widget(i)->objectName() == QLatin1String(name) && pages.isTabVisible(i))
                    return i;
        return pages.count() > 1 ? 1 : 0;
    }

    void save(QWidget& w, const char* name) {
        settle();
        const QString path = QDir(folder_).filePath(QString::fromLatin1(name));
        if (!w.grab().save(path)) fail(QStringLiteral("cannot write %1").arg(path));
        std::printf("tripconf-screenshots: %s\n", qPrintable(path));
        std::fflush(stdout);
    }

    TMainForm& form_;
    QString folder_;
};

} // namespace

int main(int argc, char** argv) {
    TTripApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption port(QStringLiteral("port"), QStringLiteral("The trip computer."),
                                  QStringLiteral("PATH"));
    const QCommandLineOption out(QStringLiteral("out"), QStringLiteral("Folder for the pictures."),
                                 QStringLiteral("FOLDER"));
    parser.addOptions({port, out});
    parser.process(app);
    if (!parser.isSet(port) || !parser.isSet(out))
        fail(QStringLiteral("--port and --out are needed"));
    QDir().mkpath(parser.value(out));

    // A settings file of its own, in English, so the user's own stays untouched.
    QTemporaryDir scratch;
    const QString ini = scratch.filePath(QStringLiteral("tripconf.ini"));
    {
        QSettings settings(ini, QSettings::IniFormat);
        settings.setValue(QStringLiteral("Common/EnglishVersion"), 1);
    }
    auto* prompt = new WidgetPrompt;
    prompt->setStartFolder(scratch.path());
    SetPrompt(std::unique_ptr<IPrompt>(prompt));
    // The vehicles' history in the scratch folder too.
    TMainForm form(TMainFormOptions{ini, parser.value(port), QString(), scratch.path()});
    prompt->setParent(&form);
    form.show();
    TTour tour(form, parser.value(out));
    QTimer::singleShot(0, [&] {
        tour.run();
        form.close();
        app.quit();
    });
    return app.exec();
}
