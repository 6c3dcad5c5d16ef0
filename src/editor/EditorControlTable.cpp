#include "EditorControlTable.h"

#include "Errors.h"
#include "FieldAccess.h"
#include "HandlerGuard.h"
#include "Pars32H.h"
#include "Prompt.h"
#include "RadioGroup.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <cmath>

namespace {

constexpr int SpinMinWidth = 84;        // px; keeps the spin edits of a column aligned
constexpr double PercentBias = 0.00001; // keeps 1.05f (really 1.0499999) showing 5.0

bool IsPrefixChar(QChar c) {
    return c.isLower();
}

bool HasText(const TText& t) {
    return t.en && *t.en;
}

bool IsPlainWord(const FieldDef& f) {
    switch (f.type) {
    case FieldType::U8:
    case FieldType::U16:
    case FieldType::U32:
    case FieldType::U64:
        return !f.isBitField();
    default:
        return false;
    }
}

} // namespace

QString ControlBaseName(const QString& controlName) {
    int i = 0;
    while (i < controlName.size() && IsPrefixChar(controlName[i]))
        ++i;
    return controlName.mid(i);
}

TFieldRef ResolveControlField(std::string_view controlName) {
    const QByteArray base =
        ControlBaseName(QString::fromUtf8(controlName.data(), qsizetype(controlName.size())))
            .toUtf8();
    if (const FieldDef* f = FindField(base.toStdString())) return {f, 0, -1};
    // A trailing number: an element of an array field, or a bit of a plain word.
    qsizetype digits = base.size();
    while (digits > 0 && base[digits - 1] >= '0' && base[digits - 1] <= '9')
        --digits;
    if (digits == base.size() || digits == 0) return {};
    const int n = base.mid(digits).toInt();
    QByteArray stem = base.left(digits);
    if (stem.endsWith('_')) stem.chop(1);
    const FieldDef* f = FindField(stem.toStdString());
    if (!f) return {};
    if (n < f->elementCount() && f->elementCount() > 1) return {f, n, -1};
    if (f->elementCount() == 1 && IsPlainWord(*f) && n < 8 * FieldTypeWidth(f->type))
        return {f, 0, n};
    return {};
}

double RoundHalfEven(double v) {
    // nearbyint follows the default rounding mode, which rounds halves to even.
    return std::nearbyint(v);
}

double ShownToStored(TConv conv, double shown) {
    switch (conv) {
    case TConv::Mul10:
        return shown * 10;
    case TConv::Mul2:
        return shown * 2;
    case TConv::Div2:
        return shown / 2;
    case TConv::Div5:
        return shown / 5;
    case TConv::Div10:
        return shown / 10;
    case TConv::Percent:
        return shown / 100 + 1;
    case TConv::IndexPlus1:
        return shown + 1;
    case TConv::IndexMinus1:
        return shown - 1;
    case TConv::Plain:
    case TConv::ItemNumber:
        break;
    }
    return shown;
}

double StoredToShown(TConv conv, double stored) {
    switch (conv) {
    case TConv::Mul10:
        return stored / 10;
    case TConv::Mul2:
        return stored / 2;
    case TConv::Div2:
        return stored * 2;
    case TConv::Div5:
        return stored * 5;
    case TConv::Div10:
        return stored * 10;
    case TConv::Percent: {
        const double bias = stored >= 1 ? PercentBias : -PercentBias;
        return RoundHalfEven((stored + bias - 1) * 1000) / 10;
    }
    case TConv::IndexPlus1:
        return stored - 1;
    case TConv::IndexMinus1:
        return stored + 1;
    case TConv::Plain:
    case TConv::ItemNumber:
        break;
    }
    return stored;
}

TControlBinder::TControlBinder(TMK& model, const bool& refreshing, QObject* parent)
    : QObject(parent), model_(model), refreshing_(refreshing) {}

QWidget* TControlBinder::Create(const TControlRow& row, QWidget* parent) {
    const QString name = QString::fromUtf8(row.name);
    const QString base = ControlBaseName(name);
    QWidget* control = nullptr;
    switch (row.kind) {
    case TCtlKind::Spin: {
        auto* spin = new QDoubleSpinBox(parent);
        spin->setDecimals(row.decimals);
        spin->setRange(row.min, row.max);
        spin->setSingleStep(row.step);
        spin->setAlignment(Qt::AlignRight);
        spin->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
        spin->setMinimumWidth(SpinMinWidth);
        control = spin;
        break;
    }
    case TCtlKind::Check:
        control = new QCheckBox(parent);
        if (HasText(row.caption)) Caption(control, row.caption);
        break;
    case TCtlKind::Radio:
        control = new TRadioGroup(parent);
        break;
    case TCtlKind::Combo:
        control = new QComboBox(parent);
        control->setMinimumWidth(SpinMinWidth);
        break;
    }
    control->setObjectName(name);
    Binding& b = bind(row, control);
    if (row.kind != TCtlKind::Check && HasText(row.caption)) {
        b.label = Caption(new QLabel(parent), row.caption);
        b.label->setObjectName(QLatin1Char('l') + base);
        b.label->setBuddy(control);
    }
    if (HasText(row.unit)) {
        b.unit = Caption(new QLabel(parent), row.unit);
        b.unit->setObjectName(QLatin1Char('l') + base + QStringLiteral("Unit"));
    }
    return control;
}

void TControlBinder::AddRows(QGridLayout* grid, std::span<const TControlRow> rows, int first) {
    int r = first;
    for (const TControlRow& row : rows) {
        QWidget* parent = grid->parentWidget();
        QWidget* control = Create(row, parent);
        const Binding& b = *bindings_.value(QString::fromUtf8(row.name));
        if (row.kind == TCtlKind::Check) {
            grid->addWidget(control, r, 0, 1, 3);
        } else {
            if (b.label) grid->addWidget(b.label, r, 0);
            // A radio row without a unit reaches into the stretching last column, so that
            // its width does not push the units of the spin edits away from them.
            const int span = row.kind == TCtlKind::Radio && !b.unit ? 3 : 1;
            grid->addWidget(control, r, 1, 1, span, Qt::AlignLeft);
            if (b.unit) grid->addWidget(b.unit, r, 2);
        }
        ++r;
    }
}

TControlBinder::Binding& TControlBinder::bind(const TControlRow& row, QWidget* control) {
    Binding& b = store_.emplace_back();
    b.row = &row;
    b.ref = ResolveControlField(row.name);
    b.control = control;
    if (!b.ref.field)
        throw TError(QStringLiteral("No settings field for control %1").arg(row.name));
    const QString name = control->objectName();
    bindings_.insert(name, &b);

    // Each kind commits on the user's own action only; loads never trigger these signals.
    const auto commit = Guarded([this, name] { Commit(name); });
    if (auto* spin = qobject_cast<QDoubleSpinBox*>(control))
        connect(spin, &QDoubleSpinBox::editingFinished, this, commit);
    else if (auto* check = qobject_cast<QCheckBox*>(control))
        connect(check, &QCheckBox::clicked, this, commit);
    else if (auto* radio = qobject_cast<TRadioGroup*>(control))
        connect(radio, &TRadioGroup::clicked, this, commit);
    else if (auto* combo = qobject_cast<QComboBox*>(control))
        connect(combo, &QComboBox::activated, this, commit);
    return b;
}

QStringList TControlBinder::itemTexts(const TControlRow& row) const {
    QStringList texts;
    for (const TText& t : row.items)
        texts << t.text();
    if (row.kind == TCtlKind::Combo && row.max > 0)
        for (int n = int(row.min); n <= int(row.max); ++n)
            texts << QString::number(n);
    return texts;
}

void TControlBinder::ApplyCaptions() {
    for (const CaptionEntry& c : captions_) {
        const QString text = c.text.text();
        if (auto* label = qobject_cast<QLabel*>(c.target))
            label->setText(text);
        else if (auto* button = qobject_cast<QAbstractButton*>(c.target))
            button->setText(text);
        else if (auto* group = qobject_cast<QGroupBox*>(c.target))
            group->setTitle(text);
        else if (auto* widget = qobject_cast<QWidget*>(c.target))
            widget->setWindowTitle(text);
    }
    for (Binding& b : store_) {
        if (b.row->items.empty()) continue; // the page fills these from the model
        const QStringList texts = itemTexts(*b.row);
        if (auto* radio = qobject_cast<TRadioGroup*>(b.control)) {
            radio->setItems(texts);
        } else if (auto* combo = qobject_cast<QComboBox*>(b.control)) {
            if (combo->count() != texts.size()) {
                const int keep = combo->currentIndex();
                combo->clear();
                combo->addItems(texts);
                combo->setCurrentIndex(keep);
            } else {
                for (int i = 0; i < texts.size(); ++i)
                    combo->setItemText(i, texts[i]);
            }
        }
    }
}

void TControlBinder::SetItems(const QString& name, const QStringList& items) {
    Binding* b = bindings_.value(name);
    if (!b) return;
    if (auto* radio = qobject_cast<TRadioGroup*>(b->control)) {
        radio->setItems(items);
    } else if (auto* combo = qobject_cast<QComboBox*>(b->control)) {
        combo->clear();
        combo->addItems(items);
    }
}

double TControlBinder::readField(const Binding& b) const {
    const FieldDef& f = *b.ref.field;
    const QByteArray& record = model_.Section(f.section);
    if (b.ref.bit >= 0) return double((ReadFieldInt(record, f, b.ref.index) >> b.ref.bit) & 1);
    if (f.type == FieldType::F32) return ReadFieldNumber(record, f, b.ref.index);
    return double(ReadFieldInt(record, f, b.ref.index));
}

void TControlBinder::writeField(const Binding& b, double stored) {
    const FieldDef& f = *b.ref.field;
    QByteArray& record = model_.Section(f.section);
    if (f.type == FieldType::F32) {
        WriteFieldNumber(record, f, b.ref.index, stored);
        return;
    }
    const double rounded = RoundHalfEven(stored);
    if (!std::isfinite(rounded) || std::fabs(rounded) > 9.0e18) throw ERangeError();
    std::int64_t value = std::int64_t(rounded);
    if (b.ref.bit >= 0) {
        if (value != 0 && value != 1) throw ERangeError();
        const std::int64_t word = ReadFieldInt(record, f, b.ref.index);
        const std::int64_t mask = std::int64_t(1) << b.ref.bit;
        value = value ? (word | mask) : (word & ~mask);
    }
    WriteFieldInt(record, f, b.ref.index, value);
}

void TControlBinder::LoadAll() {
    for (Binding& b : store_)
        load(b);
}

void TControlBinder::Load(const QString& name) {
    if (Binding* b = bindings_.value(name)) load(*b);
}

void TControlBinder::load(Binding& b) {
    const double stored = readField(b);
    if (auto* spin = qobject_cast<QDoubleSpinBox*>(b.control)) {
        spin->setValue(StoredToShown(b.row->conv, stored));
        // What the edit shows (clamped to its range) counts as unchanged until the user
        // changes it, so merely passing through an edit never rewrites its field.
        b.shown = spin->value();
    } else if (auto* check = qobject_cast<QCheckBox*>(b.control)) {
        check->setChecked(stored != 0);
    } else {
        int index = int(StoredToShown(b.row->conv, stored));
        if (b.row->conv == TConv::ItemNumber) {
            const QStringList texts = itemTexts(*b.row);
            index = int(texts.indexOf(QString::number(std::int64_t(stored))));
        }
        if (auto* radio = qobject_cast<TRadioGroup*>(b.control))
            radio->setIndex(index);
        else if (auto* combo = qobject_cast<QComboBox*>(b.control))
            combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
    }
}

bool TControlBinder::Commit(const QString& name) {
    Binding* b = bindings_.value(name);
    return b ? commit(*b) : false;
}

bool TControlBinder::commit(Binding& b) {
    if (refreshing_) return false;
    double shown = 0;
    if (auto* spin = qobject_cast<QDoubleSpinBox*>(b.control)) {
        shown = spin->value();
        if (shown == b.shown) {
            if (b.after) b.after();
            return true;
        }
        if (b.accept && !b.accept(shown)) {
            load(b);
            return false;
        }
    } else if (auto* check = qobject_cast<QCheckBox*>(b.control)) {
        shown = check->isChecked() ? 1 : 0;
    } else {
        int index = -1;
        if (auto* radio = qobject_cast<TRadioGroup*>(b.control))
            index = radio->index();
        else if (auto* combo = qobject_cast<QComboBox*>(b.control))
            index = combo->currentIndex();
        if (index < 0) return false; // nothing chosen: nothing to store
        shown = index;
        if (b.row->conv == TConv::ItemNumber) shown = itemTexts(*b.row).value(index).toDouble();
    }
    try {
        writeField(b, b.row->conv == TConv::ItemNumber ? shown : ShownToStored(b.row->conv, shown));
    } catch (const ERangeError& e) {
        ShowError(e.message());
        load(b);
        return false;
    }
    b.shown = shown;
    if (b.after) b.after();
    return true;
}

void TControlBinder::OnCommitted(const QString& name, std::function<void()> handler) {
    if (Binding* b = bindings_.value(name)) b->after = std::move(handler);
}

void TControlBinder::SetValidator(const QString& name, std::function<bool(double)> accept) {
    if (Binding* b = bindings_.value(name)) b->accept = std::move(accept);
}

void TControlBinder::SetShown(const QString& name, bool shown) {
    Binding* b = bindings_.value(name);
    if (!b) return;
    b->control->setVisible(shown);
    if (b->label) b->label->setVisible(shown);
    if (b->unit) b->unit->setVisible(shown);
}

QWidget* TControlBinder::Control(const QString& name) const {
    Binding* b = bindings_.value(name);
    return b ? b->control : nullptr;
}

QLabel* TControlBinder::Label(const QString& name) const {
    Binding* b = bindings_.value(name);
    return b ? b->label : nullptr;
}

const TControlRow* TControlBinder::Row(const QString& name) const {
    Binding* b = bindings_.value(name);
    return b ? b->row : nullptr;
}

QStringList TControlBinder::Names() const {
    QStringList names;
    for (const Binding& b : store_)
        names << b.control->objectName();
    return names;
}
