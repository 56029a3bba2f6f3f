#pragma once

#include <QImage>
#include <QPointF>
#include <QRect>
#include <cmath>
#include <vector>

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
//
// Under a pattern the copies of a shape depend on where it is: a brush first `aim`s the pen at
// the shape, and its copies are then the images that reach the picture. On a whole-pixel grid
// only the images that reach one cell are drawn; when the pen is done, the pixels they changed in
// that cell are copied to every other cell.
class CopyPen {
 public:
  CopyPen(Surface& canvas, const Symmetry& symmetry, int mirrorMode);
  ~CopyPen();
  CopyPen(const CopyPen&) = delete;
  CopyPen& operator=(const CopyPen&) = delete;

  int count() const { return patterned_ ? int(images_.size()) : count_; }
  // The shape about to be drawn lies within `reach` units of the canvas point (x, y), and its
  // pen is the canvas's pen width.
  void aim(double x, double y, double reach);
  void begin(int k);
  // Copy k's image of the canvas point (x, y), as the surface takes it.
  QPointF at(int k, double x, double y) const {
    if (scale_ == 0) return symmetry_.copy(k).apply(x, y);
    const double px = std::nearbyint(scale_ * (x - centre_.x()));
    const double py = std::nearbyint(scale_ * (y - centre_.y()));
    if (!patterned_) return symmetry_.copy(k).apply(px, py) / scale_;
    const Pattern::Image& image = images_[std::size_t(k)];
    return (symmetry_.pattern().move(image.move).apply({px, py}) + image.shift) / scale_;
  }

 private:
  Surface& canvas_;
  const Symmetry& symmetry_;
  int count_;
  Colour colour_;
  QPointF centre_;    // in canvas units
  double scale_ = 0;  // pixels per unit while the surface measures from the centre
  bool patterned_ = false;
  std::vector<Pattern::Image> images_;
  QRectF area_;  // where images are drawn, in pixels from the centre
  // The one cell drawn in, in pixels of the picture, as it was before, and the rectangles
  // changed since.
  std::optional<QRect> cell_;
  QImage before_;
  std::vector<QRect> changed_;
};
