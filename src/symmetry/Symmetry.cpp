#include "symmetry/Symmetry.h"

#include <QColor>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "canvas/Mirror.h"
#include "canvas/Numbers.h"
#include "canvas/Surface.h"

namespace {

constexpr double Turn = 2 * std::numbers::pi;

// The turn by k / n of a whole turn. Quarter turns come out within 1e-16 of whole numbers, which
// the pixels of a copy, turned from the first copy's whole pixels, never notice.
CopyMap turned(int k, int n) {
  const double a = Turn * k / n;
  return {std::cos(a), -std::sin(a), std::sin(a), std::cos(a)};
}

// The copy turned after a mirror in the vertical line through the centre, (x, y) to (-x, y).
CopyMap mirroredThenTurned(int k, int n) {
  const CopyMap t = turned(k, n);
  return {-t.xx, t.xy, -t.yx, t.yy};
}

}  // namespace

void Symmetry::set(Kind kind, int order) {
  kind_ = kind;
  order_ = std::clamp(order, MinOrder, MaxOrder);
  rebuild();
}

void Symmetry::rebuild() {
  switch (kind_) {
    case Kind::Mirror:
      for (int k = 0; k < 8; ++k) {
        const auto x = mirrorCopy(k, 1.0, 0.0);
        const auto y = mirrorCopy(k, 0.0, 1.0);
        maps_[std::size_t(k)] = {x.x, y.x, x.y, y.y};
      }
      break;
    case Kind::Spin:
      for (int k = 0; k < order_; ++k) maps_[std::size_t(k)] = turned(k, order_);
      break;
    case Kind::Kaleidoscope:
      for (int k = 0; k < order_; ++k) {
        maps_[std::size_t(2 * k)] = turned(k, order_);
        maps_[std::size_t(2 * k + 1)] = mirroredThenTurned(k, order_);
      }
      break;
    case Kind::Pattern:
      for (int k = 0; k < pattern_.moves(); ++k) {
        const Move& m = pattern_.move(k);
        maps_[std::size_t(k)] = {m.xx, m.xy, m.yx, m.yy, std::atan2(m.yx, m.xx), m.det() < 0};
      }
      break;
  }
}

int Symmetry::copies(int mirrorMode) const {
  switch (kind_) {
    case Kind::Mirror:
      return copiesFor(mirrorMode);
    case Kind::Spin:
      return order_;
    case Kind::Kaleidoscope:
      return 2 * order_;
    case Kind::Pattern:
      return pattern_.moves();
  }
  return 0;
}

QPoint Symmetry::centrePixel(const Surface& canvas) const {
  return centre_ ? *centre_ : canvas.toPixel(0, 0);
}

// The images are taken of the pointer's pixel itself, so the colour read there is the colour
// every start is compared with, and mirror images are exact pixel for pixel.
std::vector<Symmetry::FillStart> Symmetry::fillStarts(const Surface& canvas, QPoint pointer,
                                                      int mirrorMode) const {
  if (kind_ == Kind::Pattern) {
    std::vector<FillStart> starts;
    for (const auto& [pixel, move] : patternFillStarts(canvas, pointer))
      starts.push_back({pixel, move});
    return starts;
  }
  const QPoint centre = centrePixel(canvas);
  const QPoint offset = pointer - centre;
  const QRect picture(QPoint(0, 0), canvas.pixelSize());
  std::vector<FillStart> starts;
  for (int k = 0; k < copies(mirrorMode); ++k) {
    const QPointF image = copy(k).apply(offset.x(), offset.y());
    QPoint p = centre + QPoint(toInt32(image.x()), toInt32(image.y()));
    if (!picture.contains(p)) {
      if (kind_ != Kind::Mirror) continue;
      p = {std::clamp(p.x(), 0, picture.right()), std::clamp(p.y(), 0, picture.bottom())};
    }
    starts.push_back({p, k});
  }
  return starts;
}

std::vector<std::pair<QPoint, int>> Symmetry::patternFillStarts(const Surface& canvas,
                                                                QPoint pointer) const {
  const QPoint centre = centrePixel(canvas);
  const QSize size = canvas.pixelSize();
  const QRectF picture(QPointF(-centre.x(), -centre.y()),
                       QPointF(size.width() - 1 - centre.x(), size.height() - 1 - centre.y()));
  std::vector<Pattern::Image> images;
  pattern_.images(QPointF(pointer - centre), picture, 0, images);
  std::vector<std::pair<QPoint, int>> starts{{pointer, 0}};
  for (const Pattern::Image& i : images) {
    const QPointF p = pattern_.move(i.move).apply(QPointF(pointer - centre)) + i.shift;
    const QPoint start = centre + QPoint(toInt32(p.x()), toInt32(p.y()));
    if (start != pointer && QRect(QPoint(0, 0), size).contains(start))
      starts.push_back({start, i.move});
  }
  return starts;
}

std::vector<double> Symmetry::guideAngles(int mirrorMode) const {
  std::vector<double> angles;
  const auto spread = [&](int rays, double first) {
    for (int j = 0; j < rays; ++j) angles.push_back(first + Turn * j / rays);
  };
  switch (kind_) {
    case Kind::Mirror:
      if (mirrorMode == 1 || mirrorMode == 2) spread(4 * mirrorMode, 0);
      break;
    case Kind::Spin:
      if (order_ > 1) spread(order_, -Turn / 4);
      break;
    case Kind::Kaleidoscope:
      spread(2 * order_, Turn / 4);  // the mirror lines of the turned mirror images
      break;
    case Kind::Pattern:
      break;  // a pattern's guides are its grid's own
  }
  return angles;
}

Colour turnHue(Colour colour, double fraction) {
  float h, s, v;
  QColor::fromRgb(toQRgb(colour)).getHsvF(&h, &s, &v);
  if (h < 0 || fraction == 0) return colour;
  const double turned = h + fraction;
  return fromQRgb(QColor::fromHsvF(float(turned - std::floor(turned)), s, v).rgb());
}
