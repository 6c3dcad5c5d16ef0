// The editor frame: builds the pages of the page table, runs the show sequence, the page
// refresh and the page change through the pages' hooks, and closes.

#include "ControlBinder.h"
#include "EditorLayout.h"
#include "EditorPageSet.h"
#include "Errors.h"
#include "HandlerGuard.h"
#include "MK_SetParamsH.h"
#include "ParamRelabel.h"
#include "Pars32H.h"
#include "ProtocolWording.h"
#include "ProtsH.h"
#include "SettingPages.h"
#include "SettingSearch.h"

#include <QApplication>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>
#include <cstring>

namespace {

constexpr int PreferredWidth = 1040; // px; fits a 1366 x 768 screen with its task bar
constexpr int PreferredHeight = 640;
constexpr int ButtonWidth = 88;
constexpr int SearchWidth = 360; // px: a caption and a page path fit

// A set is built when some page inside it is; an empty tab would only puzzle the user.
bool HasBuiltPage(std::span<const TPageDef> table, const char* set) {
    for (const TPageDef& d : table)
        if (d.in && std::strcmp(d.in, set) == 0 && d.make &&
            (!d.tabs || HasBuiltPage(table, d.name)))
            return true;
    return false;
}

} // namespace

bool RunSettingsEditor(TMK& model, QWidget* parent) {
    const bool confirmed = model.Edit([&] {
        TMK_SetParamsDlg dlg(model, parent);
        return dlg.exec() == QDialog::Accepted;
    });
    // A cancelled protocol change must not leave the journals decoding fault codes with
    // the protocol that was thrown away.
    if (!confirmed) {
        model.Prots.SetCurrent(int(model.Get("Protocol")));
        // Nor the parameter captions with a temperature caption that was thrown away.
        RelabelMeasPars(model);
    }
    return confirmed;
}

TMK_SetParamsDlg::TMK_SetParamsDlg(TMK& model, QWidget* parent)
    : QDialog(parent), model_(model), binder_(new TControlBinder(model, Refreshing, this)),
      pcMain_(new QTabWidget(this)) {
    setObjectName(QStringLiteral("MK_SetParamsDlg"));
    binder_->Caption(static_cast<QWidget*>(this), {"Device settings", "Настройки устройства"});
    pcMain_->setObjectName(QStringLiteral("pcMain"));

    // Plain buttons, none of them default: Enter confirms a typed value, never the dialog.
    auto* ok = binder_->Caption(new QPushButton(this), {"OK", "OK"});
    auto* cancel = binder_->Caption(new QPushButton(this), {"Cancel", "Отмена"});
    ok->setObjectName(QStringLiteral("bOK"));
    cancel->setObjectName(QStringLiteral("bCancel"));
    for (QPushButton* b : {ok, cancel}) {
        b->setAutoDefault(false);
        b->setMinimumWidth(ButtonWidth);
    }
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    search_ = new TSettingSearch(*this);
    search_->Field()->setMinimumWidth(SearchWidth);
    auto* top = new QHBoxLayout;
    top->addStretch(1);
    top->addWidget(search_->Field());

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(pcMain_);
    layout->addLayout(buttons);
    BuildPages();
    connect(pcMain_, &QTabWidget::currentChanged, this,
            Guarded([this](int index) { pcMainChange(index); }));

    QSize size(PreferredWidth, PreferredHeight);
    if (const QScreen* screen = parent ? parent->screen() : QApplication::primaryScreen())
        size = size.boundedTo(screen->availableSize());
    resize(size.expandedTo(minimumSizeHint()));
}

TMK_SetParamsDlg::~TMK_SetParamsDlg() {
    // Hiding takes the focus from the control that has it, which would commit it into a page
    // already gone: hide while the pages exist, with nothing committing.
    Refreshing = true;
    hide();
}

void TMK_SetParamsDlg::BuildPages() {
    const std::span<const TPageDef> table = EditorPageTable();
    for (const TPageDef& def : table) {
        if (!def.make || (def.tabs && !HasBuiltPage(table, def.name))) continue;
        std::unique_ptr<TEditorPage> page = def.make(*this);
        QWidget* widget = page->Create(def);
        QTabWidget* holder = pcMain_;
        if (def.in) {
            auto* set = dynamic_cast<TPageSet*>(byName_.value(QString::fromUtf8(def.in)));
            if (!set)
                throw TError(QStringLiteral("Page %1 sits in %2, which is no page set above it")
                                 .arg(def.name, def.in));
            set->AddPage(page.get());
            holder = set->Tabs();
        } else {
            pcMain_->addTab(widget, QString());
        }
        holder_.insert(page.get(), holder);
        byName_.insert(widget->objectName(), page.get());
        pages_.push_back(std::move(page));
    }
}

QWidget* TMK_SetParamsDlg::Page(const char* name) const {
    const TEditorPage* page = byName_.value(QString::fromUtf8(name));
    return page ? page->Widget() : nullptr;
}

void TMK_SetParamsDlg::SetPageShown(const char* name, bool shown) {
    if (TEditorPage* page = byName_.value(QString::fromUtf8(name))) {
        QTabWidget* holder = holder_.value(page);
        holder->setTabVisible(holder->indexOf(page->Widget()), shown);
    }
}

const TDeviceCaps& TMK_SetParamsDlg::Caps() const {
    return model_.Caps();
}
TProtCatalogue& TMK_SetParamsDlg::Catalogue() {
    return model_.Prots;
}
const TProtBase* TMK_SetParamsDlg::CurrentProt() {
    return Catalogue().Current();
}
bool TMK_SetParamsDlg::EcuDataAvailable() {
    return DeliversEcuData(CurrentProt());
}

void TMK_SetParamsDlg::showEvent(QShowEvent* event) {
    if (!shownOnce_) {
        shownOnce_ = true;
        RunGuarded([this] { FormShow(); });
    }
    QDialog::showEvent(event);
}

void TMK_SetParamsDlg::ApplyCaptions() {
    binder_->ApplyCaptions();
    search_->SetCaptions();
    for (const auto& page : pages_) {
        QTabWidget* holder = holder_.value(page.get());
        holder->setTabText(holder->indexOf(page->Widget()),
                           FindSettingPage(page->Def().name)->caption.text());
    }
}

void TMK_SetParamsDlg::FormShow() {
    {
        const QScopedValueRollback refreshing(Refreshing, true);
        ApplyCaptions();
        ApplyControlRules();
        // Every tab set starts on its first page.
        pcMain_->setCurrentIndex(0);
        for (QTabWidget* tabs : pcMain_->findChildren<QTabWidget*>())
            tabs->setCurrentIndex(0);
        LoadPages();
        RefreshVisiblePage();
        // Relabelled first: the protocol's lists caption their parameters with these names.
        RelabelMeasPars(model_);
        RebuildForProtocol();
        model_.MakeDefaultPalettes(Caps().CapAltPalette);
    }
    pcMainChange(pcMain_->currentIndex());
    // The captions arrived only now: line the controls up and make room for the longest.
    for (const auto& page : pages_)
        AlignColumns(page->Widget());
    // Pages behind other tabs are hidden: they are polished only when first shown and never
    // pass their new size up by themselves.
    for (QWidget* w : findChildren<QWidget*>()) {
        w->ensurePolished();
        w->updateGeometry();
    }
    for (QLayout* l : findChildren<QLayout*>())
        l->invalidate();
    layout()->activate();
    resize(size().expandedTo(minimumSizeHint()));
}

void TMK_SetParamsDlg::LoadPages() {
    for (const auto& page : pages_)
        page->Load();
}

void TMK_SetParamsDlg::RebuildForProtocol() {
    Catalogue().SetCurrent(int(model_.Get("Protocol")));
    {
        // The words and lists that follow the protocol; the lists show their stored items.
        const QScopedValueRollback refreshing(Refreshing, true);
        binder_->RefreshDescribed();
    }
    for (const auto& page : pages_)
        page->ProtocolRebuilt();
    ApplyControlRules();
}

void TMK_SetParamsDlg::LevelSourceChanged() {
    for (const auto& page : pages_)
        page->LevelSourceChanged();
}

TEditorPage* TMK_SetParamsDlg::VisiblePage() const {
    for (const auto& page : pages_)
        if (page->Widget() == pcMain_->currentWidget()) return page.get();
    return nullptr;
}

bool TMK_SetParamsDlg::CommitShownEdits() {
    if (Refreshing) return true;
    const bool stored = binder_->CommitChanged();
    for (const auto& page : pages_)
        page->CommitShown();
    return stored;
}

void TMK_SetParamsDlg::pcMainChange(int) {
    TEditorPage* now = VisiblePage();
    if (now == active_) return;
    if (active_) CommitShownEdits(); // a refused value has been told; the page still changes
    if (active_) active_->Activate(false);
    active_ = now;
    if (active_) active_->Activate(true);
}

void TMK_SetParamsDlg::RefreshVisiblePage() {
    {
        const QScopedValueRollback refreshing(Refreshing, true);
        if (TEditorPage* page = VisiblePage()) page->Refresh();
    }
    ApplyRefreshRules();
}

void TMK_SetParamsDlg::done(int result) {
    // OK by keyboard leaves the focused control without a focus change: commit it first.
    if (result == QDialog::Accepted) {
        bool committed = false;
        RunGuarded([&] {
            committed = binder_->CommitFocused(focusWidget()) && CommitShownEdits();
            for (const auto& page : pages_)
                committed = committed && page->FinishEdits();
        });
        if (!committed) return; // refused: the user sees why and stays in the dialog
    }
    // Nothing commits while the dialog closes: OK has just committed, Cancel undoes anyway.
    Refreshing = true;
    QDialog::done(result);
}
