#include "PageAverages.h"

#include "EditorLayout.h"

namespace {

using enum TCtlKind;

// clang-format off
constexpr TControlRow kPriceRows[] = {
    // kind   setting
    {Spin,  "PriceExpense"},
    {Spin,  "PriceGas"},
    {Spin,  "PricePath"},
    {Spin,  "PriceTime"},
};

constexpr TControlRow kTripRows[] = {
    {Check, "TripShowFlag"},
    {Check, "TripJournAuto"},
    {Spin,  "TripMinStop"},
};

constexpr TControlRow kResetRows[] = {
    {Combo, "ResetPeriod0"},
    {Combo, "ResetPeriod1"},
    {Combo, "ResetPeriodOnly"},
};

constexpr TControlRow kStartRows[] = {
    {Spin,  "AllPathStart"},
    {Spin,  "AllTimeStart"},
};

constexpr TControlRow kScreenRows[] = {
    {Check, "ShowDisp_S_0"},
    {Check, "ShowDisp_S_1"},
    {Check, "ShowDisp_S_2"},
    {Check, "ShowDisp_S_3"},
    {Check, "ShowDisp_S_4"},
    {Check, "ShowDisp_S_5"},
    {Check, "ShowDisp_S_6"},
    {Check, "ShowDisp_S_7"},
    {Check, "ShowDisp_S_8"},
    {Spin,  "StopVelocityLimit"},
};
// clang-format on

} // namespace

void TPageAverages::Build(QWidget* page) {
    auto columns = MakeColumns(page, 2);
    TControlBinder& b = Binder();
    AddRowsGroup(b, columns[0], "gbPrices", {"Trip cost: prices", "Стоимость поездки: цены"},
                 kPriceRows);
    AddRowsGroup(b, columns[0], "gbTrip", {"Trip", "Поездка"}, kTripRows);
    AddRowsGroup(b, columns[0], "gbResetPeriods", {"Automatic reset of the sums", "Автосброс сумм"},
                 kResetRows);
    AddRowsGroup(b, columns[1], "gbStartValues", {"Start values", "Начальные значения"},
                 kStartRows);
    AddRowsGroup(b, columns[1], "gbAverScreens", {"Averages screens", "Экраны средних"},
                 kScreenRows);
    for (auto* column : columns)
        column->addStretch();
}
