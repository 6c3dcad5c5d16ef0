// Step 1 from a file and Step 3: the settings file dialogs, load and save.

#include "CommonTexts.h"
#include "Errors.h"
#include "Main32HPars.h"
#include "MainFormTexts.h"
#include "Pars32H.h"
#include "Prompt.h"
#include "SettingsFile.h"

#include <QFileInfo>
#include <QPushButton>

namespace {
const QString SettingsSuffix = QStringLiteral("veltg");
}

TMainForm::SaveResult TMainForm::saveToFile() {
    const QString path =
        Prompt().saveFileName(bSaveParams->text(), MainTexts::FileFilter.text(), SettingsSuffix);
    if (path.isEmpty()) return SaveResult::Cancelled;
    if (QFileInfo::exists(path) && !AskYesNo(CommonTexts::FileExists.text()))
        return SaveResult::Cancelled;
    try {
        SaveSettingsFile(*model_, path);
    } catch (const TError& e) {
        ShowError(e.message());
        return SaveResult::Failed;
    }
    setStepButtons(true);
    Modified = false;
    recordEvent(TEventKind::Save, path);
    return SaveResult::Saved;
}

bool TMainForm::offerSave() {
    if (!Modified || !AskYesNo(MainTexts::SaveQuestion.text())) return true;
    // A save the user asked for that then failed must not let the edits be dropped; a
    // cancelled file dialog means the user changed their mind.
    return saveToFile() != SaveResult::Failed;
}

void TMainForm::bSaveParamsClick() {
    saveToFile();
}

void TMainForm::bLoadParamsClick() {
    if (!offerSave()) return;
    const QString path = Prompt().openFileName(bLoadParams->text(), MainTexts::FileFilter.text());
    if (path.isEmpty()) return;
    try {
        // The whole file is read and checked before the model changes: a file that is no
        // trip computer's memory is refused and the settings, the steps and Modified stay.
        LoadSettingsFile(*model_, path);
    } catch (const TError& e) {
        ShowError(e.message());
        return;
    }
    setStepButtons(true);
    Modified = false;
    setUnwritten(false);
    // The settings no longer stem from the device read: its bytes may be another car's.
    lastFullRead_.reset();
    // The status line names the device type; one no model has is said to be unknown.
    setSource(Source::File, path);
    recordEvent(TEventKind::Load, path);
}
