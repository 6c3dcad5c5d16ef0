#pragma once

// Recognising a car by its settings, to suggest which vehicle a read belongs to.

#include "VehicleEvents.h"

class TMK;

TSettingsPrint PrintOf(const TMK& model);

// How well two sets of settings of the same device type look like the same car: 4 for the
// same odometer start (not 0), 3 for the same tank calibration, 1 per user-named
// maintenance item both call alike. 0: nothing in common.
int MatchScore(const TSettingsPrint& a, const TSettingsPrint& b);
