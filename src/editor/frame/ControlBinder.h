#pragma once

// The editor's binding engine. Alike controls are described by rows (EditorControlTable.h)
// that name the setting they show; the binder creates each through the adapter of its kind
// (ControlAdapters.h), gives it the setting's caption, unit and items
// (SettingDescriptions.h), loads it from the settings model and commits it back, so the load
// and commit rules exist once.
//
// The binder keeps its own copy of every row and of the names in it, so rows may be built in
// a loop at run time.

#include "ControlAdapters.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <deque>
#include <functional>
#include <span>
#include <vector>

class QAbstractButton;
class QGridLayout;
class QGroupBox;
class QLabel;
class QWidget;
class TMK;

// How a registered caption reaches its object; the overload is chosen by the object's type.
void SetCaptionText(QLabel* label, const QString& text);
void SetCaptionText(QAbstractButton* button, const QString& text);
void SetCaptionText(QGroupBox* group, const QString& text);
void SetCaptionText(QWidget* window, const QString& text); // the window title
// A widget's name for screen readers; a radio group names its buttons by it too.
void SetAccessibleNameOf(QObject* widget, const QString& name);

// A control hidden itself or inside something hidden, not counting the pages a tab widget
// puts behind its current one: a rule has taken it from the user.
bool HiddenByRule(const QWidget* w);

class TControlBinder : public QObject {
    Q_OBJECT
public:
    // refreshing: the dialog's flag; while set no change handler writes back.
    TControlBinder(TMK& model, const bool& refreshing, QObject* parent = nullptr);
    ~TControlBinder() override;

    // Creates a row's control under parent, with its label ("l" + base name) and unit label
    // ("l" + base name + "Unit") unless the row is bare, and binds it. Returns the control.
    // A setting no description has is a programming error: TError.
    QWidget* Create(const TControlRow& row, QWidget* parent);
    // Creates the rows as label | control | unit lines of a grid, from grid row `first`.
    void AddRows(QGridLayout* grid, std::span<const TControlRow> rows, int first = 0);

    // Registers a caption (a label, group box, button or check box text, or a window title)
    // applied by ApplyCaptions. Returns the object for chaining.
    template <class W> W* Caption(W* w, TText text) {
        captions_.push_back(
            {w, text, [](QObject* o, const QString& s) { SetCaptionText(static_cast<W*>(o), s); }});
        return w;
    }
    // Registers the name a screen reader reads for a widget the page draws itself (a grid,
    // a preview, a choice of its own), applied with the captions. Returns the widget.
    template <class W> W* AccessibleName(W* w, TText name) {
        captions_.push_back({w, name, &SetAccessibleNameOf});
        return w;
    }
    // Puts every registered caption, every bound control's caption, unit and name for screen
    // readers and every list's items in the current language and for the settings as they
    // are.
    void ApplyCaptions();
    // The words that follow the device, the protocol or other settings again: captions and
    // list items (a list whose items changed shows the model's value again).
    void RefreshDescribed();
    // Shows or hides each control whose setting the device model or the protocol may not
    // offer, by the setting's rule.
    void ApplyOffers();

    // Load rule: sets controls from the model: all of them, those inside `root`, or one.
    void LoadAll();
    void LoadUnder(const QWidget* root);
    void Load(const QString& name);
    // Commit rule: stores the control's value. A value that does not fit its field is
    // refused with "Range check error"; the field keeps its value and the control shows it
    // again. Returns false when refused or when nothing was chosen.
    bool Commit(const QString& name);
    // Commits the bound control that holds `focused` (or is it); false only when its value
    // was refused.
    bool CommitFocused(QWidget* focused);
    // Commits every control that shows another value than it last loaded or stored, whether
    // or not it ever had focus; false as soon as one is refused.
    bool CommitChanged();

    // Runs after each commit of the control that was not refused (the named handlers of the
    // pages); for an edit also when the user left it unchanged.
    void OnCommitted(const QString& name, std::function<void()> handler);
    // Checks a changed numeric value before it is stored; a check that returns false has
    // told the user why, and the control shows the stored value again.
    void SetValidator(const QString& name, TAcceptCheck accept);
    // Replaces the items of a radio group or combo box whose set depends on the model.
    void SetItems(const QString& name, const QStringList& items);

    // Shows or hides a control together with its label and unit.
    void SetShown(const QString& name, bool shown);
    bool IsBound(const QString& name) const { return controls_.contains(name); }
    QWidget* Control(const QString& name) const;
    QLabel* Label(const QString& name) const;
    // The names of the bound controls, in the order they were created.
    QStringList Names() const;
    const TControlRow* Row(const QString& name) const;
    // The field element (or bit) the control edits; no field for an unknown name.
    TFieldRef FieldOf(const QString& name) const;
    // The setting the control shows and which of its elements; nullptr for an unknown name.
    const TSettingDesc* SettingOf(const QString& name, int* element = nullptr) const;
    // The control that shows element `element` of a setting; nullptr when none is bound.
    QWidget* ControlOf(const TSettingDesc& setting, int element = 0) const;

private:
    // A row with its own copies of the names it points at.
    struct OwnedRow {
        explicit OwnedRow(const TControlRow& from);
        void Repoint(); // after a move
        TControlRow row;
        QByteArray setting, name, partner;
    };
    struct Binding {
        OwnedRow own;
        const TSettingDesc* setting;
        std::unique_ptr<TControlAdapter> adapter;
        TBoundField field;
        QLabel* label = nullptr;
        QLabel* unit = nullptr;
        TAcceptCheck accept;
    };
    struct CaptionEntry {
        QObject* target;
        TText text;
        void (*apply)(QObject*, const QString&);
    };

    Binding& bind(const TControlRow& row, QWidget* parent);
    TCommitResult commitControl(const QString& name);
    TCommitResult commit(Binding& b);
    void load(Binding& b);
    void describe(Binding& b, const TSettingContext& c, bool items);
    void nameForScreenReaders(Binding& b, const TSettingContext& c);
    const QList<Binding*>* bindingsOf(const QString& name) const;

    TMK& model_;
    const bool& refreshing_;
    std::deque<Binding> store_;
    // Every widget of every control, by objectName; a grid holds one binding per column.
    QHash<QString, QList<Binding*>> controls_;
    QStringList names_;
    QHash<QString, std::function<void()>> handlers_;
    std::vector<CaptionEntry> captions_;
};
