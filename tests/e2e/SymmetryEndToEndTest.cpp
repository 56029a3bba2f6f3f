#include <gtest/gtest.h>

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
  ASSERT_TRUE(program.waitForMainWindow(Patience) &&
              screen.waitFor(allWhite, Patience) != QImage());

  Driver driver(screen);
  const QRect kaleidoscope = controlOnScreen({30 + 1170, 7275 + 75, 1350, 375});
  driver.clickAt({900, 700}, 2);
  ASSERT_TRUE(driver.send());
  screen.waitFor([&](const QImage& s) { return inside(s, kaleidoscope) == White; }, Patience);
  driver.clickControl(kaleidoscope.center());
  driver.core().cmdKaleidoscope_Click();
  driver.clickAt({900, 700}, 2);
  driver.moveTo({600, 330});
  driver.key(QStringLiteral("c"), 'c');
  driver.clickAt({700, 300}, 1);
  const QPoint last = driver.stroke({700, 300}, 50, 30);
  driver.click(1);
  ASSERT_TRUE(driver.send());
  const QImage shot = expectScreenAsPredicted(screen, driver);
  const Symmetry& symmetry = driver.core().symmetry;
  ASSERT_TRUE(symmetry.copies(2) == 12 &&
              symmetry.centrePixel(driver.canvas()) == QPoint(600, 330));
  for (int k = 0; k < 12; ++k) {
    const QPointF p = symmetry.copy(k).apply(last.x() - 600, last.y() - 330);
    EXPECT_EQ(fromQRgb(shot.pixel(QPoint(600, 330) + p.toPoint())), Red) << "copy " << k;
  }
}
