#pragma once

// What a setting's wording, list items and offer depend on: the device model's
// capabilities, the protocol entry the settings choose, and the settings themselves
// (measured-parameter names, menu entries, the stored values of other settings).

class TMK;
class TProtBase;
struct TDeviceCaps;

struct TSettingContext {
    const TMK& model;
    const TDeviceCaps& caps;
    const TProtBase* prot; // nullptr: the stored protocol lies beyond the device's list
    bool ecuData;          // the protocol delivers engine data
};

// The context of the model's catalogues as they stand (TMK::SelectCapabilities and the
// current protocol entry).
TSettingContext SettingContextOf(const TMK& model);

// Whether a setting (or a page) is offered in a context; nullptr: always.
using TOfferRule = bool (*)(const TSettingContext&);
