#include "Progress.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {
constexpr int MinimumWidth = 340; // of the gauge
}

TProgressForm::TProgressForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowStaysOnTopHint),
      label_(new QLabel(this)), gauge_(new QProgressBar(this)),
      cancel_(new QPushButton(QStringLiteral("Cancel"), this)) {
    setObjectName(QStringLiteral("ProgressForm"));
    setWindowTitle(QStringLiteral("Progress..."));
    setWindowModality(Qt::ApplicationModal);

    label_->setObjectName(QStringLiteral("ProgressLabel"));
    label_->setWordWrap(true);
    label_->setAlignment(Qt::AlignCenter);
    QFont f = label_->font();
    f.setPointSizeF(f.pointSizeF() * 1.15);
    label_->setFont(f);

    gauge_->setObjectName(QStringLiteral("ProgressGauge"));
    gauge_->setMinimumWidth(MinimumWidth);
    gauge_->setRange(0, 100);
    gauge_->setValue(0);
    gauge_->setTextVisible(true);
    gauge_->setStyleSheet(QStringLiteral(
        "QProgressBar { border: 1px solid #7a7a7a; border-radius: 2px; text-align: center;"
        " background: #f4f4f4; min-height: 20px; }"
        "QProgressBar::chunk { background-color: #1f4fd8; }"));

    cancel_->setObjectName(QStringLiteral("BitBtn1"));
    cancel_->setAutoDefault(false);
    connect(cancel_, &QPushButton::clicked, this, &TProgressForm::cancel);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancel_);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 14);
    layout->setSpacing(12);
    layout->addWidget(label_);
    layout->addWidget(gauge_);
    layout->addLayout(buttons);
    // Nothing to resize or maximise: the window only reports. Hidden parts keep their room
    // so the window does not jump between steps.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    for (QWidget* w : {static_cast<QWidget*>(gauge_), static_cast<QWidget*>(cancel_)}) {
        QSizePolicy keep = w->sizePolicy();
        keep.setRetainSizeWhenHidden(true);
        w->setSizePolicy(keep);
    }
}

void TProgressForm::Start() {
    adjustSize();
    if (QWidget* p = parentWidget()) {
        QRect r = geometry();
        r.moveCenter(p->frameGeometry().center());
        move(r.topLeft());
    }
    show();
    raise();
}

void TProgressForm::SetStep(const QString& text) {
    // The window keeps its size and place from step to step; the label wraps if need be.
    label_->setText(text);
}

void TProgressForm::SetGaugeVisible(bool visible) {
    gauge_->setVisible(visible);
}
void TProgressForm::SetPercent(int percent) {
    gauge_->setValue(std::clamp(percent, 0, 100));
}
void TProgressForm::SetCancelVisible(bool visible) {
    cancel_->setVisible(visible);
}

void TProgressForm::Finish() {
    hide();
}

// QDialog turns Escape and the window's close request into reject(); the window stays until
// the transfer that opened it ends.
void TProgressForm::reject() {
    if (cancel_->isVisible()) cancel();
}

void TProgressForm::cancel() {
    Cancelled = true;
    emit CancelRequested();
}
