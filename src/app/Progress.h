#pragma once

// The progress window of device transfers: the current step's text, a blue gauge and a
// Cancel button that only raises the Cancelled flag (and says so with CancelRequested). It
// blocks the other windows while it is shown; the transfer runs on the link's own thread,
// so the window stays responsive.

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

class TProgressForm : public QDialog {
    Q_OBJECT
public:
    explicit TProgressForm(QWidget* parent = nullptr);

    // Shows the window centred over its parent without waiting for it to close.
    void Start();
    void Finish();
    void SetStep(const QString& text);
    void SetGaugeVisible(bool visible);
    void SetPercent(int percent);
    void SetCancelVisible(bool visible);

    bool Cancelled = false;

    // Escape and the window's close request count as Cancel while Cancel is offered.
    void reject() override;

signals:
    void CancelRequested();

private:
    void cancel();

    QLabel* label_;
    QProgressBar* gauge_;
    QPushButton* cancel_;
};
