#include "DialogFolders.h"
#include "JustOne.h"
#include "MIniFile.h"
#include "Main32HPars.h"
#include "TripApplication.h"
#include "WidgetPrompt.h"

#include <QSettings>
#include <QStandardPaths>
#include <cstdio>

int main(int argc, char** argv) {
    TTripApplication app(argc, argv);
    const TCommandLine options = ParseCommandLine(app.arguments());
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "%s\nUsage: tripconf [--port PATH]\n", qPrintable(options.error));
        return 2;
    }
    // A second copy ends at once, without a word.
    const TJustOne justOne;
    if (!justOne.IsFirst()) return 0;

    auto* prompt = new WidgetPrompt;
    // Every file dialog opens where the user last chose a file of its kind, remembered in
    // the application settings file (QSettings merges this object's entries with the
    // window's own on every write); at first beside the program when the user may write
    // there, otherwise in the user's documents.
    QSettings folderSettings(TMIniFile::DefaultPath(), QSettings::IniFormat);
    TDialogFolders folders(
        folderSettings, TDialogFolders::DefaultFolder(
                            QCoreApplication::applicationDirPath(),
                            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)));
    prompt->setFolders(&folders);
    SetPrompt(std::unique_ptr<IPrompt>(prompt));
    TMainFormOptions formOptions;
    formOptions.portPath = options.portPath;
    TMainForm form(formOptions);
    prompt->setParent(&form);
    form.show();
    const int code = app.exec();
    prompt->setFolders(nullptr);
    return code;
}
