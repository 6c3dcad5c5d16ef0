#include "SettingConversion.h"

#include <cmath>

namespace {

constexpr double PercentBias = 0.00001; // keeps 1.05f (really 1.0499999) showing 5.0

} // namespace

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
