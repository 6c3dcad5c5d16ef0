#pragma once

#include <QDialog>

class QComboBox;
class QLabel;

// The port choice: a caption, a prompt and a list that cannot be typed into. Each entry
// shows "COMn" with its device path beside it.
class TML_RS232_SetNumDlg : public QDialog {
    Q_OBJECT
public:
    TML_RS232_SetNumDlg(const QString& caption, const QString& prompt, const QStringList& items,
                        int current, QWidget* parent = nullptr);
    int selectedIndex() const;

private:
    QComboBox* list_;
};
