#include "app/SymmetryStrip.h"
#include "widget/WindowFixture.h"

using SymmetryStripTest = WindowTest;

// The strip comes and goes with the panel and marks what is chosen, whether by its buttons or
// by the canvas keys; a mirror mode button goes back to the mirror modes.
TEST_F(SymmetryStripTest, ShowsTheChosenKindOrderAndSwitchesWithThePanel) {
  SymmetryStrip* strip = window.symmetryStrip();
  const auto face = [](FaceButton* b) { return b->grab().toImage().pixelColor(4, 4); };
  const auto on = [&](FaceButton* b) { return b->isChecked() && face(b) == Qt::yellow; };
  EXPECT_FALSE(strip->isVisible());
  clickCanvas(Qt::RightButton);
  ASSERT_TRUE(strip->isVisible());
  EXPECT_TRUE(!on(strip->cmdSpin) && !on(strip->cmdKaleidoscope) && !on(strip->cmdRainbow));
  click(strip->cmdKaleidoscope);
  EXPECT_TRUE(on(strip->cmdKaleidoscope) && !on(strip->cmdSpin) && face(panel.mir[2]) == Qt::white);
  EXPECT_EQ(QApplication::focusWidget(), canvas);
  for (const char key : {'+', '+', '-', 'r', 'g', 't'}) QTest::keyClick(canvas, key);
  EXPECT_EQ(strip->lblOrder->text(), "7");
  EXPECT_TRUE(on(strip->cmdSpin) && !on(strip->cmdKaleidoscope) && on(strip->cmdRainbow) &&
              on(strip->cmdGuides));
  click(panel.mir[1]);
  EXPECT_TRUE(!on(strip->cmdSpin) && face(panel.mir[1]) == Qt::yellow);
  EXPECT_FALSE(strip->cmdCentre->isCheckable());
  EXPECT_EQ(strip->cmdRainbow->accessibleDescription(), strip->cmdRainbow->toolTip());
  clickCanvas(Qt::RightButton);
  EXPECT_FALSE(strip->isVisible());
}

// Guides are painted over the picture on the screen only: the picture stays white, a colour
// pick on a guide reads the picture, and switching them off leaves the screen white.
TEST_F(SymmetryStripTest, GuidesShowOnTheScreenButNeverReachThePicture) {
  QTest::mouseMove(canvas, {300, 200});
  for (const char key : {'k', 'g', 'c'}) QTest::keyClick(canvas, key);
  const QPoint c = k.symmetry.centrePixel(window.surface());
  EXPECT_EQ(c, window.surface().toPixel(k.MouseX, k.MouseY));
  const auto guideBelow = [&](const QImage& shown) {
    for (int y = c.y() + 100; y < c.y() + 110; ++y)
      if (shown.pixelColor(c.x(), y) != Qt::white) return true;
    return false;
  };
  QTest::qWait(20);
  EXPECT_TRUE(guideBelow(canvas->grab().toImage()));
  QImage white(window.surface().pixelSize(), QImage::Format_RGB32);
  white.fill(Qt::white);
  EXPECT_TRUE(window.surface().Image() == white);
  QTest::mouseMove(canvas, c + QPoint(0, 104));
  QTest::keyClick(canvas, ' ');
  EXPECT_EQ(k.Canvas.ForeColor, White);
  QTest::keyClick(canvas, 'g');
  QTest::qWait(20);
  EXPECT_FALSE(guideBelow(canvas->grab().toImage()));
}
