#pragma once

// Reading and editing the two colour schemes of section 9 (layout: ColorSchemeLayout.h).
// A scheme number outside 0..1, a palette index or role value outside 0..15 raises
// ERangeError and changes nothing.

#include "ColorSchemeLayout.h"
#include "Rgb565.h"

class TMK;

Rgb565 PaletteColour(const TMK& model, int scheme, int index);
void SetPaletteColour(TMK& model, int scheme, int index, Rgb565 colour);

// The palette index a role of the scheme picks, as stored.
int RolePaletteIndex(const TMK& model, int scheme, TColourRole role);
void SetRolePaletteIndex(TMK& model, int scheme, TColourRole role, int index);

// Copies the model's two default scheme records over both schemes (44 bytes each).
void RestoreDefaultSchemes(TMK& model);
