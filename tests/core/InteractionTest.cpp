#include <cstring>

#include "core/CoreFixture.h"
#include "interaction/FloodFill.h"
#include "support/Maze.h"

namespace {

constexpr int Left = 1, Right = 2, Middle = 4;
constexpr Colour Blue = 0xff0000;

// The obvious fill, one pixel at a time: the oracle for the scanline fill.
QImage referenceFill(QImage image, QPoint start, QRgb surface, QRgb paint) {
  if (image.pixel(start) != surface) return image;
  std::vector<QPoint> todo{start};
  for (image.setPixel(start, paint); !todo.empty();) {
    const QPoint p = todo.back();
    todo.pop_back();
    for (const QPoint n : {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)})
      if (image.rect().contains(n) && image.pixel(n) == surface)
        image.setPixel(n, paint), todo.push_back(n);
  }
  return image;
}

}  // namespace

class Presses : public CoreFixture {
 protected:
  // A press acts at the pointer of the last move, never where it is reported.
  void press(int button) { k.Canvas_MouseDown(button, 0, 333, 222); }
  bool panelShown() const { return k.view.isVisible(Control::cmdColorBar); }
};
using Keys = Presses;

// With clicks switched off ('/'), left and right do nothing, but the middle button still picks
// and fill mode still fills; a fill never touches the pen.
TEST_F(Presses, LeftTogglesThePenRightTogglesThePanelMiddlePicksInFillModeLeftFills) {
  press(Left);
  ASSERT_TRUE(!k.PenUp && !k.Undo.isNull());
  k.Canvas_MouseMove(0, 0, 50, 10);
  const QImage before = k.Undo.copy();
  press(Left);  // lifting the pen takes no snapshot
  EXPECT_TRUE(k.PenUp && !k.StrokeStarted && k.Undo == before && canvas.Image() != before);
  penDown();
  press(Right);  // shown: the pen is lifted
  EXPECT_TRUE(panelShown() && k.PenUp);
  penDown();
  press(Right);  // hidden: a drawing in progress goes on over the whole screen
  EXPECT_TRUE(!panelShown() && !k.PenUp && !k.view.canvasFocusRequested);

  k.Canvas_KeyPress('/');
  press(Left);
  press(Right);
  EXPECT_TRUE(!k.PenUp && k.Undo == before && !panelShown());
  canvas.setBackColor(Yellow);
  press(Middle);
  EXPECT_EQ(canvas.ForeColor, Yellow);
  k.CmdFill_Click();
  press(Left);
  k.Canvas_KeyPress('/');
  press(Left);
  EXPECT_TRUE(canvas.fills.size() == 16u && !k.PenUp);
}

// Ctrl+K flips whether Exit and Print belong on the panel: at once while it is shown, at the
// next show while it is hidden.
TEST_F(Keys, EachKeyDoesItsOneThingAndOthersNothing) {
  const auto exitAndPrint = [&] {
    return k.view.isVisible(Control::CmdExit) + k.view.isVisible(Control::CmdPrint);
  };
  k.Canvas_KeyPress(11);
  k.ShowPanel();
  EXPECT_TRUE(exitAndPrint() == 0 && panelShown());
  k.Canvas_KeyPress(11);
  EXPECT_EQ(std::ranges::count(k.view.visible, true), ControlCount);
  k.Canvas_KeyPress(11);
  k.HidePanel();
  k.ShowPanel();
  EXPECT_EQ(exitAndPrint(), 0);
  k.HidePanel();
  k.Canvas_KeyPress(11);
  EXPECT_EQ(std::ranges::count(k.view.visible, true), 0);

  k.Canvas_KeyPress('s');
  k.Canvas_KeyPress('S');
  EXPECT_TRUE(!k.EchoOn && k.view.Label1ForeColor == Black);
  k.Label1_Click();
  EXPECT_TRUE(k.EchoOn && k.view.Label1ForeColor == Red);
  for (int other : {19, 26, int('a'), 13, 127, 0, 255}) k.Canvas_KeyPress(other);
  EXPECT_TRUE(k.EchoOn && k.PenUp && k.Undo.isNull() && canvas.ForeColor == Red);

  // Space picks the colour under the pointer and keeps the gradient's directions.
  canvas.setBackColor(packColour(10, 20, 30));
  k.RedDir = -1;
  k.Canvas_KeyPress(' ');
  EXPECT_TRUE(canvas.ForeColor == packColour(10, 20, 30) && k.view.cmdColorBar == canvas.ForeColor);
  EXPECT_TRUE(Components(k.RedValue, k.GreenValue, k.BlueValue) == Components(10, 20, 30) &&
              k.RedDir == -1);
  // Esc fills with fill mode off; Backspace undoes it and lifts the pen.
  canvas.ForeColor = Yellow;
  k.Canvas_KeyPress(27);
  EXPECT_EQ(countPixels(Yellow), 1024 * 768);
  penDown();
  k.Canvas_KeyPress(8);
  EXPECT_TRUE(k.PenUp && countPixels(packColour(10, 20, 30)) == 1024 * 768);
}

TEST(FloodFill, StopsAtDiagonalsAndIgnoresStartsItCannotUse) {
  QImage image(50, 50, QImage::Format_RGB32);
  image.fill(Qt::white);
  for (int i = 0; i < 50; ++i) image.setPixel(i, i, 0xff000000);
  // Off the picture, on the line, and painting the surface colour itself: nothing.
  EXPECT_TRUE(flood::fillRegion(image, {50, 5}, 0xffffff, 0xff0000).isNull() &&
              flood::fillRegion(image, {5, 5}, 0xffffff, 0xff0000).isNull() &&
              flood::fillRegion(image, {9, 5}, 0xffffff, 0xffffff).isNull());
  reinterpret_cast<QRgb*>(image.scanLine(0))[30] = 0x00ffffff;  // only the unused alpha differs
  EXPECT_EQ(flood::fillRegion(image, {40, 5}, 0xffffff, 0xff0000), QRect(1, 0, 49, 49));
  EXPECT_EQ(image.pixel(30, 0), 0xffff0000);
  EXPECT_EQ(image.pixel(5, 40), 0xffffffff);  // a one-pixel diagonal holds a 4-connected fill
}

// Mazes, clutter with one-pixel regions and regions touching every edge, widths on and off
// whole words of 64 pixels, starts in corners and on edges: pixels, alpha bytes included, and
// the painted rectangle as the pixel-by-pixel fill gives them, with every instruction set.
TEST(FloodFill, MatchesThePixelByPixelFillWithEveryInstructionSet) {
  std::mt19937 random(5);
  const auto clutter = [&](int width, int height, unsigned blackPercent) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x)
        reinterpret_cast<QRgb*>(image.scanLine(y))[x] =
            random() % 100 < blackPercent ? 0xff000000 : (random() % 5 ? 0xffffffff : 0x00ffffff);
    return image;
  };
  QImage maze(601, 401, QImage::Format_RGB32);
  drawMaze(maze, 0xff000000, 0xffffffff, 11);
  QImage comb = clutter(200, 3, 0);  // one-pixel teeth that only the top row joins
  for (int x = 1; x < 200; x += 2) comb.setPixel(x, 1, 0xff000000), comb.setPixel(x, 2, 0xff000000);
  for (const QImage& picture : {maze, comb, clutter(256, 40, 40), clutter(131, 37, 55),
                                clutter(64, 5, 0), clutter(130, 4, 0), clutter(300, 4, 2)}) {
    const int right = picture.width() - 1, bottom = picture.height() - 1;
    for (const QPoint start : {QPoint(1, 1), QPoint(0, 0), QPoint(right, bottom), QPoint(right, 0),
                               QPoint(0, bottom / 2), QPoint(right / 2, bottom / 2)}) {
      const QImage expected = referenceFill(picture, start, 0xffffffff, 0xff0000ff);
      QRect painted;
      for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
          if (expected.pixel(x, y) != picture.pixel(x, y)) painted |= QRect(x, y, 1, 1);
      for (const auto simd : {flood::Simd::Plain, flood::Simd::Sse2, flood::Simd::Avx2}) {
        QImage image = picture.copy();
        EXPECT_EQ(flood::fillRegion(image, start, 0xffffff, 0x0000ff, simd), painted);
        EXPECT_EQ(std::memcmp(image.constBits(), expected.constBits(), image.sizeInBytes()), 0)
            << picture.width() << " " << start.x() << "," << start.y() << " " << int(simd);
      }
    }
  }
}

using Fills = CoreFixture;

// Slanted outlines are 8-connected: the fill must not slip between pixels touching at corners.
TEST_F(Fills, StopExactlyAtTheOutlineOfEveryBrushAndPenWidth) {
  const float loop[][2] = {{-60, -7}, {-5, -55}, {50, -30}, {58, 20},
                           {3, 61},   {-45, 35}, {-60, -7}};
  k.mir_Click(0);
  setBrushSize(40);
  for (int brush = 0; brush < 4; ++brush) {
    for (int th = 0; th < 8; ++th) {
      canvas.setBackColor(White);
      brush == 3 ? k.polyg_Click(4) : k.sty_Click(brush);
      k.th_Click(th);
      penDown();
      const float corner = brush == 1 ? -40 : 0;  // a square extends right and down
      for (const auto& p : loop)
        k.Canvas_MouseMove(0, 0, brush == 0 ? p[0] : corner, brush == 0 ? p[1] : corner);
      const QImage expected =
          referenceFill(canvas.Image(), canvas.toPixel(0, 0), toQRgb(White), toQRgb(Blue));
      canvas.takeDirty();
      fillAt(0, 0, Blue);
      ASSERT_TRUE(canvas.Image() == expected) << brush << " " << th;
      EXPECT_GT(countPixels(Blue), 1500) << brush << " " << th;
      EXPECT_TRUE(
          QRect(canvas.toPixel(-70, -70), canvas.toPixel(70, 70)).contains(canvas.takeDirty()));
    }
  }
}

// A pointer already in the drawing colour changes nothing, but still takes a snapshot.
TEST_F(Fills, MirrorImagesAreFilledFromTheSurfaceColourReadOnceAtThePointer) {
  k.sty_Click(2);
  setBrushSize(30);
  penDown();
  k.Canvas_MouseMove(0, 0, 200, 100);  // eight circles
  k.mir_Click(1);
  fillAt(200, 100, Blue);
  EXPECT_TRUE(pixelAt(-200, 100) == Blue && pixelAt(100, 200) == White);
  k.mir_Click(2);
  fillAt(100, 200, Yellow);  // the four circles already blue are not the surface colour now
  ASSERT_EQ(canvas.fills.size(), 12u);
  for (int copy = 0; copy < 8; ++copy) {
    const auto p = mirrorCopy(copy, 100.0f, 200.0f);
    EXPECT_TRUE(canvas.fills[4 + copy] == canvas.toPixel(p.x, p.y) &&
                pixelAt(p.x, p.y) == (copy < 4 ? Yellow : Blue))
        << copy;
  }
  EXPECT_EQ(pixelAt(0, 0), White);

  const QImage before = canvas.Image().copy();
  canvas.takeDirty();
  penDown();
  fillAt(100, 200, Yellow);
  EXPECT_TRUE(canvas.Image() == before && k.Undo == before && canvas.takeDirty().isEmpty());
  EXPECT_TRUE(!k.PenUp && canvas.FillStyle == 1);  // filling never lifts the pen
}

// The 1920 × 1080 canvas is ±711 units wide and ±400 high. A pointer at x = 500 has diagonal
// images at y = ±500, off the canvas: they start on its bottom and top rows.
class WideScreen : public CoreFixture {
 protected:
  WideScreen() : CoreFixture({1920, 1080}) {}
};

TEST_F(WideScreen, OffCanvasMirrorImagesStartOnTheNearestEdgeRow) {
  canvas.DrawWidth = 3;
  for (const float at : {-300.0f, 300.0f})
    canvas.Line(at, -400, at, 400), canvas.Line(-720, at, 720, at);
  fillAt(500, 100, Blue);
  ASSERT_EQ(canvas.fills.size(), 8u);
  EXPECT_TRUE(canvas.fills[4] == QPoint(1095, 1079) && canvas.fills[5] == QPoint(825, 0));
  EXPECT_TRUE(pixelAt(0, -350) == Blue && pixelAt(0, 350) == Blue && pixelAt(-500, 0) == Blue);
  EXPECT_TRUE(pixelAt(0, 0) == White && pixelAt(500, 350) == White);
}

// One level of undo, which a second undo puts back again. A snapshot on every pen-down must
// neither allocate a fresh picture nor share the canvas, or the next change copies the whole
// canvas.
TEST_F(Fills, UndoRestoresTheLastSnapshotTwice) {
  const uchar* pixels = canvas.Image().constBits();
  k.sty_Click(1);
  k.mir_Click(0);
  penDown();
  k.Canvas_MouseMove(0, 0, -1, -1);  // a small square
  fillAt(300, 300, Blue);            // the background around it
  const uchar* buffer = k.Undo.constBits();
  const QImage afterFirst = canvas.Image().copy();
  fillAt(0, 0, Yellow);  // the square
  EXPECT_TRUE(k.Undo.constBits() == buffer && canvas.Image().constBits() == pixels &&
              canvas.Image() != afterFirst);
  for (int i = 0; i < 2; ++i) {
    penDown();
    k.RestoreUndoSnapshot();
    EXPECT_TRUE(canvas.Image() == afterFirst && k.PenUp) << i;
  }
  k.Canvas_MouseDown(1, 0, 0, 0);  // the next snapshot still goes into the same buffer
  EXPECT_TRUE(k.Undo.constBits() == buffer && !k.PenUp);
}
