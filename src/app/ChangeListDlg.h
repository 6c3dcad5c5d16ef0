#pragma once

// The list of settings a write will change, shown before anything is written: a count at
// the top, the rows grouped by editor page (setting, value in the device, new value), a
// "Do not show this list again" box and the buttons "Write" (default) and "Cancel".

#include "Prompt.h"

#include <QDialog>
#include <vector>

class QCheckBox;
class QTreeView;

class TChangeListDlg : public QDialog {
    Q_OBJECT
public:
    explicit TChangeListDlg(const std::vector<TChangeRow>& rows, QWidget* parent = nullptr);

    // The user asked not to see the list again.
    bool HideFromNowOn() const;

private:
    QTreeView* view_;
    QCheckBox* hide_;
};
