#pragma once

// One adapter per kind of control: it creates the widget, shows a value in it, reads the
// value back and names the user action that ends an edit of its kind. The binder
// (ControlBinder.h) owns one adapter per bound control and runs the load and commit rules
// through it; an adapter reaches the model only through the field it is handed.

#include "EditorControlTable.h"

#include <QStringList>
#include <functional>
#include <limits>
#include <memory>
#include <optional>

class QAbstractButton;
class QObject;
class QWidget;
class TMK;

// The field element (or bit, or text) that one binding edits, with the checked arithmetic
// of the commit rule.
class TBoundField {
public:
    TBoundField(TMK& model, TFieldRef ref) : model_(&model), ref_(ref) {}

    const TFieldRef& Ref() const { return ref_; }
    // Elements from the bound one to the field's end (a grid column fills its rows so).
    int Count() const;
    // The stored value of the element `offset` places after the bound one; for a bit
    // control the bit (0 or 1).
    double Number(int offset = 0) const;
    // Stores a value, rounded to the nearest integer (halves to even) unless the field is a
    // float. A value that does not fit, or a bit other than 0 and 1, raises ERangeError and
    // the field keeps its value.
    void SetNumber(double stored, int offset = 0);
    // Text fields: the characters before the zero byte; writing puts the characters and one
    // zero, the bytes after it keep their values (ERangeError when it does not fit).
    QString Text() const;
    void SetText(const QString& text);

private:
    TMK* model_;
    TFieldRef ref_;
};

enum class TCommitResult : std::uint8_t {
    Stored,    // the field took the control's value
    Unchanged, // the control still shows what was loaded or stored last: nothing written
    Nothing,   // nothing to store (no item chosen, no cell edited)
    Refused,   // a check refused the value and has told the user why
};

// Checks a changed numeric value before it is stored; false refuses it (the check has told
// the user why).
using TAcceptCheck = std::function<bool(double shown)>;

class TControlAdapter {
public:
    virtual ~TControlAdapter() = default;
    TControlAdapter(const TControlAdapter&) = delete;
    TControlAdapter& operator=(const TControlAdapter&) = delete;

    // The control; its objectName is the row's name.
    QWidget* Control() const { return control_; }
    // Every widget that stands for the control (a pair of groups has two).
    virtual QList<QWidget*> Widgets() const;
    // Load rule: shows the field's value.
    virtual void Load(const TBoundField& field) = 0;
    // Commit rule: stores the shown value. Throws TError when the value cannot be read or
    // does not fit; the binder shows the message and loads the field again.
    virtual TCommitResult Commit(TBoundField& field, const TAcceptCheck& accept) = 0;
    // Calls `commit` when the user ends an edit the way this kind ends one; the connection
    // lives as long as `context`.
    virtual void OnUserCommit(QObject* context, std::function<void()> commit) = 0;
    // Lists: replaces the item texts. A list of the same length keeps its choice.
    virtual void SetItems(const QStringList& items);
    // A control that carries its caption itself (a check box); nullptr: a label does.
    virtual QAbstractButton* CaptionButton() const { return nullptr; }
    // The control shows a value other than the one it last loaded or stored: the user changed
    // it without the action that commits it (a click that gave no focus, a wheel over an edit
    // that never had focus). A value that cannot be read counts as changed.
    virtual bool Differs() const { return false; }

protected:
    explicit TControlAdapter(QWidget* control) : control_(control) {}

private:
    QWidget* control_;
};

// Kinds that show one number: the row's conversion lies between the number shown and the
// number stored.
class TValueAdapter : public TControlAdapter {
public:
    void Load(const TBoundField& field) final;
    TCommitResult Commit(TBoundField& field, const TAcceptCheck& accept) final;
    bool Differs() const final;

protected:
    // storesUnchanged: whether a value equal to the last one loaded or stored is written
    // again (clicks are; merely leaving an edit is not, so passing through an edit never
    // rewrites a value it could not show exactly).
    TValueAdapter(QWidget* control, TConv conv, bool storesUnchanged)
        : TControlAdapter(control), conv_(conv), storesUnchanged_(storesUnchanged) {}
    // The number shown; nullopt when nothing is chosen. May throw TError.
    virtual std::optional<double> Shown() const = 0;
    virtual void Show(double shown) = 0;

private:
    TConv conv_;
    bool storesUnchanged_;
    double last_ = std::numeric_limits<double>::quiet_NaN();
};

// Creates the row's control under `parent` (objectName RowControlName(row)) with its
// adapter, shaped by the setting it shows (range, step, decimals, conversion).
std::unique_ptr<TControlAdapter> MakeControlAdapter(const TControlRow& row,
                                                    const TSettingDesc& setting, QWidget* parent);
