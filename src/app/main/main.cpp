#include "JustOne.h"
#include "Main32HPars.h"
#include "TripApplication.h"
#include "WidgetPrompt.h"

#include <QFileInfo>
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
    // Settings files go beside the program when the user may write there (a copy unpacked
    // into a folder of its own), otherwise into the user's documents.
    const QString programFolder = QCoreApplication::applicationDirPath();
    prompt->setStartFolder(
        QFileInfo(programFolder).isWritable()
            ? programFolder
            : QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    SetPrompt(std::unique_ptr<IPrompt>(prompt));
    TMainFormOptions formOptions;
    formOptions.portPath = options.portPath;
    TMainForm form(formOptions);
    prompt->setParent(&form);
    form.show();
    return app.exec();
}
