#include "canvas/DirtyRegion.h"
#include "core/CoreFixture.h"

class SurfacePixels : public CoreFixture {};

// The changed area is handed to the window as one region built in a sweep; it must be the very
// region a union of the rectangles gives, or the window repaints too little or reads a
// malformed region. Rectangles on a coarse grid overlap, abut and line up across gaps.
TEST(ChangedArea, SweptRegionEqualsTheUnionOfOverlappingAbuttingAndScatteredRectangles) {
  unsigned seed = 7;
  const auto next = [&seed](int range) {
    return int((seed = seed * 1103515245 + 12345) >> 16) % range;
  };
  for (int set = 0; set < 8; ++set) {
    std::vector<QRect> rects(std::size_t(set) * 20);
    QRegion reference;
    for (QRect& r : rects)
      reference += r = QRect(4 * next(5 + 8 * set), next(20 + 20 * set), 4 * next(3), 1 + next(8));
    EXPECT_EQ(unionOf(rects), reference) << set;
  }
}

// Off the picture reads the nearest edge; absurd coordinates draw nothing and overflow nothing.
TEST_F(SurfacePixels, OffThePictureReadsTheEdgeAndAbsurdCoordinatesDrawNothing) {
  canvas.DrawWidth = 1;
  canvas.Line(canvas.ScaleLeft, -400, canvas.ScaleLeft, -400);
  const QPointF last = canvas.toUnits({1023, 767});  // the last column and row
  canvas.Line(float(last.x()), float(last.y()), float(last.x()), float(last.y()));
  EXPECT_TRUE(canvas.Point(canvas.ScaleLeft - 500, -4000) == Red &&
              canvas.Point(5000, 5000) == Red);
  canvas.DrawWidth = 15;
  canvas.Line(-3e38f, -1e30f, -1e9f, std::nanf(""));
  canvas.Circle(1e20f, -1e20f, 1e20f);
  EXPECT_EQ(countPixels(Red), 2);
}
