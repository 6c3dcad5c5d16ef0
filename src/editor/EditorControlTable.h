#pragma once

// The rows that describe the editor's alike controls (name, kind, caption, unit, range,
// step, conversion) and the pure arithmetic between shown and stored values. The binder
// (ControlBinder.h) creates the controls from the rows through one adapter per kind.
//
// A control's objectName is its name; the field it edits is the name without its type
// prefix ("seTankLimit" edits TankLimit). A trailing number picks an element
// ("seParkSense1" edits ParkSense[1]) or, on a plain word, a bit ("cbShowDisp_S_4" edits
// bit 4 of ShowDisp_S).

#include "FieldTable.h"
#include "Language.h"

#include <QString>
#include <cstdint>
#include <span>
#include <string_view>

enum class TCtlKind : std::uint8_t {
    Spin,  // a number; committed when the user leaves it (or presses Enter)
    Check, // 1 when checked, 0 when not; committed on click
    Radio, // an item index; committed on click
    Combo, // an item index; committed when the user picks an item
    Time,  // a time of day "hh:mm" stored as minutes since midnight; committed on leaving it
};

// How the shown value becomes the stored one. The load applies the inverse. Integer fields
// get the result rounded to the nearest integer, halves to even.
enum class TConv : std::uint8_t {
    Plain,       // stored as shown
    Mul10,       // shown in tenths (volts, prices, L/100 km)
    Mul2,        // shown in halves
    Div2,        // shown in steps of 2
    Div5,        // shown in steps of 5
    Div10,       // shown in steps of 10 (centimetres)
    Percent,     // 32-bit float factor = shown / 100 + 1
    IndexPlus1,  // item index + 1
    IndexMinus1, // item index - 1
    ItemNumber,  // the number the chosen item reads ("1", "2", "4")
};

struct TControlRow {
    const char* name; // control name and objectName
    TCtlKind kind;
    TText caption; // the label beside the control; a check box's own text
    TText unit;    // spin edits: the unit after the control
    double min;    // spin edits: shown range and step;
    double max;    // combo boxes: numbered items min..max follow `items` when max > 0
    double step;
    int decimals;
    TConv conv;
    std::span<const TText> items = {}; // radio groups and combo boxes; empty: set by a page
};

// The field element (or bit) a control edits.
struct TFieldRef {
    const FieldDef* field = nullptr; // nullptr: the name leads to no field
    int index = 0;
    int bit = -1; // >= 0: one bit of a plain integer word
};
TFieldRef ResolveControlField(std::string_view controlName);
// "seTankLimit" -> "TankLimit": the name without its lower-case type prefix.
QString ControlBaseName(const QString& controlName);

// Pure conversions of the table above.
double RoundHalfEven(double v);
double ShownToStored(TConv conv, double shown);
double StoredToShown(TConv conv, double stored);
