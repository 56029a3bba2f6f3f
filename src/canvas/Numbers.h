#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

// Every conversion of a fractional value to a whole number in Kalyra! rounds to the nearest,
// halves to the even neighbour (2.5 gives 2, 3.5 gives 4), so that mirrored values round
// symmetrically. std::nearbyint does exactly that in the default floating-point environment.
inline double roundHalfEven(double value) {
  return std::nearbyint(value);
}

// Rounds half to even into an integer field. A field never leaves its range for any real
// screen; values beyond it (and NaN, at the low end) are held at the limit instead of wrapping.
template <typename Int>
Int roundToInteger(double value) {
  const double r = roundHalfEven(value);
  if (!(r >= std::numeric_limits<Int>::min())) return std::numeric_limits<Int>::min();
  if (r > std::numeric_limits<Int>::max()) return std::numeric_limits<Int>::max();
  return static_cast<Int>(r);
}

inline std::int16_t toInt16(double value) {
  return roundToInteger<std::int16_t>(value);
}
inline std::int32_t toInt32(double value) {
  return roundToInteger<std::int32_t>(value);
}
