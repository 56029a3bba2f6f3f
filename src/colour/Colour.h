#pragma once

#include <QRgb>
#include <cstdint>

// A colour as the program stores it: red + 256 × green + 65536 × blue, each component 0–255.
using Colour = std::int32_t;

inline constexpr Colour Black = 0;
inline constexpr Colour Red = 255;
inline constexpr Colour Yellow = 65535;
inline constexpr Colour White = 16777215;

constexpr int redOf(Colour c) {
  return c & 255;
}
constexpr int greenOf(Colour c) {
  return (c >> 8) & 255;
}
constexpr int blueOf(Colour c) {
  return (c >> 16) & 255;
}

// Packs components into a colour: each is rounded half to even and a component above 255 counts
// as 255. Components below 0 never reach here; they are held at 0 all the same.
Colour packColour(double red, double green, double blue);

constexpr QRgb toQRgb(Colour c) {
  return qRgb(redOf(c), greenOf(c), blueOf(c));
}
constexpr Colour fromQRgb(QRgb rgb) {
  return qRed(rgb) + 256 * qGreen(rgb) + 65536 * qBlue(rgb);
}

struct Components {
  double red = 0;
  double green = 0;
  double blue = 0;
  bool operator==(const Components&) const = default;
};

// The three components of a packed colour, as whole numbers 0–255.
Components splitColour(Colour c);

// On a 16-bit display only 5 bits of red and blue and 6 of green reach the screen. Each
// component is cut down to that grid, except that a full 255 stays 255.
Components snapTo16Bit(Components c);
