#include "ChoiceCombo.h"

#include <QKeyEvent>
#include <QScopedValueRollback>

TChoiceCombo::TChoiceCombo(QWidget* parent) : QComboBox(parent) {
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (!browsing_) emit chosen(index);
    });
}

void TChoiceCombo::wheelEvent(QWheelEvent* event) {
    const QScopedValueRollback browsing(browsing_, true);
    QComboBox::wheelEvent(event);
}

void TChoiceCombo::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        emit chosen(currentIndex());
        event->accept();
        return;
    }
    // Keys that open the pop-up only open it: the pick from it comes later, outside.
    const QScopedValueRollback browsing(browsing_, true);
    QComboBox::keyPressEvent(event);
}
