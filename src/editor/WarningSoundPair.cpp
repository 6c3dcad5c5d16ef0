#include "WarningSoundPair.h"

#include "Pars32H.h"
#include "RadioGroup.h"

#include <QApplication>

namespace {

constexpr int SoundBits = 3;
constexpr int SoundMask = (1 << SoundBits) - 1;

bool Inside(const QWidget* area, const QWidget* w) {
    return w && (w == area || area->isAncestorOf(w));
}

} // namespace

TWarningSoundPair::TWarningSoundPair(TMK& model, const bool& refreshing, int index,
                                     TRadioGroup* first, TRadioGroup* repeated, QObject* parent)
    : QObject(parent), model_(model), refreshing_(refreshing), index_(index), first_(first),
      repeated_(repeated) {
    // Focus lost to another window or to a pop-up is no leaving: the user has not moved on.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        if (refreshing_ || !now || now->window()->windowType() == Qt::Popup) return;
        for (const TRadioGroup* group : Groups())
            if (Inside(group, old) && !Inside(group, now)) {
                Commit();
                return;
            }
    });
}

QList<TRadioGroup*> TWarningSoundPair::Groups() const {
    QList<TRadioGroup*> groups{first_};
    if (repeated_) groups << repeated_;
    return groups;
}

bool TWarningSoundPair::Holds(const QWidget* w) const {
    for (const TRadioGroup* group : Groups())
        if (Inside(group, w)) return true;
    return false;
}

void TWarningSoundPair::Load() {
    const int byte = int(model_.Get("AlarmSound", index_));
    first_->setIndex(byte & SoundMask);
    if (repeated_) repeated_->setIndex((byte >> SoundBits) & SoundMask);
}

void TWarningSoundPair::Commit() {
    const int first = first_->index();
    const int repeated = repeated_ ? repeated_->index() : first;
    if (first < 0 || repeated < 0) return;
    model_.Set("AlarmSound", index_, first + (repeated << SoundBits));
}
