#include <QLocale>

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

class Gradient : public CoreFixture {
 protected:
  Components components() const { return {k.RedValue, k.GreenValue, k.BlueValue}; }
};

// Each channel runs its own triangle wave and turns exactly at 0 and 255; a negative step runs
// against its channel's direction.
TEST_F(Gradient, EachChannelRunsItsOwnTriangleWaveTurningAtTheBounds) {
  k.view.txtRed = "-5", k.view.txtGreen = "300", k.view.txtBlue = "85";
  k.RedValue = 12;
  const Components expected[] = {{7, 255, 85}, {2, 0, 170}, {0, 255, 255}, {0, 0, 170},
                                 {0, 255, 85}, {0, 0, 0},   {0, 255, 85}};
  for (int step = 0; step < 7; ++step) {
    k.StepGradient();
    EXPECT_EQ(components(), expected[step]) << step;
  }
  EXPECT_TRUE(canvas.ForeColor == packColour(0, 255, 85) && k.view.cmdColorBar == canvas.ForeColor);
}

// The running components keep their fractions; only the colour drawn is rounded, and snapped on
// a 16-bit display. Non-numbers count as nothing; the boxes are read in the user's locale.
TEST_F(Gradient, OnlyTheColourDrawnIsRoundedAndSnappedAndBoxesAreReadInTheUsersLocale) {
  k.view.txtRed = "0", k.view.txtGreen = "0.5", k.view.txtBlue = "1.5";
  k.StepGradient();  // green 0.5, blue 1.5
  EXPECT_EQ(canvas.ForeColor, packColour(255, 0, 2));
  k.StepGradient();
  k.StepGradient();  // green 1.5, blue 4.5
  EXPECT_EQ(canvas.ForeColor, packColour(255, 2, 4));
  platform.depth = 16;
  k.RedValue = 200, k.GreenValue = 129.5, k.BlueValue = 252.5;
  k.StepGradient();  // green 130, blue 254
  EXPECT_TRUE(canvas.ForeColor == packColour(200, 128, 248) && k.GreenValue == 130);
  k.view.txtRed = "nan", k.view.txtGreen = "inf", k.view.txtBlue = "abc";
  k.StepGradient();
  EXPECT_EQ(components(), Components(200, 130, 254));
  const QLocale before;
  QLocale::setDefault(QLocale(QLocale::German));
  k.view.txtGreen = "2,5";
  k.StepGradient();
  QLocale::setDefault(before);
  EXPECT_EQ(k.GreenValue, 132.5);
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

// A gradient colour in use, a stroke being drawn and a loaded picture.
class ColourCommands : public Gradient {
 protected:
  ColourCommands() {
    QImage picture(100, 80, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    canvas.setPicture(picture);
    k.RedValue = 10, k.GreenValue = 20, k.BlueValue = 30;
    k.RedDir = k.GreenDir = k.BlueDir = -1;
    canvas.ForeColor = k.view.cmdColorBar = packColour(10, 20, 30);
    penDown();
    k.Canvas_MouseMove(0, 0, 60, 10);
    atClick = canvas.Image().copy();
  }
  int directions() const { return k.RedDir + k.GreenDir + k.BlueDir; }
  // The drawing colour `c` in use everywhere, its gradient running in `direction`.
  bool drawingColourIs(Colour c, int direction) const {
    return components() == splitColour(c) && directions() == direction && canvas.ForeColor == c &&
           k.view.cmdColorBar == c;
  }
  QImage atClick;
};

// Cancelling leaves everything as it was, except that the canvas colour's snapshot is taken
// before its dialog opens. A chosen drawing colour restarts the gradient, even when it is the
// same colour; a 16-bit display snaps both colours.
TEST_F(ColourCommands, CancelledDialogsChangeNothingButTheSnapshotChosenColoursApplySnapped) {
  k.CmdSetForeColor_Click();
  EXPECT_TRUE(platform.lastColourOffered == packColour(10, 20, 30) && k.Undo.isNull());
  k.CmdSetBackColor_Click();
  EXPECT_EQ(platform.lastColourOffered, White);
  EXPECT_TRUE(drawingColourIs(packColour(10, 20, 30), -3) && canvas.Image() == atClick);
  EXPECT_TRUE(k.PenUp && !k.StrokeStarted && k.view.canvasFocusRequested);
  penDown();
  k.Canvas_MouseMove(0, 0, 200, 200);
  k.RestoreUndoSnapshot();
  EXPECT_TRUE(canvas.Image() == atClick);

  platform.colourAnswers = {packColour(10, 20, 30), packColour(250, 130, 7),
                            packColour(250, 130, 7)};
  k.CmdSetForeColor_Click();  // the same colour still restarts the gradient
  EXPECT_TRUE(drawingColourIs(packColour(10, 20, 30), 3));
  platform.depth = 16;
  k.CmdSetForeColor_Click();
  EXPECT_TRUE(drawingColourIs(packColour(248, 128, 0), 3));
  k.CmdSetBackColor_Click();  // leaves the drawing colour's components alone
  EXPECT_TRUE(canvas.BackColor() == packColour(248, 128, 0) && !canvas.hasPicture());
  EXPECT_TRUE(drawingColourIs(packColour(248, 128, 0), 3));
}

// On a 16-bit display the random components reach 256, packed as full intensity, which a
// gradient step holds at 255 and turns down.
TEST_F(ColourCommands, ColourBarMiddleLiftsThePenRightPaintsTheCanvasLeftPicksUpTo256) {
  platform.randoms = {0.5f,        0.99999994f, 0.0f, 0.5f, 0.25f, 0.75f, 0.99999994f,
                      0.99999994f, 0.99999994f, 0.5f, 0.5f, 0.03f, 0.03f};
  k.cmdColorBar_MouseDown(4, 0, 0, 0);
  EXPECT_TRUE(drawingColourIs(packColour(10, 20, 30), -3) && k.PenUp && !k.StrokeStarted &&
              k.Undo.isNull());
  penDown();
  k.cmdColorBar_MouseDown(2, 0, 0, 0);
  EXPECT_TRUE(drawingColourIs(packColour(10, 20, 30), -3) && k.PenUp &&
              !k.view.canvasFocusRequested && !canvas.hasPicture() && k.Undo == atClick);
  EXPECT_EQ(countPixels(packColour(128, 255, 0)), 1024 * 768);
  k.cmdColorBar_MouseDown(1, 0, 0, 0);
  EXPECT_TRUE(drawingColourIs(packColour(128, 64, 192), 3) && k.view.canvasFocusRequested);
  platform.depth = 16;
  k.cmdColorBar_MouseDown(1, 0, 0, 0);
  EXPECT_TRUE(components() == Components(256, 256, 256) && canvas.ForeColor == White);
  const double next[] = {k.RandomComponent(16, false), k.RandomComponent(16, true),
                         k.RandomComponent(16, false), k.RandomComponent(16, true)};
  EXPECT_THAT(next, ElementsAre(128, 128, 0, 4));
  k.StepGradient();
  EXPECT_TRUE(components() == Components(255, 255, 255) && directions() == -3);
}

// The pen width chosen is put back afterwards and a stroke in progress goes on.
TEST_F(ColourCommands, FrameIsEightPixelsInTheDrawingColourAndUndoTakesItAway) {
  canvas.DrawWidth = 15;
  canvas.ops.clear();
  k.CmdFrame_Click();
  const float w = canvas.ScaleWidth / 2;
  EXPECT_THAT(canvas.ops, ElementsAre(SegmentIs(-w, 400, -w, -400), SegmentIs(w, 400, w, -400),
                                      SegmentIs(-w, -400, w, -400), SegmentIs(-w, 400, w, 400)));
  for (const auto& op : canvas.ops) EXPECT_TRUE(op.width == 8 && op.colour == canvas.ForeColor);
  EXPECT_TRUE(canvas.DrawWidth == 15 && !k.PenUp && k.view.canvasFocusRequested);
  k.RestoreUndoSnapshot();
  EXPECT_TRUE(canvas.Image() == atClick);
}
