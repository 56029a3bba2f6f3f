#include <cstring>
#include <random>

#include "core/CoreFixture.h"
#include "interaction/FloodFill.h"

namespace {

constexpr QRgb RgbBits = 0xffffff;

// The obvious fill, one pixel at a time: the oracle for the scanline fill.
QImage referenceFill(QImage image, QPoint start, QRgb surface, QRgb paint) {
  auto inside = [&](QPoint p) {
    return image.rect().contains(p) && (image.pixel(p) & RgbBits) == (surface & RgbBits);
  };
  if ((surface & RgbBits) == (paint & RgbBits) || !inside(start)) return image;
  std::vector<QPoint> todo{start};
  image.setPixel(start, paint);
  while (!todo.empty()) {
    const QPoint p = todo.back();
    todo.pop_back();
    for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
      if (!inside(p + d)) continue;
      image.setPixel(p + d, paint);
      todo.push_back(p + d);
    }
  }
  return image;
}

// Compares every byte, alpha included: untouched pixels must keep theirs.
bool sameBits(const QImage& a, const QImage& b) {
  return a.size() == b.size() && std::memcmp(a.constBits(), b.constBits(), a.sizeInBytes()) == 0;
}

QRect changedArea(const QImage& a, const QImage& b) {
  QRect area;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.pixel(x, y) != b.pixel(x, y)) area |= QRect(x, y, 1, 1);
  return area;
}

// A maze of one-pixel corridors between one-pixel walls, every corridor reachable.
QImage maze(int cellsWide, int cellsHigh, unsigned seed) {
  QImage image(2 * cellsWide + 1, 2 * cellsHigh + 1, QImage::Format_RGB32);
  image.fill(Qt::black);
  std::mt19937 random(seed);
  std::vector<QPoint> path{{0, 0}};
  image.setPixel(1, 1, qRgb(255, 255, 255));
  while (!path.empty()) {
    const QPoint c = path.back();
    std::vector<QPoint> next;
    for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
      const QPoint n = c + d;
      if (n.x() >= 0 && n.y() >= 0 && n.x() < cellsWide && n.y() < cellsHigh &&
          image.pixel(2 * n.x() + 1, 2 * n.y() + 1) != qRgb(255, 255, 255))
        next.push_back(n);
    }
    if (next.empty()) {
      path.pop_back();
      continue;
    }
    const QPoint n = next[random() % next.size()];
    image.setPixel(c.x() + n.x() + 1, c.y() + n.y() + 1, qRgb(255, 255, 255));
    image.setPixel(2 * n.x() + 1, 2 * n.y() + 1, qRgb(255, 255, 255));
    path.push_back(n);
  }
  return image;
}

}  // namespace

TEST(FloodFill, MatchesAPixelByPixelFillOnRandomPictures) {
  std::mt19937 random(7);
  // Two pixels differ only in the alpha byte: they are the same colour to the fill.
  const QRgb colours[] = {0xff102030, 0x00102030, 0xffffffff};
  for (int round = 0; round < 60; ++round) {
    QImage image(37 + round % 5, 23, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
      auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
      for (int x = 0; x < image.width(); ++x) row[x] = colours[random() % 5 < 3 ? random() % 2 : 2];
    }
    const QPoint start(random() % image.width(), random() % image.height());
    const QImage expected = referenceFill(image, start, 0x102030, 0xff00ff00);
    const QImage before = image.copy();
    const QRect area = flood::fillRegion(image, start, 0x102030, 0xff00ff00);
    ASSERT_TRUE(sameBits(image, expected)) << "round " << round;
    EXPECT_EQ(area, changedArea(before, image)) << "round " << round;
  }
}

TEST(FloodFill, DoesNothingOffThePictureOnAnotherColourOrInItsOwnColour) {
  QImage image(20, 10, QImage::Format_RGB32);
  image.fill(qRgb(1, 2, 3));
  const QImage before = image.copy();
  EXPECT_TRUE(flood::fillRegion(image, {20, 5}, qRgb(1, 2, 3), qRgb(9, 9, 9)).isEmpty());
  EXPECT_TRUE(flood::fillRegion(image, {-1, 5}, qRgb(1, 2, 3), qRgb(9, 9, 9)).isEmpty());
  EXPECT_TRUE(flood::fillRegion(image, {3, 3}, qRgb(7, 7, 7), qRgb(9, 9, 9)).isEmpty());
  // Painting a region its own colour ends at once instead of going round for ever.
  EXPECT_TRUE(flood::fillRegion(image, {3, 3}, qRgb(1, 2, 3), qRgb(1, 2, 3)).isEmpty());
  EXPECT_TRUE(sameBits(image, before));
}

TEST(FloodFill, OnePixelDiagonalLineStopsTheFill) {
  QImage image(50, 50, QImage::Format_RGB32);
  image.fill(Qt::white);
  for (int i = 0; i < 50; ++i) image.setPixel(i, i, qRgb(0, 0, 0));
  const QRect area = flood::fillRegion(image, {40, 5}, qRgb(255, 255, 255), qRgb(255, 0, 0));
  EXPECT_EQ(area, QRect(QPoint(1, 0), QPoint(49, 48)));
  EXPECT_EQ(image.pixel(5, 40), qRgb(255, 255, 255));
  int painted = 0;
  for (int y = 0; y < 50; ++y)
    for (int x = 0; x < 50; ++x) painted += image.pixel(x, y) == qRgb(255, 0, 0);
  EXPECT_EQ(painted, 49 * 50 / 2);
}

TEST(FloodFill, FillsAMazeOfOnePixelCorridorsCompletely) {
  QImage image = maze(300, 200, 11);
  const QImage before = image.copy();
  flood::fillRegion(image, {1, 1}, qRgb(255, 255, 255), qRgb(0, 0, 255));
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const bool wall = before.pixel(x, y) == qRgb(0, 0, 0);
      ASSERT_EQ(image.pixel(x, y), wall ? qRgb(0, 0, 0) : qRgb(0, 0, 255)) << x << "," << y;
    }
  }
}

class Fills : public CoreFixture {
 protected:
  void fillAt(std::int16_t x, std::int16_t y, Colour colour) {
    canvas.ForeColor = colour;
    k.MouseX = x;
    k.MouseY = y;
    k.FillAtPointer();
  }
};

constexpr Colour Blue = 0xff0000;
constexpr Colour Green = 0x00ff00;

// Outlines are 8-connected where they run slanted; the 4-connected fill must not slip through
// between two pixels that touch only at their corners.
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
      if (brush == 0) {
        for (const auto& p : loop) k.Canvas_MouseMove(0, 0, p[0], p[1]);
      } else {
        k.Canvas_MouseMove(0, 0, brush == 1 ? -40 : 0, brush == 1 ? -40 : 0);
      }
      const QImage expected =
          referenceFill(canvas.Image(), canvas.toPixel(0, 0), toQRgb(White), toQRgb(Blue));
      canvas.takeDirty();
      fillAt(0, 0, Blue);
      ASSERT_TRUE(sameBits(canvas.Image(), expected)) << brush << " " << th;
      EXPECT_EQ(pixelAt(-500, -390), White) << brush << " " << th;
      EXPECT_GT(countPixels(Blue), 1500) << brush << " " << th;
      EXPECT_TRUE(
          QRect(canvas.toPixel(-70, -70), canvas.toPixel(70, 70)).contains(canvas.takeDirty()));
    }
  }
}

TEST_F(Fills, MirrorImagesAreFilledFourAndEightWays) {
  k.sty_Click(2);
  k.view.ScrollSize = 30;
  k.ScrollSize_Change();
  penDown();
  k.Canvas_MouseMove(0, 0, 200, 100);  // eight circles
  k.mir_Click(1);
  fillAt(200, 100, Blue);
  for (int copy = 0; copy < 8; ++copy) {
    const auto p = mirrorCopy(copy, 200.0f, 100.0f);
    EXPECT_EQ(pixelAt(p.x, p.y), copy < 4 ? Blue : White) << copy;
  }
  EXPECT_EQ(canvas.fills.size(), 4u);

  // The surface colour is the pointer's white: the four circles already blue are left alone.
  canvas.fills.clear();
  k.mir_Click(2);
  fillAt(100, 200, Blue);
  ASSERT_EQ(canvas.fills.size(), 8u);
  for (int copy = 0; copy < 8; ++copy) {
    const auto p = mirrorCopy(copy, 100.0f, 200.0f);
    EXPECT_EQ(canvas.fills[copy], canvas.toPixel(p.x, p.y)) << copy;
    EXPECT_EQ(pixelAt(p.x, p.y), Blue) << copy;
  }
  EXPECT_EQ(pixelAt(0, 0), White);
  EXPECT_EQ(canvas.FillStyle, 1);
  EXPECT_EQ(canvas.FillColor, Blue);
}

TEST_F(Fills, PointerAlreadyInTheDrawingColourChangesNothingButTakesASnapshot) {
  penDown();
  k.Canvas_MouseMove(0, 0, 10, 10);
  k.Canvas_MouseMove(0, 0, 100, 50);
  const QImage before = canvas.Image().copy();
  canvas.takeDirty();
  fillAt(100, 50, Red);
  EXPECT_TRUE(sameBits(canvas.Image(), before));
  EXPECT_TRUE(canvas.takeDirty().isEmpty());
  EXPECT_TRUE(sameBits(k.Undo, before));
  EXPECT_EQ(k.FillSurfaceColor, Red);
  EXPECT_FALSE(k.PenUp);  // filling never lifts the pen
  EXPECT_TRUE(k.view.canvasFocusRequested);
}

TEST_F(Fills, WholeEmptyCanvasIsFilledAndMarkedChanged) {
  canvas.takeDirty();
  fillAt(0, 0, Green);
  EXPECT_EQ(countPixels(Green), 1024 * 768);
  EXPECT_EQ(canvas.takeDirty(), QRect(0, 0, 1024, 768));
}

// On a 1920 × 1080 screen the canvas is about ±711 units wide, ±400 high. A pointer at x = 500
// has diagonal images at y = ±500, off the canvas: they start on its top and bottom rows.
TEST(WideScreenFill, OffCanvasMirrorImagesStartOnTheNearestEdgeRow) {
  FakePlatform platform;
  platform.screen = {1920, 1080};
  RecordingSurface canvas(platform.screen);
  Kalyra k(canvas, platform);
  k.Form_Load();
  canvas.DrawWidth = 3;
  for (const float at : {-300.0f, 300.0f}) {
    canvas.Line(at, -400, at, 400);
    canvas.Line(-720, at, 720, at);
  }
  canvas.ForeColor = Blue;
  k.MouseX = 500;
  k.MouseY = 100;
  k.FillAtPointer();
  ASSERT_EQ(canvas.fills.size(), 8u);
  EXPECT_EQ(canvas.fills[4], QPoint(1095, 1079));
  EXPECT_EQ(canvas.fills[5], QPoint(825, 0));
  auto at = [&](float x, float y) { return fromQRgb(canvas.Image().pixel(canvas.toPixel(x, y))); };
  for (const float x : {-500.0f, 500.0f}) EXPECT_EQ(at(x, 0), Blue);  // left and right cells
  for (const float y : {-350.0f, 350.0f}) EXPECT_EQ(at(0, y), Blue);  // top and bottom cells
  for (const float x : {-500.0f, 0.0f, 500.0f}) {
    EXPECT_EQ(at(x, x == 0 ? 0 : -350), White);
    EXPECT_EQ(at(x, x == 0 ? 0 : 350), White);
  }
}

class Undo : public Fills {};

TEST_F(Undo, TwoFillsThenUndoTwiceShowsThePictureBeforeTheSecondBothTimes) {
  k.sty_Click(1);
  k.mir_Click(0);
  k.view.ScrollSize = 50;
  k.ScrollSize_Change();
  penDown();
  k.Canvas_MouseMove(0, 0, -50, -50);
  fillAt(0, 0, Blue);
  const QImage afterFirst = canvas.Image().copy();
  fillAt(300, 300, Green);
  for (int i = 0; i < 2; ++i) {
    penDown();
    k.StrokeStarted = true;
    k.RestoreUndoSnapshot();
    EXPECT_TRUE(sameBits(canvas.Image(), afterFirst)) << i;
    EXPECT_TRUE(k.PenUp);
    EXPECT_FALSE(k.StrokeStarted);
  }
  // The restored picture is the background now: repainting the background colour keeps it.
  canvas.setBackColor(Yellow);
  EXPECT_EQ(pixelAt(0, 0), Blue);
}

TEST_F(Undo, RestoreBeforeAnySnapshotLeavesOnlyTheBackgroundColour) {
  QImage picture(100, 80, QImage::Format_RGB32);
  picture.fill(Qt::blue);
  canvas.setPicture(picture);
  canvas.setBackColor(Yellow);
  penDown();
  k.Canvas_MouseMove(0, 0, 10, 10);
  k.RestoreUndoSnapshot();
  EXPECT_FALSE(canvas.hasPicture());
  EXPECT_EQ(countPixels(Yellow), 1024 * 768);
  EXPECT_TRUE(k.PenUp);
}

// A snapshot on every pen-down must not allocate a fresh picture nor leave the canvas shared, or
// the first move after it copies the whole canvas.
TEST_F(Undo, SnapshotReusesOneBufferAndNeverSharesTheCanvas) {
  const uchar* pixels = canvas.Image().constBits();
  k.TakeUndoSnapshot();
  const uchar* buffer = k.Undo.constBits();
  penDown();
  k.Canvas_MouseMove(0, 0, 10, 10);
  k.Canvas_MouseMove(0, 0, 90, 10);
  EXPECT_EQ(canvas.Image().constBits(), pixels);
  k.RestoreUndoSnapshot();
  k.TakeUndoSnapshot();
  EXPECT_EQ(k.Undo.constBits(), buffer);
  EXPECT_TRUE(sameBits(k.Undo, canvas.Image()));
  EXPECT_EQ(countPixels(Red), 0);
}
