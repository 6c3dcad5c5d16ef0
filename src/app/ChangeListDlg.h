#pragma once

// The list of settings a write will change, shown before anything is written: a count at
// the top, the rows grouped by editor page (setting, value in the device, new value), then
// what happens to the device's journals and totals; a box to have the settings' own
// journals and totals replace the device's (only when they differ), a "Do not show this
// list again" box and the buttons "Write" (default) and "Cancel".

#include "Prompt.h"

#include <QDialog>
#include <vector>

class QCheckBox;
class QLabel;
class QTreeView;

class TChangeListDlg : public QDialog {
    Q_OBJECT
public:
    explicit TChangeListDlg(const TChangeList& list, QWidget* parent = nullptr);

    // The user asked not to see the list again.
    bool HideFromNowOn() const;
    // The user asked for the settings' journals and totals to replace the device's.
    bool ReplaceRecords() const;

private:
    // Shows the rows of the choice now made.
    void showRows();

    TChangeList list_;
    QLabel* count_;
    QTreeView* view_;
    QCheckBox* replace_;
    QCheckBox* hide_;
};
