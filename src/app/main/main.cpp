#include "JustOne.h"
#include "Main32HPars.h"
#include "TripApplication.h"
#include "WidgetPrompt.h"

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
    SetPrompt(std::unique_ptr<IPrompt>(prompt));
    TMainForm form(TMainFormOptions{{}, options.portPath});
    prompt->setParent(&form);
    form.show();
    return app.exec();
}
