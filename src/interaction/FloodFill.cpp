#include "interaction/FloodFill.h"

#include <algorithm>
#include <limits>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// The colour compared and the colour painted, passed by value: pixels are written as 32-bit
// words, and a value read through a pointer or reference could be changed by such a write as
// far as the compiler knows, so it would be fetched again after every pixel.
struct Colours {
  QRgb surface;  // red, green and blue only
  QRgb paint;
};

struct Bounds {
  int left = std::numeric_limits<int>::max();
  int right = -1;
  int top = std::numeric_limits<int>::max();
  int bottom = -1;
};

bool inside(const QRgb* row, int x, Colours c) {
  return (row[x] & RgbBits) == c.surface;
}

// Paints the run of surface pixels that starts at x; gives the first column after it. Most runs
// are short and are painted pixel by pixel. A long one goes on sixteen pixels, a cache line, at
// a time: those pixels still have the surface colour, so none of them was written a moment ago,
// and reading them at once does not wait for earlier writes to land.
int paintRight(QRgb* row, int x, int width, Colours c) {
  constexpr int ShortRun = 8;
  for (const int shortEnd = std::min(width, x + ShortRun); x < shortEnd; ++x) {
    if (!inside(row, x, c)) return x;
    row[x] = c.paint;
  }
#if defined(__SSE2__)
  const __m128i rgb = _mm_set1_epi32(int(RgbBits));
  const __m128i surface = _mm_set1_epi32(int(c.surface));
  const __m128i paint = _mm_set1_epi32(int(c.paint));
  auto same = [&](const __m128i* four) {
    return _mm_cmpeq_epi32(_mm_and_si128(_mm_loadu_si128(four), rgb), surface);
  };
  for (; x + 16 <= width; x += 16) {
    auto* p = reinterpret_cast<__m128i*>(row + x);
    const __m128i all =
        _mm_and_si128(_mm_and_si128(same(p), same(p + 1)), _mm_and_si128(same(p + 2), same(p + 3)));
    if (_mm_movemask_epi8(all) != 0xffff) break;
    for (int i = 0; i < 4; ++i) _mm_storeu_si128(p + i, paint);
  }
#endif
  for (; x < width && inside(row, x, c); ++x) row[x] = c.paint;
  return x;
}

// Paints the run of surface pixels that ends just before x; gives its first column.
int paintLeft(QRgb* row, int x, Colours c) {
  while (x > 0 && inside(row, x - 1, c)) row[--x] = c.paint;
  return x;
}

// A scanline fill with an explicit stack of spans. Each run of surface pixels is painted as it
// is found, so a painted pixel no longer counts as inside and nothing needs a visited map. A
// run sends its extent on to the next row in its direction of travel, and back to the row it
// came from only the parts that stick out beyond the span it was reached from: the rest of that
// row has been looked at already.
//
// Where the time goes in a picture of short runs (a maze of corridors, small shapes) is
// mispredicted branches and waiting for rows that are not in the cache, more than pixels. So
// the last run's continuation is scanned at once instead of going through the stack, a span
// back to the row just scanned (still in the cache) is pushed only from its first surface pixel
// on and not at all when it has none, and a row pushed for later, or two rows on in the
// direction of travel, is fetched in advance.
class Filler {
 public:
  explicit Filler(QImage& image)
      : bits_(image.bits()),
        stride_(image.bytesPerLine()),
        width_(image.width()),
        height_(image.height()) {}

  QRect run(QPoint start, Colours c) {
    push({start.x(), start.x(), start.y(), 1});
    push({start.x(), start.x(), start.y() - 1, -1});
    Bounds b;
    while (!stack_.empty()) {
      Span s = stack_.back();
      stack_.pop_back();
      while (scan(s, c, b)) {
      }
    }
    if (b.right < b.left) return {};
    return QRect(QPoint(b.left, b.top), QPoint(b.right, b.bottom));
  }

 private:
  QRgb* row(int y) const { return reinterpret_cast<QRgb*>(bits_ + qsizetype(y) * stride_); }
  bool onPicture(int y) const { return y >= 0 && y < height_; }

  void push(const Span& s) {
    if (!onPicture(s.y)) return;
    __builtin_prefetch(row(s.y) + s.left);
    stack_.push_back(s);
  }

  void pushFromFirstInside(Span s, Colours c) {
    if (!onPicture(s.y)) return;
    const QRgb* r = row(s.y);
    while (s.left <= s.right && !inside(r, s.left, c)) ++s.left;
    if (s.left <= s.right) stack_.push_back(s);
  }

  // Paints every run that meets s and passes on what lies next to them. Gives in s the last
  // run's continuation, to be scanned next, when there is one.
  bool scan(Span& s, Colours c, Bounds& b) {
    QRgb* r = row(s.y);
    if (onPicture(s.y + 2 * s.dy)) __builtin_prefetch(row(s.y + 2 * s.dy) + s.left);
    const int back = s.y - s.dy;
    Span next{0, -1, s.y + s.dy, s.dy};
    int x = s.left;
    while (x <= s.right && !inside(r, x, c)) ++x;
    while (x <= s.right) {
      const int first = x == s.left ? paintLeft(r, x, c) : x;
      const int end = paintRight(r, x, width_, c);
      if (next.left <= next.right) {
        push(next);
      } else {
        b.left = std::min(b.left, first);  // the first run of the row
      }
      next.left = first;
      next.right = end - 1;
      if (first < s.left) pushFromFirstInside({first, s.left - 1, back, -s.dy}, c);
      if (end - 1 > s.right) pushFromFirstInside({s.right + 1, end - 1, back, -s.dy}, c);
      x = end + 1;
      while (x <= s.right && !inside(r, x, c)) ++x;
    }
    if (next.left > next.right) return false;
    b.right = std::max(b.right, next.right);  // the last run of the row
    b.top = std::min(b.top, s.y);
    b.bottom = std::max(b.bottom, s.y);
    if (!onPicture(next.y)) return false;
    s = next;
    return true;
  }

  uchar* bits_;
  qsizetype stride_;
  int width_;
  int height_;
  std::vector<Span> stack_;
};

}  // namespace

QRect fillRegion(QImage& image, QPoint start, QRgb surface, QRgb paint) {
  if (image.depth() != 32 || !image.rect().contains(start)) return {};
  // Painting a region in its own colour changes nothing; without this check every painted pixel
  // would still count as inside and the fill would never end.
  if ((surface & RgbBits) == (paint & RgbBits)) return {};
  const auto* startRow = reinterpret_cast<const QRgb*>(image.constScanLine(start.y()));
  if ((startRow[start.x()] & RgbBits) != (surface & RgbBits)) return {};
  return Filler(image).run(start, {surface & RgbBits, (paint & RgbBits) | Opaque});
}

}  // namespace flood
