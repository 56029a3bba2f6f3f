#include "colour/Colour.h"

#include <cmath>

#include "canvas/Numbers.h"

namespace {

int packedComponent(double value) {
  const double r = roundHalfEven(value);
  if (r > 255) return 255;
  if (!(r > 0)) return 0;
  return static_cast<int>(r);
}

double snapped(double value, double grid) {
  if (value == 255) return value;
  return std::floor(value / grid) * grid;
}

}  // namespace

Colour packColour(double red, double green, double blue) {
  return packedComponent(red) + 256 * packedComponent(green) + 65536 * packedComponent(blue);
}

Components splitColour(Colour c) {
  return {double(c & 255), double((c & 65280) / 256), double((c & 16711680) >> 16)};
}

Components snapTo16Bit(Components c) {
  return {snapped(c.red, 8), snapped(c.green, 4), snapped(c.blue, 8)};
}
