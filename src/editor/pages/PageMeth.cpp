#include "PageMeth.h"

#include "EditorLayout.h"
#include "MK_SetParamsH.h"
#include "Pars32H.h"
#include "ProtsH.h"
#include "RadioGroup.h"

namespace {

using enum TCtlKind;

// clang-format off
constexpr TControlRow kSourceRows[] = {
    // kind  setting
    {Radio, "VelocityMeth"},
    {Radio, "RevolutionsMeth"},
    {Radio, "ExpenseMeth"},
    {Radio, "GasMeth"},
    {Radio, "UaccMeth"},
    {Radio, "AirTemperGetMeth"},
};

constexpr TControlRow kInjectorRows[] = {
    {Radio, "ForsPosFlag"},
    {Radio, "ForsCoef"},
};

constexpr TControlRow kLockRows[] = {
    {Radio, "LockType"},
    {Radio, "LockTypeLevel"},
};

constexpr TControlRow kForecastRows[] = {
    {Radio, "PrognozMeth"},
    {Spin,  "K100Manual"},
};

constexpr TControlRow kTankRows[] = {
    {Combo, "TankMeth"},
    {Combo, "TankMode"},
    {Spin,  "TankContFull"},
    {Spin,  "GazContFull"},
    {Check, "UseTank2"},
    {Check, "CorrTankByAcc"},
};

constexpr TControlRow kOptionRows[] = {
    {Radio, "24VMode"},
    {Radio, "GabarType"},
    {Radio, "GabarInvPol"},
    {Check, "LightsOn"},
    {Radio, "AirTemperMeth"},
    {Check, "GasOil"},
    {Radio, "GasCalcExp"},
};

constexpr TControlRow kHybridRows[] = {
    {Check, "HybrUse6VentSpeed"},
    {Check, "HybridCoolHVB"},
};
// clang-format on

bool IsNonZero(TMK& m, const char* field) {
    return m.Get(field) != 0;
}

} // namespace

void TPageMeth::Build(QWidget* page) {
    auto columns = MakeColumns(page, 3);
    TControlBinder& b = Binder();
    AddRowsGroup(b, columns[0], "gbSources", {"Measurement sources", "Источники данных"},
                 kSourceRows);
    AddRowsGroup(b, columns[0], "gbInjector", {"Injector", "Форсунка"}, kInjectorRows);
    AddRowsGroup(b, columns[0], "gbLock", {"Ignition lock", "Замок зажигания"}, kLockRows);
    // Models with a power reserve show it in place of the mileage forecast.
    const TText forecast = Caps().CapPowerReserve ? TText{"Power reserve", "Запас хода"}
                                                  : TText{"Range forecast", "Прогноз пробега"};
    AddRowsGroup(b, columns[1], "gbForecast", forecast, kForecastRows);
    AddRowsGroup(b, columns[1], "gbTank", {"Fuel tank", "Топливный бак"}, kTankRows);
    AddRowsGroup(b, columns[1], "gbMethOptions", {"Options", "Настройки"}, kOptionRows);
    BuildProtocolGroup(columns[2]);
    AddRowsGroup(b, columns[2], "gbHybridOptions", {"Hybrid drive", "Гибридный привод"},
                 kHybridRows);
    for (auto* column : columns)
        column->addStretch();

    b.OnCommitted("rgVelocityMeth", [this] { rgVelocityMethClick(); });
    b.OnCommitted("rgLockType", [this] { rgLockTypeClick(); });
    for (const char* source : {"rgRevolutionsMeth", "rgExpenseMeth", "rgGasMeth"})
        b.OnCommitted(source, [this] { rgRevolutionsMethClick(); });
    b.OnCommitted("rgPrognozMeth", [this] { rgPrognozMethClick(); });
    b.OnCommitted("cbTankMeth", [this] { cbTankMethChange(); });
    b.OnCommitted("cbTankMode", [this] { Frame().RefreshVisiblePage(); });
}

// The speed sources' items follow the device model (the binder fills them); the ECU needs
// engine data.
void TPageMeth::EnableSpeedSources() {
    if (auto* group = qobject_cast<TRadioGroup*>(Binder().Control("rgVelocityMeth")))
        group->setItemEnabled(0, EcuDataAvailable());
}

void TPageMeth::Load() {
    EnableSpeedSources();
    FillProtocolList();
    TEditorPage::Load();
    cbProtocolSelectMethChange();
    ApplyLockLevelRule();
    ApplyInjectorRule();
    ApplyForecastRule();
}

void TPageMeth::rgVelocityMethClick() {
    ApplySpeedLockRule();
}

void TPageMeth::rgLockTypeClick() {
    ApplyLockLevelRule();
    ApplySpeedLockRule();
}

// Some models take their last speed source only with the virtual ignition lock.
void TPageMeth::ApplySpeedLockRule() {
    if (!Caps().CapSpeedLockRule || Model().Get("LockType") != 0) return;
    auto* group = qobject_cast<TRadioGroup*>(Binder().Control("rgVelocityMeth"));
    if (!group || group->count() < 2 || Model().Get("VelocityMeth") != group->count() - 1) return;
    Model().Set("VelocityMeth", 0, 0);
    Binder().Load("rgVelocityMeth");
}

void TPageMeth::ApplyLockLevelRule() {
    Binder().SetShown("rgLockTypeLevel", Model().Get("LockType") == 1);
}

void TPageMeth::rgRevolutionsMethClick() {
    ApplyInjectorRule();
}

// The injector settings matter only while some quantity is taken from the injector.
void TPageMeth::ApplyInjectorRule() {
    TMK& m = Model();
    const bool injector =
        IsNonZero(m, "RevolutionsMeth") || IsNonZero(m, "ExpenseMeth") || IsNonZero(m, "GasMeth");
    Binder().SetShown("rgForsPosFlag", injector);
    Binder().SetShown("rgForsCoef", injector);
    UpdateGroupVisibility(Widget());
}

void TPageMeth::rgPrognozMethClick() {
    ApplyForecastRule();
}

// The manual consumption figure is used only by the manual forecast.
void TPageMeth::ApplyForecastRule() {
    if (QWidget* manual = Binder().Control("seK100Manual"))
        manual->setEnabled(Model().Get("PrognozMeth") == 2);
}

void TPageMeth::cbTankMethChange() {
    Frame().LevelSourceChanged();
}
