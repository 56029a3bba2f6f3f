#include "canvas/Raster.h"

#include <algorithm>
#include <cmath>

namespace raster {
namespace {

// Pixel centres that lie on a boundary belong to the shape; the margin keeps rounding in the
// boundary computations from deciding that differently for a shape and its mirror image.
constexpr double Inside = 1e-9;

void span(QImage& image, int y, double left, double right, QRgb colour) {
  if (y < 0 || y >= image.height()) return;
  const int first = std::max(int(std::ceil(left - Inside)), 0);
  const int last = std::min(int(std::floor(right + Inside)), image.width() - 1);
  if (first > last) return;
  auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
  std::fill(row + first, row + last + 1, colour);
}

// The rectangle with these two pixels as opposite corners. (QRect::normalized() would treat
// them as a rectangle of negative size and move them by a pixel.)
QRect spanning(QPoint a, QPoint b) {
  return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
               QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
}

struct Interval {
  double low = 1;
  double high = 0;
  bool empty() const { return low > high; }
  void hull(double l, double h) {
    if (empty()) {
      low = l, high = h;
    } else {
      low = std::min(low, l), high = std::max(high, h);
    }
  }
};

// The x values with a * x + b within [lower, upper]; `a` == 0 gives all or nothing.
Interval solve(double a, double b, double lower, double upper) {
  if (a == 0) {
    if (b >= lower - Inside && b <= upper + Inside) return {-1e300, 1e300};
    return {};
  }
  const double x1 = (lower - b) / a;
  const double x2 = (upper - b) / a;
  return {std::min(x1, x2), std::max(x1, x2)};
}

void addDisk(Interval& row, QPoint centre, double r2, int y) {
  const double dy = y - centre.y();
  if (dy * dy > r2 + Inside) return;
  const double half = std::sqrt(std::max(r2 - dy * dy, 0.0));
  row.hull(centre.x() - half, centre.x() + half);
}

// The pixel on the line at position `along` of its longer axis, halves to the even neighbour
// so that mirror images round alike.
QRect thinLine(QImage& image, QPoint from, QPoint to, QRgb colour) {
  const int dx = to.x() - from.x();
  const int dy = to.y() - from.y();
  const int steps = std::max(std::abs(dx), std::abs(dy));
  const bool alongX = std::abs(dx) >= std::abs(dy);
  for (int i = 0; i <= steps; ++i) {
    int x, y;
    if (alongX) {
      x = from.x() + (dx >= 0 ? i : -i);
      y = from.y() + int(std::nearbyint(steps ? double(x - from.x()) * dy / dx : 0));
    } else {
      y = from.y() + (dy >= 0 ? i : -i);
      x = from.x() + int(std::nearbyint(double(y - from.y()) * dx / dy));
    }
    span(image, y, x, x, colour);
  }
  return spanning(from, to);
}

}  // namespace

QRect line(QImage& image, QPoint from, QPoint to, int width, QRgb colour) {
  if (width <= 1) return thinLine(image, from, to, colour);

  const double r = width / 2.0;
  const double r2 = r * r;
  const double dx = to.x() - from.x();
  const double dy = to.y() - from.y();
  const double length = std::hypot(dx, dy);
  const int reach = width / 2;
  const int yFirst = std::max(std::min(from.y(), to.y()) - reach, 0);
  const int yLast = std::min(std::max(from.y(), to.y()) + reach, image.height() - 1);
  for (int y = yFirst; y <= yLast; ++y) {
    Interval row;
    addDisk(row, from, r2, y);
    addDisk(row, to, r2, y);
    if (length > 0) {
      // The band between the two end disks: along the segment within [0, length²], across it
      // within the radius. Both are linear in x along one row.
      const double e = y - from.y();
      const Interval along = solve(dx, -from.x() * dx + e * dy, 0, length * length);
      const Interval across = solve(dy, -from.x() * dy - e * dx, -r * length, r * length);
      const double low = std::max(along.low, across.low);
      const double high = std::min(along.high, across.high);
      if (low <= high) row.hull(low, high);
    }
    if (!row.empty()) span(image, y, row.low, row.high, colour);
  }
  return spanning(from, to).adjusted(-reach, -reach, reach, reach);
}

QRect box(QImage& image, QPoint corner, QPoint opposite, int width, QRgb colour,
          std::optional<QRgb> fill) {
  const QRect outline = spanning(corner, opposite);
  const int half = std::max(width, 1) / 2;
  const QRect outer = outline.adjusted(-half, -half, half, half);
  const QRect inner = outline.adjusted(half + 1, half + 1, -half - 1, -half - 1);
  for (int y = outer.top(); y <= outer.bottom(); ++y) {
    if (y < inner.top() || y > inner.bottom() || inner.isEmpty()) {
      span(image, y, outer.left(), outer.right(), colour);
      continue;
    }
    span(image, y, outer.left(), inner.left() - 1, colour);
    span(image, y, inner.right() + 1, outer.right(), colour);
    if (fill) span(image, y, inner.left(), inner.right(), *fill);
  }
  return outer;
}

QRect circle(QImage& image, QPoint centre, double radius, int width, QRgb colour,
             std::optional<QRgb> fill) {
  const double halfWidth = std::max(width, 1) / 2.0;
  const double outer = radius + halfWidth;
  const double inner = std::max(radius - halfWidth, 0.0);
  const int reach = int(std::floor(outer + Inside));
  for (int dy = -reach; dy <= reach; ++dy) {
    const int y = centre.y() + dy;
    const double o2 = outer * outer - dy * dy;
    if (o2 < -Inside) continue;
    const double ho = std::sqrt(std::max(o2, 0.0));
    const double i2 = inner * inner - dy * dy;
    if (i2 <= 0) {
      span(image, y, centre.x() - ho, centre.x() + ho, colour);
      continue;
    }
    // Pixels strictly nearer the centre than the inner edge belong to the inside.
    const double hi = std::sqrt(i2);
    const int innerFirst = int(std::floor(-hi + Inside)) + 1;
    const int innerLast = int(std::ceil(hi - Inside)) - 1;
    span(image, y, centre.x() - ho, centre.x() + innerFirst - 1, colour);
    span(image, y, centre.x() + innerLast + 1, centre.x() + ho, colour);
    if (fill) span(image, y, centre.x() + innerFirst, centre.x() + innerLast, *fill);
  }
  return QRect(centre, centre).adjusted(-reach, -reach, reach, reach);
}

}  // namespace raster
