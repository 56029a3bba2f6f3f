#include "core/CoreFixture.h"

using ::testing::ElementsAre;

// The canvas is 800 units high and as wide as the screen's aspect, with the origin at its
// centre; a stroke must land on the pixel the pointer is on, on odd screens too.
TEST(Mapping, ScaleFollowsTheScreenAndPixelsMapToUnitsAndBack) {
  const std::pair<QSize, float> screens[] = {{{1024, 768}, 1066.6667f},  {{1280, 1024}, 1000},
                                             {{1920, 1080}, 1422.2222f}, {{3840, 2160}, 1422.2222f},
                                             {{1366, 767}, 1424.7718f},  {{801, 601}, 1066.2229f}};
  for (const auto& [screen, scaleWidth] : screens) {
    FakePlatform platform;
    platform.screen = screen;
    Surface canvas(screen);
    Kalyra k(canvas, platform);
    k.Form_Load();
    const QPoint centre(screen.width() / 2, screen.height() / 2);
    EXPECT_NEAR(canvas.ScaleWidth, scaleWidth, 1e-3) << screen.width();
    EXPECT_TRUE(canvas.ScaleHeight == 800 && canvas.ScaleTop == -400 &&
                canvas.ScaleLeft == -canvas.ScaleWidth / 2);
    EXPECT_TRUE(k.ScreenPixelWidth == screen.width() && k.ScreenPixelHeight == screen.height());
    EXPECT_EQ(platform.seeds, 1);  // random colours differ from run to run
    EXPECT_TRUE(canvas.toPixel(0, 0) == centre && canvas.toUnits(centre) == QPointF(0, 0));
    if (screen.width() % 2 == 0 && screen.height() % 2 == 0) {
      EXPECT_TRUE(canvas.toPixel(canvas.ScaleLeft, -400) == QPoint(0, 0) &&
                  canvas.toPixel(-canvas.ScaleLeft, 400) ==
                      QPoint(screen.width(), screen.height()));
    }
    for (int y = 0; y < screen.height(); y += 7)
      for (int x = 0; x < screen.width(); x += 5) {
        const QPointF units = canvas.toUnits({x, y});
        ASSERT_EQ(canvas.toPixel(float(units.x()), float(units.y())), QPoint(x, y))
            << screen.width() << "x" << screen.height();
      }
  }
}

class SurfacePixels : public CoreFixture {};

// Wide pens have round dots and caps; boxes and circles are filled only when solid.
TEST_F(SurfacePixels, DotsCapsAndShapesHaveExactColours) {
  const std::pair<int, int> dots[] = {{1, 1}, {3, 9}, {15, 177}};  // 15: round, not 225
  for (const auto& [width, count] : dots) {
    canvas.setBackColor(White);
    canvas.DrawWidth = width;
    canvas.Line(0, 0, 0, 0);
    EXPECT_NEAR(countPixels(Red), count, width == 15 ? 20 : 0) << width;
  }
  canvas.setBackColor(White);
  canvas.ForeColor = packColour(10, 200, 30);
  canvas.Line(-100, 0, 100, 0);
  const QPoint end = canvas.toPixel(100, 0);
  const std::pair<QPoint, Colour> caps[] = {
      {{7, 0}, canvas.ForeColor}, {{0, 7}, canvas.ForeColor}, {{6, 6}, White}};
  for (const auto& [offset, colour] : caps)
    EXPECT_EQ(fromQRgb(canvas.Image().pixel(end + offset)), colour) << offset.x();
  EXPECT_EQ(coloursUsed(), (std::set<Colour>{White, packColour(10, 200, 30)}));

  canvas.setBackColor(White);
  canvas.DrawWidth = 1, canvas.ForeColor = Red, canvas.FillColor = Yellow;
  for (const int style : {1, 0}) {
    canvas.FillStyle = style;
    canvas.Box(-50, -50, 50, 50);
    canvas.Circle(200, 0, 40);
    const Colour inside = style == 0 ? Yellow : White;
    EXPECT_TRUE(pixelAt(0, 0) == inside && pixelAt(200, 0) == inside) << style;
    EXPECT_TRUE(pixelAt(-50, 0) == Red && pixelAt(240, 0) == Red && pixelAt(-55, 0) != Red);
  }
}

TEST_F(SurfacePixels, OffThePictureReadsTheEdgeAndBackgroundsEraseAndSitTopLeft) {
  canvas.DrawWidth = 1;
  canvas.Line(canvas.ScaleLeft, -400, canvas.ScaleLeft, -400);
  EXPECT_EQ(canvas.Point(canvas.ScaleLeft - 500, -4000), Red);
  EXPECT_EQ(canvas.Point(5000, 5000), White);
  canvas.DrawWidth = 15;  // absurd coordinates draw nothing on the picture and overflow nothing
  canvas.Line(-3e38f, -1e30f, -1e9f, std::nanf(""));
  canvas.Circle(1e20f, -1e20f, 1e20f);
  EXPECT_EQ(countPixels(Red), 1);

  QImage picture(10, 6, QImage::Format_RGB32);
  picture.fill(qRgb(0, 0, 255));
  canvas.setPicture(picture);
  canvas.setBackColor(Yellow);
  const QImage& image = canvas.Image();
  EXPECT_TRUE(image.pixel(9, 5) == qRgb(0, 0, 255) && fromQRgb(image.pixel(10, 5)) == Yellow &&
              fromQRgb(image.pixel(9, 6)) == Yellow && countPixels(Red) == 0);
  canvas.setPicture(std::nullopt);
  EXPECT_EQ(coloursUsed(), std::set<Colour>{Yellow});
}

// The mirror copies of a stroke are repainted each on its own, not the whole area between.
TEST_F(SurfacePixels, ChangedAreaCoversEveryDrawnPixelCopyByCopy) {
  (void)canvas.takeDirtyRegion();
  canvas.DrawWidth = 15;
  canvas.Line(-10, -10, 30, 20);
  canvas.Circle(-200, 100, 20);
  canvas.Line(500, 300, 490, 300);
  const QRegion changed = canvas.takeDirtyRegion();
  EXPECT_EQ(changed.rectCount(), 3);
  int area = 0;
  for (const QRect& r : changed) area += r.width() * r.height();
  EXPECT_LT(area, 8000);
  for (int y = 0; y < canvas.Image().height(); ++y)
    for (int x = 0; x < canvas.Image().width(); ++x)
      ASSERT_TRUE(fromQRgb(canvas.Image().pixel(x, y)) == White || changed.contains({x, y}));
  EXPECT_TRUE(canvas.takeDirty().isEmpty());
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

// The pointer, in whole units rounded half to even, is where fills, picks and polygons act.
TEST_F(Strokes, EightCopiesInTheirOrderAndWithThePenUpOnlyThePointer) {
  k.Canvas_MouseMove(0, 0, 20.5f, 29.5f);
  EXPECT_TRUE(canvas.ops.empty() && k.MouseX == 20 && k.MouseY == 30);
  stroke({{90, 40}});  // the first move of a stroke draws dots
  stroke({{100, 50}});
  EXPECT_THAT(canvas.ops, ElementsAre(SegmentIs(90, 40, 100, 50), SegmentIs(-90, -40, -100, -50),
                                      SegmentIs(90, -40, 100, -50), SegmentIs(-90, 40, -100, 50),
                                      SegmentIs(40, 90, 50, 100), SegmentIs(-40, -90, -50, -100),
                                      SegmentIs(40, -90, 50, -100), SegmentIs(-40, 90, -50, 100)));
}

// The point of the program is symmetric pictures: every brush in eight-way mode, with or without
// the echo and the gradient, gives a picture with the square's eight symmetries to the pixel.
TEST_F(Strokes, EightWayPicturesAreExactlySymmetricInPixels) {
  for (int style = 0; style < 4; ++style) {
    for (int th : {0, 1, 7}) {
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
      EXPECT_GT(int(coloursUsed().size()), th == 7 ? 3 : 1);
      EXPECT_GT(std::ssize(pixels()) - countPixels(White), 800);
    }
  }
}

// Squares extend right and down from the pointer, circles centre on it; the echo is offset by
// 150 units up and left before mirroring; shapes are hollow.
TEST_F(Strokes, SquaresCirclesAndTheirEchoes) {
  chooseBrush(1, 10);
  k.mir_Click(1);
  k.th_Click(2);
  stroke({{100, 50}});
  EXPECT_THAT(canvas.ops,
              ElementsAre(SegmentIs(100, 50, 120, 70), SegmentIs(-100, -50, -120, -70),
                          SegmentIs(100, -50, 120, -70), SegmentIs(-100, 50, -120, 70)));
  EXPECT_TRUE(canvas.ops[0].kind == RecordingSurface::Kind::Box && canvas.ops[0].width == 5);
  EXPECT_TRUE(pixelAt(100, 60) == Red && pixelAt(110, 60) == White);
  chooseBrush(2, 20);
  k.ToggleEcho();
  stroke({{10, 20}});
  ASSERT_EQ(canvas.ops.size(), 8u);
  EXPECT_TRUE(canvas.ops[0].kind == RecordingSurface::Kind::Circle);
  EXPECT_THAT(canvas.ops[0], SegmentIs(10, 20, 20, 0));      // centre and radius
  EXPECT_THAT(canvas.ops[4], SegmentIs(-140, -130, 20, 0));  // the echo
  EXPECT_THAT(canvas.ops[5], SegmentIs(140, 130, 20, 0));    // copy 2's echo: down and right
}

// Switched on mid-stroke, the echo starts 150 units behind the last point; its y moves in whole
// units. A new stroke's echo starts at its own pointer, not where the last one ended.
TEST_F(Strokes, EchoLineStartsBehindTheLastPointAndRestartsWithEachStroke) {
  k.mir_Click(0);
  stroke({{10.25, 20.5}});
  k.ToggleEcho();
  stroke({{30, 40.6}});
  EXPECT_THAT(canvas.ops[1], SegmentIs(-139.75f, -130, -120, -109.4f));
  EXPECT_EQ(k.EchoLastY, -109);
  k.th_Click(1);
  stroke({{300, -200}});
  EXPECT_THAT(canvas.ops,
              ElementsAre(SegmentIs(300, -200, 300, -200), SegmentIs(150, -350, 150, -350)));
}

// The gradient steps once per move, so all copies and echoes of a move share one colour; a
// shape's fill colour is the colour before the step.
TEST_F(Strokes, GradientStepsOncePerMoveForEveryBrush) {
  k.CmdGradient_Click();
  k.ToggleEcho();
  for (const int style : {0, 3}) {
    chooseBrush(style, 5);
    stroke({{10, 10}, {20, 10}});
    const std::size_t perMove = canvas.ops.size() / 2;
    ASSERT_EQ(perMove, style == 0 ? 16u : 128u);
    for (std::size_t i = 0; i < 2 * perMove; ++i)
      EXPECT_EQ(canvas.ops[i].colour, canvas.ops[i < perMove ? 0 : perMove].colour) << i;
    EXPECT_NE(canvas.ops[0].colour, canvas.ops[perMove].colour);
  }
  EXPECT_EQ(canvas.ops[0].colour, packColour(253, 6, 9));
}

using Polygons = Strokes;

// Corners turn step by step and the turning carries on from copy to copy, so every outline of
// every copy must still close; the echo polygon is centred 150 units up and left.
TEST_F(Polygons, TriangleStartsRightAndTurnsDownwardAndEveryOutlineCloses) {
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
  k.mir_Click(0);
  k.polyg_Click(0);
  k.ToggleEcho();
  setBrushSize(10);
  stroke({{40.4, 60.6}});
  ASSERT_EQ(canvas.ops.size(), 8u);
  EXPECT_THAT(canvas.ops[0], SegmentIs(50, 61, 50, 61));
  EXPECT_THAT(canvas.ops[4], SegmentIs(-100, -89, -100, -89));
  EXPECT_TRUE(canvas.ops[0].width == 3 && canvas.ops[0].fillStyle == 1);
}

class Selectors : public CoreFixture {
 protected:
  // Button `i` (none when -1) is yellow and all others white.
  static bool marked(const auto& buttons, int i) {
    return std::ranges::count(buttons, White) == std::ssize(buttons) - (i >= 0) &&
           (i < 0 || buttons[i] == Yellow);
  }
  // Clicks twice: a second click on the marked button keeps the mark.
  void click(void (Kalyra::*handler)(int), int i) {
    k.PenUp = false, k.StrokeStarted = true, k.view.canvasFocusRequested = false;
    (k.*handler)(i);
    (k.*handler)(i);
    EXPECT_TRUE(k.PenUp && !k.StrokeStarted && k.view.canvasFocusRequested) << i;
  }
};

TEST_F(Selectors, EachButtonMovesTheMarkSetsItsValueLiftsThePenAndFocusesTheCanvas) {
  EXPECT_TRUE(marked(k.view.sty, 0) && marked(k.view.th, 1) && marked(k.view.mir, 2) &&
              marked(k.view.polyg, -1));
  for (int i = 0; i < 8; ++i) {
    click(&Kalyra::th_Click, i);
    click(&Kalyra::polyg_Click, i);
    EXPECT_TRUE(marked(k.view.th, i) && marked(k.view.polyg, i) && marked(k.view.sty, -1)) << i;
    EXPECT_TRUE(k.Thickness == 2 * i + 1 && k.PolySides == i + 3 && k.DrawStyle == 3) << i;
  }
  for (int i = 0; i < 3; ++i) {
    click(&Kalyra::sty_Click, i);
    click(&Kalyra::mir_Click, i);
    EXPECT_TRUE(marked(k.view.sty, i) && marked(k.view.polyg, -1) && marked(k.view.mir, i)) << i;
    EXPECT_TRUE(k.DrawStyle == i && k.MirrorMode == i) << i;
  }
  k.th_Click(8), k.sty_Click(-1), k.polyg_Click(8), k.mir_Click(3);  // beyond the arrays
  EXPECT_TRUE(k.Thickness == 15 && k.DrawStyle == 2 && k.MirrorMode == 2);

  // The size bar keeps the focus, so that its arrow keys go on working; it holds 1–350.
  k.PenUp = false, k.StrokeStarted = true, k.view.canvasFocusRequested = false;
  const std::pair<int, int> sizes[] = {{350, 350}, {351, 350}, {1, 1}, {0, 1}};
  for (const auto& [asked, size] : sizes) {
    setBrushSize(asked);
    EXPECT_EQ(k.BrushSize, size) << asked;
  }
  EXPECT_TRUE(k.PenUp && !k.StrokeStarted && !k.view.canvasFocusRequested);
}
