#pragma once

// A warning's sound choice: one radio group for the first warning and, for most warnings,
// one for the repeated warnings, kept in one byte of `AlarmSound` (bits 0..2 first, bits
// 3..5 repeated; bits 6 and 7 come out clear). A warning with one group stores its choice
// in both fields. The byte is committed when either group loses the keyboard focus, so that
// the user settles both groups of a row before it is stored.

#include <QList>
#include <QObject>

class QWidget;
class TMK;
class TRadioGroup;

class TWarningSoundPair : public QObject {
public:
    // repeated: nullptr for a warning with one group. refreshing: the dialog's flag; while
    // set, leaving a group stores nothing.
    TWarningSoundPair(TMK& model, const bool& refreshing, int index, TRadioGroup* first,
                      TRadioGroup* repeated, QObject* parent);

    int Index() const { return index_; }
    QList<TRadioGroup*> Groups() const;
    // True when w is one of the groups or lies inside one.
    bool Holds(const QWidget* w) const;
    // Load: first group from bits 0..2, repeated group from bits 3..5.
    void Load();
    // Commit: first + 8 x repeated, or choice x 9; nothing while no item is chosen.
    void Commit();

private:
    TMK& model_;
    const bool& refreshing_;
    int index_;
    TRadioGroup* first_;
    TRadioGroup* repeated_;
};
