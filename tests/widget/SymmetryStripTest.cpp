#include <ranges>

#include "app/SymmetryStrip.h"
#include "widget/WindowFixture.h"

using SymmetryStripTest = WindowTest;

// The strip comes and goes with the panel and marks what its buttons and the canvas keys chose;
// a mirror mode button goes back to the mirror modes. Guides show on the screen only: the
// picture stays white, and a colour pick on a guide reads the picture.
TEST_F(SymmetryStripTest, ShowsTheChosenSymmetryAndGuidesThatNeverReachThePicture) {
  SymmetryStrip* strip = window.symmetryStrip();
  const auto on = [](FaceButton* b) {
    return b->isChecked() && b->grab().toImage().pixelColor(4, 4) == Qt::yellow;
  };
  clickCanvas(Qt::RightButton, {300, 200});
  ASSERT_TRUE(strip->isVisible() && !on(strip->cmdKaleidoscope));
  click(strip->cmdKaleidoscope);
  EXPECT_TRUE(on(strip->cmdKaleidoscope) && !on(strip->cmdSpin) &&
              panel.mir[2]->face() == Qt::white);
  QTest::mouseMove(canvas, {300, 200});
  for (const char key : {'+', '+', '-', 'r', 'g', 'c'}) QTest::keyClick(canvas, key);
  EXPECT_TRUE(strip->lblOrder->text() == "7" && on(strip->cmdRainbow) && on(strip->cmdGuides));
  EXPECT_EQ(strip->cmdRainbow->accessibleDescription(), strip->cmdRainbow->toolTip());

  const QPoint c = k.symmetry.centrePixel(window.surface());
  ASSERT_TRUE(c == window.surface().toPixel(k.MouseX, k.MouseY) && k.MouseX != 0);
  const auto guideBelow = [&] {
    const QImage shown = canvas->grab().toImage();
    return std::ranges::any_of(std::views::iota(100, 110), [&](int d) {
      return shown.pixelColor(c.x(), c.y() + d) != Qt::white;
    });
  };
  EXPECT_TRUE(guideBelow());
  QImage white(window.surface().pixelSize(), QImage::Format_RGB32);
  white.fill(Qt::white);
  EXPECT_TRUE(window.surface().Image() == white);
  QTest::mouseMove(canvas, c + QPoint(0, 104));
  QTest::keyClick(canvas, ' ');
  EXPECT_EQ(k.Canvas.ForeColor, White);
  QTest::keyClick(canvas, 't');
  click(panel.mir[1]);  // back to the mirror modes, whose guides are the axes
  EXPECT_TRUE(!on(strip->cmdSpin) && panel.mir[1]->face() == Qt::yellow && guideBelow());
  QTest::keyClick(canvas, 'g');
  clickCanvas(Qt::RightButton, c + QPoint(0, 104));
  EXPECT_FALSE(strip->isVisible() || guideBelow());
}
