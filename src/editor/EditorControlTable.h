#pragma once

// The editor's binding engine. Alike controls are described by constant rows (name, kind,
// caption, unit, range, step, conversion); the engine creates them, loads them from the
// settings model and commits them back, so the load and commit rules exist once.
//
// A control's objectName is its name; the field it edits is the name without its type
// prefix ("seTankLimit" edits TankLimit). A trailing number picks an element
// ("seParkSense1" edits ParkSense[1]) or, on a plain word, a bit ("cbShowDisp_S_4" edits
// bit 4 of ShowDisp_S).

#include "FieldTable.h"
#include "Language.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <cstdint>
#include <deque>
#include <functional>
#include <span>
#include <string_view>

class QGridLayout;
class QLabel;
class QWidget;
class TMK;

enum class TCtlKind : std::uint8_t {
    Spin,  // a number; committed when the user leaves it (or presses Enter)
    Check, // 1 when checked, 0 when not; committed on click
    Radio, // an item index; committed on click
    Combo, // an item index; committed when the user picks an item
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

class TControlBinder : public QObject {
    Q_OBJECT
public:
    // refreshing: the dialog's flag; while set no change handler writes back.
    TControlBinder(TMK& model, const bool& refreshing, QObject* parent = nullptr);

    // Creates a row's control under parent, with its label ("l" + base name) and unit
    // label, and binds it. Returns the control.
    QWidget* Create(const TControlRow& row, QWidget* parent);
    // Creates the rows as label | control | unit lines of a grid, from grid row `first`.
    void AddRows(QGridLayout* grid, std::span<const TControlRow> rows, int first = 0);

    // Registers a caption (a label, group box, button or check box text) applied by
    // ApplyCaptions. Returns the object for chaining.
    template <class W> W* Caption(W* w, TText text) {
        captions_.push_back({w, text});
        return w;
    }
    // Puts every registered caption and item text in the current language.
    void ApplyCaptions();

    // Load rule: sets the control(s) from the model.
    void LoadAll();
    void Load(const QString& name);
    // Commit rule: stores the control's value. A value that does not fit its field is
    // refused with "Range check error"; the field keeps its value and the control shows it
    // again. Returns false when refused.
    bool Commit(const QString& name);

    // Runs after each commit of the control that was not refused (the named handlers of the
    // pages); for a spin edit also when the user left it unchanged.
    void OnCommitted(const QString& name, std::function<void()> handler);
    // Checks a changed spin edit's value before it is stored; a check that returns false has
    // told the user why, and the edit shows the stored value again.
    void SetValidator(const QString& name, std::function<bool(double shown)> accept);
    // Replaces the items of a radio group or combo box whose set depends on the model.
    void SetItems(const QString& name, const QStringList& items);

    // Shows or hides a control together with its label and unit.
    void SetShown(const QString& name, bool shown);
    bool IsBound(const QString& name) const { return bindings_.contains(name); }
    QWidget* Control(const QString& name) const;
    QLabel* Label(const QString& name) const;
    QStringList Names() const;
    const TControlRow* Row(const QString& name) const;
    // The field element (or bit) the control edits; no field for an unknown name.
    TFieldRef FieldOf(const QString& name) const;
    // The caption the user reads for the control: its label, or a check box's own text.
    QString CaptionOf(const QString& name) const;
    // What the control shows for a stored value, by the load rule: a spin edit's number with
    // its unit, a check box's yes / no, a choice's item text. A value no item stands for
    // shows as the stored number.
    QString ShownText(const QString& name, double stored) const;

private:
    struct Binding {
        const TControlRow* row;
        TFieldRef ref;
        QWidget* control = nullptr;
        QLabel* label = nullptr;
        QLabel* unit = nullptr;
        double shown = 0; // spin edits: the value last loaded or stored
        std::function<void()> after;
        std::function<bool(double)> accept;
    };
    struct CaptionEntry {
        QObject* target;
        TText text;
    };

    Binding& bind(const TControlRow& row, QWidget* control);
    void load(Binding& b);
    bool commit(Binding& b);
    double readField(const Binding& b) const;
    void writeField(const Binding& b, double stored);
    QStringList itemTexts(const TControlRow& row) const;

    TMK& model_;
    const bool& refreshing_;
    std::deque<Binding> store_;
    QHash<QString, Binding*> bindings_;
    std::vector<CaptionEntry> captions_;
};
