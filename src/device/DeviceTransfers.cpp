#include "DeviceTransfers.h"

#include "DeviceBackup.h"
#include "DeviceMemory.h"
#include "Errors.h"
#include "FieldTable.h"
#include "Language.h"
#include "ML_RS232.h"
#include "Pars32H.h"
#include "ReadBackCheck.h"

#include <QDir>
#include <array>

namespace {

const std::function<void(int)> NoProgress = [](int) {};

const std::function<void(int)>& orNone(const std::function<void(int)>& f) {
    return f ? f : NoProgress;
}

// A link failure while reading back: the sections were written, whether they hold is not
// known.
QString checkFailedText(const QString& linkMessage, const QString& backupPath) {
    return Tx("The write verification failed: the device's memory could not be read back "
              "(%1).\nBackup of the device's previous memory: %2",
              "Проверка записи не прошла: память МК не удалось прочитать обратно (%1).\n"
              "Резервная копия прежней памяти МК: %2")
        .arg(linkMessage, QDir::toNativeSeparators(backupPath));
}

} // namespace

QString DeviceVersionMismatchText() {
    return Tx("The settings version does not match the device version!",
              "Версия настроек не совпадает с версией устройства!");
}

QString FirmwareVersionMismatchText() {
    return Tx("The settings version does not match the firmware version!",
              "Версия настроек не совпадает с версией прошивки!");
}

void ReadSettingsFromDevice(TML_RS& link, TMK& model, const std::function<void(int)>& progress) {
    ReadImage(link, model, progress);
    model.ReadSections(1, SectionCountMax);
}

TWriteOutcome WriteSettingsToDevice(TML_RS& link, TMK& model, std::uint16_t deviceVersion,
                                    const WriteFlowSteps& steps) {
    if (deviceVersion != model.DeviceVersion) throw TError(DeviceVersionMismatchText());

    TSectionRecords kept;
    for (int i = 1; i <= SectionCountMax; ++i)
        kept[i] = model.Section(i);
    model.ReadHeader();
    const int keptSettingsVersion = model.SettingsVersion();
    const QByteArray keptImage = model.SettingsImage;

    ReadImage(link, model, orNone(steps.readProgress));
    // The device's memory is now the image; the kept sections go in at its addresses.
    TWriteOutcome outcome;
    try {
        const QByteArray deviceImage = model.SettingsImage;
        outcome.backupPath = SaveDeviceBackup(steps.backupFolder.isEmpty() ? DefaultBackupFolder()
                                                                           : steps.backupFolder,
                                              deviceVersion, deviceImage);
        for (int i = 1; i <= SectionCountMax; ++i)
            model.Section(i) = kept[i];
        model.WriteSections(1, SectionCountMax);
        if (model.SettingsVersion() != keptSettingsVersion)
            throw TError(FirmwareVersionMismatchText());
        outcome.changes = ComputeChanges(DecodeSectionRecords(deviceImage),
                                         DecodeSectionRecords(model.SettingsImage));
        if (steps.confirmChanges && !steps.confirmChanges(outcome.changes)) {
            model.SettingsImage = keptImage;
            model.ReadHeader();
            return outcome;
        }
    } catch (...) {
        // Nothing was written: the user's settings stay as they were loaded.
        model.SettingsImage = keptImage;
        model.ReadHeader();
        throw;
    }
    if (steps.writing) steps.writing();
    WriteSections(link, model, orNone(steps.writeProgress));
    outcome.written = true;

    if (steps.checking) steps.checking();
    try {
        CheckWrittenRegions(link, model.SettingsImage, outcome.backupPath,
                            orNone(steps.checkProgress));
    } catch (const EReadBackError&) {
        throw;
    } catch (const TError& e) {
        throw TError(checkFailedText(e.message(), outcome.backupPath));
    }
    return outcome;
}
