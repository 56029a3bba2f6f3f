#include "core/CoreFixture.h"

namespace {

struct ScreenCase {
  QSize screen;
  float scaleWidth;
};

class CoordinateMapping : public ::testing::TestWithParam<ScreenCase> {};

}  // namespace

TEST_P(CoordinateMapping, CentreOriginEightHundredUnitsHighScreenAspect) {
  const auto [screen, scaleWidth] = GetParam();
  FakePlatform platform;
  platform.screen = screen;
  Surface canvas(screen);
  Kalyra k(canvas, platform);
  k.Form_Load();

  EXPECT_NEAR(canvas.ScaleWidth, scaleWidth, 1e-3);
  EXPECT_FLOAT_EQ(canvas.ScaleHeight, 800);
  EXPECT_FLOAT_EQ(canvas.ScaleTop, -400);
  EXPECT_NEAR(canvas.ScaleLeft, -scaleWidth / 2, 1e-3);
  EXPECT_EQ(k.ScreenPixelWidth, screen.width());
  EXPECT_EQ(k.ScreenPixelHeight, screen.height());

  EXPECT_EQ(canvas.toPixel(0, 0), QPoint(screen.width() / 2, screen.height() / 2));
  EXPECT_EQ(canvas.toPixel(canvas.ScaleLeft, -400), QPoint(0, 0));
  EXPECT_EQ(canvas.toPixel(-canvas.ScaleLeft, 400), QPoint(screen.width(), screen.height()));
  // One unit is equally long on both axes.
  const QPoint right = canvas.toPixel(100, 0) - canvas.toPixel(0, 0);
  const QPoint down = canvas.toPixel(0, 100) - canvas.toPixel(0, 0);
  EXPECT_EQ(right.x(), down.y());
}

INSTANTIATE_TEST_SUITE_P(Screens, CoordinateMapping,
                         ::testing::Values(ScreenCase{{1024, 768}, 1066.6667f},
                                           ScreenCase{{1280, 1024}, 1000.0f},
                                           ScreenCase{{1920, 1080}, 1422.2222f}));

class SurfacePixels : public CoreFixture {};

TEST_F(SurfacePixels, ZeroLengthLineLeavesADotOfThePenWidth) {
  canvas.ForeColor = Red;
  canvas.DrawWidth = 1;
  canvas.Line(0, 0, 0, 0);
  EXPECT_EQ(countPixels(Red), 1);
  EXPECT_EQ(pixelAt(0, 0), Red);

  canvas.setBackColor(White);
  canvas.DrawWidth = 3;
  canvas.Line(0, 0, 0, 0);
  EXPECT_EQ(countPixels(Red), 9);  // a 3 × 3 block around the pixel

  canvas.setBackColor(White);
  canvas.DrawWidth = 15;
  canvas.Line(0, 0, 0, 0);
  const int dot = countPixels(Red);
  EXPECT_NEAR(dot, 3.14159 * 7.5 * 7.5, 20);  // a round dot, not a square one
}

TEST_F(SurfacePixels, WideLinesHaveRoundCapsAndExactColours) {
  canvas.ForeColor = packColour(10, 200, 30);
  canvas.DrawWidth = 15;
  canvas.Line(-100, 0, 100, 0);
  const QPoint end = canvas.toPixel(100, 0);
  // Round cap: 7 pixels beyond the end on the axis, but not at the corner of a square cap.
  EXPECT_EQ(fromQRgb(canvas.Image().pixel(end + QPoint(7, 0))), packColour(10, 200, 30));
  EXPECT_EQ(fromQRgb(canvas.Image().pixel(end + QPoint(6, 6))), White);
  EXPECT_EQ(fromQRgb(canvas.Image().pixel(end + QPoint(0, 7))), packColour(10, 200, 30));
  EXPECT_EQ(coloursUsed(), (std::set<Colour>{White, packColour(10, 200, 30)}));
}

TEST_F(SurfacePixels, BoxesAndCirclesFillOnlyWhenSolid) {
  canvas.DrawWidth = 1;
  canvas.ForeColor = Red;
  canvas.FillColor = Yellow;
  canvas.FillStyle = 1;
  canvas.Box(-50, -50, 50, 50);
  canvas.Circle(200, 0, 40);
  EXPECT_EQ(pixelAt(0, 0), White);
  EXPECT_EQ(pixelAt(200, 0), White);
  EXPECT_EQ(pixelAt(-50, 0), Red);
  EXPECT_EQ(pixelAt(240, 0), Red);

  canvas.FillStyle = 0;
  canvas.Box(-50, -50, 50, 50);
  canvas.Circle(200, 0, 40);
  EXPECT_EQ(pixelAt(0, 0), Yellow);
  EXPECT_EQ(pixelAt(200, 0), Yellow);
  EXPECT_EQ(pixelAt(-50, 0), Red);
}

TEST_F(SurfacePixels, PointOffThePictureReadsTheNearestEdgePixel) {
  canvas.ForeColor = Red;
  canvas.DrawWidth = 1;
  canvas.Line(canvas.ScaleLeft, -400, canvas.ScaleLeft, -400);
  EXPECT_EQ(canvas.Point(canvas.ScaleLeft - 500, -4000), Red);
  EXPECT_EQ(canvas.Point(5000, 5000), White);
  // Absurd coordinates far off the picture draw nothing on it and overflow nothing.
  canvas.DrawWidth = 15;
  canvas.Line(-3e38f, -1e30f, -1e9f, std::nanf(""));
  canvas.Circle(1e20f, -1e20f, 1e20f);
  EXPECT_EQ(countPixels(Red), 1);
}

TEST_F(SurfacePixels, BackColourErasesAndPictureSitsTopLeft) {
  canvas.DrawWidth = 5;
  canvas.Line(-100, -100, 100, 100);
  QImage picture(10, 6, QImage::Format_RGB32);
  picture.fill(qRgb(0, 0, 255));
  canvas.setPicture(picture);
  EXPECT_EQ(pixelAt(0, 0), White);
  EXPECT_EQ(fromQRgb(canvas.Image().pixel(9, 5)), packColour(0, 0, 255));
  EXPECT_EQ(fromQRgb(canvas.Image().pixel(10, 5)), White);

  canvas.setBackColor(Yellow);
  EXPECT_EQ(fromQRgb(canvas.Image().pixel(0, 0)), packColour(0, 0, 255));
  EXPECT_EQ(fromQRgb(canvas.Image().pixel(10, 0)), Yellow);

  canvas.setPicture(std::nullopt);
  EXPECT_EQ(coloursUsed(), std::set<Colour>{Yellow});
}

TEST_F(SurfacePixels, ChangedAreaCoversEveryDrawnPixelAndNoMore) {
  (void)canvas.takeDirty();
  canvas.DrawWidth = 15;
  canvas.Line(-10, -10, 30, 20);
  canvas.Circle(-200, 100, 20);
  const QRect dirty = canvas.takeDirty();
  const QImage& image = canvas.Image();
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      if (fromQRgb(image.pixel(x, y)) != White) {
        ASSERT_TRUE(dirty.contains(x, y)) << x << "," << y;
      }
    }
  EXPECT_LT(dirty.width() * dirty.height(), image.width() * image.height() / 4);
  EXPECT_TRUE(canvas.takeDirty().isEmpty());
}

// The window turns pointer pixels into units with toUnits; a stroke must land on the pixel the
// pointer is on, on every screen size, odd ones included.
TEST(PointerMapping, UnitsOfAPixelMapBackToThatPixel) {
  for (const QSize screen : {QSize(1024, 768), QSize(1280, 1024), QSize(3840, 2160),
                             QSize(1366, 767), QSize(801, 601)}) {
    FakePlatform platform;
    platform.screen = screen;
    Surface canvas(screen);
    Kalyra k(canvas, platform);
    k.Form_Load();
    for (int y = 0; y < screen.height(); y += 7)
      for (int x = 0; x < screen.width(); x += 5) {
        const QPointF units = canvas.toUnits({x, y});
        ASSERT_EQ(canvas.toPixel(float(units.x()), float(units.y())), QPoint(x, y))
            << screen.width() << "x" << screen.height();
      }
    if (screen.width() % 2 == 0 && screen.height() % 2 == 0) {
      const QPointF corner = canvas.toUnits({0, 0});
      EXPECT_NEAR(corner.x(), canvas.ScaleLeft, 1e-3);
      EXPECT_NEAR(corner.y(), -400, 1e-3);
    }
    EXPECT_EQ(canvas.toUnits({screen.width() / 2, screen.height() / 2}), QPointF(0, 0));
  }
}

TEST_F(SurfacePixels, ChangedRegionKeepsMirrorCopiesApart) {
  (void)canvas.takeDirty();
  canvas.DrawWidth = 3;
  canvas.Line(-500, -300, -490, -300);
  canvas.Line(500, 300, 490, 300);
  const QRegion changed = canvas.takeDirtyRegion();
  EXPECT_EQ(changed.rectCount(), 2);
  int area = 0;
  for (const QRect& r : changed) area += r.width() * r.height();
  EXPECT_LT(area, 200);
  EXPECT_TRUE(canvas.takeDirtyRegion().isEmpty());
}
