#pragma once

// "Find a setting" above the editor's tabs: typing lists the settings of the pages shown for
// this device whose caption or page path holds the text (any case), each with its page path
// and current value; Enter (on the first or the chosen match) or a click brings the
// setting's page and sub-page to the front, gives its control the focus and marks it briefly.
// Ctrl+F puts the cursor in the field.

#include <QObject>
#include <QString>
#include <vector>

class QLineEdit;
class QListWidget;
class QWidget;
class TMK_SetParamsDlg;

class TSettingSearch : public QObject {
    Q_OBJECT
public:
    explicit TSettingSearch(TMK_SetParamsDlg& dialog);

    QLineEdit* Field() const { return field_; }
    QListWidget* Results() const { return results_; }
    // The matches of a text as the list shows them, best first.
    QStringList Matches(const QString& text);
    // Brings the control of match `row` (of the last Matches) to the front.
    void Reveal(int row);
    void SetCaptions();

private:
    struct TEntry {
        QString caption, path, value;
        QWidget* control;
    };
    // The settings the user can reach now, in tab order.
    std::vector<TEntry> Entries() const;
    void Refill(const QString& text);
    // The list under the field, over the tabs, while there are matches to choose from.
    void ShowResults();
    void Mark(QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TMK_SetParamsDlg& dialog_;
    QLineEdit* field_;
    QListWidget* results_;
    std::vector<TEntry> matches_;
    QString filledFor_; // the text the matches are of
};

// Brings every tab holding the widget to the front.
void RevealWidget(QWidget* w);
