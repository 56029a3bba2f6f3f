#include "core/CoreFixture.h"

using ::testing::ElementsAre;

// A gradient colour in use, a stroke being drawn and a loaded picture.
class ColourCommands : public CoreFixture {
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
  Components components() const { return {k.RedValue, k.GreenValue, k.BlueValue}; }
  int directions() const { return k.RedDir + k.GreenDir + k.BlueDir; }
  bool drawingColourKept() const {
    return components() == Components{10, 20, 30} && directions() == -3 &&
           canvas.ForeColor == packColour(10, 20, 30) && k.view.cmdColorBar == canvas.ForeColor;
  }
  QImage atClick;
};

TEST_F(ColourCommands, CancelledDialogsChangeNothingButTheCanvasColourOneTakesTheSnapshot) {
  k.CmdSetForeColor_Click();
  EXPECT_EQ(platform.lastColourOffered, packColour(10, 20, 30));
  EXPECT_TRUE(k.Undo.isNull());
  k.CmdSetBackColor_Click();
  EXPECT_EQ(platform.lastColourOffered, White);
  EXPECT_TRUE(drawingColourKept() && canvas.Image() == atClick);
  EXPECT_TRUE(k.PenUp && !k.StrokeStarted && k.view.canvasFocusRequested);
  penDown();
  k.Canvas_MouseMove(0, 0, 200, 200);
  k.RestoreUndoSnapshot();
  EXPECT_TRUE(canvas.Image() == atClick);
}

TEST_F(ColourCommands, ChosenColoursRestartTheGradientAndSnapOnA16BitDisplay) {
  platform.colourAnswers = {packColour(10, 20, 30), packColour(250, 130, 7), Yellow,
                            packColour(250, 130, 7)};
  k.CmdSetForeColor_Click();  // the same colour still restarts the gradient
  EXPECT_EQ(directions(), 3);
  platform.depth = 16;
  k.CmdSetForeColor_Click();
  EXPECT_TRUE(canvas.ForeColor == packColour(248, 128, 0) &&
              k.view.cmdColorBar == canvas.ForeColor);
  EXPECT_EQ(components(), (Components{248, 128, 0}));
  k.CmdSetBackColor_Click();  // full intensity stays full
  EXPECT_FALSE(canvas.hasPicture());
  EXPECT_EQ(countPixels(Yellow), 1024 * 768);
  k.CmdSetBackColor_Click();
  EXPECT_EQ(canvas.BackColor(), packColour(248, 128, 0));
  EXPECT_EQ(components(), (Components{248, 128, 0}));  // the canvas colour leaves them alone
}

TEST_F(ColourCommands, ColourBarMiddleOnlyLiftsThePenRightPaintsTheCanvasLeftTheDrawingColour) {
  platform.randoms = {0.5f, 0.99999994f, 0.0f, 0.5f, 0.25f, 0.75f};
  k.cmdColorBar_MouseDown(4, 0, 0, 0);
  EXPECT_TRUE(drawingColourKept() && k.PenUp && !k.StrokeStarted && k.Undo.isNull());
  penDown();
  k.cmdColorBar_MouseDown(2, 0, 0, 0);
  EXPECT_TRUE(drawingColourKept() && k.PenUp && !k.view.canvasFocusRequested);
  EXPECT_FALSE(canvas.hasPicture());
  EXPECT_EQ(countPixels(packColour(128, 255, 0)), 1024 * 768);
  EXPECT_TRUE(k.Undo == atClick);
  k.cmdColorBar_MouseDown(1, 0, 0, 0);
  EXPECT_EQ(components(), (Components{128, 64, 192}));
  EXPECT_TRUE(canvas.ForeColor == packColour(128, 64, 192) &&
              k.view.cmdColorBar == canvas.ForeColor);
  EXPECT_TRUE(directions() == 3 && k.view.canvasFocusRequested);
}

TEST_F(ColourCommands, SixteenBitRandomComponentsReachTheTopValue256) {
  platform.depth = 16;
  platform.randoms = {0.99999994f, 0.99999994f, 0.99999994f, 0.5f, 0.5f, 0.03f, 0.03f};
  k.cmdColorBar_MouseDown(1, 0, 0, 0);
  EXPECT_EQ(components(), (Components{256, 256, 256}));
  EXPECT_EQ(canvas.ForeColor, White);  // 256 is packed as full intensity
  const double next[] = {k.RandomComponent(16, false), k.RandomComponent(16, true),
                         k.RandomComponent(16, false), k.RandomComponent(16, true)};
  EXPECT_THAT(next, ElementsAre(128, 128, 0, 4));
  k.StepGradient();  // 256 plus a step is held at 255 and turned down
  EXPECT_TRUE(components() == (Components{255, 255, 255}) && directions() == -3);
}

TEST_F(ColourCommands, FrameIsEightPixelsWithTheThickestPenAndUndoTakesItAway) {
  k.th_Click(7);
  penDown();
  k.Canvas_MouseMove(0, 0, 0, 0);
  const QImage before = canvas.Image().copy();
  canvas.ops.clear();
  k.CmdFrame_Click();
  const float w = canvas.ScaleWidth / 2;
  EXPECT_THAT(canvas.ops, ElementsAre(SegmentIs(-w, 400, -w, -400), SegmentIs(w, 400, w, -400),
                                      SegmentIs(-w, -400, w, -400), SegmentIs(-w, 400, w, 400)));
  for (const auto& op : canvas.ops) EXPECT_TRUE(op.width == 8 && op.colour == canvas.ForeColor);
  EXPECT_TRUE(canvas.DrawWidth == 15 && !k.PenUp);
  k.RestoreUndoSnapshot();
  EXPECT_TRUE(canvas.Image() == before);
}
