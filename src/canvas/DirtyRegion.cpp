#include "canvas/DirtyRegion.h"

#include <algorithm>
#include <climits>

namespace {

struct Span {
  int left;
  int right;
  bool operator==(const Span&) const = default;
};

// The x spans of the rectangles crossing a band, sorted by left: overlapping and touching ones
// become one, as a region may not hold two rectangles side by side in a band.
void spansOf(const std::vector<QRect>& crossing, std::vector<Span>& spans) {
  spans.clear();
  for (const QRect& r : crossing) {
    if (!spans.empty() && r.left() <= spans.back().right + 1)
      spans.back().right = std::max(spans.back().right, r.right());
    else
      spans.push_back({r.left(), r.right()});
  }
}

}  // namespace

// QRegion::setRects takes the rectangles as they are, without checks, so they are handed over
// the way a region keeps them: bands from the top, each band's rectangles of one height, sorted
// by left, apart from each other; and a band is joined to the one above when their spans match,
// as a union would.
QRegion unionOf(std::vector<QRect>& rects) {
  std::erase_if(rects, [](const QRect& r) { return r.isEmpty(); });
  std::sort(rects.begin(), rects.end(),
            [](const QRect& a, const QRect& b) { return a.top() < b.top(); });
  // Scattered rectangles give about two bands each; reserving that saves regrowing on every move.
  std::vector<QRect> bands, crossing;  // crossing: those crossing the current band, by left
  bands.reserve(2 * rects.size());
  crossing.reserve(rects.size());
  std::vector<Span> spans, above;
  std::size_t aboveStart = 0;  // where the band above begins in `bands`
  std::size_t next = 0;
  int y = INT_MIN;
  while (next < rects.size() || !crossing.empty()) {
    if (crossing.empty()) y = std::max(y, rects[next].top());
    for (; next < rects.size() && rects[next].top() <= y; ++next) {
      const auto at =
          std::upper_bound(crossing.begin(), crossing.end(), rects[next],
                           [](const QRect& a, const QRect& b) { return a.left() < b.left(); });
      crossing.insert(at, rects[next]);
    }
    // The band ends where another rectangle begins or a crossing one ends.
    int bottom = next < rects.size() ? rects[next].top() - 1 : INT_MAX;
    for (const QRect& r : crossing) bottom = std::min(bottom, r.bottom());
    spansOf(crossing, spans);
    if (!bands.empty() && bands.back().bottom() == y - 1 && spans == above) {
      for (std::size_t i = aboveStart; i < bands.size(); ++i) bands[i].setBottom(bottom);
    } else {
      aboveStart = bands.size();
      for (const Span& s : spans) bands.emplace_back(QPoint(s.left, y), QPoint(s.right, bottom));
      std::swap(spans, above);
    }
    y = bottom + 1;
    std::erase_if(crossing, [y](const QRect& r) { return r.bottom() < y; });
  }
  QRegion region;
  region.setRects(bands.data(), int(bands.size()));
  return region;
}
