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

// Segments join a changed rectangle they overlap, the many dots beyond the kept count join the
// last one, and the tiles remember rectangles taken before: the changed area must still hold
// every pixel changed since it was last taken, and not much more.
TEST(ChangedArea, HoldsEveryPixelChangedSinceItWasLastTaken) {
  Surface canvas({300, 200});
  canvas.DrawWidth = 3;
  for (int round = 0; round < 3; ++round) {
    const QImage before = canvas.Image().copy();
    canvas.ForeColor = round == 1 ? Yellow : Red;
    for (int i = 0; i < 12; ++i)
      canvas.Line(20 + 9 * i, 30 + i % 2 * 40, 29 + 9 * i, 30 + (i + 1) % 2 * 40);
    canvas.Line(10 + 60 * round, 90, 200, 10 + round * 40);
    for (int n = 0; n < 170; ++n) {
      const int i = round == 1 ? 169 - n : n;  // so the tiles' last rectangles differ each time
      canvas.Line(6 + 12 * (i % 24), 100 + 12 * (i / 24), 6 + 12 * (i % 24), 100 + 12 * (i / 24));
    }
    const QRegion changed = round ? canvas.takeDirtyRegion() : QRegion(canvas.takeDirty());
    int area = 0;  // of the picture's 60000 pixels
    for (const QRect& r : changed) area += r.width() * r.height();
    EXPECT_TRUE(round == 0 || area < 25000) << round;
    for (int y = 0; y < 200; ++y)
      for (int x = 0; x < 300; ++x)
        ASSERT_TRUE(canvas.Image().pixel(x, y) == before.pixel(x, y) || changed.contains({x, y}));
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

using Strokes = CoreFixture;

// Every brush in eight-way mode, with or without the echo and the gradient, gives a picture
// with the square's eight symmetries to the pixel.
TEST_F(Strokes, EightWayPicturesAreExactlySymmetricInPixels) {
  for (int style = 0; style < 4; ++style) {
    for (int th : {0, 7}) {
      canvas.setBackColor(White);
      style < 3 ? k.sty_Click(style) : k.polyg_Click(4);  // 3: the heptagon
      setBrushSize(23);
      k.th_Click(th);
      if (th == 7) k.ToggleEcho(), k.CmdGradient_Click();
      penDown();
      for (const QPointF p : {QPointF(37.3, -12.9), {81.6, 40.2}, {143.1, 47.7}, {151, 190.4}})
        k.Canvas_MouseMove(0, 0, float(p.x()), float(p.y()));
      if (th == 7) k.ToggleEcho(), k.CmdGradient_Click();
      const QPoint c = canvas.toPixel(0, 0);
      auto at = [&](int x, int y) { return canvas.Image().pixel(c.x() + x, c.y() + y); };
      for (int b = -370; b <= 370; ++b)
        for (int a = -370; a <= 370; ++a)
          ASSERT_TRUE(at(a, b) == at(-a, b) && at(a, b) == at(a, -b) && at(a, b) == at(b, a))
              << style << " " << th << " " << a << "," << b;
      EXPECT_TRUE(std::set(pixels().begin(), pixels().end()).size() > (th == 7 ? 3u : 1u) &&
                  std::ssize(pixels()) - countPixels(White) > 800);
    }
  }
}
