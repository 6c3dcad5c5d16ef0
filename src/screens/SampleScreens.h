#pragma once

// Screens with fixed layouts for judging a colour scheme: every kind with a familiar set
// of parameters, and a menu of the device's own entries.

#include "ScreenContent.h"

class TMKMenuTable;

TScreenContent SampleScreen(TScreenKind kind);
// A menu titled "Menu" with the first entries of the device's menu table, its second row
// active and the rows numbered as a hot menu numbers them.
TScreenContent SampleMenu(const TMKMenuTable& menu);
