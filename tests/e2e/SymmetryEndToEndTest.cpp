#include <gtest/gtest.h>

#include <QProcessEnvironment>
#include <QTemporaryDir>

#include "e2e/Driver.h"

// A snowflake: kaleidoscope of order 6 chosen on the strip, the centre moved with its key, one
// stroke; the screen shows the replay's picture, with 12 copies about the new centre.
TEST(SymmetryEndToEnd, KaleidoscopeOfOrderSixAboutAMovedCentre) {
  VirtualScreen screen({1024, 768});
  ASSERT_TRUE(screen.ready());
  QTemporaryDir home;
  QProcessEnvironment env;
  for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"})
    env.insert(QString::fromLatin1(name), home.filePath(QString::fromLatin1(name)));
  env.insert(QStringLiteral("KALYRA_SPLASH_SECONDS"), QStringLiteral("0"));
  RunningProgram program(screen, {}, env);
  ASSERT_TRUE(program.waitForMainWindow(Patience));
  ASSERT_TRUE(allWhite(screen.waitFor(allWhite, Patience)));

  Driver driver(screen);
  const QPoint aside(900, 700);
  driver.clickAt(aside, 2);
  const QRect kaleidoscope = controlOnScreen({30 + 1170, 7275 + 75, 1350, 375});
  ASSERT_TRUE(driver.send());
  screen.waitFor([&](const QImage& s) { return inside(s, kaleidoscope) == White; }, Patience);
  driver.clickControl(kaleidoscope.center());
  driver.core().cmdKaleidoscope_Click();
  driver.clickAt(aside, 2);
  driver.moveTo({600, 330});
  driver.key(QStringLiteral("c"), 'c');
  driver.clickAt({700, 300}, 1);
  const QPoint last = driver.stroke({700, 300}, 50, 30);
  driver.click(1);
  ASSERT_TRUE(driver.send());
  const QImage shot = expectScreenAsPredicted(screen, driver);

  const Symmetry& symmetry = driver.core().symmetry;
  ASSERT_EQ(symmetry.copies(2), 12);
  const QPoint c = symmetry.centrePixel(driver.canvas());
  EXPECT_EQ(c, driver.canvas().toPixel(driver.canvas().toUnits({600, 330}).x(),
                                       driver.canvas().toUnits({600, 330}).y()));
  for (int k = 0; k < 12; ++k) {
    const QPointF p = symmetry.copy(k).apply(last.x() - c.x(), last.y() - c.y());
    EXPECT_EQ(fromQRgb(shot.pixel(c + p.toPoint())), Red) << "copy " << k;
  }
}
