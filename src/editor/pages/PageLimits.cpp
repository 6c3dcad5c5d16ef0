#include "PageLimits.h"

#include "EditorLayout.h"
#include "Pars32H.h"

#include <QDoubleSpinBox>
#include <algorithm>

namespace {

using enum TCtlKind;

// clang-format off
constexpr TControlRow kMotionRows[] = {
    // kind setting
    {Spin, "VelocityLimit"},
    {Spin, "RevolutionsLimit"},
    {Spin, "VelMinForExp"},
    {Spin, "Vel100"},
    {Spin, "Vel100Down"},
    {Spin, "InjTimeLimit"},
};

constexpr TControlRow kSupplyRows[] = {
    {Spin, "TankLimit"},
    {Spin, "UaccLowLimit"},
    {Spin, "UaccHighLimit"},
    {Spin, "VAGSFilterLimit"},
};

constexpr TControlRow kTemperRows[] = {
    {Spin, "LiqTemperLimit"},
    {Spin, "LiqTemperReady"},
    {Spin, "VentTempLimit"},
    {Spin, "OilEngTemperLimit"},
    {Spin, "OilAKPPTemperLimit"},
    {Spin, "CVTFDeteriorLim"},
    {Spin, "RetarderOilTemperLimit"},
};

constexpr TControlRow kHybridRows[] = {
    {Spin, "HVBTemperLimit"},
    {Spin, "InvTemperLimit"},
    {Spin, "ElEngTemperLimit"},
    {Spin, "HybrVentSpeedStep"},
    {Spin, "AddCoolingTemper"},
};

constexpr TControlRow kTrimRows[] = {
    {Spin, "TrimLowLimit"},
    {Spin, "TrimHighLimit"},
};
// clang-format on

} // namespace

void TPageLimits::Build(QWidget* page) {
    auto columns = MakeColumns(page, 3);
    TControlBinder& b = Binder();
    AddRowsGroup(b, columns[0], "gbLimMotion", {"Speed and engine", "Скорость и двигатель"},
                 kMotionRows);
    AddRowsGroup(b, columns[0], "gbLimSupply", {"Fuel and battery", "Топливо и АКБ"}, kSupplyRows);
    AddRowsGroup(b, columns[1], "gbLimTemper", {"Temperatures", "Температуры"}, kTemperRows);
    AddRowsGroup(b, columns[2], "gbLimHybrid", {"Hybrid drive", "Гибридный привод"}, kHybridRows);
    AddRowsGroup(b, columns[2], "gbLimTrim", {"Trim", "Трим"}, kTrimRows);
    b.OnCommitted("seTrimLowLimit", [this] { seTrimLowLimitExit(); });
    b.OnCommitted("seTrimHighLimit", [this] { seTrimHighLimitExit(); });
    for (auto* column : columns)
        column->addStretch();
}

void TPageLimits::seTrimLowLimitExit() {
    if (auto* high = qobject_cast<QDoubleSpinBox*>(Binder().Control("seTrimHighLimit")))
        high->setMinimum(std::min(double(Model().Get("TrimLowLimit") + 1), high->maximum()));
}

void TPageLimits::seTrimHighLimitExit() {
    if (auto* low = qobject_cast<QDoubleSpinBox*>(Binder().Control("seTrimLowLimit")))
        low->setMaximum(std::max(double(Model().Get("TrimHighLimit") - 1), low->minimum()));
}
