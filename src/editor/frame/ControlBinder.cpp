#include "ControlBinder.h"

#include "Errors.h"
#include "HandlerGuard.h"
#include "Prompt.h"
#include "RadioGroup.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QStackedWidget>

namespace {

bool HasText(const TText& t) {
    return t.en && *t.en;
}

} // namespace

// Hidden itself or inside something hidden, not counting the pages a tab widget puts
// behind its current one.
bool HiddenByRule(const QWidget* w) {
    for (; w && !w->isWindow(); w = w->parentWidget())
        if (w->isHidden() && !qobject_cast<const QStackedWidget*>(w->parentWidget())) return true;
    return false;
}

void SetCaptionText(QLabel* label, const QString& text) {
    label->setText(text);
}
void SetCaptionText(QAbstractButton* button, const QString& text) {
    button->setText(text);
}
void SetCaptionText(QGroupBox* group, const QString& text) {
    group->setTitle(text);
}
void SetCaptionText(QWidget* window, const QString& text) {
    window->setWindowTitle(text);
}

void SetAccessibleNameOf(QObject* widget, const QString& name) {
    if (auto* group = qobject_cast<TRadioGroup*>(widget))
        group->setAccessibleCaption(name);
    else if (auto* w = qobject_cast<QWidget*>(widget))
        w->setAccessibleName(name);
}

TControlBinder::TControlBinder(TMK& model, const bool& refreshing, QObject* parent)
    : QObject(parent), model_(model), refreshing_(refreshing) {}

TControlBinder::~TControlBinder() = default;

QWidget* TControlBinder::Create(const TControlRow& row, QWidget* parent) {
    Binding& b = bind(row, parent);
    QWidget* control = b.adapter->Control();
    if (row.label == TRowLabel::Bare) return control;
    const QString base = ControlBaseName(control->objectName());
    if (row.label == TRowLabel::Caption && !b.adapter->CaptionButton()) {
        b.label = new QLabel(parent);
        b.label->setObjectName(QLatin1Char('l') + base);
        b.label->setBuddy(control);
    }
    if (HasText(b.setting->unit)) {
        b.unit = new QLabel(parent);
        b.unit->setObjectName(QLatin1Char('l') + base + QStringLiteral("Unit"));
    }
    return control;
}

void TControlBinder::AddRows(QGridLayout* grid, std::span<const TControlRow> rows, int first) {
    int r = first;
    for (const TControlRow& row : rows) {
        Create(row, grid->parentWidget());
        const Binding& b = store_.back();
        const QList<QWidget*> widgets = b.adapter->Widgets();
        if (b.adapter->CaptionButton()) { // its own caption: the whole line
            grid->addWidget(widgets.front(), r, 0, 1, 3);
        } else {
            if (b.label) grid->addWidget(b.label, r, 0);
            // A radio row without a unit reaches into the stretching last column, so that
            // its width does not push the units of the spin edits away from them.
            const int span = row.kind == TCtlKind::Radio && !b.unit ? 3 : 1;
            int column = 1;
            for (QWidget* w : widgets)
                grid->addWidget(w, r, column++, 1, span, Qt::AlignLeft);
            if (b.unit) grid->addWidget(b.unit, r, column);
        }
        ++r;
    }
}

TControlBinder::OwnedRow::OwnedRow(const TControlRow& from)
    : row(from), setting(from.setting), name(from.name), partner(from.partner) {
    Repoint();
}

void TControlBinder::OwnedRow::Repoint() {
    row.setting = setting.constData();
    row.name = name.isNull() ? nullptr : name.constData();
    row.partner = partner.isNull() ? nullptr : partner.constData();
}

TControlBinder::Binding& TControlBinder::bind(const TControlRow& row, QWidget* parent) {
    OwnedRow own(row);
    const TSettingDesc& setting = SettingByName(row.setting ? row.setting : "");
    const TFieldRef ref = SettingField(setting, row.element);
    if (!ref.field)
        throw TError(QStringLiteral("No settings field for control %1").arg(RowControlName(row)));
    std::unique_ptr<TControlAdapter> adapter = MakeControlAdapter(own.row, setting, parent);
    Binding& b = store_.emplace_back(Binding{std::move(own),
                                             &setting,
                                             std::move(adapter),
                                             TBoundField(model_, ref),
                                             nullptr,
                                             nullptr,
                                             {}});
    b.own.Repoint(); // the names moved with the binding
    const QString name = b.adapter->Control()->objectName();
    names_ << name;
    for (QWidget* w : b.adapter->Widgets())
        controls_[w->objectName()].append(&b);
    // Each kind commits on the user's own action only; loads never trigger it. Every
    // binding of a grid fires on the same action; the first one commits them all.
    if (controls_.value(name).size() == 1)
        b.adapter->OnUserCommit(this, Guarded([this, name] { commitControl(name); }));
    return b;
}

const QList<TControlBinder::Binding*>* TControlBinder::bindingsOf(const QString& name) const {
    auto it = controls_.constFind(name);
    return it == controls_.cend() ? nullptr : &it.value();
}

void TControlBinder::ApplyCaptions() {
    for (const CaptionEntry& c : captions_)
        c.apply(c.target, c.text.text());
    const TSettingContext context = SettingContextOf(model_);
    for (Binding& b : store_)
        describe(b, context, true);
}

void TControlBinder::describe(Binding& b, const TSettingContext& c, bool items) {
    const TSettingDesc& s = *b.setting;
    if (b.own.row.label == TRowLabel::Caption) {
        const QString caption =
            HasText(s.label) ? s.label.text() : SettingCaption(s, c, b.own.row.element);
        if (QAbstractButton* button = b.adapter->CaptionButton())
            button->setText(caption);
        else if (b.label)
            b.label->setText(caption);
    }
    if (b.unit) b.unit->setText(SettingUnit(s));
    if (items && (s.kind == TSettingKind::List && (!s.items.empty() || s.itemsOf || s.max > 0)))
        b.adapter->SetItems(SettingItems(s, c));
    nameForScreenReaders(b, c);
}

// The setting's caption and unit, whatever the page shows beside the control ("#1" under a
// heading, or nothing in a grid of controls): read alone, the name must say what it is.
void TControlBinder::nameForScreenReaders(Binding& b, const TSettingContext& c) {
    const TSettingDesc& s = *b.setting;
    QString name = SettingCaption(s, c, b.own.row.element);
    // A caption that already ends with its unit ("point 1, CU") does not say it twice.
    const QString unit = QStringLiteral(", ") + SettingUnit(s);
    if (unit.size() > 2 && !name.endsWith(unit)) name += unit;
    const QList<QWidget*> widgets = b.adapter->Widgets();
    if (b.own.row.kind == TCtlKind::SoundPair && widgets.size() == 2) {
        SetAccessibleNameOf(widgets[0], name + Tx(", first warning", ", первое предупреждение"));
        SetAccessibleNameOf(widgets[1],
                            name + Tx(", repeated warnings", ", повторные предупреждения"));
        return;
    }
    for (QWidget* w : widgets)
        SetAccessibleNameOf(w, name);
}

void TControlBinder::RefreshDescribed() {
    const TSettingContext context = SettingContextOf(model_);
    for (Binding& b : store_) {
        const TSettingDesc& s = *b.setting;
        if (!s.captionOf && !s.itemsOf && !s.elementCaption) continue;
        describe(b, context, s.itemsOf != nullptr);
        if (s.itemsOf) load(b);
    }
}

void TControlBinder::ApplyOffers() {
    const TSettingContext context = SettingContextOf(model_);
    for (Binding& b : store_)
        if (b.setting->offered)
            SetShown(b.adapter->Control()->objectName(), b.setting->offered(context));
}

void TControlBinder::SetItems(const QString& name, const QStringList& items) {
    if (const auto* list = bindingsOf(name))
        for (Binding* b : *list)
            b->adapter->SetItems(items);
}

void TControlBinder::LoadAll() {
    for (Binding& b : store_)
        load(b);
}

void TControlBinder::LoadUnder(const QWidget* root) {
    for (Binding& b : store_)
        if (root->isAncestorOf(b.adapter->Control())) load(b);
}

void TControlBinder::Load(const QString& name) {
    if (const auto* list = bindingsOf(name))
        for (Binding* b : *list)
            load(*b);
}

void TControlBinder::load(Binding& b) {
    b.adapter->Load(b.field);
}

bool TControlBinder::Commit(const QString& name) {
    const TCommitResult result = commitControl(name);
    return result == TCommitResult::Stored || result == TCommitResult::Unchanged;
}

bool TControlBinder::CommitFocused(QWidget* focused) {
    for (QWidget* w = focused; w; w = w->parentWidget()) {
        const auto* list = bindingsOf(w->objectName());
        if (list && list->front()->adapter->Widgets().contains(w))
            return commitControl(list->front()->adapter->Control()->objectName()) !=
                   TCommitResult::Refused;
    }
    return true;
}

bool TControlBinder::CommitChanged() {
    if (refreshing_) return true;
    for (const QString& name : Names()) {
        const auto* list = bindingsOf(name);
        if (!list) continue;
        bool differs = false;
        for (const Binding* b : *list) {
            // A control hidden by a rule may show anything (the x1 boxes of parameters the
            // protocol lacks read off): the user cannot have changed it.
            if (!HiddenByRule(b->adapter->Control())) differs = differs || b->adapter->Differs();
        }
        if (differs && commitControl(name) == TCommitResult::Refused) return false;
    }
    return true;
}

TCommitResult TControlBinder::commitControl(const QString& name) {
    const auto* list = bindingsOf(name);
    if (!list || refreshing_) return TCommitResult::Nothing;
    TCommitResult outcome = TCommitResult::Nothing;
    // A copy: a handler may rebuild what the list points at.
    for (Binding* b : QList<Binding*>(*list)) {
        const TCommitResult result = commit(*b);
        if (result == TCommitResult::Refused) return result;
        if (result == TCommitResult::Stored || outcome == TCommitResult::Nothing) outcome = result;
    }
    if (outcome == TCommitResult::Nothing) return outcome;
    const QString control = list->front()->adapter->Control()->objectName();
    if (auto it = handlers_.constFind(control); it != handlers_.cend()) it.value()();
    return outcome;
}

TCommitResult TControlBinder::commit(Binding& b) {
    TCommitResult result;
    try {
        result = b.adapter->Commit(b.field, b.accept);
    } catch (const TError& e) {
        ShowError(e.message());
        load(b);
        return TCommitResult::Refused;
    }
    if (result == TCommitResult::Refused) load(b);
    return result;
}

void TControlBinder::OnCommitted(const QString& name, std::function<void()> handler) {
    handlers_.insert(name, std::move(handler));
}

void TControlBinder::SetValidator(const QString& name, TAcceptCheck accept) {
    if (const auto* list = bindingsOf(name))
        for (Binding* b : *list)
            b->accept = accept;
}

void TControlBinder::SetShown(const QString& name, bool shown) {
    const auto* list = bindingsOf(name);
    if (!list) return;
    for (Binding* b : *list) {
        for (QWidget* w : b->adapter->Widgets())
            w->setVisible(shown);
        if (b->label) b->label->setVisible(shown);
        if (b->unit) b->unit->setVisible(shown);
    }
}

QWidget* TControlBinder::Control(const QString& name) const {
    const auto* list = bindingsOf(name);
    if (!list) return nullptr;
    for (QWidget* w : list->front()->adapter->Widgets())
        if (w->objectName() == name) return w;
    return nullptr;
}

QLabel* TControlBinder::Label(const QString& name) const {
    const auto* list = bindingsOf(name);
    return list ? list->front()->label : nullptr;
}

const TControlRow* TControlBinder::Row(const QString& name) const {
    const auto* list = bindingsOf(name);
    return list ? &list->front()->own.row : nullptr;
}

QStringList TControlBinder::Names() const {
    QStringList unique;
    for (const QString& n : names_)
        if (!unique.contains(n)) unique << n;
    return unique;
}

TFieldRef TControlBinder::FieldOf(const QString& name) const {
    const auto* list = bindingsOf(name);
    return list ? list->front()->field.Ref() : TFieldRef{};
}

const TSettingDesc* TControlBinder::SettingOf(const QString& name, int* element) const {
    const auto* list = bindingsOf(name);
    if (!list) return nullptr;
    if (element) *element = list->front()->own.row.element;
    return list->front()->setting;
}

QWidget* TControlBinder::ControlOf(const TSettingDesc& setting, int element) const {
    for (const Binding& b : store_)
        if (b.setting == &setting && b.own.row.element == element) return b.adapter->Control();
    return nullptr;
}
