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

QString WriteStoppedText(const QString& linkMessage, int section, int sections,
                         const QString& backupPath) {
    return linkMessage + QLatin1Char('\n') +
           Tx("The write stopped in section %1 of %2: the device may hold some new and some old "
              "settings. Write again, or restore the backup %3.",
              "Запись остановилась на разделе %1 из %2: в МК могут оказаться частью новые, "
              "частью старые настройки. Запишите настройки ещё раз или восстановите резервную "
              "копию %3.")
               .arg(section)
               .arg(sections)
               .arg(QDir::toNativeSeparators(backupPath));
}

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
    model.ClearedRecords = {};
}

namespace {

// The records put into the device's image at the addresses of its own table: the image as
// it will be written.
QByteArray encodeInto(TMK& model, const QByteArray& deviceImage, const TSectionRecords& records) {
    model.SettingsImage = deviceImage;
    for (int i = 1; i <= SectionCountMax; ++i)
        model.Section(i) = records[i];
    model.WriteSections(1, SectionCountMax);
    return model.SettingsImage;
}

// The device's memory as the write knows it: the header and the sections' blocks read now,
// the rest from the caller's full read of the same device, or zero.
QByteArray readForWrite(TML_RS& link, std::uint16_t deviceVersion, const WriteFlowSteps& steps) {
    const std::function<void(int)>& progress = orNone(steps.readProgress);
    if (steps.readWholeMemory) {
        TMK whole;
        ReadImage(link, whole, progress);
        return whole.SettingsImage;
    }
    const devmem::TSectionRead read = ReadSectionBlocks(link, progress);
    const std::optional<TFullRead>& earlier = steps.lastFullRead;
    // Another device of the same type, or new firmware, would give the backup bytes that
    // are not this device's: then it keeps zeros there.
    const bool sameDevice = earlier && earlier->deviceVersion == deviceVersion &&
                            earlier->image.left(HeaderSize) == read.image.left(HeaderSize);
    return sameDevice ? devmem::WithBlocks(earlier->image, read) : read.image;
}

TSectionRecords sectionsOf(const TMK& model) {
    TSectionRecords records;
    for (int i = 1; i <= SectionCountMax; ++i)
        records[i] = model.Section(i);
    return records;
}

} // namespace

TWriteOutcome WriteSettingsToDevice(TML_RS& link, TMK& model, std::uint16_t deviceVersion,
                                    const WriteFlowSteps& steps) {
    if (deviceVersion != model.DeviceVersion) throw TError(DeviceVersionMismatchText());

    const TSectionRecords settings = sectionsOf(model);
    model.ReadHeader();
    const int keptSettingsVersion = model.SettingsVersion();
    const QByteArray keptImage = model.SettingsImage;
    auto restore = [&] {
        model.SettingsImage = keptImage;
        for (int i = 1; i <= SectionCountMax; ++i)
            model.Section(i) = settings[i];
        model.ReadHeader();
    };

    const QByteArray deviceImage = readForWrite(link, deviceVersion, steps);
    // The settings go in at the addresses of the device's table.
    TWriteOutcome outcome;
    TWritePlan& plan = outcome.plan;
    plan.deviceVersion = deviceVersion;
    try {
        outcome.backupPath = SaveDeviceBackup(steps.backupFolder.isEmpty() ? DefaultBackupFolder()
                                                                           : steps.backupFolder,
                                              deviceVersion, deviceImage);
        const TSectionRecords device = DecodeSectionRecords(deviceImage);
        // What the device recorded since the settings were read stays; what the user
        // cleared meanwhile is cleared in the device's own records.
        TSectionRecords keeping = settings;
        CopyDeviceRecords(keeping, device);
        journals::ClearRecordParts(keeping, model.ClearedRecords);

        plan.writtenImage = encodeInto(model, deviceImage, keeping);
        if (model.SettingsVersion() != keptSettingsVersion)
            throw TError(FirmwareVersionMismatchText());
        const TSectionRecords written = DecodeSectionRecords(plan.writtenImage);
        plan.changes = ComputeChanges(device, written, TChangeScope::SettingsOnly);
        plan.recordChanges = journals::DescribeRecordChanges(device, written);
        const QByteArray replacingImage = encodeInto(model, deviceImage, settings);
        const TSectionRecords replacing = DecodeSectionRecords(replacingImage);
        plan.canReplaceRecords = !SameDeviceRecords(written, replacing);
        if (plan.canReplaceRecords)
            plan.replacedRecordChanges = journals::DescribeRecordChanges(device, replacing);

        const TWriteChoice choice = steps.confirm ? steps.confirm(plan) : TWriteChoice{};
        if (!choice.write) {
            restore();
            return outcome;
        }
        outcome.recordsReplaced = choice.replaceRecords && plan.canReplaceRecords;
        encodeInto(model, deviceImage, outcome.recordsReplaced ? settings : keeping);
    } catch (...) {
        // Nothing was written: the user's settings stay as they were loaded.
        restore();
        throw;
    }
    if (steps.writing) steps.writing();
    try {
        WriteSections(link, model, orNone(steps.writeProgress));
    } catch (const devmem::EWriteStopped& e) {
        throw TError(WriteStoppedText(e.message(), e.Section(), e.Sections(), outcome.backupPath));
    }
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
    // The device holds these records now: the clears are done.
    model.ClearedRecords = {};
    return outcome;
}
