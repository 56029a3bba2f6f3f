#include "core/CoreFixture.h"

using ::testing::ElementsAre;

using Gradient = CoreFixture;

// Each channel runs its own triangle wave and turns exactly at 0 and 255; a negative step runs
// against its channel's direction.
TEST_F(Gradient, EachChannelRunsItsOwnTriangleWaveTurningAtTheBounds) {
  k.view.txtRed = "-5", k.view.txtGreen = "300", k.view.txtBlue = "85";
  k.RedValue = 12;
  const Components expected[] = {{7, 255, 85}, {2, 0, 170}, {0, 255, 255}, {0, 0, 170},
                                 {0, 255, 85}, {0, 0, 0},   {0, 255, 85}};
  for (int step = 0; step < 7; ++step) {
    k.StepGradient();
    EXPECT_EQ(Components(k.RedValue, k.GreenValue, k.BlueValue), expected[step]) << step;
  }
  EXPECT_TRUE(canvas.ForeColor == packColour(0, 255, 85) && k.view.cmdColorBar == canvas.ForeColor);
  platform.randoms = {0.99999994f};  // a random component reaches full intensity
  EXPECT_EQ(k.RandomComponent(32, false), 255);
  // On a 16-bit display a chosen colour lands on the colours it shows; full intensity stays.
  platform.depth = 16;
  platform.colourAnswers = {packColour(255, 130, 7)};
  k.CmdSetBackColor_Click();
  EXPECT_EQ(canvas.BackColor(), packColour(255, 128, 0));
}

// The pen width chosen is put back afterwards and a stroke in progress goes on.
TEST_F(Gradient, FrameIsEightPixelsInTheDrawingColour) {
  penDown();
  canvas.DrawWidth = 15;
  canvas.ops.clear();
  k.CmdFrame_Click();
  const float w = canvas.ScaleWidth / 2;
  EXPECT_THAT(canvas.ops, ElementsAre(SegmentIs(-w, 400, -w, -400), SegmentIs(w, 400, w, -400),
                                      SegmentIs(-w, -400, w, -400), SegmentIs(-w, 400, w, 400)));
  for (const auto& op : canvas.ops) EXPECT_TRUE(op.width == 8 && op.colour == canvas.ForeColor);
  EXPECT_TRUE(canvas.DrawWidth == 15 && !k.PenUp && k.view.canvasFocusRequested);
}
