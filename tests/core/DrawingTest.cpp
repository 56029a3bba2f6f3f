#include "core/CoreFixture.h"

using ::testing::ElementsAre;

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
using Polygons = Strokes;

// The pointer, in whole units, is where fills, picks and polygons act.
TEST_F(Strokes, EightCopiesInTheirOrderAndWithThePenUpOnlyThePointerRoundedHalfToEven) {
  k.Canvas_MouseMove(0, 0, 20.5f, 29.5f);
  EXPECT_TRUE(canvas.ops.empty() && k.MouseX == 20 && k.MouseY == 30);
  stroke({{90, 40}});  // the first move draws dots, as the echo test shows
  stroke({{100, 50}});
  EXPECT_THAT(canvas.ops, ElementsAre(SegmentIs(90, 40, 100, 50), SegmentIs(-90, -40, -100, -50),
                                      SegmentIs(90, -40, 100, -50), SegmentIs(-90, 40, -100, 50),
                                      SegmentIs(40, 90, 50, 100), SegmentIs(-40, -90, -50, -100),
                                      SegmentIs(40, -90, 50, -100), SegmentIs(-40, 90, -50, 100)));
}

// The point of the program is symmetric pictures: every brush in eight-way mode must give a
// picture with the square's eight symmetries to the pixel.
TEST_F(Strokes, EightWayPicturesAreExactlySymmetricInPixels) {
  for (int style = 0; style < 4; ++style) {
    for (int th : {0, 1, 7}) {
      canvas.setBackColor(White);
      chooseBrush(style, 23);
      k.th_Click(th);
      stroke({{37.3, -12.9}, {81.6, 40.2}, {143.1, 47.7}, {151, 190.4}});
      const QPoint c = canvas.toPixel(0, 0);
      auto at = [&](int x, int y) { return canvas.Image().pixel(c.x() + x, c.y() + y); };
      for (int b = -370; b <= 370; ++b)
        for (int a = -370; a <= 370; ++a)
          ASSERT_TRUE(at(a, b) == at(-a, b) && at(a, b) == at(a, -b) && at(a, b) == at(b, a))
              << style << " " << th << " " << a << "," << b;
      EXPECT_GT(countPixels(Red), 100);
    }
  }
}

TEST_F(Strokes, SquaresExtendRightAndDownCirclesCentreAndEchoesAreOffsetBeforeMirroring) {
  chooseBrush(1, 10);
  k.mir_Click(1);
  k.th_Click(2);
  stroke({{100, 50}});
  EXPECT_THAT(canvas.ops,
              ElementsAre(SegmentIs(100, 50, 120, 70), SegmentIs(-100, -50, -120, -70),
                          SegmentIs(100, -50, 120, -70), SegmentIs(-100, 50, -120, 70)));
  EXPECT_TRUE(canvas.ops[0].kind == RecordingSurface::Kind::Box && canvas.ops[0].width == 5);
  EXPECT_TRUE(pixelAt(100, 60) == Red && pixelAt(110, 60) == White);  // hollow
  chooseBrush(2, 20);
  k.ToggleEcho();
  stroke({{10, 20}});
  ASSERT_EQ(canvas.ops.size(), 8u);
  EXPECT_THAT(canvas.ops[0], SegmentIs(10, 20, 20, 0));      // circles: centre and radius
  EXPECT_THAT(canvas.ops[4], SegmentIs(-140, -130, 20, 0));  // the echo
  EXPECT_THAT(canvas.ops[5], SegmentIs(140, 130, 20, 0));    // copy 2's echo: down and right
}

// Switched on mid-stroke, the echo starts 150 units behind the last point; its y moves in whole
// units, halves rounding to even. A new stroke's echo starts at its own pointer, not with a line
// from where the last echo stroke ended.
TEST_F(Strokes, EchoLineStartsBehindTheLastPointFollowsTheStrokeAndRestartsWithEachStroke) {
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

TEST_F(Strokes, GradientStepsOncePerMoveSoAllCopiesShareAColour) {
  k.CmdGradient_Click();
  k.ToggleEcho();
  stroke({{10, 10}, {20, 10}});
  ASSERT_EQ(canvas.ops.size(), 32u);
  for (int i = 0; i < 32; ++i)
    EXPECT_EQ(canvas.ops[i].colour, i < 16 ? packColour(255, 2, 3) : packColour(254, 4, 6)) << i;
}

// The corners are turned step by step and the turning carries on from copy to copy, so every
// outline of every copy must still close.
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
      EXPECT_THAT(last, SegmentIs(last.x1, last.y1, first.x1, first.y1))  // ends at the start
          << sides << " sides, copy " << copy;
    }
  }
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

TEST_F(Selectors, EachButtonMovesTheMarkLiftsThePenAndFocusesTheCanvas) {
  EXPECT_TRUE(marked(k.view.sty, 0) && marked(k.view.th, 1) && marked(k.view.mir, 2) &&
              marked(k.view.polyg, -1));
  for (int i = 0; i < 8; ++i) {
    click(&Kalyra::th_Click, i);
    click(&Kalyra::polyg_Click, i);
    EXPECT_TRUE(marked(k.view.th, i) && marked(k.view.polyg, i) && marked(k.view.sty, -1)) << i;
  }
  for (int i = 0; i < 3; ++i) {
    click(&Kalyra::sty_Click, i);
    click(&Kalyra::mir_Click, i);
    EXPECT_TRUE(marked(k.view.sty, i) && marked(k.view.polyg, -1) && marked(k.view.mir, i)) << i;
  }
  k.th_Click(8), k.sty_Click(-1), k.polyg_Click(8), k.mir_Click(3);  // beyond the arrays
  EXPECT_TRUE(k.Thickness == 15 && k.DrawStyle == 2 && k.MirrorMode == 2);

  // The size bar keeps the focus, so that its arrow keys go on working.
  k.PenUp = false, k.StrokeStarted = true, k.view.canvasFocusRequested = false;
  setBrushSize(350);
  EXPECT_TRUE(k.BrushSize == 350 && k.PenUp && !k.StrokeStarted && !k.view.canvasFocusRequested);
}
