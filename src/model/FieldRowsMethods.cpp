// Section 6 (84 bytes): measurement sources, corrections, warning limits and the option
// word MethFlags. Gaps between rows are reserved bytes, carried unchanged.

#include "FieldRows.h"

namespace {

using enum FieldType;

// clang-format off
constexpr FieldDef kRows[] = {
    // name                     section offset type count default shift width
    // Option bits; the bit rows' defaults repeat the word's default (only bit 10 set).
    {"MethFlags",                 6,    0, U32,    1, 1024,  0, 0},
    {"LockType",                  6,    0, U32,    1,    0,  0, 1},  // 1 virtual lock
    {"Turbodiesel",               6,    0, U32,    1,    0,  1, 1},  // read only
    {"GabarType",                 6,    0, U32,    1,    0,  2, 1},
    {"UseTank2",                  6,    0, U32,    1,    0,  3, 1},
    {"LightsOn",                  6,    0, U32,    1,    0,  4, 1},
    {"GasOil",                    6,    0, U32,    1,    0,  5, 1},
    {"TurbodieselByLoad",         6,    0, U32,    1,    0,  6, 1},  // read only
    {"GabarInvPol",               6,    0, U32,    1,    0,  7, 1},
    {"24VMode",                   6,    0, U32,    1,    0,  8, 1},
    {"AirTemperMeth",             6,    0, U32,    1,    0,  9, 1},
    {"ForsPosFlag",               6,    0, U32,    1,    1, 10, 1},
    {"HybrUse6VentSpeed",         6,    0, U32,    1,    0, 14, 1},
    {"HybridCoolHVB",             6,    0, U32,    1,    0, 15, 1},
    {"CorrTankByAcc",             6,    0, U32,    1,    0, 17, 1},
    {"GasCalcExp",                6,    0, U32,    1,    0, 18, 1},

    {"VelocityLimit",             6,    4, S8,     1,   40,  0, 0},  // units of 2 km/h
    {"RevolutionsLimit",          6,    5, S8,     1,   80,  0, 0},  // hundreds of rpm
    {"TankLimit",                 6,    6, S8,     1,   10,  0, 0},  // litres
    {"VelMinForExp",              6,    7, S8,     1,    0,  0, 0},  // km/h
    {"LiqTemperLimit",            6,    8, S16,    1,  115,  0, 0},  // deg C
    {"CVTFDeteriorLim",           6,   10, S16,    1,   30,  0, 0},
    {"UaccLowLimit",              6,   12, S16,    1,  115,  0, 0},  // 0.1 V
    {"UaccHighLimit",             6,   14, S16,    1,  155,  0, 0},  // 0.1 V
    {"OilAKPPTemperLimit",        6,   16, S16,    1,  110,  0, 0},
    {"OilEngTemperLimit",         6,   18, S16,    1,  110,  0, 0},
    {"VentTempLimit",             6,   20, S16,    1,  115,  0, 0},
    {"StopVelocityLimit",         6,   22, S16,    1,   20,  0, 0},  // km/h
    {"Vel100",                    6,   24, S16,    1,  100,  0, 0},
    {"Vel100Down",                6,   26, S16,    1,  100,  0, 0},
    {"RetarderOilTemperLimit",    6,   28, S16,    1,  165,  0, 0},
    {"LiqTemperReady",            6,   30, S8,     1,   70,  0, 0},
    {"InjTimeLimit",              6,   31, S8,     1,    9,  0, 0},  // percent
    {"VAGSFilterLimit",           6,   32, S8,     1,   25,  0, 0},  // percent
    {"InvTemperLimit",            6,   33, S8,     1,  120,  0, 0},
    {"HVBTemperLimit",            6,   34, S8,     1,  120,  0, 0},
    {"AddCoolingTemper",          6,   35, S8,     1,    0,  0, 0},
    {"TrimLowLimit",              6,   36, S8,     1,    0,  0, 0},
    {"TrimHighLimit",             6,   37, S8,     1,    0,  0, 0},
    {"ElEngTemperLimit",          6,   38, S16,    1,    0,  0, 0},
    {"VelocityMeth",              6,   40, S8,     1,    0,  0, 0},
    {"RevolutionsMeth",           6,   41, S8,     1,    0,  0, 0},
    {"ExpenseMeth",               6,   42, S8,     1,    0,  0, 0},
    {"GasMeth",                   6,   43, S8,     1,    0,  0, 0},
    {"UaccMeth",                  6,   44, U8,     1,    0,  0, 0},
    {"PrognozMeth",               6,   45, S8,     1,    0,  0, 0},
    {"TrimMeth",                  6,   46, S8,     1,    0,  0, 0},
    {"AirTemperGetMeth",          6,   48, U8,     1,    0,  0, 0},
    {"AccCorr",                   6,   52, S8,     1,    0,  0, 0},  // 0.1 V
    {"AirTemperCorr",             6,   53, S8,     1,    0,  0, 0},  // deg C
    {"TimeCorr",                  6,   54, S8,     1,    0,  0, 0},
    {"ExpenseCorr",               6,   56, F32,    1,    1,  0, 0},  // factor
    {"VelocityCorr",              6,   60, F32,    1,    1,  0, 0},  // factor
    {"GazExpenseCorr",            6,   64, F32,    1,    1,  0, 0},  // factor
    {"LockTypeLevel",             6,   72, S8,     1,    0,  0, 0},
    {"ForsCoef",                  6,   73, U8,     1,    1,  0, 0},  // 1, 2 or 4
    {"ForsCoefCarb",              6,   74, S8,     1,    0,  0, 0},  // units of 0.5
    {"HybrVentSpeedStep",         6,   75, S8,     1,    0,  0, 0},  // deg C
};
// clang-format on

} // namespace

std::span<const FieldDef> fieldrows::MethodsRows() {
    return kRows;
}
