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

// A 16-bit field never leaves its range for any real screen; values beyond it are held at the
// limit instead of wrapping.
inline std::int16_t toInt16(double value) {
  const double r = roundHalfEven(value);
  if (!(r >= std::numeric_limits<std::int16_t>::min()))
    return std::numeric_limits<std::int16_t>::min();
  if (r > std::numeric_limits<std::int16_t>::max()) return std::numeric_limits<std::int16_t>::max();
  return static_cast<std::int16_t>(r);
}

inline std::int32_t toInt32(double value) {
  const double r = roundHalfEven(value);
  if (!(r >= std::numeric_limits<std::int32_t>::min()))
    return std::numeric_limits<std::int32_t>::min();
  if (r > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(r);
}
