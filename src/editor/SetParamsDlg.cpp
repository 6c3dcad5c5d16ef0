// The editor frame: the top-level page set, the show sequence, page refresh and closing.

#include "EditorLayout.h"
#include "HandlerGuard.h"
#include "MK_SetParamsH.h"
#include "ParamRelabel.h"
#include "Pars32H.h"
#include "ProtocolSelection.h"
#include "ProtsH.h"

#include <QApplication>
#include <QGroupBox>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

// One top-level page. Pages are inserted in table order; a row without a builder is a
// page that this build does not have yet.
struct TMK_SetParamsDlg::PageDef {
    const char* name;
    TText caption;
    void (TMK_SetParamsDlg::*build)(QWidget* page);
};

// clang-format off
const TMK_SetParamsDlg::PageDef TMK_SetParamsDlg::kPages[] = {
    {"tsCorr",        {"Correction", "Поправки"},            &TMK_SetParamsDlg::BuildCorrPage},
    {"tsMeth",        {"Resources", "Источники"},            &TMK_SetParamsDlg::BuildMethPage},
    {"tsLim",         {"Limits", "Границы"},                 &TMK_SetParamsDlg::BuildLimitsPage},
    {"tsDisp",        {"Display", "Дисплей"},                nullptr},
    {"tsVoice",       {"Sounds", "Озвуч.сообщения"},         nullptr},
    {"tsAver",        {"Average", "Средние"},                &TMK_SetParamsDlg::BuildAveragesPage},
    {"tsPark",        {"Parctronic", "Парковка"},            &TMK_SetParamsDlg::BuildParkPage},
    {"tsOil",         {"Fuel", "Бак"},                       nullptr},
    {"tsTO",          {"TS", "ТО"},                          nullptr},
    {"tsBlocks",      {"Add.systems", "Допсистемы"},         nullptr},
    {"tsUniMeas",     {"Uni.input/Trim", "Трим"},            &TMK_SetParamsDlg::BuildUniMeasPage},
    {"tsServiceInfo", {"ServiceInfo", "Служ.информ."},       nullptr},
};
// clang-format on

namespace {

constexpr int PreferredWidth = 1040; // px; fits a 1366 x 768 screen with its task bar
constexpr int PreferredHeight = 640;
constexpr int ButtonWidth = 88;

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
        RelabelMeasPars(model.MeasPars, model.Caps(), int(model.Get("AirWaterShow")));
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

    auto* layout = new QVBoxLayout(this);
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

TMK_SetParamsDlg::~TMK_SetParamsDlg() = default;

void TMK_SetParamsDlg::BuildPages() {
    for (const PageDef& def : kPages) {
        if (!def.build) continue;
        auto* page = new QWidget;
        page->setObjectName(QString::fromUtf8(def.name));
        (this->*def.build)(page);
        pages_.insert(page->objectName(), page);
        pcMain_->addTab(page, QString());
    }
}

QWidget* TMK_SetParamsDlg::Page(const char* name) const {
    return pages_.value(QString::fromUtf8(name));
}

void TMK_SetParamsDlg::SetPageShown(const char* name, bool shown) {
    if (QWidget* page = Page(name)) pcMain_->setTabVisible(pcMain_->indexOf(page), shown);
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
    for (const PageDef& def : kPages)
        if (QWidget* page = Page(def.name))
            pcMain_->setTabText(pcMain_->indexOf(page), def.caption.text());
}

void TMK_SetParamsDlg::FormShow() {
    Refreshing = true;
    ApplyCaptions();
    ApplyControlRules();
    pcMain_->setCurrentIndex(0);
    // Radio-group items that depend on the model exist before the load sets the indexes.
    BuildSpeedSourceItems();
    FillProtocolLists();
    binder_->LoadAll();
    RefreshVisiblePage();
    Refreshing = true;
    RebuildForProtocol(false);
    ApplyLockLevelRule();
    ApplyInjectorRule();
    ApplyForecastRule();
    RelabelParameters();
    model_.MakeDefaultPalettes(Caps().CapAltPalette);
    Refreshing = false;
    // The captions arrived only now: line the controls up and make room for the longest.
    for (QWidget* page : std::as_const(pages_))
        AlignColumns(page);
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

void TMK_SetParamsDlg::pcMainChange(int) {
    // The additional-systems page rebuilds its lists each time it becomes active; it joins
    // here with that page.
}

void TMK_SetParamsDlg::RefreshVisiblePage() {
    Refreshing = true;
    emit pageRefreshed();
    Refreshing = false;
    // The parking hot menu exists only on models with parking sensors.
    for (const char* name : {"sghmPark", "lhmPark"})
        if (QWidget* w = findChild<QWidget*>(QString::fromUtf8(name)))
            w->setVisible(!Caps().CapNoPark);
}

void TMK_SetParamsDlg::UpdateGroupVisibility() {
    for (QGroupBox* group : findChildren<QGroupBox*>()) {
        bool any = false;
        for (QObject* child : group->children())
            if (auto* w = qobject_cast<QWidget*>(child); w && !w->isHidden()) any = true;
        group->setVisible(any);
    }
}

void TMK_SetParamsDlg::done(int result) {
    // OK by keyboard leaves the focused edit without a focus change: commit it first.
    if (result == QDialog::Accepted)
        if (QWidget* focused = focusWidget())
            for (QWidget* w = focused; w && w != this; w = w->parentWidget())
                if (binder_->IsBound(w->objectName())) {
                    bool committed = false;
                    RunGuarded([&] { committed = binder_->Commit(w->objectName()); });
                    if (!committed) return; // refused: the user sees why and stays in the dialog
                    break;
                }
    QDialog::done(result);
}
