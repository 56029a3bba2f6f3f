#include "core/CoreFixture.h"
#include "interaction/FloodFill.h"
#include "support/Maze.h"

namespace {

constexpr Colour Blue = 0xff0000;
constexpr Colour Green = 0x00ff00;

// The obvious fill, one pixel at a time: the oracle for the scanline fill.
QImage referenceFill(QImage image, QPoint start, QRgb surface, QRgb paint) {
  auto in = [&](QPoint p) { return image.rect().contains(p) && image.pixel(p) == surface; };
  std::vector<QPoint> todo{start};
  for (image.setPixel(start, paint); !todo.empty();) {
    const QPoint p = todo.back();
    todo.pop_back();
    for (const QPoint n : {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)})
      if (in(n)) image.setPixel(n, paint), todo.push_back(n);
  }
  return image;
}

}  // namespace

TEST(FloodFill, StopsAtDiagonalsFillsMazesAndIgnoresStartsItCannotUse) {
  QImage image(50, 50, QImage::Format_RGB32);
  image.fill(Qt::white);
  for (int i = 0; i < 50; ++i) image.setPixel(i, i, 0xff000000);
  EXPECT_TRUE(flood::fillRegion(image, {50, 5}, 0xffffff, 0xff0000).isNull());  // off the picture
  EXPECT_TRUE(flood::fillRegion(image, {5, 5}, 0xffffff, 0xff0000).isNull());   // on the line
  EXPECT_TRUE(flood::fillRegion(image, {9, 5}, 0xffffff, 0xffffff).isNull());   // its own colour
  reinterpret_cast<QRgb*>(image.scanLine(0))[30] = 0x00ffffff;  // only the unused alpha differs
  EXPECT_EQ(flood::fillRegion(image, {40, 5}, 0xffffff, 0xff0000), QRect(1, 0, 49, 49));
  EXPECT_EQ(image.pixel(30, 0), 0xffff0000);
  EXPECT_EQ(image.pixel(5, 40), 0xffffffff);  // a one-pixel diagonal holds a 4-connected fill

  QImage maze(601, 401, QImage::Format_RGB32);
  drawMaze(maze, 0xff000000, 0xffffffff, 11);
  const QImage expected = referenceFill(maze, {1, 1}, 0xffffffff, 0xff0000ff);
  flood::fillRegion(maze, {1, 1}, 0xffffff, 0x0000ff);
  EXPECT_TRUE(maze == expected);
}

class Fills : public CoreFixture {
 protected:
  explicit Fills(QSize screen = {1024, 768}) : CoreFixture(screen) {}
  void fillAt(std::int16_t x, std::int16_t y, Colour colour) {
    canvas.ForeColor = colour;
    k.MouseX = x, k.MouseY = y;
    k.FillAtPointer();
  }
};

// Slanted outlines are 8-connected: the fill must not slip between pixels touching at corners.
TEST_F(Fills, StopExactlyAtTheOutlineOfEveryBrushAndPenWidth) {
  const float loop[][2] = {{-60, -7}, {-5, -55}, {50, -30}, {58, 20},
                           {3, 61},   {-45, 35}, {-60, -7}};
  k.mir_Click(0);
  k.view.ScrollSize = 40;
  k.ScrollSize_Change();
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
      EXPECT_EQ(pixelAt(-500, -390), White) << brush << " " << th;
      EXPECT_GT(countPixels(Blue), 1500) << brush << " " << th;
      EXPECT_TRUE(
          QRect(canvas.toPixel(-70, -70), canvas.toPixel(70, 70)).contains(canvas.takeDirty()));
    }
  }
}

TEST_F(Fills, MirrorImagesAreFilledFromTheSurfaceColourReadOnceAtThePointer) {
  k.sty_Click(2);
  k.view.ScrollSize = 30;
  k.ScrollSize_Change();
  penDown();
  k.Canvas_MouseMove(0, 0, 200, 100);  // eight circles
  k.mir_Click(1);
  fillAt(200, 100, Blue);
  EXPECT_EQ(pixelAt(-200, 100), Blue);
  EXPECT_EQ(pixelAt(100, 200), White);
  k.mir_Click(2);
  fillAt(100, 200, Blue);  // the four circles already blue are not the surface colour now
  ASSERT_EQ(canvas.fills.size(), 12u);
  for (int copy = 0; copy < 8; ++copy) {
    const auto p = mirrorCopy(copy, 100.0f, 200.0f);
    EXPECT_EQ(canvas.fills[4 + copy], canvas.toPixel(p.x, p.y)) << copy;
    EXPECT_EQ(pixelAt(p.x, p.y), Blue) << copy;
  }
  EXPECT_EQ(pixelAt(0, 0), White);
}

TEST_F(Fills, PointerAlreadyInTheDrawingColourChangesNothingButTakesASnapshot) {
  penDown();
  k.Canvas_MouseMove(0, 0, 100, 50);
  const QImage before = canvas.Image().copy();
  canvas.takeDirty();
  fillAt(100, 50, Red);
  EXPECT_TRUE(canvas.Image() == before && k.Undo == before && canvas.takeDirty().isEmpty());
  EXPECT_TRUE(!k.PenUp && k.view.canvasFocusRequested);  // filling never lifts the pen
  EXPECT_TRUE(canvas.FillStyle == 1 && canvas.FillColor == Red);
  canvas.setBackColor(White);
  fillAt(0, 0, Green);
  EXPECT_EQ(countPixels(Green), 1024 * 768);
  EXPECT_EQ(canvas.takeDirty(), QRect(0, 0, 1024, 768));
}

// The 1920 × 1080 canvas is ±711 units wide and ±400 high. A pointer at x = 500 has diagonal
// images at y = ±500, off the canvas: they start on its bottom and top rows.
class WideScreen : public Fills {
 protected:
  WideScreen() : Fills({1920, 1080}) {}
};

TEST_F(WideScreen, OffCanvasMirrorImagesStartOnTheNearestEdgeRow) {
  canvas.DrawWidth = 3;
  for (const float at : {-300.0f, 300.0f})
    canvas.Line(at, -400, at, 400), canvas.Line(-720, at, 720, at);
  fillAt(500, 100, Blue);
  ASSERT_EQ(canvas.fills.size(), 8u);
  EXPECT_EQ(canvas.fills[4], QPoint(1095, 1079));
  EXPECT_EQ(canvas.fills[5], QPoint(825, 0));
  for (const float y : {-350.0f, 350.0f}) EXPECT_EQ(pixelAt(0, y), Blue);  // cells above, below
  EXPECT_EQ(pixelAt(-500, 0), Blue);
  EXPECT_EQ(pixelAt(0, 0), White);
  EXPECT_EQ(pixelAt(500, 350), White);
}

TEST_F(Fills, UndoTwiceAfterTwoFillsShowsThePictureBeforeTheSecondBothTimes) {
  k.sty_Click(1);
  k.mir_Click(0);
  penDown();
  k.Canvas_MouseMove(0, 0, -1, -1);  // a small square
  fillAt(300, 300, Blue);            // the background around it
  const QImage afterFirst = canvas.Image().copy();
  fillAt(0, 0, Green);  // the square
  for (int i = 0; i < 2; ++i) {
    penDown();
    k.RestoreUndoSnapshot();
    EXPECT_TRUE(canvas.Image() == afterFirst && k.PenUp) << i;
  }
}

// Before any snapshot an undo leaves only the background colour. A snapshot on every pen-down
// must neither allocate a fresh picture nor share the canvas, or the first move copies it.
TEST_F(Fills, UndoBeforeAnySnapshotLeavesTheBackgroundThenOneUnsharedBufferIsReused) {
  QImage picture(100, 80, QImage::Format_RGB32);
  picture.fill(Qt::blue);
  canvas.setPicture(picture);
  canvas.setBackColor(Yellow);
  k.RestoreUndoSnapshot();
  EXPECT_FALSE(canvas.hasPicture());
  EXPECT_EQ(countPixels(Yellow), 1024 * 768);

  const uchar* pixels = canvas.Image().constBits();
  k.TakeUndoSnapshot();
  const uchar* buffer = k.Undo.constBits();
  penDown();
  k.Canvas_MouseMove(0, 0, 10, 10);
  EXPECT_EQ(canvas.Image().constBits(), pixels);
  k.RestoreUndoSnapshot();
  k.TakeUndoSnapshot();
  EXPECT_EQ(k.Undo.constBits(), buffer);
  EXPECT_EQ(countPixels(Yellow), 1024 * 768);
}
