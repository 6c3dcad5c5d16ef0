// The main window without a trip computer: language, layout, settings files, the unsaved
// changes question and the application settings file.

#include "../model/ImageBuilder.h"
#include "CompareDlg.h"
#include "LinkThread.h"
#include "MainFormTexts.h"
#include "MainWindowSupport.h"
#include "Pars32H.h"
#include "SettingsFile.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QSettings>
#include <QTest>
#include <QTimer>

namespace {

const QString SaveQuestionRu =
    QStringLiteral("Возможно, настройки были изменены, но не сохранены на диске. Сохранить?");

// A settings file as another copy of the program would have written it: a device memory with
// a section table, the other bytes a pattern.
QString writeSettingsFile(const QString& path, std::uint16_t version, char seed) {
    const QByteArray image = imageWithTable(standardTable(), ImageSize, 3, seed);
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(EncodeSettingsFile(version, image));
    return path;
}

} // namespace

using MainWindow = MainWindowFixture;

TEST_F(MainWindow, CaptionsFollowTheLanguageSwitchAndTheSettingsFile) {
    {
        auto form = openWindow();
        // A first run: Russian, whatever the check box's own caption says.
        EXPECT_EQ(form->windowTitle(), "Просмотр и настройка параметров МК (Версия 26.03.25)");
        EXPECT_EQ(control(*form, "bGetParams")->text(), "Считать настройки из МК");
        EXPECT_EQ(control<QGroupBox>(*form, "GroupBox5")->title(), "Шаг 2a");
        auto* english = control<QCheckBox>(*form, "cbEnglishVersion");
        EXPECT_FALSE(english->isChecked());
        EXPECT_EQ(english->text(), "English language");

        QTest::mouseClick(english, Qt::LeftButton);
        EXPECT_TRUE(EnglishVersion);
        EXPECT_EQ(form->windowTitle(),
                  "Viewing and configuring trip computer parameters (Version 26.03.25)");
        EXPECT_EQ(control(*form, "bSetParams")->text(), "Write the settings to the device");
        EXPECT_EQ(control<QLabel>(*form, "Label1")->text(), "Write the settings to the device");
        EXPECT_EQ(control<QGroupBox>(*form, "GroupBox4")->title(), "Step 4");
        EXPECT_TRUE(control<QLabel>(*form, "Label5")->text().startsWith("Attention! "));
        EXPECT_EQ(english->text(), "English language");
        form->move(33, 44);
        form->close();
    }
    QSettings saved(iniPath, QSettings::IniFormat);
    EXPECT_EQ(saved.value("Common/EnglishVersion").toString(), "1");
    EXPECT_EQ(saved.value("MainWindow/Left").toInt(), 33);
    EXPECT_EQ(saved.value("MainWindow/State").toInt(), 0);

    EnglishVersion = false;
    auto again = openWindow();
    EXPECT_TRUE(EnglishVersion);
    EXPECT_TRUE(control<QCheckBox>(*again, "cbEnglishVersion")->isChecked());
    EXPECT_EQ(control(*again, "bLoadParams")->text(), "Read settings from a file on disk");
    EXPECT_EQ(again->pos(), QPoint(33, 44));
}

TEST_F(MainWindow, NoCaptionIsCutOffAtTheSmallestSizeInEitherLanguage) {
    auto form = openWindow();
    for (bool english : {false, true}) {
        if (english)
            QTest::mouseClick(control<QCheckBox>(*form, "cbEnglishVersion"), Qt::LeftButton);
        form->resize(form->minimumSize());
        QApplication::processEvents();
        const QRect inside = form->rect();
        for (QLabel* l : form->findChildren<QLabel*>()) {
            if (!l->isVisible()) continue;
            EXPECT_GE(l->height(), l->heightForWidth(l->width()))
                << qPrintable(l->objectName()) << " english=" << english;
            EXPECT_TRUE(inside.contains(QRect(l->mapTo(form.get(), QPoint(0, 0)), l->size())))
                << qPrintable(l->objectName());
        }
        for (QAbstractButton* b : form->findChildren<QAbstractButton*>()) {
            EXPECT_GE(b->width(), b->sizeHint().width())
                << qPrintable(b->objectName()) << " english=" << english;
            EXPECT_TRUE(inside.contains(QRect(b->mapTo(form.get(), QPoint(0, 0)), b->size())))
                << qPrintable(b->objectName());
        }
    }
}

TEST_F(MainWindow, LoadingAFileEnablesTheStepsAndAFailedLoadChangesNothing) {
    auto form = openWindow();
    EXPECT_EQ(stepButtons(*form), 0);
    const QString good = writeSettingsFile(dir.filePath("a.veltg"), 0x4610, 5);
    const QString bad = dir.filePath("bad.veltg");
    QFile(bad).open(QIODevice::WriteOnly);

    prompt.openPaths = {bad};
    click(*form, "bLoadParams");
    ASSERT_EQ(prompt.errors.size(), 1);
    EXPECT_TRUE(prompt.errors.last().contains(bad));
    EXPECT_EQ(stepButtons(*form), 0);
    EXPECT_EQ(prompt.filters.last(), "Файлы настроек (*.veltg)");

    prompt.openPaths = {good};
    click(*form, "bLoadParams");
    EXPECT_EQ(stepButtons(*form), 1);
    EXPECT_EQ(form->Model().DeviceVersion, 0x4610);
    const QByteArray image = form->Model().SettingsImage;
    EXPECT_EQ(image.size(), 8128);

    // A failed load leaves the loaded settings usable, and so the steps too.
    prompt.openPaths = {bad};
    click(*form, "bLoadParams");
    EXPECT_EQ(prompt.errors.size(), 2);
    EXPECT_EQ(stepButtons(*form), 1);
    EXPECT_EQ(form->Model().SettingsImage, image);
    EXPECT_EQ(form->Model().DeviceVersion, 0x4610);

    // Cancelling the dialog does nothing at all.
    click(*form, "bLoadParams");
    EXPECT_EQ(prompt.errors.size(), 2);
    EXPECT_EQ(form->Model().SettingsImage, image);
}

// A file that is no trip computer's memory is refused as the command-line tool refuses it,
// and nothing changes; a file from a device type the program does not know loads, and the
// status line says which type it was and what the editor offers.
TEST_F(MainWindow, AFileThatIsNoDeviceMemoryIsRefusedAndAnUnknownTypeIsNamed) {
    auto form = openWindow();
    prompt.openPaths = {writeSettingsFile(dir.filePath("a.veltg"), 0x4610, 5)};
    click(*form, "bLoadParams");
    EXPECT_EQ(control<QLabel>(*form, "lSourceStatus")->text(), "из файла a.veltg");
    const QByteArray image = form->Model().SettingsImage, s9 = form->Model().Section(9);
    form->Modified = true;

    const QString random = dir.filePath("random.veltg");
    QByteArray noise(5000, '\0');
    std::uint32_t x = 2024;
    for (char& c : noise)
        c = char((x = x * 1664525u + 1013904223u) >> 24);
    QFile f(random);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(noise);
    f.close();
    prompt.answers = {false}; // do not save the edits first
    prompt.openPaths = {random};
    click(*form, "bLoadParams");
    ASSERT_EQ(prompt.errors.size(), 1);
    EXPECT_TRUE(prompt.errors[0].startsWith("Файл " + random + " не является файлом настроек МК."))
        << qPrintable(prompt.errors[0]);
    EXPECT_EQ(form->Model().SettingsImage, image);
    EXPECT_EQ(form->Model().Section(9), s9);
    EXPECT_EQ(form->Model().DeviceVersion, 0x4610);
    EXPECT_EQ(stepButtons(*form), 1);
    EXPECT_TRUE(form->Modified);
    EXPECT_EQ(control<QLabel>(*form, "lSourceStatus")->text(), "из файла a.veltg");

    QTest::mouseClick(control<QCheckBox>(*form, "cbEnglishVersion"), Qt::LeftButton);
    const QString unknown = writeSettingsFile(dir.filePath("u.veltg"), 0xA5C3, 3);
    prompt.answers = {false};
    prompt.openPaths = {unknown};
    click(*form, "bLoadParams");
    EXPECT_EQ(form->Model().DeviceVersion, 0xA5C3);
    EXPECT_EQ(control<QLabel>(*form, "lDeviceStatus")->text(),
              "Device type 0xa5c3 unknown: the editor offers the pages of the TC-4000 and the "
              "journals read fault codes as the TC-4000 does, settings version 3");
    EXPECT_TRUE(prompt.infos.isEmpty());
}

TEST_F(MainWindow, SavingAsksBeforeReplacingAFileAndClearsModified) {
    auto form = openWindow();
    prompt.openPaths = {writeSettingsFile(dir.filePath("a.veltg"), 0x4610, 5)};
    click(*form, "bLoadParams");
    const QString existing = writeSettingsFile(dir.filePath("old.veltg"), 0x1111, 9);
    const QByteArray before = fileBytes(existing);
    form->Modified = true;

    prompt.savePaths = {existing};
    prompt.answers = {false};
    click(*form, "bSaveParams");
    EXPECT_EQ(prompt.questions, QStringList{"Файл уже существует. Переписать?"});
    EXPECT_EQ(fileBytes(existing), before);
    EXPECT_TRUE(form->Modified);
    // The program's own load dialog shows only *.veltg, so that is what a bare name gets.
    EXPECT_EQ(prompt.suffixes.last(), "veltg");

    prompt.savePaths = {existing};
    prompt.answers = {true};
    click(*form, "bSaveParams");
    EXPECT_EQ(fileBytes(existing),
              EncodeSettingsFile(form->Model().DeviceVersion, form->Model().SettingsImage));
    EXPECT_FALSE(form->Modified);

    form->Modified = true;
    prompt.savePaths = {dir.filePath("no/such/folder/x.veltg")};
    click(*form, "bSaveParams");
    EXPECT_EQ(prompt.errors.size(), 1);
    EXPECT_TRUE(form->Modified);

    click(*form, "bSaveParams"); // dialog cancelled
    EXPECT_TRUE(form->Modified);
    EXPECT_EQ(prompt.errors.size(), 1);
}

TEST_F(MainWindow, UnsavedChangesAreOfferedForSavingBeforeLoadingAndClosing) {
    auto form = openWindow();
    const QString a = writeSettingsFile(dir.filePath("a.veltg"), 0x4610, 5);
    const QString b = writeSettingsFile(dir.filePath("b.veltg"), 0x4611, 7);
    prompt.openPaths = {a};
    click(*form, "bLoadParams");
    EXPECT_TRUE(prompt.questions.isEmpty()) << "nothing to lose yet";

    // Yes saves first, then loads; the loaded settings are saved as they are.
    form->Modified = true;
    const QByteArray edited = form->Model().SettingsImage;
    prompt.answers = {true};
    prompt.savePaths = {dir.filePath("kept.veltg")};
    prompt.openPaths = {b};
    click(*form, "bLoadParams");
    EXPECT_EQ(prompt.questions, QStringList{SaveQuestionRu});
    EXPECT_EQ(fileBytes(dir.filePath("kept.veltg")), EncodeSettingsFile(0x4610, edited));
    EXPECT_EQ(form->Model().DeviceVersion, 0x4611);
    EXPECT_FALSE(form->Modified);

    // A save that was asked for and failed stops the load: the edits are still there.
    form->Modified = true;
    prompt.answers = {true};
    prompt.savePaths = {dir.filePath("no/such/folder/x.veltg")};
    prompt.openPaths = {a};
    click(*form, "bLoadParams");
    EXPECT_EQ(prompt.errors.size(), 1);
    EXPECT_EQ(form->Model().DeviceVersion, 0x4611);
    EXPECT_TRUE(form->Modified);
    prompt.openPaths.clear();

    // Closing: a failed save keeps the window open; No closes without saving.
    prompt.answers = {true};
    prompt.savePaths = {dir.filePath("no/such/folder/x.veltg")};
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    prompt.questions.clear();
    prompt.answers = {false};
    EXPECT_TRUE(form->close());
    EXPECT_EQ(prompt.questions, QStringList{SaveQuestionRu});
    EXPECT_TRUE(QFile::exists(iniPath));
    EXPECT_EQ(QSettings(iniPath, QSettings::IniFormat).value("Common/EnglishVersion").toString(),
              "0");
}

TEST_F(MainWindow, ClosingWithoutChangesAsksNothing) {
    auto form = openWindow();
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(prompt.questions.isEmpty());
}

TEST_F(MainWindow, ConfirmingTheEditorOrAClearInTheJournalsViewerMarksTheSettingsModified) {
    auto form = openWindow();
    prompt.openPaths = {writeSettingsFile(dir.filePath("a.veltg"), 0x4610, 5)};
    click(*form, "bLoadParams");
    auto closeDialog = [](bool accept, const char* pressFirst = nullptr) {
        QTimer::singleShot(0, [accept, pressFirst] {
            auto* dlg = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dlg, nullptr);
            if (pressFirst) dlg->findChild<QPushButton*>(pressFirst)->click();
            accept ? dlg->accept() : dlg->reject();
        });
    };
    form->Modified = false;
    closeDialog(false);
    click(*form, "bEditParams");
    EXPECT_FALSE(form->Modified);
    closeDialog(true);
    click(*form, "bEditParams");
    EXPECT_TRUE(form->Modified);

    // Looking at the journals is not changing them; a clear that is kept is.
    form->Modified = false;
    closeDialog(true);
    click(*form, "bViewJournals");
    EXPECT_FALSE(form->Modified);
    EXPECT_TRUE(form->Model().ClearedRecords.Empty());
    closeDialog(false, "bClearTripJournal");
    click(*form, "bViewJournals");
    EXPECT_FALSE(form->Modified);
    EXPECT_TRUE(form->Model().ClearedRecords.Empty());
    closeDialog(true, "bClearTripJournal");
    click(*form, "bViewJournals");
    EXPECT_TRUE(form->Modified);
    EXPECT_TRUE(form->Model().ClearedRecords.Has(TRecordPart::TripJournal));
    EXPECT_TRUE(prompt.errors.isEmpty()) << qPrintable(prompt.errors.join('\n'));
}

TEST_F(MainWindow, WithoutAnOpenPortATransferSaysSoInsteadOfWaitingForTheDevice) {
    auto form = openWindow();
    ASSERT_FALSE(form->LinkThread().State().open);
    click(*form, "bGetParams");
    EXPECT_EQ(prompt.errors, QStringList{"RS232. No link. Check PC-device connection."});
    EXPECT_EQ(stepButtons(*form), 0);
    EXPECT_TRUE(form->KeepAliveTimer()->isActive()) << "a read was attempted";

    prompt.openPaths = {writeSettingsFile(dir.filePath("a.veltg"), 0x4610, 5)};
    click(*form, "bLoadParams");
    click(*form, "bSetParams");
    EXPECT_EQ(prompt.errors.size(), 2);
    EXPECT_TRUE(prompt.infos.isEmpty());
}

// Compare opens in the backup folder the first time, shows the differences and saves them as
// text, and never changes the window's settings; a sheet that cannot be saved says so.
TEST_F(MainWindow, ComparingAndTheSheetLeaveTheSettingsAsTheyWere) {
    auto form = openWindow();
    prompt.openPaths = {writeSettingsFile(dir.filePath("a.veltg"), 0x4610, 5)};
    click(*form, "bLoadParams");
    const QByteArray image = form->Model().SettingsImage;
    const QString other = writeSettingsFile(dir.filePath("b.veltg"), 0x4610, 6);

    QString shown;
    prompt.openPaths = {other};
    prompt.savePaths = {dir.filePath("cmp.txt")};
    QTimer::singleShot(0, [&shown] {
        auto* dlg = qobject_cast<TCompareDlg*>(QApplication::activeModalWidget());
        if (!dlg) return;
        shown = dlg->Text();
        dlg->SaveAsClicked();
        dlg->reject();
    });
    click(*form, "bCompare");
    EXPECT_EQ(prompt.firstFolders.value(0), dir.filePath("backups"));
    EXPECT_TRUE(shown.startsWith(QString::fromUtf8("Сравнение: Эти настройки -> b.veltg\n")))
        << qPrintable(shown);
    EXPECT_TRUE(shown.contains(QString::fromUtf8("\nРазличающихся настроек: ")))
        << qPrintable(shown);
    EXPECT_EQ(QString::fromUtf8(fileBytes(dir.filePath("cmp.txt"))), shown);
    EXPECT_EQ(form->Model().SettingsImage, image);
    EXPECT_FALSE(form->Modified);

    // A file that is no settings file is refused; still nothing changes.
    const QString bad = dir.filePath("bad.veltg");
    QFile(bad).open(QIODevice::WriteOnly);
    prompt.openPaths = {bad};
    click(*form, "bCompare");
    ASSERT_EQ(prompt.errors.size(), 1);
    EXPECT_EQ(form->Model().SettingsImage, image);

    prompt.savePaths = {dir.filePath("sheet.pdf")};
    click(*form, "bSheet");
    EXPECT_TRUE(fileBytes(dir.filePath("sheet.pdf")).startsWith("%PDF"));
    EXPECT_EQ(prompt.infos.size(), 1);
    prompt.savePaths = {dir.filePath("no/such/folder/sheet.pdf")};
    click(*form, "bSheet");
    ASSERT_EQ(prompt.errors.size(), 2);
    EXPECT_TRUE(
        prompt.errors.last().contains(QString::fromUtf8("Не удалось сохранить лист настроек")))
        << qPrintable(prompt.errors.last());
    EXPECT_EQ(prompt.infos.size(), 1) << "no success after a failure";
    EXPECT_EQ(form->Model().SettingsImage, image);
}
