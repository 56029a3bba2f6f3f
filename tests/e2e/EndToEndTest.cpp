#include <gtest/gtest.h>

#include <QProcessEnvironment>

#include "canvas/Mirror.h"
#include "e2e/Driver.h"

namespace {

const Colour PanelGrey = packColour(240, 240, 240);

struct ScreenCase {
  QSize size;
  int scale;  // the program's Qt scale factor: 2 gives a high-density screen
};

class EndToEnd : public ::testing::TestWithParam<ScreenCase> {
 protected:
  QRect control(Twips at) const { return controlOnScreen(at, GetParam().scale); }
  QRect frameControl(Twips at) const {
    return control({at.left + 30, at.top + 120, at.width, at.height});
  }
  // A button's lower right corner is black where it shows.
  static bool buttonShows(const QImage& shot, QRect r) {
    return fromQRgb(shot.pixel(r.bottomRight())) == Black;
  }
};

}  // namespace

TEST_P(EndToEnd, SplashCanvasPanelStrokesKeysAndExit) {
  const ScreenCase screenCase = GetParam();
  VirtualScreen screen(screenCase.size);
  ASSERT_TRUE(screen.ready());
  QProcessEnvironment env;
  env.insert(QStringLiteral("KALYRA_SPLASH_SECONDS"), QStringLiteral("2"));
  env.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(screenCase.scale));
  RunningProgram program(screen, {}, env);

  // The splash with its green name, then only the white canvas.
  const QImage splash =
      screen.waitFor([](const QImage& s) { return containsColour(s, qRgb(0, 192, 0)); }, Patience);
  EXPECT_TRUE(containsColour(splash, qRgb(0, 192, 0)));
  ASSERT_TRUE(program.waitForMainWindow(Patience));
  EXPECT_TRUE(allWhite(screen.waitFor(allWhite, Patience)));

  Driver driver(screen, screenCase.scale);
  const QSize size = screenCase.size;
  const QPoint aside(size.width() * 3 / 4, size.height() * 4 / 5);

  // A right click shows the panel with the start marks.
  driver.clickAt(aside, 2);
  ASSERT_TRUE(driver.send());
  const QRect colourBar = control({1560, 960, 975, 375});
  const QImage panel =
      screen.waitFor([&](const QImage& s) { return inside(s, colourBar) == Red; }, Patience);
  EXPECT_EQ(inside(panel, colourBar), Red);
  EXPECT_EQ(inside(panel, control({120, 960, 495, 375})), Yellow);   // sty(0)
  EXPECT_EQ(inside(panel, control({600, 2040, 495, 375})), Yellow);  // th(1)
  EXPECT_EQ(inside(panel, control({3480, 960, 495, 375})), Yellow);  // mir(2)
  EXPECT_EQ(inside(panel, control({120, 2040, 495, 375})), White);   // th(0)
  EXPECT_EQ(inside(panel, control({120, 1320, 495, 375})), White);   // polyg(0)

  // Hidden again, then a stroke of many quick moves, mirrored eight ways.
  driver.click(2);
  driver.moveTo({size.width() * 3 / 5 + 1, size.height() / 4 + 1});
  driver.click(1);
  const QPoint last =
      driver.stroke({size.width() * 3 / 5 + 1, size.height() / 4 + 1}, size.height() / 8, 60);
  driver.click(1);
  ASSERT_TRUE(driver.send());
  expectScreenAsPredicted(screen, driver);
  const QImage& picture = driver.predicted();
  const QPointF end = driver.canvas().toUnits(last);
  for (int copy = 0; copy < 8; ++copy) {
    const auto p = mirrorCopy(copy, float(end.x()), float(end.y()));
    EXPECT_EQ(fromQRgb(picture.pixel(driver.canvas().toPixel(p.x, p.y))), Red) << "copy " << copy;
  }

  // "s" adds the echo; "/" switches the clicks off so the pen stays up, and on again;
  // Backspace undoes the stroke in progress and lifts the pen; a double click leaves it up.
  driver.key(QStringLiteral("s"), 115);
  driver.clickAt({size.width() / 3 + 3, size.height() * 2 / 3}, 1);
  driver.stroke({size.width() / 3 + 3, size.height() * 2 / 3}, 40, 20);
  driver.click(1);
  driver.key(QStringLiteral("slash"), 47);
  driver.clickAt({size.width() / 2 + 70, size.height() / 2 + 20}, 1);
  driver.stroke({size.width() / 2 + 70, size.height() / 2 + 20}, 30, 10);
  driver.key(QStringLiteral("slash"), 47);
  driver.click(1);
  driver.stroke({size.width() / 2 + 90, size.height() / 2 - 60}, 30, 10);
  driver.key(QStringLiteral("BackSpace"), 8);
  driver.click(1);  // a double click is two clicks: the pen goes down and up again
  driver.click(1);
  driver.stroke({size.width() / 2 + 20, size.height() / 2 - 100}, 30, 10);
  ASSERT_TRUE(driver.send());
  ASSERT_TRUE(driver.core().EchoOn);
  ASSERT_TRUE(driver.core().PenUp);
  expectScreenAsPredicted(screen, driver);

  // Ctrl+K takes Exit and Print off the panel, a second one brings them back; Exit ends it all.
  const QRect exitButton = frameControl({960, 6000, 2175, 420});
  driver.key(QStringLiteral("ctrl+k"), 11);
  driver.clickAt(aside, 2);
  ASSERT_TRUE(driver.send());
  const QImage withoutExit =
      screen.waitFor([&](const QImage& s) { return inside(s, colourBar) == Red; }, Patience);
  EXPECT_FALSE(buttonShows(withoutExit, exitButton));
  EXPECT_EQ(inside(withoutExit, exitButton), PanelGrey);
  driver.key(QStringLiteral("ctrl+k"), 11);
  ASSERT_TRUE(driver.send());
  EXPECT_TRUE(buttonShows(
      screen.waitFor([&](const QImage& s) { return buttonShows(s, exitButton); }, Patience),
      exitButton));
  driver.moveTo(exitButton.center());
  driver.click(1);
  ASSERT_TRUE(driver.send());
  EXPECT_EQ(program.waitForExit(Patience), 0) << program.errorOutput().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Screens, EndToEnd,
                         ::testing::Values(ScreenCase{{1024, 768}, 1}, ScreenCase{{1280, 1024}, 1},
                                           ScreenCase{{1600, 1200}, 2}));

// Help and version need no display: the program is pointed at one that does not exist.
TEST(CommandLine, AnswersHelpAndVersionAnywhereAndRefusesUnknownOptions) {
  VirtualScreen screen({640, 480});
  ASSERT_TRUE(screen.ready());
  QProcessEnvironment nowhere;
  nowhere.insert(QStringLiteral("DISPLAY"), QStringLiteral(":31999"));
  RunningProgram version(screen, {QStringLiteral("--version")}, nowhere);
  EXPECT_EQ(version.waitForExit(Patience), 0);
  EXPECT_TRUE(version.output().contains("Version 2.0"));
  RunningProgram help(screen, {QStringLiteral("--help")}, nowhere);
  EXPECT_EQ(help.waitForExit(Patience), 0);
  EXPECT_TRUE(help.output().contains("FILE"));

  RunningProgram bogus(screen, {QStringLiteral("--bogus")});
  EXPECT_GT(bogus.waitForExit(Patience), 0);
  EXPECT_TRUE(bogus.errorOutput().contains("bogus"));
}
