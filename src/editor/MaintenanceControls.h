#pragma once

// The two kinds of control of the maintenance page that the binder does not offer: a
// device-text edit (a fixed-size Windows-1251 name, characters then a zero byte) and a date
// edit over a stored day number, with a calendar pop-up.
//
// Both store what the user changed and nothing else: a name that the edit could not show
// whole, or a stored number that is no date, stays as it is until the user edits it.

#include <QDate>
#include <QObject>
#include <QString>
#include <functional>

class QDateEdit;
class QLabel;
class QLineEdit;
class QWidget;
class TMK;

// Edits the text field `field` (16 bytes: at most 15 characters and a zero).
class TDeviceTextEdit : public QObject {
    Q_OBJECT
public:
    TDeviceTextEdit(TMK& model, const char* field, const QString& name, const bool& refreshing,
                    QWidget* parent);
    QLineEdit* Edit() const { return edit_; }
    void Load();
    // Stores the text when the user changed it; false when it does not fit (told already).
    bool Commit();

private:
    TMK& model_;
    const char* field_;
    const bool& refreshing_;
    QLineEdit* edit_;
    QString last_; // what the edit showed after the last load or store
};

// Edits the day-number field `field` as a date of 2000..2099 ("dd.mm.yy"). A stored number
// that names no such day shows the nearest one with a mark beside the edit.
class TDayNumberEdit : public QObject {
    Q_OBJECT
public:
    TDayNumberEdit(TMK& model, const char* field, const QString& name, const bool& refreshing,
                   QWidget* parent);
    QDateEdit* Edit() const { return edit_; }
    // The mark shown while the stored number is no date ("l" + the edit's base name + "Mark").
    QLabel* Mark() const { return mark_; }
    void Load();

private:
    void Changed(const QDate& date);

    TMK& model_;
    const char* field_;
    const bool& refreshing_;
    QDateEdit* edit_;
    QLabel* mark_;
    bool loading_ = false;
};
