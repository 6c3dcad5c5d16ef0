#include "RadioGroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

TRadioGroup::TRadioGroup(QWidget* parent)
    : QWidget(parent), group_(new QButtonGroup(this)), layout_(new QGridLayout(this)) {
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setHorizontalSpacing(12);
    layout_->setVerticalSpacing(2);
    connect(group_, &QButtonGroup::idClicked, this, &TRadioGroup::clicked);
}

void TRadioGroup::setItems(const QStringList& items, int columns) {
    if (items.size() != buttons_.size()) {
        for (QRadioButton* b : buttons_) {
            group_->removeButton(b);
            delete b;
        }
        buttons_.clear();
        const int perRow = columns > 0 ? columns : int(items.size());
        for (int i = 0; i < items.size(); ++i) {
            auto* b = new QRadioButton(this);
            b->setObjectName(objectName() + QLatin1Char('_') + QString::number(i));
            group_->addButton(b, i);
            layout_->addWidget(b, i / perRow, i % perRow);
            buttons_ << b;
        }
    }
    for (int i = 0; i < items.size(); ++i)
        buttons_[i]->setText(items[i]);
    nameButtons();
    updateGeometry(); // also while on a hidden page, whose layouts do not ask
}

int TRadioGroup::index() const {
    return group_->checkedId();
}

void TRadioGroup::setIndex(int i) {
    if (i >= 0 && i < buttons_.size()) {
        buttons_[i]->setChecked(true);
        return;
    }
    // An exclusive group never unchecks its last button by itself.
    group_->setExclusive(false);
    for (QRadioButton* b : buttons_)
        b->setChecked(false);
    group_->setExclusive(true);
}

QRadioButton* TRadioGroup::button(int i) const {
    return i >= 0 && i < buttons_.size() ? buttons_[i] : nullptr;
}

void TRadioGroup::setItemEnabled(int i, bool enabled) {
    if (QRadioButton* b = button(i)) b->setEnabled(enabled);
}

void TRadioGroup::setAccessibleCaption(const QString& caption) {
    caption_ = caption;
    setAccessibleName(caption);
    nameButtons();
}

void TRadioGroup::nameButtons() {
    for (QRadioButton* b : buttons_)
        b->setAccessibleName(caption_.isEmpty() ? b->text()
                                                : caption_ + QStringLiteral(": ") + b->text());
}
