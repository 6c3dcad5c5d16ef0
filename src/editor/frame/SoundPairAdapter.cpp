// A warning's sound choice: one group for the first warning and, for most warnings, one for
// the repeated ones, kept in one byte (bits 0..2 first, bits 3..5 repeated; bits 6 and 7
// come out clear). The pair is committed when either group loses focus, so that moving
// from one group to the other stores the byte once the user has settled both.

#include "ControlAdapterKinds.h"

#include "RadioGroup.h"

#include <QRadioButton>
#include <utility>

namespace {

constexpr int SoundBits = 3;
constexpr int SoundMask = (1 << SoundBits) - 1;

class TSoundPairAdapter final : public TControlAdapter {
public:
    TSoundPairAdapter(const TControlRow& row, QWidget* parent)
        : TControlAdapter(new TRadioGroup(parent)), first_(static_cast<TRadioGroup*>(Control())) {
        if (row.partner) {
            repeated_ = new TRadioGroup(parent);
            repeated_->setObjectName(QString::fromUtf8(row.partner));
        }
    }
    QList<QWidget*> Widgets() const override {
        QList<QWidget*> widgets{first_};
        if (repeated_) widgets << repeated_;
        return widgets;
    }
    void OnUserCommit(QObject* context, std::function<void()> commit) override {
        for (QWidget* group : Widgets())
            OnFocusLeaving(group, context, commit);
    }
    void SetItems(const QStringList& items) override {
        for (QWidget* group : Widgets())
            static_cast<TRadioGroup*>(group)->setItems(items);
    }
    void Load(const TBoundField& field) override {
        const int byte = int(field.Number());
        first_->setIndex(byte & SoundMask);
        if (repeated_) repeated_->setIndex((byte >> SoundBits) & SoundMask);
        last_ = shown();
    }
    TCommitResult Commit(TBoundField& field, const TAcceptCheck&) override {
        const int byte = shown();
        if (byte < 0) return TCommitResult::Nothing;
        field.SetNumber(byte);
        last_ = byte;
        return TCommitResult::Stored;
    }
    bool Differs() const override {
        const int byte = shown();
        return byte >= 0 && byte != last_;
    }

private:
    // The byte the groups show; -1 while either has no choice.
    int shown() const {
        const int first = first_->index();
        const int repeated = repeated_ ? repeated_->index() : first;
        if (first < 0 || repeated < 0) return -1;
        return first + (repeated << SoundBits);
    }

    TRadioGroup* first_;
    TRadioGroup* repeated_ = nullptr;
    int last_ = -1;
};

} // namespace

std::unique_ptr<TControlAdapter> MakeSoundPairAdapter(const TControlRow& row, const TSettingDesc&,
                                                      QWidget* parent) {
    return std::make_unique<TSoundPairAdapter>(row, parent);
}
