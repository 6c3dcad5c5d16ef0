#include "WidgetPrompt.h"
#include "GuiTestSupport.h"
#include "Language.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Runs answer on the next modal window the prompt opens, after noting its title and buttons.
struct ModalSeen {
    QString title;
    QStringList buttons;
};

void whenModal(ModalSeen& seen, std::function<void(QWidget*)> answer) {
    QTimer::singleShot(0, [&seen, answer] {
        QWidget* w = QApplication::activeModalWidget();
        ASSERT_NE(w, nullptr);
        seen.title = w->windowTitle();
        for (QPushButton* b : w->findChildren<QPushButton*>())
            seen.buttons << b->text();
        answer(w);
    });
}

void press(QWidget* box, const QString& text) {
    for (QPushButton* b : box->findChildren<QPushButton*>())
        if (b->text() == text) return QTest::mouseClick(b, Qt::LeftButton);
    ADD_FAILURE() << "no button " << text.toStdString();
}

} // namespace

TEST(WidgetPrompt, MessageBoxesCarryTheirTitlesAndButtons) {
    TestApp();
    EnglishVersion = true;
    WidgetPrompt prompt;
    ModalSeen seen;

    whenModal(seen, [](QWidget* box) { press(box, "OK"); });
    prompt.showError("Range check error");
    EXPECT_EQ(seen.title, "Error");
    EXPECT_EQ(seen.buttons, QStringList{"OK"});

    seen = {};
    whenModal(seen, [](QWidget* box) { press(box, "OK"); });
    prompt.showInfo("Done");
    EXPECT_EQ(seen.title, "Information");

    seen = {};
    whenModal(seen, [](QWidget* box) { press(box, "&Yes"); });
    EXPECT_TRUE(prompt.askYesNo("Save it?"));
    EXPECT_EQ(seen.title, "Confirm");
    EXPECT_TRUE(seen.buttons.contains("&Yes") && seen.buttons.contains("&No"));
    whenModal(seen, [](QWidget* box) { press(box, "&No"); });
    EXPECT_FALSE(prompt.askYesNo("Save it?"));
    whenModal(seen, [](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); });
    EXPECT_FALSE(prompt.askYesNo("Save it?")) << "closing the box is not a yes";

    // In Russian the question's title and buttons are Russian too.
    EnglishVersion = false;
    whenModal(seen, [](QWidget* box) { press(box, QString::fromUtf8("&Да")); });
    EXPECT_TRUE(prompt.askYesNo(QString::fromUtf8("Сохранить?")));
    EXPECT_EQ(seen.title, QString::fromUtf8("Подтверждение"));
    EnglishVersion = true;
}

TEST(WidgetPrompt, PortChoiceReturnsTheChosenEntryOrNothing) {
    TestApp();
    WidgetPrompt prompt;
    ModalSeen seen;
    const QStringList ports = {"COM1 (/dev/ttyUSB0)", "COM17 (/dev/ttyS0)"};
    whenModal(seen, [](QWidget* dlg) {
        auto* list = dlg->findChild<QComboBox*>();
        EXPECT_FALSE(list->isEditable());
        EXPECT_EQ(list->currentIndex(), 1) << "the port in use is preselected";
        list->setCurrentIndex(0);
        press(dlg, "OK");
    });
    EXPECT_EQ(prompt.choose("Port number selection", "Select serial port", ports, 1), 0);
    EXPECT_EQ(seen.title, "Port number selection");
    whenModal(seen, [](QWidget* dlg) { press(dlg, "Cancel"); });
    EXPECT_EQ(prompt.choose("Port number selection", "Select serial port", ports, 1), -1);
}

// Each kind of file dialog opens where a file of its kind was last chosen, remembered in the
// application settings file; a kind never used, or whose folder is gone, opens in the
// fallback folder.
TEST(WidgetPrompt, FileDialogsOpenWhereTheirKindWasLastChosen) {
    TestApp();
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("work/tanks");
    const QString fallback = dir.filePath("fallback"), work = dir.filePath("work");
    QDir().mkpath(fallback);
    const QString ini = dir.filePath("tripconf.ini");
    auto settings = std::make_unique<QSettings>(ini, QSettings::IniFormat);
    auto folders = std::make_unique<TDialogFolders>(*settings, fallback);
    WidgetPrompt prompt;
    prompt.setFolders(folders.get());
    const QString veltg = "Файлы настроек (*.veltg)", velto = "Tank files (*.velto)";
    EXPECT_EQ(prompt.startFolderFor(veltg), fallback);

    QString opened;
    auto choose = [&](const QString& file) {
        QTimer::singleShot(0, [&opened, file] {
            auto* dlg = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dlg, nullptr);
            opened = dlg->directory().absolutePath();
            dlg->selectFile(file);
            QMetaObject::invokeMethod(dlg, "accept");
            if (dlg->isVisible()) dlg->reject(); // refused: fail rather than hang
        });
    };
    choose(QDir(work).filePath("a.veltg"));
    EXPECT_EQ(prompt.saveFileName("Save", veltg, "veltg"), QDir(work).filePath("a.veltg"));
    EXPECT_EQ(opened, fallback);
    EXPECT_EQ(prompt.startFolderFor(veltg), work);
    EXPECT_EQ(prompt.startFolderFor(velto), fallback) << "another kind keeps its own folder";

    QFile(QDir(work).filePath("a.veltg")).open(QIODevice::WriteOnly); // an open needs a file
    choose(dir.filePath("work/tanks/t.velto"));
    prompt.saveFileName("Save", velto, "velto");
    choose(QDir(work).filePath("a.veltg"));
    EXPECT_EQ(prompt.openFileName("Open", veltg), QDir(work).filePath("a.veltg"));
    EXPECT_EQ(opened, work);

    // Remembered in the file, for the next run.
    folders.reset();
    settings.reset();
    QSettings again(ini, QSettings::IniFormat);
    TDialogFolders next(again, fallback);
    EXPECT_EQ(next.StartFolder("velto"), dir.filePath("work/tanks"));
    QDir(dir.filePath("work/tanks")).removeRecursively();
    EXPECT_EQ(next.StartFolder("velto"), fallback) << "a folder that is gone";
    EXPECT_EQ(next.StartFolder("veltg"), work);

    EXPECT_EQ(TDialogFolders::KindOfFilter("Text (*.TXT *.csv)"), "txt");
    EXPECT_EQ(TDialogFolders::KindOfFilter("All files (*)"), "");
    EXPECT_EQ(TDialogFolders::DefaultFolder(work, fallback), work);
    EXPECT_EQ(TDialogFolders::DefaultFolder(dir.filePath("no-such"), fallback), fallback);
}
