#pragma once

// Captions of measured parameters that depend on the device model: the temperature input
// (air, water, engine or variator), the range forecast (mileage or power reserve) and the
// inclination (pitch). Applied in the current language.

struct TDeviceCaps;
class TMeasParList;
class TMK;

// airWaterShow: the temperature caption choice of the settings (0 air, 1 water, 2 engine).
void RelabelMeasPars(TMeasParList& list, const TDeviceCaps& caps, int airWaterShow);
// The model's list by its capabilities and its stored temperature caption choice.
void RelabelMeasPars(TMK& model);
