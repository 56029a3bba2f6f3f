#include "canvas/Raster.h"

#include <algorithm>
#include <cmath>
#include <cwchar>
#include <limits>
#include <vector>

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

// A cast truncates towards zero; one comparison turns that into a floor or a ceiling without a
// library call. Values are first held to just beyond the row, where the cast is exact.
int floorWithin(double v, int width) {
  v = std::clamp(v, -1.0, double(width));
  const int t = int(v);
  return t - int(v < t);
}

int ceilWithin(double v, int width) {
  v = std::clamp(v, -1.0, double(width));
  const int t = int(v);
  return t + int(v > t);
}

void fillRow(const Rows& rows, int y, long long first, long long last, QRgb colour) {
  if (y < 0 || y >= rows.height) return;
  first = std::max(first, 0LL);
  last = std::min(last, (long long)rows.width - 1);
  if (first > last) return;
  QRgb* row = rows.bits + y * rows.stride + first;
  const auto count = std::size_t(last - first + 1);
  // The C library's wide-character fill stores the same 32 bits in every pixel, with code chosen
  // for this processor at run time; it writes long spans about twice as fast as a compiled loop.
  if constexpr (sizeof(wchar_t) == sizeof(QRgb)) {
    std::wmemset(reinterpret_cast<wchar_t*>(row), wchar_t(colour), count);
  } else {
    std::fill(row, row + count, colour);
  }
}

void span(const Rows& rows, int y, double left, double right, QRgb colour) {
  fillRow(rows, y, ceilWithin(left - Inside, rows.width), floorWithin(right + Inside, rows.width),
          colour);
}

// The rectangle with these two pixels as opposite corners. (QRect::normalized() would treat
// them as a rectangle of negative size and move them by a pixel.)
QRect spanning(QPoint a, QPoint b) {
  return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
               QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
}

// The pixels of one row of a shape made of overlapping parts, from the first to the last.
struct Pixels {
  long long first = std::numeric_limits<long long>::max();
  long long last = std::numeric_limits<long long>::min();
  void hull(long long f, long long l) {
    first = std::min(first, f);
    last = std::max(last, l);
  }
};

// A disk of diameter `width` around a pixel: in the row `d` rows from its centre it covers the
// centre's pixel and `half(d)` on either side, the largest k with (2k)^2 + (2d)^2 <= width^2.
// In whole numbers the boundary needs no margin and no square root per row. The halves of the
// last width drawn are remembered per thread, so a thread draws with one disk at a time.
class Disk {
 public:
  explicit Disk(int width) : width_(width), reach_(width / 2) {
    thread_local std::vector<int> halves;
    thread_local int halvesWidth = 0;
    if (halvesWidth != width) {
      halves.resize(std::size_t(std::min(reach_, Remembered) + 1));
      for (std::size_t d = 0; d < halves.size(); ++d) halves[d] = compute(int(d));
      halvesWidth = width;
    }
    halves_ = &halves;
  }

  void addRow(Pixels& row, QPoint centre, int y) const {
    const long long d = std::abs((long long)y - centre.y());
    if (d > reach_) return;
    const int h = d <= Remembered ? (*halves_)[std::size_t(d)] : compute(int(d));
    row.hull((long long)centre.x() - h, (long long)centre.x() + h);
  }

 private:
  static constexpr int Remembered = 4096;

  int compute(int d) const {
    const long long room = (long long)width_ * width_ - 4LL * d * d;
    long long s = (long long)std::sqrt(double(room));
    while (s * s > room) --s;
    while ((s + 1) * (s + 1) <= room) ++s;
    return int(s / 2);
  }

  int width_;
  int reach_;
  const std::vector<int>* halves_;
};

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
// linear function of the row, so a row costs a few multiply-adds and no division. A bound that
// does not depend on the column leaves an unbounded pair that never wins: the ends of a vertical
// segment limit its rows instead, and the sides of a horizontal one are the rows a line visits.
struct Band {
  int rowFirst = 1, rowLast = 0;  // the rows it may cover, counted from the segment's start
  double alongLow = -1e300, alongHigh = 1e300, alongSlope = 0;
  double acrossLow = -1e300, acrossHigh = 1e300, acrossSlope = 0;

  Band(QPoint from, QPoint to, double r) {
    const double dx = to.x() - from.x();
    const double dy = to.y() - from.y();
    const double len2 = dx * dx + dy * dy;
    if (len2 == 0) return;
    const double len = std::sqrt(len2);
    rowFirst = std::numeric_limits<int>::min(), rowLast = std::numeric_limits<int>::max();
    // Along the segment: 0 <= dx * u + dy * e <= len2, with u = x - from.x and e = y - from.y.
    if (dx != 0) {
      alongSlope = -dy / dx;
      alongLow = std::min(0.0, len2 / dx) + from.x();
      alongHigh = std::max(0.0, len2 / dx) + from.x();
    } else {
      rowFirst = int(std::min(0.0, dy)), rowLast = int(std::max(0.0, dy));
    }
    // Across it: |dy * u - dx * e| <= r * len.
    if (dy != 0) {
      acrossSlope = dx / dy;
      acrossLow = -std::abs(r * len / dy) + from.x();
      acrossHigh = std::abs(r * len / dy) + from.x();
    }
  }

  void addRow(Pixels& row, int e, int rowWidth) const {
    if (e < rowFirst || e > rowLast) return;
    const double low = std::max(alongLow + alongSlope * e, acrossLow + acrossSlope * e);
    const double high = std::min(alongHigh + alongSlope * e, acrossHigh + acrossSlope * e);
    if (low <= high) {
      row.hull(ceilWithin(low - Inside, rowWidth), floorWithin(high + Inside, rowWidth));
    }
  }
};

}  // namespace

QRect line(QImage& image, QPoint from, QPoint to, int width, QRgb colour) {
  if (width <= 1) return thinLine(image, from, to, colour);

  const Band band(from, to, width / 2.0);
  const Disk disk(width);
  const Rows rows(image);
  const int reach = width / 2;
  const int yFirst = std::max(std::min(from.y(), to.y()) - reach, 0);
  const int yLast = std::min(std::max(from.y(), to.y()) + reach, image.height() - 1);
  for (int y = yFirst; y <= yLast; ++y) {
    Pixels row;
    disk.addRow(row, from, y);
    disk.addRow(row, to, y);
    band.addRow(row, y - from.y(), rows.width);
    fillRow(rows, y, row.first, row.last, colour);
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
