#include <QTransform>
#include <cstring>
#include <random>

#include "core/CoreFixture.h"
#include "interaction/FloodFill.h"

namespace {
constexpr Colour Blue = 0xff0000;

// The obvious fill, one pixel at a time: the oracle for the scanline fill.
QImage referenceFill(QImage image, QPoint start, QRgb surface, QRgb paint) {
  std::vector<QPoint> todo{start};
  while (!todo.empty()) {
    const QPoint p = todo.back();
    todo.pop_back();
    if (image.rect().contains(p) && image.pixel(p) == surface)
      image.setPixel(p, paint), todo.insert(todo.end(), {p + QPoint(1, 0), p - QPoint(1, 0),
                                                         p + QPoint(0, 1), p - QPoint(0, 1)});
  }
  return image;
}
}  // namespace

// Winding corridors, clutter with one-pixel regions and regions touching every edge, widths on and
// off whole words of 64 pixels, starts in corners and on edges: pixels, alpha bytes included, and
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
  QImage winding = clutter(301, 41, 0);  // one corridor down the rows, turning at either end
  for (int y = 1; y < 41; y += 2)
    for (int x = 0; x < 300; ++x) winding.setPixel(y % 4 == 1 ? x : x + 1, y, 0xff000000);
  QImage comb = clutter(200, 3, 0);  // one-pixel teeth that only the top row joins
  for (int x = 1; x < 200; x += 2) comb.setPixel(x, 1, 0xff000000), comb.setPixel(x, 2, 0xff000000);
  for (const QImage& picture :
       {winding, winding.transformed(QTransform().rotate(90)), comb, clutter(256, 40, 40),
        clutter(131, 37, 55), clutter(64, 5, 0), clutter(130, 4, 0), clutter(300, 4, 2)}) {
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
      EXPECT_TRUE(
          countPixels(Blue) > 1500 &&
          QRect(canvas.toPixel(-70, -70), canvas.toPixel(70, 70)).contains(canvas.takeDirty()));
    }
  }
}
