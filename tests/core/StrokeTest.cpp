#include "core/CoreFixture.h"

using ::testing::ElementsAre;
using Kind = RecordingSurface::Kind;

class Strokes : public CoreFixture {};

TEST_F(Strokes, WithThePenUpAMoveOnlyRecordsThePointer) {
  k.LastX = 7;
  k.Canvas_MouseMove(0, 0, 2.5f, 3.5f);
  EXPECT_EQ(k.MouseX, 2);
  EXPECT_EQ(k.MouseY, 4);
  EXPECT_TRUE(canvas.ops.empty());
  EXPECT_EQ(k.LastX, 7);
  EXPECT_EQ(countPixels(Red), 0);
}

TEST_F(Strokes, FirstMoveDrawsZeroLengthSegmentsThenRealOnes) {
  penDown();
  k.Canvas_MouseMove(0, 0, 90, 40);
  ASSERT_EQ(canvas.ops.size(), 8u);
  for (const auto& op : canvas.ops) EXPECT_TRUE(op.x1 == op.x2 && op.y1 == op.y2);
  canvas.ops.clear();
  k.Canvas_MouseMove(0, 0, 100, 50);
  EXPECT_THAT(canvas.ops, ElementsAre(SegmentIs(90, 40, 100, 50), SegmentIs(-90, -40, -100, -50),
                                      SegmentIs(90, -40, 100, -50), SegmentIs(-90, 40, -100, 50),
                                      SegmentIs(40, 90, 50, 100), SegmentIs(-40, -90, -50, -100),
                                      SegmentIs(40, -90, 50, -100), SegmentIs(-40, 90, -50, 100)));
  for (const auto& op : canvas.ops) {
    EXPECT_EQ(op.colour, Red);
    EXPECT_EQ(op.width, 3);
  }
}

TEST_F(Strokes, FourWayDrawsTheFirstFourCopiesSingleOnlyTheFirst) {
  k.mir_Click(1);
  penDown();
  k.LastX = 90, k.LastY = 40, k.StrokeStarted = true;
  k.Canvas_MouseMove(0, 0, 100, 50);
  EXPECT_THAT(canvas.ops, ElementsAre(SegmentIs(90, 40, 100, 50), SegmentIs(-90, -40, -100, -50),
                                      SegmentIs(90, -40, 100, -50), SegmentIs(-90, 40, -100, 50)));
  k.mir_Click(0);
  penDown();
  canvas.ops.clear();
  k.Canvas_MouseMove(0, 0, 100, 50);
  EXPECT_EQ(canvas.ops.size(), 1u);
}

TEST_F(Strokes, EightMirrorImagesAreReallyDrawnInPixels) {
  penDown();
  k.Canvas_MouseMove(0, 0, 120, 60);
  k.Canvas_MouseMove(0, 0, 180, 75);
  for (int copy = 0; copy < 8; ++copy) {
    const auto p = mirrorCopy(copy, 150.0f, 67.5f);
    EXPECT_EQ(pixelAt(p.x, p.y), Red) << "copy " << copy + 1;
  }
  EXPECT_EQ(pixelAt(0, 0), White);
}

// Every brush, in eight-way mode, must give a picture with the square's eight symmetries to the
// pixel: the point of the program is symmetric pictures.
TEST_F(Strokes, EightWayPicturesAreExactlySymmetricInPixels) {
  const float path[][2] = {{37.3f, -12.9f}, {81.6f, 40.2f}, {143.1f, 47.7f}, {151, 190.4f}};
  for (int style = 0; style < 4; ++style) {
    for (int th : {0, 1, 7}) {
      canvas.setBackColor(White);
      style < 3 ? k.sty_Click(style) : k.polyg_Click(4);
      k.th_Click(th);
      k.view.ScrollSize = 23;
      k.ScrollSize_Change();
      penDown();
      for (const auto& p : path) k.Canvas_MouseMove(0, 0, p[0], p[1]);
      const QImage& image = canvas.Image();
      const QPoint c = canvas.toPixel(0, 0);
      for (int b = -370; b <= 370; ++b) {
        for (int a = -370; a <= 370; ++a) {
          const QRgb here = image.pixel(c.x() + a, c.y() + b);
          ASSERT_EQ(here, image.pixel(c.x() - a, c.y() + b))
              << style << " " << th << " " << a << "," << b;
          ASSERT_EQ(here, image.pixel(c.x() + a, c.y() - b))
              << style << " " << th << " " << a << "," << b;
          ASSERT_EQ(here, image.pixel(c.x() + b, c.y() + a))
              << style << " " << th << " " << a << "," << b;
        }
      }
      EXPECT_GT(countPixels(Red), 100);
    }
  }
}

TEST_F(Strokes, SquareBrushBoxesExtendRightAndDownThenMirror) {
  k.sty_Click(1);
  k.mir_Click(1);
  k.view.ScrollSize = 10;
  k.ScrollSize_Change();
  penDown();
  k.Canvas_MouseMove(0, 0, 100, 50);
  EXPECT_THAT(canvas.ops,
              ElementsAre(SegmentIs(100, 50, 120, 70), SegmentIs(-100, -50, -120, -70),
                          SegmentIs(100, -50, 120, -70), SegmentIs(-100, 50, -120, 70)));
  for (const auto& op : canvas.ops) {
    EXPECT_EQ(op.kind, Kind::Box);
    EXPECT_EQ(op.fillStyle, 1);
  }
  EXPECT_EQ(pixelAt(110, 60), White);  // outlines only
  EXPECT_EQ(pixelAt(100, 60), Red);
}

TEST_F(Strokes, EchoIsOffsetBeforeMirroring) {
  k.sty_Click(2);
  k.mir_Click(0);
  k.view.ScrollSize = 20;
  k.ScrollSize_Change();
  k.ToggleEcho();
  penDown();
  k.Canvas_MouseMove(0, 0, 0, 0);
  ASSERT_EQ(canvas.ops.size(), 2u);
  EXPECT_EQ(canvas.ops[0].kind, Kind::Circle);
  EXPECT_THAT(canvas.ops, ElementsAre(SegmentIs(0, 0, 20, 0), SegmentIs(-150, -150, 20, 0)));

  k.mir_Click(1);
  penDown();
  canvas.ops.clear();
  k.Canvas_MouseMove(0, 0, 10, 20);
  ASSERT_EQ(canvas.ops.size(), 8u);
  EXPECT_THAT(canvas.ops[4], SegmentIs(-140, -130, 20, 0));
  EXPECT_THAT(canvas.ops[5], SegmentIs(140, 130, 20, 0));  // copy 2's echo: down and right
}

TEST_F(Strokes, EchoLineFollowsTheStrokeAndEachStrokeRestartsIt) {
  k.mir_Click(0);
  k.ToggleEcho();
  penDown();
  k.Canvas_MouseMove(0, 0, 10, 20.4f);
  k.Canvas_MouseMove(0, 0, 30, 40.6f);
  EXPECT_THAT(canvas.ops[3], SegmentIs(-140, -130, -120, -109.4f));
  EXPECT_FLOAT_EQ(k.EchoLastX, -120);
  EXPECT_EQ(k.EchoLastY, -109);  // the echo's y moves in whole units

  // Lifting and lowering the pen elsewhere: the new echo stroke starts at its own pointer, not
  // with a line from where the last echo stroke ended.
  k.th_Click(1);
  penDown();
  canvas.ops.clear();
  k.Canvas_MouseMove(0, 0, 300, -200);
  EXPECT_THAT(canvas.ops,
              ElementsAre(SegmentIs(300, -200, 300, -200), SegmentIs(150, -350, 150, -350)));
}

TEST_F(Strokes, GradientStepsOncePerMoveSoAllCopiesShareAColour) {
  k.CmdGradient_Click();
  k.ToggleEcho();
  penDown();
  k.Canvas_MouseMove(0, 0, 10, 10);
  k.Canvas_MouseMove(0, 0, 20, 10);
  ASSERT_EQ(canvas.ops.size(), 32u);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(canvas.ops[i].colour, packColour(255, 2, 3));
  for (int i = 16; i < 32; ++i) EXPECT_EQ(canvas.ops[i].colour, packColour(254, 4, 6));
}

TEST_F(Strokes, StampBrushesTakeTheirFillColourFromBeforeTheGradientStep) {
  k.sty_Click(1);
  k.CmdGradient_Click();
  penDown();
  k.Canvas_MouseMove(0, 0, 10, 10);
  EXPECT_EQ(canvas.ops[0].fillColour, Red);
  EXPECT_EQ(canvas.ops[0].colour, packColour(255, 2, 3));
}

TEST_F(Strokes, UnknownDrawStyleDrawsNothing) {
  k.DrawStyle = 7;
  penDown();
  k.Canvas_MouseMove(0, 0, 10, 10);
  EXPECT_TRUE(canvas.ops.empty());
  EXPECT_EQ(k.MouseX, 10);
}

TEST_F(Strokes, EveryBrushWithEveryMirrorModeDrawsTheRightNumberOfShapes) {
  for (int style = 0; style < 4; ++style) {
    for (int mode = 0; mode < 3; ++mode) {
      style < 3 ? k.sty_Click(style) : k.polyg_Click(7);
      k.mir_Click(mode);
      penDown();
      canvas.ops.clear();
      canvas.setBackColor(White);
      k.Canvas_MouseMove(0, 0, 123, 77);
      const int copies = mode == 0 ? 1 : mode == 1 ? 4 : 8;
      EXPECT_EQ(int(canvas.ops.size()), style == 3 ? copies * 11 : copies)
          << "style " << style << " mode " << mode;
      EXPECT_GT(countPixels(Red), 0);
    }
  }
}
