// A status-line part that gives way when the window is narrow: it ends its text with "…"
// and shows the whole text as its tool tip, so nothing is cut off without a trace.

#pragma once

#include <QLabel>

class TElidedLabel : public QLabel {
public:
    using QLabel::QLabel;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateToolTip(bool elided);
    QString ownTip_;
};
