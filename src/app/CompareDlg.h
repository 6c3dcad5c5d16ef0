#pragma once

// The comparison of the window's settings with a file: what the reader should know first
// (other device types or settings versions), the settings that differ grouped by editor
// page with both values as the editor shows them, the device's journals and totals in
// words, what could not be compared, and the count. "Copy" puts it on the clipboard as
// plain text, "Save as…" into a text file.

#include "SettingsComparison.h"

#include <QDialog>

class QLabel;

class TCompareDlg : public QDialog {
    Q_OBJECT
public:
    TCompareDlg(TComparison comparison, QString firstName, QString secondName,
                QWidget* parent = nullptr);

    // The comparison as the buttons hand it on.
    QString Text() const;

    void CopyClicked();
    void SaveAsClicked();

private:
    TComparison comparison_;
    QString firstName_;
    QString secondName_;
    QLabel* done_; // says what the last button did
};
