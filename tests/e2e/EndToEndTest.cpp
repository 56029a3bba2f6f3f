#include <gtest/gtest.h>

#include <QFile>

#include "app/Layout.h"
#include "e2e/XSession.h"

// The real program on a virtual X server, driven with xdotool and checked on screenshots.

namespace {

QString n(int value) {
  return QString::number(value);
}
QStringList clickAt(QPoint p, int xButton) {
  return {"mousemove", n(p.x()), n(p.y()), "click", n(xButton)};
}
// A point of an arc from `from`, on an even pixel so that a screen of scale 2 can name it.
QPoint onArc(QPoint from, int radius, double angle) {
  const QPoint p =
      from + QPoint(int(radius * std::sin(angle)), int(radius * (1 - std::cos(angle))));
  return {p.x() / 2 * 2, p.y() / 2 * 2};
}
// A pen-down, an arc of many short moves sent at once so that they queue up in the program, and
// a pen-up.
QStringList strokeFrom(QPoint from, int radius) {
  QStringList commands = clickAt(from, 1);
  for (int i = 0; i <= 40; ++i) {
    const QPoint p = onArc(from, radius, i * 3.0 / 40);
    commands << "mousemove" << n(p.x()) << n(p.y());
  }
  return commands << "click"
                  << "1";
}
int countOf(const QImage& shot, QRgb colour) {
  int count = 0;
  for (int y = 0; y < shot.height(); ++y)
    for (int x = 0; x < shot.width(); ++x) count += shot.pixel(x, y) == colour;
  return count;
}
// How many pixels differ in colour; every pixel when the sizes differ.
int differing(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return a.width() * a.height() + 1;
  int count = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) count += ((a.pixel(x, y) ^ b.pixel(x, y)) & 0xffffff) != 0;
  return count;
}
bool allWhite(const QImage& shot) {
  return !shot.isNull() && countOf(shot, qRgb(255, 255, 255)) == shot.width() * shot.height();
}
// The eight symmetries of the square about the centre pixel, over the largest square around it.
bool symmetric(const QImage& s) {
  const QPoint c(s.width() / 2, s.height() / 2);
  const auto at = [&](int x, int y) { return s.pixel(c.x() + x, c.y() + y); };
  for (int b = 1 - c.y(); b < c.y(); ++b)
    for (int a = 1 - c.y(); a < c.y(); ++a)
      if (at(a, b) != at(-a, b) || at(a, b) != at(a, -b) || at(a, b) != at(b, a)) return false;
  return true;
}
// Waits until the screen has changed from `before` and stops changing (two screenshots alike),
// mirrored eight ways when asked: a screenshot may catch a repaint half done.
QImage settled(XSession& x, const QImage& before, bool mirrored = true) {
  QImage last;
  return x.waitFor([&](const QImage& s) {
    const bool same = s == last && differing(s, before) > 0 && (!mirrored || symmetric(s));
    last = s;
    return same;
  });
}

struct ScreenCase {
  QSize size;
  int scale;  // the program's Qt scale factor: 2 gives a high-density screen
};

class EndToEnd : public ::testing::TestWithParam<ScreenCase> {};

}  // namespace

TEST_P(EndToEnd, SplashPanelMirroredStrokesKeysAndExit) {
  const QSize size = GetParam().size;
  const int scale = GetParam().scale;
  XSession x(size);
  ASSERT_TRUE(x.ready());
  x.start({}, {"KALYRA_SPLASH_SECONDS=2", "QT_SCALE_FACTOR=" + n(scale)});
  const auto splash = [](const QImage& s) { return countOf(s, qRgb(0, 192, 0)) > 100; };
  EXPECT_TRUE(splash(x.waitFor(splash)));  // its green name
  ASSERT_TRUE(x.waitForWindow("^Kalyra!$"));
  const QImage blank = x.waitFor(allWhite);
  EXPECT_TRUE(allWhite(blank));

  // A right click shows the panel with the start marks.
  const QPoint aside(size.width() * 3 / 4, size.height() * 4 / 5);
  const auto face = [scale](const QImage& s, Twips at) {
    return s.pixel(toPixels(at, 96).topLeft() * scale + QPoint(5, 5));
  };
  const Twips colourBar{1560, 960, 975, 375}, exitButton{990, 6120, 2175, 420};
  ASSERT_TRUE(x.xdotool(clickAt(aside, 3)));
  const QImage panel =
      x.waitFor([&](const QImage& s) { return face(s, colourBar) == qRgb(255, 0, 0); });
  const std::pair<Twips, QRgb> marks[] = {{{120, 960, 495, 375}, qRgb(255, 255, 0)},     // sty(0)
                                          {{600, 2040, 495, 375}, qRgb(255, 255, 0)},    // th(1)
                                          {{3480, 960, 495, 375}, qRgb(255, 255, 0)},    // mir(2)
                                          {{120, 2040, 495, 375}, qRgb(255, 255, 255)},  // th(0)
                                          {colourBar, qRgb(255, 0, 0)}};
  for (const auto& [at, colour] : marks) EXPECT_EQ(face(panel, at), colour) << at.left;

  // Hidden again, then a stroke of many quick moves, mirrored eight ways.
  const QPoint from(size.width() * 3 / 5, size.height() / 4);
  ASSERT_TRUE(x.xdotool(clickAt(aside, 3) + strokeFrom(from, size.height() / 8)));
  const QImage drawn = settled(x, blank);
  EXPECT_TRUE(symmetric(drawn));
  EXPECT_EQ(drawn.pixel(onArc(from, size.height() / 8, 3)), qRgb(255, 0, 0));  // under the pointer

  // "s" adds the echo; "/" switches the clicks off so that the pen stays up, and on again;
  // Backspace undoes back to the last pen-down.
  ASSERT_TRUE(x.xdotool(QStringList{"key", "s"} + strokeFrom(from / 2, 40)));
  settled(x, drawn, false);
  ASSERT_TRUE(x.xdotool(QStringList{"key", "slash"} + strokeFrom(from + QPoint(30, 30), 40) +
                        QStringList{"key", "slash", "key", "BackSpace"}));
  EXPECT_EQ(differing(x.waitFor([&](const QImage& s) { return differing(s, drawn) == 0; }), drawn),
            0);

  // Ctrl+K takes Exit and Print off the panel, a second one brings them back; Exit ends it all.
  ASSERT_TRUE(x.xdotool({"key", "ctrl+k", "mousemove", n(aside.x()), n(aside.y()), "click", "3"}));
  const QImage withoutExit =
      x.waitFor([&](const QImage& s) { return face(s, colourBar) == qRgb(255, 0, 0); });
  EXPECT_EQ(face(withoutExit, exitButton), qRgb(240, 240, 240));
  ASSERT_TRUE(x.xdotool({"key", "ctrl+k"}));
  const QRect exitOnScreen(toPixels(exitButton, 96).topLeft() * scale,
                           toPixels(exitButton, 96).size() * scale);
  EXPECT_TRUE(x.waitFor([&](const QImage& s) {
                 return s.pixel(exitOnScreen.bottomRight()) == qRgb(0, 0, 0);
               }).pixel(exitOnScreen.bottomRight()) == qRgb(0, 0, 0));
  ASSERT_TRUE(x.xdotool(clickAt(exitOnScreen.center(), 1)));
  EXPECT_EQ(x.waitForExit(), 0) << x.errorOutput().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Screens, EndToEnd,
                         ::testing::Values(ScreenCase{{1024, 768}, 1}, ScreenCase{{1280, 1024}, 1},
                                           ScreenCase{{1600, 1200}, 2}));

// Save through the real dialog writes exactly the canvas; Load brings it back after a new canvas
// colour wiped it; a picture named at start shows, and one that can't be read is reported.
TEST(Files, SaveAndLoadThroughTheDialogsAndAPictureNamedAtStart) {
  XSession x({1024, 768});
  ASSERT_TRUE(x.ready());
  x.start({}, {"KALYRA_SPLASH_SECONDS=0"});
  ASSERT_TRUE(x.waitForWindow("^Kalyra!$"));
  const QImage blank = x.waitFor(allWhite);
  ASSERT_TRUE(x.xdotool(strokeFrom({600, 250}, 80)));
  const QImage drawn = settled(x, blank);
  const auto press = [&](Twips at, int xButton) {
    return x.xdotool(clickAt({800, 600}, 3) + clickAt(toPixels(at, 96).center(), xButton));
  };
  ASSERT_TRUE(press({2160, 2520, 1815, 495}, 1));  // Save
  ASSERT_TRUE(x.answerDialog("^Save$", "drawing.bmp"));
  const QString file = x.folder() + "/drawing.bmp";
  x.waitFor([&](const QImage&) { return QImage(file).size() == drawn.size(); });
  EXPECT_EQ(differing(QImage(file), drawn), 0);
  QFile bitmap(file);
  EXPECT_TRUE(bitmap.open(QIODevice::ReadOnly) && bitmap.read(30).at(28) == 24);  // 24-bit

  ASSERT_TRUE(x.xdotool(clickAt({800, 600}, 3)));
  ASSERT_TRUE(press({1560, 960, 975, 375}, 3));  // a random canvas colour
  ASSERT_TRUE(x.xdotool(clickAt(toPixels({120, 2520, 1815, 495}, 96).center(), 1)));  // Load
  ASSERT_TRUE(x.answerDialog("^Open$", ""));  // it proposes the file just saved
  ASSERT_TRUE(x.xdotool(clickAt({800, 600}, 3)));
  EXPECT_EQ(differing(x.waitFor([&](const QImage& s) { return differing(s, drawn) == 0; }), drawn),
            0);

  QImage pattern(200, 100, QImage::Format_RGB32);
  for (int y = 0; y < 100; ++y)
    for (int xx = 0; xx < 200; ++xx)
      pattern.setPixel(xx, y, qRgb(xx, 2 * y, (xx / 10 + y / 10) % 2 * 255));
  ASSERT_TRUE(pattern.save(x.folder() + "/pattern.bmp", "BMP"));
  // The stopped program left unsaved work, which a start in its folders would offer back first.
  const QStringList fresh = {"KALYRA_SPLASH_SECONDS=0", "XDG_DATA_HOME=" + x.folder() + "/fresh"};
  x.start({"pattern.bmp"}, fresh);
  const auto showsPattern = [&](const QImage& s) {
    return differing(s.copy(0, 0, 200, 100), pattern) == 0 &&
           s.pixel(200, 100) == qRgb(255, 255, 255);
  };
  EXPECT_TRUE(showsPattern(x.waitFor(showsPattern)));
  QFile broken(x.folder() + "/broken.bmp");
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly) && broken.write("not a picture\n") > 0);
  broken.close();
  x.start({"broken.bmp"}, fresh);
  EXPECT_TRUE(x.answerDialog("^Load Picture$", ""));
  EXPECT_TRUE(allWhite(x.waitFor(allWhite)));
}

// Help and version need no display: the program is pointed at one that does not exist.
TEST(CommandLine, AnswersHelpAndVersionAnywhereAndRefusesUnknownOptions) {
  XSession x({640, 480});
  ASSERT_TRUE(x.ready());
  const std::pair<const char*, const char*> cases[] = {
      {"--version", "Version 2.0"}, {"--help", "FILE"}, {"--bogus", "bogus"}};
  for (const auto& [option, answer] : cases) {
    const bool refused = QByteArray(option) == "--bogus";
    x.start({option}, refused ? QStringList() : QStringList{"DISPLAY=:31999"});
    EXPECT_EQ(x.waitForExit(), refused ? 2 : 0) << option;
    EXPECT_TRUE((refused ? x.errorOutput() : x.output()).contains(answer)) << option;
  }
}
