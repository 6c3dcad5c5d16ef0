// The field arithmetic of a binding, the value-kind base, the four plain kinds (spin edit,
// check box, radio group, combo box) and the table of all kinds.

#include "ControlAdapters.h"

#include "ControlAdapterKinds.h"

#include "Errors.h"
#include "FieldAccess.h"
#include "Language.h"
#include "Pars32H.h"
#include "RadioGroup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QRadioButton>
#include <cmath>

// ---- TBoundField -------------------------------------------------------------------------

int TBoundField::Count() const {
    return ref_.field->elementCount() - ref_.index;
}

double TBoundField::Number(int offset) const {
    const FieldDef& f = *ref_.field;
    const QByteArray& record = model_->Section(f.section);
    const int element = ref_.index + offset;
    if (ref_.bit >= 0) return double((ReadFieldInt(record, f, element) >> ref_.bit) & 1);
    if (f.type == FieldType::F32) return ReadFieldNumber(record, f, element);
    return double(ReadFieldInt(record, f, element));
}

void TBoundField::SetNumber(double stored, int offset) {
    const FieldDef& f = *ref_.field;
    QByteArray& record = model_->Section(f.section);
    const int element = ref_.index + offset;
    if (element < 0 || element >= f.elementCount()) throw ERangeError();
    if (f.type == FieldType::F32) {
        WriteFieldNumber(record, f, element, stored);
        return;
    }
    const double rounded = RoundHalfEven(stored);
    if (!std::isfinite(rounded) || std::fabs(rounded) > 9.0e18) throw ERangeError();
    std::int64_t value = std::int64_t(rounded);
    if (ref_.bit >= 0) {
        if (value != 0 && value != 1) throw ERangeError();
        const std::int64_t word = ReadFieldInt(record, f, element);
        const std::int64_t mask = std::int64_t(1) << ref_.bit;
        value = value ? (word | mask) : (word & ~mask);
    }
    WriteFieldInt(record, f, element, value);
}

QString TBoundField::Text() const {
    return ReadFieldText(model_->Section(ref_.field->section), *ref_.field);
}

void TBoundField::SetText(const QString& text) {
    WriteFieldText(model_->Section(ref_.field->section), *ref_.field, text);
}

// ---- adapter bases -----------------------------------------------------------------------

QList<QWidget*> TControlAdapter::Widgets() const {
    return {control_};
}

void TControlAdapter::SetItems(const QStringList&) {}

void TValueAdapter::Load(const TBoundField& field) {
    Show(StoredToShown(conv_, field.Number()));
    // What the control shows (an edit clamps to its range) counts as unchanged until the
    // user changes it.
    last_ = Shown().value_or(std::numeric_limits<double>::quiet_NaN());
}

TCommitResult TValueAdapter::Commit(TBoundField& field, const TAcceptCheck& accept) {
    const std::optional<double> shown = Shown();
    if (!shown) return TCommitResult::Nothing;
    if (!storesUnchanged_ && *shown == last_) return TCommitResult::Unchanged;
    if (accept && !accept(*shown)) return TCommitResult::Refused;
    field.SetNumber(ShownToStored(conv_, *shown));
    last_ = *shown;
    return TCommitResult::Stored;
}

bool TValueAdapter::Differs() const {
    try {
        // Never loaded, or nothing to show then: the user has not changed it.
        if (std::isnan(last_)) return false;
        const std::optional<double> shown = Shown();
        return shown && *shown != last_;
    } catch (const TError&) {
        return true; // the commit says what is wrong
    }
}

namespace {

constexpr int SpinMinWidth = 84; // px; keeps the spin edits of a column aligned

// ---- spin edit ---------------------------------------------------------------------------

class TSpinAdapter final : public TValueAdapter {
public:
    TSpinAdapter(const TSettingDesc& s, QWidget* parent)
        : TValueAdapter(new QDoubleSpinBox(parent), s.conv, false),
          spin_(static_cast<QDoubleSpinBox*>(Control())) {
        spin_->setDecimals(s.decimals);
        spin_->setRange(s.min, s.max);
        spin_->setSingleStep(s.step);
        spin_->setAlignment(Qt::AlignRight);
        spin_->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
        spin_->setMinimumWidth(SpinMinWidth);
    }
    void OnUserCommit(QObject* context, std::function<void()> commit) override {
        QObject::connect(spin_, &QDoubleSpinBox::editingFinished, context, std::move(commit));
    }

private:
    std::optional<double> Shown() const override { return spin_->value(); }
    void Show(double shown) override { spin_->setValue(shown); }
    QDoubleSpinBox* spin_;
};

// ---- check box ---------------------------------------------------------------------------

class TCheckAdapter final : public TValueAdapter {
public:
    TCheckAdapter(const TSettingDesc& s, QWidget* parent)
        : TValueAdapter(new QCheckBox(parent), s.conv, true),
          check_(static_cast<QCheckBox*>(Control())) {}
    void OnUserCommit(QObject* context, std::function<void()> commit) override {
        QObject::connect(check_, &QCheckBox::clicked, context, std::move(commit));
    }
    QAbstractButton* CaptionButton() const override { return check_; }

private:
    std::optional<double> Shown() const override { return check_->isChecked() ? 1 : 0; }
    void Show(double shown) override { check_->setChecked(shown != 0); }
    QCheckBox* check_;
};

// ---- lists: radio group and combo box ----------------------------------------------------

// A list shows an item index, or with TConv::ItemNumber the item whose text is the number.
class TListAdapter : public TValueAdapter {
protected:
    TListAdapter(QWidget* control, const TSettingDesc& s)
        : TValueAdapter(control, s.conv, true), byNumber_(s.conv == TConv::ItemNumber) {}
    virtual int Index() const = 0;
    virtual void SetIndex(int index) = 0;
    virtual QString ItemText(int index) const = 0;
    virtual int Count() const = 0;

private:
    std::optional<double> Shown() const override {
        const int index = Index();
        if (index < 0) return std::nullopt;
        return byNumber_ ? ItemText(index).toDouble() : double(index);
    }
    void Show(double shown) override { SetIndex(indexOf(shown)); }
    int indexOf(double shown) const {
        if (!byNumber_) return int(shown);
        const QString number = QString::number(std::int64_t(shown));
        for (int i = 0; i < Count(); ++i)
            if (ItemText(i) == number) return i;
        return -1;
    }
    bool byNumber_;
};

class TRadioAdapter final : public TListAdapter {
public:
    TRadioAdapter(const TSettingDesc& s, QWidget* parent)
        : TListAdapter(new TRadioGroup(parent), s), group_(static_cast<TRadioGroup*>(Control())) {}
    void OnUserCommit(QObject* context, std::function<void()> commit) override {
        QObject::connect(group_, &TRadioGroup::clicked, context, std::move(commit));
    }
    void SetItems(const QStringList& items) override { group_->setItems(items); }

private:
    int Index() const override { return group_->index(); }
    void SetIndex(int index) override { group_->setIndex(index); }
    QString ItemText(int index) const override { return group_->button(index)->text(); }
    int Count() const override { return group_->count(); }
    TRadioGroup* group_;
};

class TComboAdapter final : public TListAdapter {
public:
    TComboAdapter(const TSettingDesc& s, QWidget* parent)
        : TListAdapter(new QComboBox(parent), s), combo_(static_cast<QComboBox*>(Control())) {
        combo_->setMinimumWidth(SpinMinWidth);
    }
    void OnUserCommit(QObject* context, std::function<void()> commit) override {
        QObject::connect(combo_, &QComboBox::activated, context, std::move(commit));
    }
    void SetItems(const QStringList& items) override {
        if (combo_->count() == items.size()) {
            for (int i = 0; i < items.size(); ++i)
                combo_->setItemText(i, items[i]);
            return;
        }
        const int keep = combo_->currentIndex();
        combo_->clear();
        combo_->addItems(items);
        combo_->setCurrentIndex(keep < items.size() ? keep : -1);
    }

private:
    int Index() const override { return combo_->currentIndex(); }
    void SetIndex(int index) override {
        combo_->setCurrentIndex(index >= 0 && index < combo_->count() ? index : -1);
    }
    QString ItemText(int index) const override { return combo_->itemText(index); }
    int Count() const override { return combo_->count(); }
    QComboBox* combo_;
};

template <class A>
std::unique_ptr<TControlAdapter> Make(const TControlRow&, const TSettingDesc& s, QWidget* parent) {
    return std::make_unique<A>(s, parent);
}

using TAdapterFactory = std::unique_ptr<TControlAdapter> (*)(const TControlRow&,
                                                             const TSettingDesc&, QWidget*);

struct TKindRow {
    TCtlKind kind;
    TAdapterFactory make;
};

// clang-format off
constexpr TKindRow kKinds[] = {
    {TCtlKind::Spin,  Make<TSpinAdapter>},
    {TCtlKind::Check, Make<TCheckAdapter>},
    {TCtlKind::Radio, Make<TRadioAdapter>},
    {TCtlKind::Combo,      Make<TComboAdapter>},
    {TCtlKind::Date,       MakeDateAdapter},
    {TCtlKind::Time,       MakeTimeAdapter},
    {TCtlKind::Text,       MakeTextAdapter},
    {TCtlKind::SoundPair,  MakeSoundPairAdapter},
};
// clang-format on

} // namespace

std::unique_ptr<TControlAdapter> MakeControlAdapter(const TControlRow& row,
                                                    const TSettingDesc& setting, QWidget* parent) {
    for (const TKindRow& k : kKinds)
        if (k.kind == row.kind) {
            std::unique_ptr<TControlAdapter> adapter = k.make(row, setting, parent);
            adapter->Control()->setObjectName(RowControlName(row));
            return adapter;
        }
    throw TError(QStringLiteral("No adapter for the kind of control %1").arg(RowControlName(row)));
}
