#include <ranges>

#include "app/SymmetryStrip.h"
#include "widget/WindowFixture.h"

using SymmetryStripTest = WindowTest;

// The strip comes and goes with the panel and marks what its buttons and the canvas keys chose;
// a mirror mode button goes back to the mirror modes. Guides show on the screen only: the
// picture stays white, and a colour pick on a guide reads the picture.
TEST_F(SymmetryStripTest, ShowsTheChosenSymmetryAndGuidesThatNeverReachThePicture) {
  SymmetryStrip* strip = window.symmetryStrip();
  const auto on = [](FaceButton* b) { return b->isChecked() && faceOf(b) == Qt::yellow; };
  tap(Qt::RightButton, {300, 200});
  ASSERT_TRUE(strip->isVisible() && !on(strip->cmdKaleidoscope));
  click(strip->cmdKaleidoscope);
  EXPECT_TRUE(on(strip->cmdKaleidoscope) && !on(strip->cmdSpin) &&
              faceOf(panel.mir[2]) == Qt::white);
  QTest::mouseMove(canvas, {300, 200});
  for (const char key : {'+', '+', '-', 'r', 'c'}) QTest::keyClick(canvas, key);
  EXPECT_TRUE(strip->lblOrder->text() == "7" && on(strip->cmdRainbow) && !on(strip->cmdGuides));
  QTest::keyClick(canvas, 'g');

  const QPoint c = k.symmetry.centrePixel(window.surface());
  ASSERT_TRUE(c == window.surface().toPixel(k.MouseX, k.MouseY) && k.MouseX != 0);
  const auto guideBelow = [&](bool onScreen = true) {
    const QImage shown = onScreen ? canvas->grab().toImage() : window.surface().Image();
    return std::ranges::any_of(std::views::iota(100, 110), [&](int d) {
      return shown.pixelColor(c.x(), c.y() + d) != Qt::white;
    });
  };
  EXPECT_TRUE(guideBelow() && !guideBelow(false));
  QTest::mouseMove(canvas, c + QPoint(0, 104));
  QTest::keyClick(canvas, ' ');
  EXPECT_EQ(k.Canvas.ForeColor, White);
  QTest::keyClick(canvas, 't');
  click(panel.mir[1]);  // back to the mirror modes, whose guides are the axes
  EXPECT_TRUE(!on(strip->cmdSpin) && faceOf(panel.mir[1]) == Qt::yellow && guideBelow());
  QTest::keyClick(canvas, 'g');
  for (int i = 0; i < 40; ++i) QTest::keyClick(canvas, '-');
  EXPECT_EQ(strip->lblOrder->text(), "2");  // the least order
  tap(Qt::RightButton, c + QPoint(0, 104));
  EXPECT_FALSE(strip->isVisible() || guideBelow());
}
