#pragma once

// How a setting's shown value becomes its stored one, and back: pure arithmetic. Integer
// fields get the stored result rounded to the nearest integer, halves to even.

#include <cstdint>

enum class TConv : std::uint8_t {
    Plain,       // stored as shown
    Mul10,       // shown in tenths (volts, prices, L/100 km)
    Mul2,        // shown in halves
    Div2,        // shown in steps of 2
    Div5,        // shown in steps of 5
    Div10,       // shown in steps of 10 (centimetres)
    Percent,     // 32-bit float factor = shown / 100 + 1
    IndexPlus1,  // item index + 1
    IndexMinus1, // item index - 1
    ItemNumber,  // the number the chosen item reads ("1", "2", "4")
};

double RoundHalfEven(double v);
double ShownToStored(TConv conv, double shown);
double StoredToShown(TConv conv, double stored);
