#include "ControlAdapterKinds.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

namespace {

bool Inside(const QWidget* area, const QWidget* w) {
    return w && (w == area || area->isAncestorOf(w));
}

// Ends an edit on leaving or on Enter: a line edit with an input mask sends
// editingFinished only while its mask is satisfied.
class TEditEndFilter final : public QObject {
public:
    TEditEndFilter(QWidget* edit, QObject* context, std::function<void()> done)
        : QObject(edit), context_(context), done_(std::move(done)) {
        edit->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        bool ended = false;
        if (event->type() == QEvent::FocusOut) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            ended = reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
        } else if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            ended = key == Qt::Key_Return || key == Qt::Key_Enter;
        }
        if (ended && context_) done_();
        return QObject::eventFilter(watched, event);
    }

private:
    QPointer<QObject> context_;
    std::function<void()> done_;
};

} // namespace

void OnFocusLeaving(QWidget* area, QObject* context, std::function<void()> left) {
    QObject::connect(
        qApp, &QApplication::focusChanged, context,
        [area = QPointer<QWidget>(area), left = std::move(left)](QWidget* old, QWidget* now) {
            if (area && now && Inside(area, old) && !Inside(area, now) &&
                now->window()->windowType() != Qt::Popup)
                left();
        });
}

void OnEditEnded(QWidget* edit, QObject* context, std::function<void()> done) {
    new TEditEndFilter(edit, context, std::move(done));
}
