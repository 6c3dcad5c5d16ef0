#pragma once

// What each setting the editor offers is for the user, with no widget: the field it lives
// in, its caption and unit in both languages, the range, step and decimals it is shown
// with, the conversion between the shown and the stored value, its list items, the page it
// sits on and when it is offered. The editor binds its controls through these; the change
// list before a write, `tripconf-cli describe`, the editor's search and the comparisons
// read them. A caption or a unit is written once, here.
//
// A setting's name is the editor's control name without its type prefix ("UaccLowLimit"
// for seUaccLowLimit). The name leads to the field: the field's own name, or with a
// trailing number an element of an array field ("ParkSense1") or, on a plain word, a bit
// ("ShowDisp_S_4"). A row may name its field outright instead. A setting may cover several
// elements or bits of its field (a table, the places of the screens): each has its own
// caption then.

#include "FieldTable.h"
#include "Language.h"
#include "SettingContext.h"
#include "SettingConversion.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

enum class TSettingKind : std::uint8_t {
    Number, // a number shown with `decimals` in min..max by `step`
    Flag,   // yes or no: one bit or a 0/1 byte
    List,   // one of the items: its position (or, by the conversion, a number it reads)
    Date,   // a day number shown as dd.mm.yy
    Time,   // minutes since midnight shown as hh:mm
    Text,   // characters in the device's code page
    Table,  // elements edited by a page of its own (a grid, a screen, a palette)
};

// The field element (or bit) a setting, or one element of it, lives in.
struct TFieldRef {
    const FieldDef* field = nullptr; // nullptr: no field
    int index = 0;
    int bit = -1; // >= 0: one bit of a plain integer word
};

struct TSettingDesc {
    const char* name;
    TSettingKind kind;
    TText caption;
    TText unit = {};
    double min = 0; // lists: numbered items min..max follow `items` when max > 0
    double max = 0;
    double step = 0;
    int decimals = 0;
    TConv conv = TConv::Plain;
    std::span<const TText> items = {};
    const char* page = nullptr;   // its page's id (SettingPages.h)
    TOfferRule offered = nullptr; // nullptr: on every device
    const char* field = nullptr;  // where the name does not lead to the field
    int index = 0;                // with `field`: the first element
    int count = 1;                // elements, or with `bits` the bits 0.. of element `index`
    bool bits = false;
    const char* control = nullptr; // the editor's widget, where it is not prefix + name
    // The text on the control where its page lays the captions out apart ("#1" under a
    // heading); empty: the caption.
    TText label = {};
    // The parts that follow the device and the settings; nullptr: the constants above.
    QString (*captionOf)(const TSettingContext&) = nullptr;
    QStringList (*itemsOf)(const TSettingContext&) = nullptr;
    // Settings of several elements: the caption of element k (0-based; empty for an element
    // the device does not offer), and for any setting the words for a stored value.
    QString (*elementCaption)(const TSettingContext&, int k) = nullptr;
    QString (*valueText)(const TSettingContext&, int k, double stored) = nullptr;
};

// Every setting, page by page in tab order.
std::span<const TSettingDesc> SettingDescriptions();
// nullptr for an unknown name.
const TSettingDesc* FindSetting(std::string_view name);
// The setting that must exist; an unknown name is a programming error and throws.
const TSettingDesc& SettingByName(std::string_view name);

// Element k of the setting (0 for a single one); no field when the name leads nowhere.
TFieldRef SettingField(const TSettingDesc& s, int k = 0);
// A control-style name leads to a field element or bit ("seParkSense1" -> ParkSense[1]).
TFieldRef ResolveSettingName(std::string_view name);
// "seTankLimit" -> "TankLimit": the name without its lower-case type prefix.
QString ControlBaseName(const QString& controlName);

// The settings that cover this field element (and bit, for a bit of a word): the offered
// one first; empty when none does. k receives the element's place in each.
struct TSettingElement {
    const TSettingDesc* setting = nullptr;
    int k = 0;
};
std::vector<TSettingElement> SettingsOf(const FieldDef& field, int index, int bit,
                                        const TSettingContext& c);

bool SettingOffered(const TSettingDesc& s, const TSettingContext& c);
QString SettingCaption(const TSettingDesc& s, const TSettingContext& c, int k = 0);
QString SettingUnit(const TSettingDesc& s);
// List items in the current language: the fixed ones, then numbered ones min..max.
QStringList SettingItems(const TSettingDesc& s, const TSettingContext& c);
// What the editor shows for a stored value, with the unit: "11.5 V", "yes", an item's text,
// "09.01.12", "07:30". A value no item stands for shows the stored number.
// k: the element of a setting of several.
QString SettingValueText(const TSettingDesc& s, const TSettingContext& c, double stored, int k = 0);
// The same without the unit.
QString SettingShownText(const TSettingDesc& s, const TSettingContext& c, double stored, int k = 0);
// The shown range as the user reads it: "9.0 .. 13.9 V", the items joined by ", ", empty
// where there is none.
QString SettingRangeText(const TSettingDesc& s, const TSettingContext& c);
