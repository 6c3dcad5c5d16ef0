#include "DeviceTransfers.h"

#include "DeviceMemory.h"
#include "Errors.h"
#include "FieldTable.h"
#include "Language.h"
#include "ML_RS232.h"
#include "Pars32H.h"

#include <array>

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

void WriteSettingsToDevice(TML_RS& link, TMK& model, std::uint16_t deviceVersion,
                           const WriteFlowSteps& steps) {
    if (deviceVersion != model.DeviceVersion) throw TError(DeviceVersionMismatchText());

    std::array<QByteArray, SectionCountMax + 1> kept;
    for (int i = 1; i <= SectionCountMax; ++i)
        kept[i] = model.Section(i);
    model.ReadHeader();
    const int keptSettingsVersion = model.SettingsVersion();
    const QByteArray keptImage = model.SettingsImage;

    ReadImage(
        link, model, steps.readProgress ? steps.readProgress : [](int) {});
    // The device's memory is now the image; the kept sections go in at its addresses.
    try {
        if (steps.beforeWrite) steps.beforeWrite(model.SettingsImage, deviceVersion);
        for (int i = 1; i <= SectionCountMax; ++i)
            model.Section(i) = kept[i];
        model.WriteSections(1, SectionCountMax);
        if (model.SettingsVersion() != keptSettingsVersion)
            throw TError(FirmwareVersionMismatchText());
    } catch (...) {
        // Nothing was written: the user's settings stay as they were loaded.
        model.SettingsImage = keptImage;
        model.ReadHeader();
        throw;
    }
    if (steps.writing) steps.writing();
    WriteSections(
        link, model, steps.writeProgress ? steps.writeProgress : [](int) {});
}
