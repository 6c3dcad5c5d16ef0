#pragma once

// A vehicle's name and notes: for a new vehicle and for editing one.

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;

class TVehicleEditDlg : public QDialog {
    Q_OBJECT
public:
    TVehicleEditDlg(const QString& title, const QString& name, const QString& notes,
                    QWidget* parent = nullptr);
    QString Name() const;
    QString Notes() const;

private:
    QLineEdit* name_;
    QPlainTextEdit* notes_;
};
