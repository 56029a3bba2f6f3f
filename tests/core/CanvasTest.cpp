#include "core/CoreFixture.h"

using ::testing::ElementsAre;

// The canvas is 800 units high and as wide as the screen's aspect, with the origin at its
// centre; a stroke must land on the pixel the pointer is on, on odd screens too.
TEST(Mapping, ScaleFollowsTheScreenAndPixelsMapToUnitsAndBack) {
  const std::pair<QSize, float> screens[] = {
      {{1024, 768}, 1066.6667f}, {{1366, 767}, 1424.7718f}, {{801, 601}, 1066.2229f}};
  for (const auto& [screen, scaleWidth] : screens) {
    FakePlatform platform;
    platform.screen = screen;
    Surface canvas(screen);
    Kalyra k(canvas, platform);
    k.Form_Load();
    EXPECT_NEAR(canvas.ScaleWidth, scaleWidth, 1e-3) << screen.width();
    EXPECT_TRUE(canvas.ScaleHeight == 800 && canvas.ScaleTop == -400 && platform.seeds == 1 &&
                canvas.ScaleLeft == -canvas.ScaleWidth / 2 &&
                k.ScreenPixelWidth == screen.width() &&
                canvas.toPixel(0, 0) == QPoint(screen.width() / 2, screen.height() / 2));
    for (int y = 0; y < screen.height(); y += 7)
      for (int x = 0; x < screen.width(); x += 5) {
        const QPointF u = canvas.toUnits({x, y});
        ASSERT_EQ(canvas.toPixel(float(u.x()), float(u.y())), QPoint(x, y)) << screen.width();
      }
  }
}

class SurfacePixels : public CoreFixture {};

// Wide pens have round dots and caps; boxes and circles are filled only when solid.
TEST_F(SurfacePixels, DotsCapsAndShapes) {
  for (const auto& [width, count] : {std::pair{1, 1}, {3, 9}, {15, 177}}) {  // 15: round
    canvas.setBackColor(White);
    canvas.DrawWidth = width;
    canvas.Line(0, 0, 0, 0);
    EXPECT_NEAR(countPixels(Red), count, width == 15 ? 20 : 0) << width;
  }
  canvas.setBackColor(White);
  canvas.ForeColor = Yellow;
  canvas.Line(-100, 0, 100, 0);
  const QPoint end = canvas.toPixel(100, 0);
  EXPECT_TRUE(fromQRgb(canvas.Image().pixel(end + QPoint(7, 0))) == Yellow &&
              fromQRgb(canvas.Image().pixel(end + QPoint(6, 6))) == White);
  EXPECT_EQ(coloursUsed(), (std::set<Colour>{White, Yellow}));

  canvas.DrawWidth = 1, canvas.ForeColor = Red, canvas.FillColor = Yellow;
  for (const int style : {1, 0}) {
    canvas.setBackColor(White);
    canvas.FillStyle = style;
    canvas.Box(-50, -50, 50, 50);
    canvas.Circle(200, 0, 40);
    const Colour inside = style == 0 ? Yellow : White;
    EXPECT_TRUE(pixelAt(0, 0) == inside && pixelAt(200, 0) == inside) << style;
    EXPECT_TRUE(pixelAt(-50, 0) == Red && pixelAt(240, 0) == Red && pixelAt(-55, 0) != Red);
  }
}

// Off the picture reads the nearest edge; absurd coordinates draw nothing and overflow nothing.
TEST_F(SurfacePixels, OffThePictureReadsTheEdgeAndBackgroundsEraseAndSitTopLeft) {
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
  QImage picture(10, 6, QImage::Format_RGB32);
  picture.fill(qRgb(0, 0, 255));
  canvas.setPicture(picture);
  canvas.setBackColor(Yellow);
  const QImage& image = canvas.Image();
  EXPECT_TRUE(image.pixel(9, 5) == qRgb(0, 0, 255) && fromQRgb(image.pixel(10, 5)) == Yellow &&
              fromQRgb(image.pixel(9, 6)) == Yellow && countPixels(Red) == 0);
}

class Strokes : public CoreFixture {
 protected:
  void chooseBrush(int style, int size) {  // style 3 is the heptagon
    style < 3 ? k.sty_Click(style) : k.polyg_Click(4);
    setBrushSize(size);
  }
  // Moves with the pen down, recording only what these moves draw.
  void stroke(std::initializer_list<QPointF> moves) {
    penDown();
    canvas.ops.clear();
    for (const QPointF p : moves) k.Canvas_MouseMove(0, 0, float(p.x()), float(p.y()));
  }
};

// Every brush in eight-way mode, with or without the echo and the gradient, gives a picture
// with the square's eight symmetries to the pixel.
TEST_F(Strokes, EightWayPicturesAreExactlySymmetricInPixels) {
  for (int style = 0; style < 4; ++style) {
    for (int th : {0, 7}) {
      canvas.setBackColor(White);
      chooseBrush(style, 23);
      k.th_Click(th);
      if (th == 7) k.ToggleEcho(), k.CmdGradient_Click();
      stroke({{37.3, -12.9}, {81.6, 40.2}, {143.1, 47.7}, {151, 190.4}});
      if (th == 7) k.ToggleEcho(), k.CmdGradient_Click();
      const QPoint c = canvas.toPixel(0, 0);
      auto at = [&](int x, int y) { return canvas.Image().pixel(c.x() + x, c.y() + y); };
      for (int b = -370; b <= 370; ++b)
        for (int a = -370; a <= 370; ++a)
          ASSERT_TRUE(at(a, b) == at(-a, b) && at(a, b) == at(a, -b) && at(a, b) == at(b, a))
              << style << " " << th << " " << a << "," << b;
      EXPECT_TRUE(int(coloursUsed().size()) > (th == 7 ? 3 : 1) &&
                  std::ssize(pixels()) - countPixels(White) > 800);
    }
  }
}

// The pointer is kept in whole units rounded half to even. Squares extend right and down from
// the pointer, circles centre on it; the echo is offset by 150 units up and left before
// mirroring, and a new stroke's echo starts at its own pointer. Switched on mid-stroke, the
// echo starts 150 units behind the last point; its y is whole units.
TEST_F(Strokes, SquaresCirclesAndTheirEchoes) {
  k.Canvas_MouseMove(0, 0, 20.5f, 29.5f);
  EXPECT_TRUE(canvas.ops.empty() && k.MouseX == 20 && k.MouseY == 30);
  chooseBrush(1, 10);
  k.mir_Click(1);
  k.th_Click(2);
  stroke({{100, 50}});
  EXPECT_THAT(canvas.ops,
              ElementsAre(SegmentIs(100, 50, 120, 70), SegmentIs(-100, -50, -120, -70),
                          SegmentIs(100, -50, 120, -70), SegmentIs(-100, 50, -120, 70)));
  EXPECT_TRUE(canvas.ops[0].width == 5 && pixelAt(100, 60) == Red && pixelAt(110, 60) == White);
  chooseBrush(2, 20);
  k.ToggleEcho();
  stroke({{10, 20}});
  ASSERT_EQ(canvas.ops.size(), 8u);
  EXPECT_THAT(canvas.ops[0], SegmentIs(10, 20, 20, 0));    // centre and radius
  EXPECT_THAT(canvas.ops[5], SegmentIs(140, 130, 20, 0));  // copy 2's echo: down and right
  k.mir_Click(0);
  chooseBrush(0, 1);
  stroke({{300, -200}});
  EXPECT_THAT(canvas.ops,
              ElementsAre(SegmentIs(300, -200, 300, -200), SegmentIs(150, -350, 150, -350)));
  k.ToggleEcho(), k.mir_Click(0);
  stroke({{10.25, 20.5}});
  k.ToggleEcho();
  stroke({{30, 40.6}});
  EXPECT_TRUE(canvas.ops.size() == 2u && k.EchoLastY == -109);
  EXPECT_THAT(canvas.ops[1], SegmentIs(-139.75f, -130, -120, -109.4f));
}

// Corners turn step by step and the turning carries on from copy to copy, so every outline of
// every copy must still close.
TEST_F(Strokes, TriangleStartsRightAndTurnsDownwardAndEveryOutlineCloses) {
  k.mir_Click(0);
  k.DrawPolygon(100, 50, 3, 20);
  EXPECT_THAT(canvas.ops,
              ElementsAre(SegmentIs(120, 50, 120, 50), SegmentIs(120, 50, 90, 67.3205f),
                          SegmentIs(90, 67.3205f, 90, 32.6795f), SegmentIs(90, 32.6795f, 120, 50)));
  k.mir_Click(2);
  for (int sides = 3; sides <= 10; ++sides) {
    canvas.ops.clear();
    k.DrawPolygon(-37, 81, sides, 350);
    ASSERT_EQ(int(canvas.ops.size()), 8 * (sides + 1));
    for (int copy = 0; copy < 8; ++copy) {
      const auto& first = canvas.ops[copy * (sides + 1)];
      const auto& last = canvas.ops[copy * (sides + 1) + sides];
      EXPECT_THAT(last, SegmentIs(last.x1, last.y1, first.x1, first.y1)) << sides << " " << copy;
    }
  }
}

// Button `i` is marked yellow, all others white; a second click keeps the mark. Each button
// lifts the pen and gives the canvas the focus, but the size bar (1–350) keeps it.
TEST_F(Strokes, SelectorsMoveTheMarkSetTheirValueLiftThePenAndFocusTheCanvas) {
  const auto marked = [](const auto& buttons, int i) {
    return std::ranges::count(buttons, White) == std::ssize(buttons) - (i >= 0) &&
           (i < 0 || buttons[i] == Yellow);
  };
  const auto click = [&](void (Kalyra::*handler)(int), int i) {
    k.PenUp = false, k.StrokeStarted = true, k.view.canvasFocusRequested = false;
    (k.*handler)(i), (k.*handler)(i);
    EXPECT_TRUE(k.PenUp && !k.StrokeStarted && k.view.canvasFocusRequested) << i;
  };
  EXPECT_TRUE(marked(k.view.sty, 0) && marked(k.view.th, 1) && marked(k.view.mir, 2));
  for (int i = 0; i < 8; ++i) {
    click(&Kalyra::th_Click, i), click(&Kalyra::polyg_Click, i);
    EXPECT_TRUE(marked(k.view.th, i) && marked(k.view.polyg, i) && marked(k.view.sty, -1)) << i;
    EXPECT_TRUE(k.Thickness == 2 * i + 1 && k.PolySides == i + 3 && k.DrawStyle == 3) << i;
  }
  for (int i = 0; i < 3; ++i) {
    click(&Kalyra::sty_Click, i), click(&Kalyra::mir_Click, i);
    EXPECT_TRUE(marked(k.view.sty, i) && marked(k.view.polyg, -1) && marked(k.view.mir, i)) << i;
    EXPECT_TRUE(k.DrawStyle == i && k.MirrorMode == i) << i;
  }
  k.th_Click(8), k.sty_Click(-1), k.polyg_Click(8), k.mir_Click(3);  // beyond the arrays
  EXPECT_TRUE(k.Thickness == 15 && k.DrawStyle == 2 && k.MirrorMode == 2);
  k.PenUp = false, k.StrokeStarted = true, k.view.canvasFocusRequested = false;
  for (const auto& [asked, size] : {std::pair{351, 350}, {1, 1}, {0, 1}}) {
    setBrushSize(asked);
    EXPECT_EQ(k.BrushSize, size) << asked;
  }
  EXPECT_TRUE(k.PenUp && !k.StrokeStarted && !k.view.canvasFocusRequested);
}
