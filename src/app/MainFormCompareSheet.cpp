// Step 3's other two: compare the settings with a file or a backup, and save a settings
// sheet. Neither changes the settings.

#include "CommonTexts.h"
#include "CompareDlg.h"
#include "DeviceBackup.h"
#include "Main32HPars.h"
#include "MainFormTexts.h"
#include "OffGuiThread.h"
#include "Pars32H.h"
#include "Prompt.h"
#include "SettingsFile.h"
#include "SettingsSheet.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QPushButton>

namespace {
// The compare dialog remembers its folder apart from Step 1's: backups live elsewhere.
const QString CompareKind = QStringLiteral("compare");
constexpr TText SheetFilter{"Settings sheets (*.pdf *.html)", "Листы настроек (*.pdf *.html)"};
} // namespace

void TMainForm::bCompareClick() {
    const QString folder =
        options_.backupFolder.isEmpty() ? DefaultBackupFolder() : options_.backupFolder;
    const QString path = Prompt().openFileNameOfKind(bCompare->text(), MainTexts::FileFilter.text(),
                                                     CompareKind, folder);
    if (path.isEmpty()) return;
    // A model of its own: the window's settings stay as they are whatever the file holds.
    TMK other;
    LoadSettingsFile(other, path);
    const TSettingsCopy mine = model_->CopySettings();
    TCompareDlg dlg(CompareSettings({mine.image, mine.deviceVersion},
                                    {other.SettingsImage, other.DeviceVersion}),
                    Tx("These settings", "Эти настройки"), QFileInfo(path).fileName(), this);
    dlg.exec();
}

QString TMainForm::sourceForSheet() const {
    const QLocale locale;
    const QString when = locale.toString(sourceTime_, QLocale::ShortFormat);
    QString text;
    switch (source_) {
    case Source::Device:
        text = Tx("read from the device on %1", "считаны из МК %1").arg(when);
        break;
    case Source::Written:
        text = Tx("written to the device on %1", "записаны в МК %1").arg(when);
        break;
    case Source::File:
        text =
            Tx("from the file %1, saved %2", "из файла %1, сохранённого %2")
                .arg(QFileInfo(sourceFile_).fileName(),
                     locale.toString(QFileInfo(sourceFile_).lastModified(), QLocale::ShortFormat));
        break;
    case Source::None:
        break;
    }
    if (unwritten_ || Modified)
        text += Tx(", then changed in the editor", ", затем изменены в редакторе");
    return text;
}

void TMainForm::bSheetClick() {
    const QString path =
        Prompt().saveFileName(bSheet->text(), SheetFilter.text(), QStringLiteral("pdf"));
    if (path.isEmpty()) return;
    if (QFileInfo::exists(path) && !AskYesNo(CommonTexts::FileExists.text())) return;
    // A copy, so that drawing on another thread never meets the window's model.
    TMK copy;
    copy.TakeSettings(model_->CopySettings());
    const TSheetSource source{sourceForSheet(), QDateTime::currentDateTime()};
    RunOffGuiThread([&] {
        copy.PrepareCatalogues();
        SaveSettingsSheet(BuildSettingsSheet(copy, source), path);
    });
    ShowInfo(Tx("The settings sheet is saved: %1", "Лист настроек сохранён: %1")
                 .arg(QDir::toNativeSeparators(path)));
}
