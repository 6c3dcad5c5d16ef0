#pragma once

// The rows of the field table, one constant table per group of sections. FieldTable.cpp
// joins them once, in section order. Only the field table's own sources include this.

#include "FieldTable.h"

#include <span>

namespace fieldrows {

std::span<const FieldDef> TotalsRows();         // sections 1, 2
std::span<const FieldDef> FuelRows();           // sections 3, 4
std::span<const FieldDef> MaintenanceRows();    // section 5
std::span<const FieldDef> MethodsRows();        // section 6
std::span<const FieldDef> PricesJournalsRows(); // sections 7, 8, 10
std::span<const FieldDef> DisplayRows();        // section 9
std::span<const FieldDef> FaultsRows();         // section 11

} // namespace fieldrows
