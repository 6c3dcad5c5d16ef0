#pragma once

// The save and load buttons of the fuel and maintenance pages: the file dialogs of the
// prompt interface, a question before an existing file is replaced, and errors shown with
// their own text. The files themselves are model/SideFiles.h.

#include "Language.h"

#include <QString>

class TMK;

struct TSideFileKind {
    TText saveCaption; // the save dialog's title (the button's text)
    TText loadCaption;
    QString (*filter)();
    const char* suffix;
    int size; // bytes of a whole file
    void (*save)(const TMK& model, const QString& path);
    QByteArray (*read)(const QString& path);
    int (*apply)(const QByteArray& file, TMK& model, const QString& path);
};

// The tank file (".velto") and the maintenance file (".veltt").
extern const TSideFileKind TankSideFile;
extern const TSideFileKind MaintenanceSideFile;

// Asks for a file and writes it. True when a file was written.
bool SaveSideFile(const TSideFileKind& kind, const TMK& model);
// Asks for a file and copies it into the model; a shorter file (an older program's) only
// when the user agrees. True when the model took the file.
bool LoadSideFile(const TSideFileKind& kind, TMK& model);
