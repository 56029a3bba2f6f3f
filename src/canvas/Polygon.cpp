#include <cmath>

#include "Kalyra.h"
#include "symmetry/CopyPen.h"

// Stamps a regular polygon's outline around (cx, cy) with every copy of the symmetry, each
// turned with its copy. The corners are found by turning the offset from the centre step by
// step rather than from their index, and the offset carries on from copy to copy: after `sides`
// turns it is back at (radius, 0) up to rounding far below a unit.
void Kalyra::DrawPolygon(std::int16_t cx, std::int16_t cy, int sides, int radius) {
  if (sides <= 0) return;
  const double theta = 6.28318530718 / sides;
  const double c = std::cos(theta);
  const double s = std::sin(theta);
  double dx = radius;
  double dy = 0;

  CopyPen pen(Canvas, symmetry, MirrorMode);
  pen.aim(cx, cy, radius);
  for (int k = 0; k < pen.count(); ++k) {
    pen.begin(k);
    const QPointF first = pen.at(k, float(cx + dx), float(cy + dy));
    Canvas.Line(float(first.x()), float(first.y()), float(first.x()), float(first.y()));
    for (int side = 0; side < sides; ++side) {
      const double turnedX = dx * c - dy * s;
      const double turnedY = dy * c + dx * s;
      dx = turnedX;
      dy = turnedY;
      const QPointF corner = pen.at(k, float(cx + dx), float(cy + dy));
      Canvas.LineTo(float(corner.x()), float(corner.y()));
    }
  }
}
