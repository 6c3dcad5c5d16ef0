// The settings model's device catalogues: capabilities and protocols of the device model,
// measured parameters, menu table and the hot-menu defaults that depend on it.

#include "DeviceModels.h"
#include "Pars32H.h"

std::uint16_t CatalogueDeviceType(std::uint16_t deviceVersion) {
    // An empty catalogue would give an editor with no protocols and every control shown,
    // offering settings no device has, and journals without fault-code texts.
    return IsKnownDevice(deviceVersion) ? deviceVersion : DefaultDeviceVersion;
}

void TMK::SelectCapabilities(std::uint16_t deviceVersion, int protocol,
                             [[maybe_unused]] int settingsVersion) {
    // No model row depends on the settings layout version yet; it stays an input so that
    // one can without touching the callers. DeviceVersion itself stays as read, so a write
    // still needs the same device.
    Prots.Build(CatalogueDeviceType(deviceVersion), protocol);
}

void TMK::BuildMeasParList() {
    MeasPars.Build(Caps());
}

void TMK::BuildMenuItems() {
    MenuItems.Build(Caps());
}

void TMK::SelectProtocol(int position) {
    ::SelectProtocol(Prots, sections_[10], position);
}

void TMK::SelectDefaultDevice() {
    // The stored protocol position defaults to 0 with the rest of section 10.
    DeviceVersion = DefaultDeviceVersion;
    SelectCapabilities(DeviceVersion, 0, 0);
    BuildMenuItems();
}
