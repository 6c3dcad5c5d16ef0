#pragma once

// A combo box whose choice counts only once the user settles on it. QComboBox::activated
// fires for every notch of the mouse wheel and every arrow key over the closed list; here
// those only browse, and `chosen` fires for a pick from the pop-up list or Enter.

#include <QComboBox>

class TChoiceCombo : public QComboBox {
    Q_OBJECT
public:
    explicit TChoiceCombo(QWidget* parent = nullptr);

signals:
    void chosen(int index);

protected:
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool browsing_ = false;
};
