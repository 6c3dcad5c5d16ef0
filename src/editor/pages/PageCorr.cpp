#include "PageCorr.h"

#include "EditorLayout.h"

namespace {

using enum TCtlKind;

// clang-format off
constexpr TControlRow kCorrRows[] = {
    // kind setting
    {Spin, "VelocityCorr"},
    {Spin, "ExpenseCorr"},
    {Spin, "GazExpenseCorr"},
    {Spin, "AccCorr"},
    {Spin, "AirTemperCorr"},
    {Spin, "TimeCorr"},
};

constexpr TControlRow kTachoRows[] = {
    {Spin, "ForsCoefCarb"},
};
// clang-format on

} // namespace

void TPageCorr::Build(QWidget* page) {
    auto columns = MakeColumns(page, 2);
    AddRowsGroup(Binder(), columns[0], "gbCorrections", {"Corrections", "Поправки"}, kCorrRows);
    AddRowsGroup(Binder(), columns[1], "gbCarbTacho",
                 {"Carburettor tachometer", "Тахометр карбюратора"}, kTachoRows);
    columns[0]->addStretch();
    columns[1]->addStretch();
}
