#include <gtest/gtest.h>

#include <QPainter>

#include "app/Layout.h"
#include "e2e/XSession.h"

// The real program on a virtual X server, driven with xdotool and checked on screenshots.

namespace {

// The eight symmetries of the square about the centre pixel, over the largest square around it.
bool symmetric(const QImage& s) {
  const QPoint c(s.width() / 2, s.height() / 2);
  const auto at = [&](int x, int y) { return s.pixel(c.x() + x, c.y() + y); };
  for (int b = 1 - c.y(); b < c.y(); ++b)
    for (int a = 1 - c.y(); a < c.y(); ++a)
      if (at(a, b) != at(-a, b) || at(a, b) != at(a, -b) || at(a, b) != at(b, a)) return false;
  return true;
}
// The screen's size and the program's Qt scale factor: 2 gives a high-density screen.
class EndToEnd : public ::testing::TestWithParam<std::pair<QSize, int>> {};

}  // namespace

TEST_P(EndToEnd, SplashPanelMirroredStrokesKeysAndExit) {
  const auto [size, scale] = GetParam();
  XSession x(size);
  x.start({}, {"KALYRA_SPLASH_SECONDS=2", "QT_SCALE_FACTOR=" + n(scale)});
  const auto splash = [](const QImage& s) { return countOf(s, qRgb(0, 192, 0)) > 100; };
  EXPECT_TRUE(splash(x.waitFor(splash)));  // its green name
  ASSERT_TRUE(x.waitForWindow("^Kalyra!$"));
  const QImage blank = x.waitFor(allWhite);
  ASSERT_TRUE(allWhite(blank));

  // A right click shows the panel.
  const QPoint aside(size.width() * 3 / 4, size.height() * 4 / 5);
  const QRect colourBar = toPixels({1560, 960, 975, 375}, 96);
  const auto panel = [&](const QImage& s) {
    return s.pixel(colourBar.topLeft() * scale + QPoint(5, 5)) == qRgb(255, 0, 0);
  };
  ASSERT_TRUE(x.xdotool(clickAt(aside, 3)));
  EXPECT_TRUE(panel(x.waitFor(panel)));

  // Hidden again, then a stroke of many quick moves, mirrored eight ways.
  const QPoint from(size.width() * 3 / 5, size.height() / 4);
  ASSERT_TRUE(x.xdotool(clickAt(aside, 3) + strokeFrom(from, size.height() / 8)));
  const QImage drawn = settled(x, blank, symmetric);
  // Red under the pointer too.
  EXPECT_TRUE(symmetric(drawn) &&
              drawn.pixel(onArc(from, size.height() / 8, 3)) == qRgb(255, 0, 0));

  // Exit on the panel ends it all.
  ASSERT_TRUE(x.xdotool(clickAt(aside, 3)));
  ASSERT_TRUE(panel(x.waitFor(panel)));
  ASSERT_TRUE(x.xdotool(clickAt(toPixels({990, 6120, 2175, 420}, 96).center() * scale, 1)));
  EXPECT_EQ(x.waitForExit(), 0) << x.errorOutput().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Screens, EndToEnd,
                         ::testing::Values(std::pair{QSize(1024, 768), 1},
                                           std::pair{QSize(1280, 1024), 1},
                                           std::pair{QSize(1600, 1200), 2}));

// A picture named on the command line opens at start.
TEST(EndToEndFiles, APictureNamedAtStartShows) {
  XSession x({640, 480});
  QImage picture(640, 480, QImage::Format_RGB32);
  picture.fill(Qt::white);
  QPainter(&picture).fillRect(100, 100, 200, 100, Qt::blue);
  ASSERT_TRUE(picture.save(x.folder() + "/named.png") && x.launch({"named.png"}));
  const auto shown = [](const QImage& s) { return countOf(s, qRgb(0, 0, 255)) == 200 * 100; };
  EXPECT_TRUE(shown(x.waitFor(shown)));
}
