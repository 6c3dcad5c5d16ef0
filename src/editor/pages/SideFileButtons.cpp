#include "SideFileButtons.h"

#include "CommonTexts.h"
#include "Errors.h"
#include "Prompt.h"
#include "SideFiles.h"

#include <QFileInfo>

const TSideFileKind TankSideFile{
    {"Save tank settings to a file", "Сохранить настройки бака в файл"},
    {"Load tank settings from a file", "Считать настройки бака из файла"},
    TankFileFilter,
    TankFileExtension,
    TankFileSize,
    SaveTankFile,
    ReadTankFile,
    ApplyTankFile,
};

const TSideFileKind MaintenanceSideFile{
    {"Save TS settings to a file", "Сохранить настройки ТО в файл"},
    {"Load TS settings from a file", "Считать настройки ТО из файла"},
    MaintenanceFileFilter,
    MaintenanceFileExtension,
    MaintenanceFileSize,
    SaveMaintenanceFile,
    ReadMaintenanceFile,
    ApplyMaintenanceFile,
};

bool SaveSideFile(const TSideFileKind& kind, const TMK& model) {
    const QString path = Prompt().saveFileName(kind.saveCaption.text(), kind.filter(),
                                               QString::fromLatin1(kind.suffix));
    if (path.isEmpty()) return false;
    if (QFileInfo::exists(path) && !AskYesNo(CommonTexts::FileExists.text())) return false;
    try {
        kind.save(model, path);
    } catch (const TError& e) {
        ShowError(e.message());
        return false;
    }
    return true;
}

bool LoadSideFile(const TSideFileKind& kind, TMK& model) {
    const QString path = Prompt().openFileName(kind.loadCaption.text(), kind.filter());
    if (path.isEmpty()) return false;
    try {
        const QByteArray file = kind.read(path);
        if (file.size() < kind.size &&
            !AskYesNo(ShortSideFileQuestion(int(file.size()), kind.size)))
            return false;
        kind.apply(file, model, path);
    } catch (const TError& e) {
        ShowError(e.message());
        return false;
    }
    return true;
}
