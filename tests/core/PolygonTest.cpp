#include "core/CoreFixture.h"

using ::testing::ElementsAre;

class Polygons : public CoreFixture {};

TEST_F(Polygons, DiamondCornersRightBelowLeftAbove) {
  k.mir_Click(0);
  k.DrawPolygon(0, 0, 4, 10);
  EXPECT_THAT(canvas.ops, ElementsAre(SegmentIs(10, 0, 10, 0), SegmentIs(10, 0, 0, 10),
                                      SegmentIs(0, 10, -10, 0), SegmentIs(-10, 0, 0, -10),
                                      SegmentIs(0, -10, 10, 0)));
}

TEST_F(Polygons, TrianglePointsRightAndItsCopiesMirror) {
  k.mir_Click(0);
  k.DrawPolygon(100, 50, 3, 20);
  EXPECT_THAT(canvas.ops,
              ElementsAre(SegmentIs(120, 50, 120, 50), SegmentIs(120, 50, 90, 67.3205f),
                          SegmentIs(90, 67.3205f, 90, 32.6795f), SegmentIs(90, 32.6795f, 120, 50)));
  canvas.ops.clear();
  k.mir_Click(2);
  k.DrawPolygon(100, 50, 3, 20);
  ASSERT_EQ(canvas.ops.size(), 32u);
  EXPECT_THAT(canvas.ops[4], SegmentIs(-120, -50, -120, -50));  // copy 2 points left
  EXPECT_THAT(canvas.ops[16], SegmentIs(50, 120, 50, 120));     // copy 5 points down
}

TEST_F(Polygons, EveryOutlineIsClosedWithoutAClosingSegment) {
  for (int sides = 3; sides <= 10; ++sides) {
    canvas.ops.clear();
    k.mir_Click(2);
    k.DrawPolygon(-37, 81, sides, 350);
    ASSERT_EQ(int(canvas.ops.size()), 8 * (sides + 1));
    for (int copy = 0; copy < 8; ++copy) {
      const auto& first = canvas.ops[copy * (sides + 1)];
      const auto& last = canvas.ops[copy * (sides + 1) + sides];
      EXPECT_NEAR(last.x2, first.x1, 1e-3) << sides << " sides, copy " << copy;
      EXPECT_NEAR(last.y2, first.y1, 1e-3);
    }
  }
}

TEST_F(Polygons, BrushIsCentredOnTheRoundedPointerAndEchoedAt150) {
  k.polyg_Click(1);
  k.mir_Click(0);
  k.view.ScrollSize = 10;
  k.ScrollSize_Change();
  k.ToggleEcho();
  penDown();
  k.Canvas_MouseMove(0, 0, 20.5f, 29.5f);
  ASSERT_EQ(canvas.ops.size(), 10u);
  EXPECT_THAT(canvas.ops[0], SegmentIs(30, 30, 30, 30));
  EXPECT_THAT(canvas.ops[5], SegmentIs(-120, -120, -120, -120));
  EXPECT_EQ(k.MouseX, 20);
  EXPECT_EQ(k.MouseY, 30);
}

TEST_F(Polygons, OutlineIsDrawnInPixelsAndEmptyInside) {
  k.mir_Click(0);
  canvas.DrawWidth = 1;
  k.DrawPolygon(0, 0, 6, 100);
  EXPECT_EQ(pixelAt(100, 0), Red);
  EXPECT_EQ(pixelAt(-100, 0), Red);
  EXPECT_EQ(pixelAt(0, 0), White);
  EXPECT_EQ(pixelAt(0, 86.6f), Red);  // the bottom side
}
