#include <gtest/gtest.h>

#include <QThread>
#include <cmath>

#include "e2e/XSession.h"
#include "history/Autosaver.h"

// Unsaved work on the real program: killed, and started again with --restore, it shows the last
// autosave.
TEST(Recovery, AKilledProgramComesBackWithItsLastAutosave) {
  XSession x({1024, 768});
  const QString autosave = x.folder("data") + "/Kalyra!/autosave/autosave-0.png";
  const auto autosaved = [&](const QImage& screen) {
    const auto kept = Autosaver::read(autosave);
    return kept && differing(kept->pixels, screen) == 0;
  };
  ASSERT_TRUE(x.launch());
  const QImage blank = x.waitFor(allWhite);
  ASSERT_TRUE(x.xdotool(strokeFrom({700, 200}, 60)));
  const QImage one = settled(x, blank);
  ASSERT_TRUE(x.xdotool(strokeFrom({600, 500}, 60)));
  settled(x, one);
  ASSERT_TRUE(x.xdotool({"key", "ctrl+z"}));  // the autosave follows an undo too
  EXPECT_TRUE(shows(x, one));
  x.waitFor(autosaved);
  x.killHard();
  const auto kept = Autosaver::read(autosave);
  ASSERT_TRUE(kept && differing(kept->pixels, one) == 0);
  ASSERT_TRUE(x.launch({"--restore"}));
  EXPECT_TRUE(shows(x, kept->pixels));
  // A picture named at start shows, in folders without the leftover that would be offered first.
  ASSERT_TRUE(one.save(x.folder() + "/one.png") &&
              x.launch({"one.png"}, {"XDG_DATA_HOME=" + x.folder("fresh")}));
  EXPECT_TRUE(shows(x, one));
}

// Drawing without a pause on a 4K screen at kaleidoscope 32 with rainbow copies, killed: started
// again with --restore, it shows everything drawn until three seconds before the kill. The
// drawing goes round the centre near it, then, with no pause, far from it until the kill, so
// the part near the centre is finished when it is looked at.
TEST(Recovery, DrawingWithoutAPauseOnAFourKScreenComesBackToSecondsBeforeTheKill) {
  const QSize screen(3840, 2160);
  const QPoint centre(1920, 1080);
  XSession x(screen);
  ASSERT_TRUE(x.launch());
  x.waitFor(allWhite);
  ASSERT_TRUE(x.xdotool(QStringList{"key", "--delay", "30", "k", "r"} + QStringList(26, "plus")));
  const auto round = [&](int radius, int moves, int turns) {
    QStringList commands;
    for (int i = 0; i <= moves; ++i) {
      const double angle = i * turns * 2 * M_PI / moves;
      const int r = radius + int(40 * std::sin(i * 0.3));
      commands << "mousemove" << n(centre.x() + int(r * std::cos(angle)))
               << n(centre.y() + int(r * std::sin(angle))) << "sleep"
               << "0.02";
    }
    return commands;
  };
  ASSERT_TRUE(x.xdotool(QStringList{"mousemove", n(centre.x() + 200), n(centre.y()), "click", "1"} +
                        round(200, 150, 2)));
  QProcess far;
  x.runOn(far, "xdotool", round(800, 600, 3));
  const QImage drawn = x.screenshot();
  QThread::msleep(3000);
  x.killHard();
  const auto near = [&](int px, int py) {
    return std::hypot(px - centre.x(), py - centre.y()) < 500;
  };
  // Pixels drawn near the centre by the time of the screenshot, and of those, how many are
  // missing from `s`.
  const auto missing = [&](const QImage& s, int* drawnCount = nullptr) {
    int count = 0, lost = 0;
    for (int py = centre.y() - 500; py < centre.y() + 500; ++py)
      for (int px = centre.x() - 500; px < centre.x() + 500; ++px)
        if (near(px, py) && (drawn.pixel(px, py) & 0xffffff) != 0xffffff) {
          ++count;
          lost += s.size() != drawn.size() || (s.pixel(px, py) & 0xffffff) == 0xffffff;
        }
    if (drawnCount) *drawnCount = count;
    return lost;
  };
  int drawnNear = 0;
  ASSERT_EQ(missing(drawn, &drawnNear), 0);
  ASSERT_GT(drawnNear, 5000);
  far.kill();
  far.waitForFinished(5000);
  ASSERT_TRUE(x.launch({"--restore"}));
  EXPECT_EQ(missing(x.waitFor([&](const QImage& s) { return missing(s) == 0; })), 0);
}
