#include "canvas/Raster.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <cwchar>
#include <limits>
#include <utility>
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

// The spans of narrow strokes are a few pixels: a few stores that may overlap, from both ends,
// cost less than a call. The C library's wide-character fill stores the same 32 bits in every
// pixel, with code chosen for this processor at run time; it writes long spans about twice as
// fast as a compiled loop.
inline void fillSpan(QRgb* row, std::size_t count, QRgb colour) {
  if (count <= 8) {
    if (count >= 4) {
      const QRgb four[4] = {colour, colour, colour, colour};
      std::memcpy(row, four, sizeof four);
      std::memcpy(row + count - 4, four, sizeof four);
    } else {
      row[0] = row[count / 2] = row[count - 1] = colour;
    }
  } else if constexpr (sizeof(wchar_t) == sizeof(QRgb)) {
    std::wmemset(reinterpret_cast<wchar_t*>(row), wchar_t(colour), count);
  } else {
    std::fill(row, row + count, colour);
  }
}

void fillRow(const Rows& rows, int y, long long first, long long last, QRgb colour) {
  if (y < 0 || y >= rows.height) return;
  first = std::max(first, 0LL);
  last = std::min(last, (long long)rows.width - 1);
  if (first > last) return;
  fillSpan(rows.bits + y * rows.stride + first, std::size_t(last - first + 1), colour);
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

// Whether the pixel centre (x, y) lies within width / 2 of the segment from the origin to
// (dx, dy): nearest the segment's inside, or else nearest one of its ends. In whole numbers, so
// exactly the rule the general path computes with its margin.
bool nearSegment(int dx, int dy, int width, int x, int y) {
  const long long len2 = 1LL * dx * dx + 1LL * dy * dy, along = 1LL * dx * x + 1LL * dy * y;
  const long long across = 1LL * dx * y - 1LL * dy * x, w2 = 1LL * width * width;
  if (along <= 0 || along >= len2) {
    const long long ex = x - dx, ey = y - dy;
    return 4 * std::min(1LL * x * x + 1LL * y * y, ex * ex + ey * ey) <= w2;
  }
  return 4 * across * across <= w2 * len2;
}

// The spans of short lines a few pixels wide, as offsets from the start, found once per shape
// and thread by testing every pixel centre of its box. A hand's stroke is many such segments,
// and under a large symmetry the same few shapes recur over and over in every copy; drawing one
// is then little more than writing its rows.
class ShortLines {
 public:
  static constexpr int Longest = 31;
  static constexpr int Widest = 7;

  struct Row {
    std::int8_t y, first, last;
  };

  static bool fits(QPoint from, QPoint to, int width) {
    return width <= Widest && std::abs((long long)to.x() - from.x()) <= Longest &&
           std::abs((long long)to.y() - from.y()) <= Longest;
  }

  // The rows of the line from the origin to (dx, dy).
  std::pair<const Row*, const Row*> shape(int dx, int dy, int width) {
    const std::size_t key = (std::size_t(width - 2) * Side + std::size_t(dy + Longest)) * Side +
                            std::size_t(dx + Longest);
    if (found_.empty()) found_.assign(std::size_t(Widest - 1) * Side * Side, 0);
    if (found_[key] == 0) {
      found_[key] = std::uint32_t(rows_.size()) + 1;
      const int reach = width / 2;
      for (int y = std::min(dy, 0) - reach; y <= std::max(dy, 0) + reach; ++y) {
        Row row{std::int8_t(y), std::numeric_limits<std::int8_t>::max(),
                std::numeric_limits<std::int8_t>::min()};
        for (int x = std::min(dx, 0) - reach; x <= std::max(dx, 0) + reach; ++x) {
          if (!nearSegment(dx, dy, width, x, y)) continue;
          row.first = std::int8_t(std::min<int>(row.first, x));
          row.last = std::int8_t(std::max<int>(row.last, x));
        }
        if (row.first <= row.last) rows_.push_back(row);
      }
      counts_.resize(found_[key] - 1, 0);
      counts_.push_back(std::uint8_t(rows_.size() - (found_[key] - 1)));
    }
    const Row* first = rows_.data() + (found_[key] - 1);
    return {first, first + counts_[found_[key] - 1]};
  }

 private:
  static constexpr int Side = 2 * Longest + 1;
  std::vector<std::uint32_t> found_;  // one past where a shape's rows begin; 0 when not yet known
  std::vector<std::uint8_t> counts_;  // how many rows a shape has, at the index its rows begin
  std::vector<Row> rows_;
};

QRect shortLine(QImage& image, QPoint from, QPoint to, int width, QRgb colour) {
  thread_local ShortLines lines;
  const auto [begin, end] = lines.shape(to.x() - from.x(), to.y() - from.y(), width);
  const Rows rows(image);
  const int reach = width / 2;
  const QRect area = spanning(from, to).adjusted(-reach, -reach, reach, reach);
  if (area.left() >= 0 && area.top() >= 0 && area.right() < rows.width &&
      area.bottom() < rows.height) {
    // Wholly inside the picture, as nearly every segment is: no row needs clipping.
    QRgb* const start = rows.bits + from.y() * rows.stride + from.x();
    for (const ShortLines::Row* row = begin; row != end; ++row)
      fillSpan(start + row->y * rows.stride + row->first, std::size_t(row->last - row->first + 1),
               colour);
    return area;
  }
  for (const ShortLines::Row* row = begin; row != end; ++row) {
    const long long y = (long long)from.y() + row->y;
    if (y < 0 || y >= rows.height) continue;
    fillRow(rows, int(y), (long long)from.x() + row->first, (long long)from.x() + row->last,
            colour);
  }
  return area;
}

}  // namespace

QRect line(QImage& image, QPoint from, QPoint to, int width, QRgb colour) {
  if (width <= 1) return thinLine(image, from, to, colour);
  if (ShortLines::fits(from, to, width)) return shortLine(image, from, to, width, colour);

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
