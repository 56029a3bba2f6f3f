#include <gtest/gtest.h>

#include "app/Layout.h"
#include "e2e/XSession.h"
#include "symmetry/Symmetry.h"

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
