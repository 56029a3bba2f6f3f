#include "interaction/FloodFill.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace flood {
namespace {

constexpr QRgb RgbBits = 0x00ffffff;
constexpr QRgb Opaque = 0xff000000;

// Columns left..right of row y still to be looked at, reached from row y - dy.
struct Span {
  int left;
  int right;
  int y;
  int dy;
};

// A scanline fill with an explicit stack of spans. Each run of surface pixels is painted as it
// is found, so a painted pixel no longer counts as inside and nothing is visited twice without
// a separate visited map. A run sends its own extent on in its direction of travel, and back
// towards where it came from only the parts that stick out beyond the span it was reached from:
// the rest of that row has been looked at already.
class Filler {
 public:
  Filler(QImage& image, QRgb surface, QRgb paint)
      : bits_(image.bits()),
        stride_(image.bytesPerLine()),
        width_(image.width()),
        height_(image.height()),
        surface_(surface & RgbBits),
        paint_((paint & RgbBits) | Opaque) {}

  QRect run(QPoint start) {
    push(start.x(), start.x(), start.y(), 1);
    push(start.x(), start.x(), start.y() - 1, -1);
    while (!stack_.empty()) {
      const Span s = stack_.back();
      stack_.pop_back();
      scan(s);
    }
    if (right_ < left_) return {};
    return QRect(QPoint(left_, top_), QPoint(right_, bottom_));
  }

 private:
  QRgb* row(int y) const { return reinterpret_cast<QRgb*>(bits_ + qsizetype(y) * stride_); }
  bool inside(const QRgb* r, int x) const { return (r[x] & RgbBits) == surface_; }

  void push(int left, int right, int y, int dy) {
    if (y >= 0 && y < height_) stack_.push_back({left, right, y, dy});
  }

  // Paints the run of surface pixels that starts at x; gives the first column after it.
  int paintRight(QRgb* r, int x) const {
    const int end = int(
        std::find_if(r + x, r + width_, [this](QRgb p) { return (p & RgbBits) != surface_; }) - r);
    std::fill(r + x, r + end, paint_);
    return end;
  }

  // Paints the run of surface pixels that ends just left of x; gives its first column.
  int paintLeft(QRgb* r, int x) const {
    int first = x;
    while (first > 0 && inside(r, first - 1)) --first;
    std::fill(r + first, r + x, paint_);
    return first;
  }

  void painted(int first, int last, int y) {
    left_ = std::min(left_, first);
    right_ = std::max(right_, last);
    top_ = std::min(top_, y);
    bottom_ = std::max(bottom_, y);
  }

  void scan(const Span& s) {
    QRgb* r = row(s.y);
    int x1 = s.left;
    int runStart = x1;
    if (inside(r, x1)) {
      runStart = paintLeft(r, x1);
      if (runStart < s.left) push(runStart, s.left - 1, s.y - s.dy, -s.dy);
    }
    while (x1 <= s.right) {
      x1 = paintRight(r, x1);
      if (x1 > runStart) {
        painted(runStart, x1 - 1, s.y);
        push(runStart, x1 - 1, s.y + s.dy, s.dy);
        if (x1 - 1 > s.right) push(s.right + 1, x1 - 1, s.y - s.dy, -s.dy);
      }
      ++x1;
      while (x1 <= s.right && !inside(r, x1)) ++x1;
      runStart = x1;
    }
  }

  uchar* bits_;
  qsizetype stride_;
  int width_;
  int height_;
  QRgb surface_;
  QRgb paint_;
  std::vector<Span> stack_;
  int left_ = std::numeric_limits<int>::max();
  int right_ = -1;
  int top_ = std::numeric_limits<int>::max();
  int bottom_ = -1;
};

}  // namespace

QRect fillRegion(QImage& image, QPoint start, QRgb surface, QRgb paint) {
  if (image.depth() != 32 || !image.rect().contains(start)) return {};
  // Painting a region in its own colour changes nothing; without this check every painted pixel
  // would still count as inside and the fill would never end.
  if ((surface & RgbBits) == (paint & RgbBits)) return {};
  const auto* startRow = reinterpret_cast<const QRgb*>(image.constScanLine(start.y()));
  if ((startRow[start.x()] & RgbBits) != (surface & RgbBits)) return {};
  Filler filler(image, surface, paint);
  return filler.run(start);
}

}  // namespace flood
