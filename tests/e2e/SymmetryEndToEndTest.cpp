#include <gtest/gtest.h>

#include "app/Layout.h"
#include "e2e/XSession.h"
#include "symmetry/Symmetry.h"

// A snowflake: kaleidoscope of order 6 chosen on the strip, the centre moved with its key, one
// stroke: its 12 images about the new centre are red on the screen, and nothing else is.
TEST(SymmetryEndToEnd, KaleidoscopeOfOrderSixAboutAMovedCentre) {
  XSession x({1024, 768});
  ASSERT_TRUE(x.launch());
  const QRect button = toPixels({30 + 1170, 7275 + 75, 1350, 375}, 96);  // Kaleidoscope
  const auto off = [&](const QImage& s) { return s.pixel(button.topLeft() + QPoint(5, 5)) == ~0u; };
  ASSERT_TRUE(x.xdotool(clickAt({900, 700}, 3)));  // the panel and the strip
  ASSERT_TRUE(off(x.waitFor(off)));
  const QPoint centre(600, 330), from(700, 300);
  ASSERT_TRUE(x.xdotool(clickAt(button.center(), 1) + clickAt({900, 700}, 3) +
                        QStringList{"mousemove", n(centre.x()), n(centre.y()), "key", "c"} +
                        strokeFrom(from, 50)));
  Symmetry symmetry;  // what the program computes, so the images are exactly where it puts them
  symmetry.set(Symmetry::Kind::Kaleidoscope, 6);
  std::vector<QPointF> images;
  for (int k = 0; k < 12; ++k)
    for (int i = 0; i <= 40; ++i) {
      const QPoint p = onArc(from, 50, i * 3.0 / 40) - centre;
      images.push_back(centre + symmetry.copy(k).apply(p.x(), p.y()));
    }
  // Images with no red pixel next to them, and red pixels farther than 4 from every image.
  const auto misses = [&](const QImage& s) {
    int count = 0;
    for (const QPointF& i : images)
      count +=
          countOf(s.copy(QRect(i.toPoint() - QPoint(1, 1), QSize(3, 3))), qRgb(255, 0, 0)) == 0;
    for (int y = 0; y < s.height(); ++y)
      for (int xx = 0; xx < s.width(); ++xx)
        count += s.pixel(xx, y) == qRgb(255, 0, 0) &&
                 std::none_of(images.begin(), images.end(),
                              [&](QPointF i) { return QLineF(i, QPointF(xx, y)).length() <= 4; });
    return count;
  };
  EXPECT_EQ(misses(x.waitFor([&](const QImage& s) { return misses(s) == 0; })), 0);
}

// A carpet: p4m chosen and its cell made smaller by keys, one stroke: the screen repeats it in
// every cell, and mirrors it in the vertical through the centre, which is red wherever the
// stroke is.
TEST(SymmetryEndToEnd, OneStrokeUnderP4mRepeatsInEveryCell) {
  XSession x({1024, 768});
  ASSERT_TRUE(x.launch());
  const QPoint centre(512, 384), from(600, 420);
  ASSERT_TRUE(x.xdotool(QStringList{"key", "bracketright", "key", "comma"} + strokeFrom(from, 20)));
  constexpr int Cell = 48;
  const auto repeats = [&](const QImage& s) {
    int red = 0, misses = 0;
    for (int y = 0; y < s.height(); ++y)
      for (int xx = 0; xx < s.width(); ++xx) {
        if (s.pixel(xx, y) != qRgb(255, 0, 0)) continue;
        ++red;
        for (const QPoint q :
             {QPoint(xx + Cell, y), QPoint(xx, y + Cell), QPoint(2 * centre.x() - xx, y)})
          misses += s.rect().contains(q) && s.pixel(q) != qRgb(255, 0, 0);
      }
    return red > 2000 && misses == 0;
  };
  EXPECT_TRUE(repeats(x.waitFor(repeats)));
}
