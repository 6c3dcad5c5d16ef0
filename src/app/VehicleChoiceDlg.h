#pragma once

// "Which car is this?" after a read: the vehicles whose last settings look like these first
// (with why), then the others, a field that filters them as one types, and "This vehicle",
// "New vehicle…" and "Not now".

#include "Prompt.h"

#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;

class TVehicleChoiceDlg : public QDialog {
    Q_OBJECT
public:
    explicit TVehicleChoiceDlg(const TVehicleChoice& choice, QWidget* parent = nullptr);
    const TVehicleAnswer& Answer() const { return answer_; }

private:
    void filter(const QString& text);
    void choose();
    void newVehicle();

    TVehicleAnswer answer_;
    QLineEdit* search_;
    QListWidget* list_;
    QPushButton* choose_;
};
