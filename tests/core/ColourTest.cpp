
#include "canvas/Numbers.h"
#include "core/CoreFixture.h"

using ::testing::ElementsAre;

// Negative halves must round to even too, or mirrored values would round apart. A 16-bit display
// shows 5 bits of red and blue and 6 of green, but full intensity stays full.
TEST(Conversions, HalvesGoToTheEvenNeighbourLimitsHoldAndColoursPackInRedGreenBlueOrder) {
  const double cases[][2] = {{2.5, 2},         {3.5, 4},       {-2.5, -2},     {-3.5, -4},
                             {2.5000001, 3},   {0.5, 0},       {32767, 32767}, {32767.5, 32767},
                             {-32768, -32768}, {40000, 32767}, {NAN, -32768}};
  for (const auto& [value, rounded] : cases) EXPECT_EQ(toInt16(value), rounded) << value;
  EXPECT_TRUE(toInt32(1e12) == 2147483647 && toInt32(-2147483648.0) == -2147483647 - 1);
  EXPECT_TRUE(packColour(2.5, 3.5, 255.5) == 2 + 256 * 4 + 65536 * 255 &&
              packColour(256, 0.4, -3) == 255);
  EXPECT_EQ(splitColour(packColour(10, 255, 30)), Components(10, 255, 30));
  EXPECT_TRUE(snapTo16Bit({207, 135, 255}) == Components(200, 132, 255) &&
              snapTo16Bit({255, 255, 254}) == Components(255, 255, 248));
}

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
}

// Leaving a box validates its text: what is no number becomes 0, what is above 1000 becomes 1000.
TEST_F(Gradient, LeavingAStepBoxValidatesIt) {
  const std::pair<const char*, const char*> cases[] = {
      {"", "0"},          {"abc", "0"},       {"1000", "1000"}, {"-20", "-20"},
      {"999.5", "999.5"}, {"1000.5", "1000"}, {" 12 ", " 12 "}, {"1e9999", "0"}};
  const std::pair<void (Kalyra::*)(), QString*> boxes[] = {
      {&Kalyra::txtRed_LostFocus, &k.view.txtRed},
      {&Kalyra::txtGreen_LostFocus, &k.view.txtGreen},
      {&Kalyra::txtBlue_LostFocus, &k.view.txtBlue}};
  for (const auto& [lostFocus, box] : boxes)
    for (const auto& [typed, kept] : cases) {
      *box = typed;
      (k.*lostFocus)();
      EXPECT_EQ(*box, kept) << " typed '" << typed << "'";
    }
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
