#pragma once

// The editor's binding engine. Alike controls are described by rows (EditorControlTable.h);
// the binder creates each through the adapter of its kind (ControlAdapters.h), loads it from
// the settings model and commits it back, so the load and commit rules exist once.
//
// The binder keeps its own copy of every row and of the names in it, so rows may be built in
// a loop at run time; captions and item texts must be constant tables.

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

class TControlBinder : public QObject {
    Q_OBJECT
public:
    // refreshing: the dialog's flag; while set no change handler writes back.
    TControlBinder(TMK& model, const bool& refreshing, QObject* parent = nullptr);
    ~TControlBinder() override;

    // Creates a row's control under parent, with its label ("l" + base name) and unit label
    // ("l" + base name + "Unit"), and binds it. Returns the control.
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
    // Puts every registered caption and list item in the current language.
    void ApplyCaptions();

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
    // The caption the user reads for the control: its label, or a check box's own text.
    QString CaptionOf(const QString& name) const;
    // What the control shows for a stored value, with its unit (the change list before a
    // write shows the device's and the new value so).
    QString ShownText(const QString& name, double stored) const;

private:
    // A row with its own copies of the names it points at.
    struct OwnedRow {
        explicit OwnedRow(const TControlRow& from);
        void Repoint(); // after a move
        TControlRow row;
        QByteArray name, field, partner, mask;
    };
    struct Binding {
        OwnedRow own;
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
