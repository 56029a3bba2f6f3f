#include <gtest/gtest.h>

#include <QProcessEnvironment>
#include <cmath>

#include "Kalyra.h"
#include "app/Layout.h"
#include "canvas/Mirror.h"
#include "e2e/XSession.h"
#include "support/FakePlatform.h"

// The real program on a virtual X server, driven with xdotool and checked on screenshots.
// Everything done to the program is also done to a core of its own on a surface of the screen's
// size: that core's picture is what the screen must show, pixel for pixel.

namespace {

constexpr double Patience = 60;  // seconds; a sanitizer build starts and draws slowly
const Colour PanelGrey = packColour(240, 240, 240);

class Driver {
 public:
  // On a scaled screen the toolkit reports the pointer in whole logical pixels, so the test
  // moves only to device pixels that such a position can name.
  Driver(VirtualScreen& screen, int scale)
      : screen_(screen), scale_(scale), canvas_(screen.size()) {
    platform_.screen = screen.size();
    k_.Form_Load();
  }

  void moveTo(QPoint p) {
    p = {p.x() / scale_ * scale_, p.y() / scale_ * scale_};
    if (p == pointer_) return;  // the server reports no move to where the pointer already is
    pointer_ = p;
    commands_ << QStringLiteral("mousemove") << QString::number(p.x()) << QString::number(p.y());
    const QPointF units = canvas_.toUnits(p);
    k_.Canvas_MouseMove(0, 0, float(units.x()), float(units.y()));
  }
  // button: 1 left, 2 right, 4 middle, as the program counts them.
  void click(int button) {
    const int xButton = button == 1 ? 1 : button == 2 ? 3 : 2;
    commands_ << QStringLiteral("click") << QString::number(xButton);
    k_.Canvas_MouseDown(button, 0, 0, 0);
  }
  void clickAt(QPoint p, int button) {
    moveTo(p);
    click(button);
  }
  void key(const QString& keysym, int keyAscii) {
    commands_ << QStringLiteral("key") << keysym;
    k_.Canvas_KeyPress(keyAscii);
  }
  // A curve of many short moves, sent at once so that they queue up in the program.
  QPoint stroke(QPoint from, int radius, int steps) {
    for (int i = 0; i <= steps; ++i) {
      const double a = i * 3.0 / steps;
      moveTo(from + QPoint(int(radius * std::sin(a)), int(radius * (1 - std::cos(a)))));
    }
    return pointer_;
  }
  bool send() {
    const bool sent = screen_.run(QStringLiteral("xdotool"), commands_) == 0;
    commands_.clear();
    return sent;
  }

  const QImage& predicted() const { return canvas_.Image(); }
  const Surface& canvas() const { return canvas_; }
  Kalyra& core() { return k_; }

 private:
  VirtualScreen& screen_;
  int scale_;
  FakePlatform platform_;
  Surface canvas_;
  Kalyra k_{canvas_, platform_};
  QStringList commands_;
  QPoint pointer_{-1, -1};
};

int differingPixels(const QImage& shot, const QImage& expected, QPoint* first = nullptr) {
  if (shot.size() != expected.size()) return shot.width() * shot.height() + 1;
  int n = 0;
  for (int y = 0; y < shot.height(); ++y) {
    const auto* a = reinterpret_cast<const QRgb*>(shot.constScanLine(y));
    const auto* b = reinterpret_cast<const QRgb*>(expected.constScanLine(y));
    for (int x = 0; x < shot.width(); ++x) {
      if ((a[x] & 0xffffff) != (b[x] & 0xffffff)) {
        if (n++ == 0 && first) *first = {x, y};
      }
    }
  }
  return n;
}

bool allWhite(const QImage& shot) {
  QImage white(shot.size(), QImage::Format_RGB32);
  white.fill(toQRgb(White));
  return differingPixels(shot, white) == 0;
}

bool containsColour(const QImage& shot, QRgb colour) {
  for (int y = 0; y < shot.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(shot.constScanLine(y));
    for (int x = 0; x < shot.width(); ++x)
      if ((row[x] & 0xffffff) == (colour & 0xffffff)) return true;
  }
  return false;
}

struct ScreenCase {
  QSize size;
  int scale;  // the program's Qt scale factor: 2 gives a high-density screen
};

class EndToEnd : public ::testing::TestWithParam<ScreenCase> {
 protected:
  // Where a control of the window or the canvas is on the screen, in device pixels.
  QRect control(Twips at) const {
    const QRect r = toPixels(at, 96);
    const int s = GetParam().scale;
    return {r.x() * s, r.y() * s, r.width() * s, r.height() * s};
  }
  QRect frameControl(Twips at) const {
    return control({at.left + 30, at.top + 120, at.width, at.height});
  }
  static Colour inside(const QImage& shot, QRect r) {
    return fromQRgb(shot.pixel(r.topLeft() + QPoint(5, 5)));
  }
  // A button's lower right corner is black where it shows.
  static bool buttonShows(const QImage& shot, QRect r) {
    return fromQRgb(shot.pixel(r.bottomRight())) == Black;
  }

  void expectScreenAsPredicted(VirtualScreen& screen, const Driver& driver) {
    const QImage shot = screen.waitFor(
        [&](const QImage& s) { return differingPixels(s, driver.predicted()) == 0; }, Patience);
    QPoint first;
    EXPECT_EQ(differingPixels(shot, driver.predicted(), &first), 0)
        << "first difference at " << first.x() << "," << first.y();
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
