#include "canvas/Raster.h"

#include <algorithm>
#include <cmath>

namespace raster {
namespace {

// Pixel centres that lie on a boundary belong to the shape; the margin keeps rounding in the
// boundary computations from deciding that differently for a shape and its mirror image.
constexpr double Inside = 1e-9;

// The picture's rows, taken once per shape: QImage::scanLine() checks for sharing on every call.
struct Rows {
  explicit Rows(QImage& image)
      : bits(reinterpret_cast<QRgb*>(image.bits())),
        stride(image.bytesPerLine() / 4),
        width(image.width()),
        height(image.height()) {}
  QRgb* bits;
  qsizetype stride;
  int width;
  int height;
};

void span(const Rows& rows, int y, double left, double right, QRgb colour) {
  if (y < 0 || y >= rows.height) return;
  const int first = std::max(int(std::ceil(left - Inside)), 0);
  const int last = std::min(int(std::floor(right + Inside)), rows.width - 1);
  if (first > last) return;
  QRgb* row = rows.bits + y * rows.stride;
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

void addDisk(Interval& row, QPoint centre, double r2, int y) {
  const double dy = y - centre.y();
  if (dy * dy > r2 + Inside) return;
  const double half = std::sqrt(std::max(r2 - dy * dy, 0.0));
  row.hull(centre.x() - half, centre.x() + half);
}

// The pixel on the line at position `along` of its longer axis, halves to the even neighbour
// so that mirror images round alike.
QRect thinLine(QImage& image, QPoint from, QPoint to, QRgb colour) {
  const Rows rows(image);
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
    span(rows, y, x, x, colour);
  }
  return spanning(from, to);
}

// The band between the two end disks is bounded by four lines; along one row each bound is a
// linear function of the row, so a row costs a few multiply-adds and no division.
struct Band {
  bool any = false;  // the segment has length
  bool alongAll = true, acrossAll = true;
  double alongLow = 0, alongHigh = 0, alongSlope = 0;
  double acrossLow = 0, acrossHigh = 0, acrossSlope = 0;
  double rowsLow = 0, rowsHigh = 0;  // for a vertical segment: the rows it spans
  double acrossRows = 0;             // for a horizontal segment: its half width in rows

  Band(QPoint from, QPoint to, double r) {
    const double dx = to.x() - from.x();
    const double dy = to.y() - from.y();
    const double len2 = dx * dx + dy * dy;
    if (len2 == 0) return;
    any = true;
    const double len = std::sqrt(len2);
    // Along the segment: 0 <= dx * u + dy * e <= len2, with u = x - from.x and e = y - from.y.
    if (dx != 0) {
      alongAll = false;
      alongSlope = -dy / dx;
      alongLow = std::min(0.0, len2 / dx) + from.x();
      alongHigh = std::max(0.0, len2 / dx) + from.x();
    } else {
      rowsLow = std::min(0.0, dy);
      rowsHigh = std::max(0.0, dy);
    }
    // Across it: |dy * u - dx * e| <= r * len.
    if (dy != 0) {
      acrossAll = false;
      acrossSlope = dx / dy;
      acrossLow = -std::abs(r * len / dy) + from.x();
      acrossHigh = std::abs(r * len / dy) + from.x();
    } else {
      acrossRows = r;
    }
  }

  void addRow(Interval& row, double e) const {
    if (!any) return;
    double low = -1e300, high = 1e300;
    if (alongAll) {
      if (e < rowsLow - Inside || e > rowsHigh + Inside) return;
    } else {
      low = alongLow + alongSlope * e;
      high = alongHigh + alongSlope * e;
    }
    if (acrossAll) {
      if (std::abs(e) > acrossRows + Inside) return;
    } else {
      low = std::max(low, acrossLow + acrossSlope * e);
      high = std::min(high, acrossHigh + acrossSlope * e);
    }
    if (low <= high) row.hull(low, high);
  }
};

}  // namespace

QRect line(QImage& image, QPoint from, QPoint to, int width, QRgb colour) {
  if (width <= 1) return thinLine(image, from, to, colour);

  const double r = width / 2.0;
  const double r2 = r * r;
  const Band band(from, to, r);
  const Rows rows(image);
  const int reach = width / 2;
  const int yFirst = std::max(std::min(from.y(), to.y()) - reach, 0);
  const int yLast = std::min(std::max(from.y(), to.y()) + reach, image.height() - 1);
  for (int y = yFirst; y <= yLast; ++y) {
    Interval row;
    addDisk(row, from, r2, y);
    addDisk(row, to, r2, y);
    band.addRow(row, y - from.y());
    if (!row.empty()) span(rows, y, row.low, row.high, colour);
  }
  return spanning(from, to).adjusted(-reach, -reach, reach, reach);
}

QRect box(QImage& image, QPoint corner, QPoint opposite, int width, QRgb colour,
          std::optional<QRgb> fill) {
  const QRect outline = spanning(corner, opposite);
  const int half = std::max(width, 1) / 2;
  const QRect outer = outline.adjusted(-half, -half, half, half);
  const QRect inner = outline.adjusted(half + 1, half + 1, -half - 1, -half - 1);
  const Rows rows(image);
  for (int y = outer.top(); y <= outer.bottom(); ++y) {
    if (y < inner.top() || y > inner.bottom() || inner.isEmpty()) {
      span(rows, y, outer.left(), outer.right(), colour);
      continue;
    }
    span(rows, y, outer.left(), inner.left() - 1, colour);
    span(rows, y, inner.right() + 1, outer.right(), colour);
    if (fill) span(rows, y, inner.left(), inner.right(), *fill);
  }
  return outer;
}

QRect circle(QImage& image, QPoint centre, double radius, int width, QRgb colour,
             std::optional<QRgb> fill) {
  const double halfWidth = std::max(width, 1) / 2.0;
  const double outer = radius + halfWidth;
  const double inner = std::max(radius - halfWidth, 0.0);
  const int reach = int(std::min(std::floor(outer + Inside), 1e8));
  const Rows rows(image);
  const int dyFirst = std::max(-reach, -centre.y());
  const int dyLast = std::min(reach, image.height() - 1 - centre.y());
  for (int dy = dyFirst; dy <= dyLast; ++dy) {
    const int y = centre.y() + dy;
    const double o2 = outer * outer - double(dy) * dy;
    if (o2 < -Inside) continue;
    const double ho = std::sqrt(std::max(o2, 0.0));
    const double i2 = inner * inner - double(dy) * dy;
    if (i2 <= 0) {
      span(rows, y, centre.x() - ho, centre.x() + ho, colour);
      continue;
    }
    // Pixels strictly nearer the centre than the inner edge belong to the inside.
    const double hi = std::sqrt(i2);
    const int innerFirst = int(std::floor(-hi + Inside)) + 1;
    const int innerLast = int(std::ceil(hi - Inside)) - 1;
    span(rows, y, centre.x() - ho, centre.x() + innerFirst - 1, colour);
    span(rows, y, centre.x() + innerLast + 1, centre.x() + ho, colour);
    if (fill) span(rows, y, centre.x() + innerFirst, centre.x() + innerLast, *fill);
  }
  return QRect(centre, centre).adjusted(-reach, -reach, reach, reach);
}

}  // namespace raster
