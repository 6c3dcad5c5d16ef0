#pragma once

// The rows that describe the editor's alike controls (name, kind, caption, unit, range,
// step, conversion) and the pure arithmetic between shown and stored values. The binder
// (ControlBinder.h) creates the controls from the rows through one adapter per kind.
//
// A control's objectName is its name; the field it edits is the name without its type
// prefix ("seTankLimit" edits TankLimit). A trailing number picks an element
// ("seParkSense1" edits ParkSense[1]) or, on a plain word, a bit ("cbShowDisp_S_4" edits
// bit 4 of ShowDisp_S). A row may name its field outright instead.

#include "FieldTable.h"
#include "Language.h"

#include <QString>
#include <cstdint>
#include <span>
#include <string_view>

enum class TCtlKind : std::uint8_t {
    Spin,       // a number; committed when the user leaves it (or presses Enter)
    Check,      // 1 when checked, 0 when not; committed on click
    Radio,      // an item index; committed on click
    Combo,      // an item index; committed when the user picks an item
    Date,       // a day number shown as dd.mm.yy (years 2000..2099); committed on leaving
    Time,       // minutes since midnight shown as hours:minutes; committed on leaving
    Text,       // a zero-terminated Windows-1251 text field; committed on leaving
    GridColumn, // one column of a grid (a QTableView whose rows the page sets): row r edits
                // element r of the field, in digits only, through `mask`; committed when the
                // grid loses focus after an edit
    SoundPair,  // a warning's sound: the group `name` picks the first warning's sound, the
                // group `partner` the repeated one (byte = first + 8 x repeated; without a
                // partner the choice counts for both); committed when either group loses focus
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
    const char* name = nullptr; // control name and objectName
    TCtlKind kind = TCtlKind::Spin;
    TText caption = {}; // the label beside the control; a check box's own text
    TText unit = {};    // spin edits: the unit after the control
    double min = 0;     // spin edits: shown range and step;
    double max = 0;     // combo boxes: numbered items min..max follow `items` when max > 0
    double step = 0;
    int decimals = 0;
    TConv conv = TConv::Plain;
    std::span<const TText> items = {}; // radio groups and combo boxes; empty: set by a page
    // Where the name does not lead to the field (grids, warning pairs): the field, and the
    // element the control edits (a grid column: its first row's element).
    const char* field = nullptr;
    int index = 0;
    int column = 0;                // GridColumn: the grid column
    const char* partner = nullptr; // SoundPair: the repeated-warning group; nullptr: none
    const char* mask = nullptr;    // GridColumn: the cell editor's input mask (Qt syntax)
};

// The field element (or bit) a control edits.
struct TFieldRef {
    const FieldDef* field = nullptr; // nullptr: the name leads to no field
    int index = 0;
    int bit = -1; // >= 0: one bit of a plain integer word
};
TFieldRef ResolveControlField(std::string_view controlName);
// The row's own field and element when it names one, else the field its name leads to.
TFieldRef ResolveRowField(const TControlRow& row);
// "seTankLimit" -> "TankLimit": the name without its lower-case type prefix.
QString ControlBaseName(const QString& controlName);

// Pure conversions of the table above.
double RoundHalfEven(double v);
double ShownToStored(TConv conv, double shown);
double StoredToShown(TConv conv, double stored);
