#pragma once

// The rows of the editor's alike controls: the kind of control, the setting it shows
// (SettingDescriptions.h, where its caption, unit, range, step, conversion and items are
// written) and where it stands. The binder (ControlBinder.h) creates the controls from the
// rows through one adapter per kind.

#include "SettingDescriptions.h"

#include <QString>
#include <cstdint>

enum class TCtlKind : std::uint8_t {
    Spin,      // a number; committed when the user leaves it (or presses Enter)
    Check,     // 1 when checked, 0 when not; committed on click
    Radio,     // an item index; committed on click
    Combo,     // an item index; committed when the user picks an item
    Date,      // a day number shown as dd.mm.yy (years 2000..2099); committed on leaving
    Time,      // minutes since midnight shown as hours:minutes; committed on leaving
    Text,      // a zero-terminated Windows-1251 text field; committed on leaving
    SoundPair, // a warning's sound: the group `name` picks the first warning's sound, the
               // group `partner` the repeated one (byte = first + 8 x repeated; without a
               // partner the choice counts for both); committed when either group loses focus
};

// Where the setting's words stand.
enum class TRowLabel : std::uint8_t {
    Caption,  // a label beside the control (a check box's own text) and the unit after it
    Bare,     // neither: the page lays captions and units out itself (a grid of controls)
    UnitOnly, // the unit after the control, the caption laid out by the page
};

struct TControlRow {
    TCtlKind kind = TCtlKind::Spin;
    const char* setting = nullptr; // the setting's name
    // The control's objectName; nullptr: the kind's prefix and the setting's name
    // ("seTankLimit").
    const char* name = nullptr;
    int element = 0; // a setting of several elements: the one the control shows
    TRowLabel label = TRowLabel::Caption;
    const char* partner = nullptr; // SoundPair: the repeated-warning group; nullptr: none
};

// The objectName the row's control gets.
QString RowControlName(const TControlRow& row);
