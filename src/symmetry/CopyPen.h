#pragma once

#include <QPointF>
#include <cmath>

#include "colour/Colour.h"
#include "symmetry/Symmetry.h"

class Surface;

// Draws the copies of one shape: a brush maps each point that defines its shape through `at`
// and draws copy k after `begin(k)`. The mirror modes about the screen's centre take the
// canvas's own points, as they always did. Otherwise the surface measures from the centre's
// pixel, and each point is first rounded to the first copy's pixel and that pixel turned: mirror
// images and quarter turns stay exact to the pixel, and other turns round once from where the
// first copy was drawn rather than twice from the exact point, so a copy lies within a pixel and
// a half of the turned first copy. With rainbow copies each copy draws in its own colour; the
// drawing colour is put back at the end.
class CopyPen {
 public:
  CopyPen(Surface& canvas, const Symmetry& symmetry, int mirrorMode);
  ~CopyPen();
  CopyPen(const CopyPen&) = delete;
  CopyPen& operator=(const CopyPen&) = delete;

  int count() const { return count_; }
  const CopyMap& copy(int k) const { return symmetry_.copy(k); }
  void begin(int k);
  // Copy k's image of the canvas point (x, y), as the surface takes it.
  QPointF at(int k, double x, double y) const {
    if (scale_ == 0) return symmetry_.copy(k).apply(x, y);
    const QPointF p = symmetry_.copy(k).apply(std::nearbyint(scale_ * (x - centre_.x())),
                                              std::nearbyint(scale_ * (y - centre_.y())));
    return p / scale_;
  }

 private:
  Surface& canvas_;
  const Symmetry& symmetry_;
  int count_;
  Colour colour_;
  QPointF centre_;    // in canvas units
  double scale_ = 0;  // pixels per unit while the surface measures from the centre
};
