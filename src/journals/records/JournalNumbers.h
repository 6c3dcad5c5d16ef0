#pragma once

// Number texts of the journals: no digit grouping, the user's locale decimal separator.

#include <QString>
#include <cstdint>

namespace journals::numbers {

// value / 10^decimals written exactly with the given decimals (a stored integer with an
// implied scale: metres as km, millilitres as litres, tenths of a kPa).
QString Scaled(std::int64_t value, int decimals);
// A computed value, rounded to the nearest with the given decimals.
QString Fixed(double value, int decimals);
// numerator / denominator rounded to the nearest integer, ties to the even neighbour;
// denominator > 0.
std::uint64_t RoundHalfEven(std::uint64_t numerator, std::uint64_t denominator);

} // namespace journals::numbers
