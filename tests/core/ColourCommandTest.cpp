#include "core/CoreFixture.h"

using ::testing::ElementsAre;

namespace {

constexpr int AllPixels = 1024 * 768;

QImage bluePicture() {
  QImage picture(100, 80, QImage::Format_RGB32);
  picture.fill(Qt::blue);
  return picture;
}

}  // namespace

class ColourCommands : public CoreFixture {
 protected:
  // A gradient colour in use and a stroke being drawn: what every command must keep or change.
  void drawingInProgress() {
    k.RedValue = 10, k.GreenValue = 20, k.BlueValue = 30;
    k.RedDir = -1, k.GreenDir = -1, k.BlueDir = -1;
    canvas.ForeColor = k.view.cmdColorBar = packColour(10, 20, 30);
    penDown();
    k.Canvas_MouseMove(0, 0, 10, 10);
    k.Canvas_MouseMove(0, 0, 60, 10);
    k.view.canvasFocusRequested = false;
  }
  void expectDrawingColourKept() {
    EXPECT_EQ((Components{k.RedValue, k.GreenValue, k.BlueValue}), (Components{10, 20, 30}));
    EXPECT_EQ(k.RedDir + k.GreenDir + k.BlueDir, -3);
    EXPECT_EQ(canvas.ForeColor, packColour(10, 20, 30));
    EXPECT_EQ(k.view.cmdColorBar, packColour(10, 20, 30));
  }
  void expectPenLifted() {
    EXPECT_TRUE(k.PenUp);
    EXPECT_FALSE(k.StrokeStarted);
  }
};

TEST_F(ColourCommands, CancelledDrawingColourChangesNothingButLiftsThePen) {
  drawingInProgress();
  k.CmdSetForeColor_Click();
  EXPECT_EQ(platform.lastColourOffered, packColour(10, 20, 30));
  expectDrawingColourKept();
  expectPenLifted();
  EXPECT_TRUE(k.view.canvasFocusRequested);
}

TEST_F(ColourCommands, ChosenDrawingColourRestartsTheGradientEvenWhenUnchanged) {
  drawingInProgress();
  platform.colourAnswers = {packColour(10, 20, 30), packColour(250, 130, 7)};
  k.CmdSetForeColor_Click();
  EXPECT_EQ(k.RedDir + k.GreenDir + k.BlueDir, 3);
  expectPenLifted();
  k.CmdSetForeColor_Click();
  EXPECT_EQ(canvas.ForeColor, packColour(250, 130, 7));
  EXPECT_EQ(k.view.cmdColorBar, canvas.ForeColor);
  EXPECT_EQ((Components{k.RedValue, k.GreenValue, k.BlueValue}), (Components{250, 130, 7}));
}

TEST_F(ColourCommands, SixteenBitDisplaySnapsChosenColoursButKeepsWhite) {
  platform.depth = 16;
  platform.colourAnswers = {packColour(250, 130, 7), White, packColour(250, 130, 7)};
  k.CmdSetForeColor_Click();
  EXPECT_EQ(canvas.ForeColor, packColour(248, 128, 0));
  EXPECT_EQ((Components{k.RedValue, k.GreenValue, k.BlueValue}), (Components{248, 128, 0}));
  k.CmdSetForeColor_Click();
  EXPECT_EQ(canvas.ForeColor, White);
  k.CmdSetBackColor_Click();
  EXPECT_EQ(canvas.BackColor(), packColour(248, 128, 0));
  EXPECT_EQ(countPixels(packColour(248, 128, 0)), AllPixels);
  EXPECT_EQ((Components{k.RedValue, k.GreenValue, k.BlueValue}), (Components{255, 255, 255}));
}

TEST_F(ColourCommands, CancelledCanvasColourKeepsTheCanvasButTheSnapshotIsTaken) {
  drawingInProgress();
  const QImage atClick = canvas.Image().copy();
  k.CmdSetBackColor_Click();
  EXPECT_EQ(platform.lastColourOffered, White);
  EXPECT_TRUE(canvas.Image() == atClick);
  expectDrawingColourKept();
  expectPenLifted();
  EXPECT_TRUE(k.view.canvasFocusRequested);
  penDown();
  k.Canvas_MouseMove(0, 0, 200, 200);
  k.RestoreUndoSnapshot();
  EXPECT_TRUE(canvas.Image() == atClick);
}

TEST_F(ColourCommands, ChosenCanvasColourClearsPictureAndDrawingAndUndoBringsThemBack) {
  canvas.setPicture(bluePicture());
  drawingInProgress();
  const QImage atClick = canvas.Image().copy();
  platform.colourAnswers = {Yellow};
  k.CmdSetBackColor_Click();
  EXPECT_FALSE(canvas.hasPicture());
  EXPECT_EQ(countPixels(Yellow), AllPixels);
  expectDrawingColourKept();
  k.RestoreUndoSnapshot();
  EXPECT_TRUE(canvas.Image() == atClick);
}

TEST_F(ColourCommands, LeftPressOnTheColourBarChoosesARandomDrawingColour) {
  drawingInProgress();
  platform.randoms = {0.5f, 0.99999994f, 0.0f};
  k.cmdColorBar_MouseDown(1, 0, 0, 0);
  EXPECT_EQ((Components{k.RedValue, k.GreenValue, k.BlueValue}), (Components{128, 255, 0}));
  EXPECT_EQ(canvas.ForeColor, packColour(128, 255, 0));
  EXPECT_EQ(k.view.cmdColorBar, canvas.ForeColor);
  EXPECT_EQ(k.RedDir + k.GreenDir + k.BlueDir, 3);
  expectPenLifted();
  EXPECT_TRUE(k.view.canvasFocusRequested);
  EXPECT_TRUE(k.Undo.isNull());
}

TEST_F(ColourCommands, SixteenBitRandomComponentsReachTheTopValue256) {
  platform.depth = 16;
  platform.randoms = {0.99999994f, 0.99999994f, 0.99999994f, 0.5f, 0.5f, 0.03f, 0.03f};
  k.cmdColorBar_MouseDown(1, 0, 0, 0);
  EXPECT_EQ((Components{k.RedValue, k.GreenValue, k.BlueValue}), (Components{256, 256, 256}));
  EXPECT_EQ(canvas.ForeColor, White);  // 256 is packed as full intensity
  EXPECT_EQ(k.RandomComponent(16, false), 128);
  EXPECT_EQ(k.RandomComponent(16, true), 128);
  EXPECT_EQ(k.RandomComponent(16, false), 0);
  EXPECT_EQ(k.RandomComponent(16, true), 4);
  k.StepGradient();  // the next step holds 256 + step at 255 and turns every channel down
  EXPECT_EQ((Components{k.RedValue, k.GreenValue, k.BlueValue}), (Components{255, 255, 255}));
  EXPECT_EQ(k.RedDir + k.GreenDir + k.BlueDir, -3);
}

TEST_F(ColourCommands, RightPressOnTheColourBarChangesOnlyTheCanvasColour) {
  canvas.setPicture(bluePicture());
  drawingInProgress();
  const QImage atClick = canvas.Image().copy();
  platform.randoms = {0.5f, 0.25f, 0.75f};
  k.cmdColorBar_MouseDown(2, 0, 0, 0);
  EXPECT_FALSE(canvas.hasPicture());
  EXPECT_EQ(countPixels(packColour(128, 64, 192)), AllPixels);
  expectDrawingColourKept();
  expectPenLifted();
  EXPECT_FALSE(k.view.canvasFocusRequested);
  EXPECT_TRUE(k.Undo == atClick);
}

TEST_F(ColourCommands, MiddlePressOnTheColourBarOnlyLiftsThePen) {
  drawingInProgress();
  const QImage atClick = canvas.Image().copy();
  platform.randoms = {0.5f, 0.25f, 0.75f};
  k.cmdColorBar_MouseDown(4, 0, 0, 0);
  expectDrawingColourKept();
  expectPenLifted();
  EXPECT_EQ(platform.randoms.size(), 3u);
  EXPECT_TRUE(canvas.Image() == atClick);
  EXPECT_TRUE(k.Undo.isNull());
  EXPECT_FALSE(k.view.canvasFocusRequested);
}

class Frames : public CoreFixture {};

TEST_F(Frames, ThickestPenStillGivesAnEightPixelFrameAndIsInForceAgain) {
  k.th_Click(7);
  penDown();
  k.Canvas_MouseMove(0, 0, 0, 0);
  canvas.ops.clear();
  k.CmdFrame_Click();
  const float w = canvas.ScaleWidth / 2;
  EXPECT_THAT(canvas.ops, ElementsAre(SegmentIs(-w, 400, -w, -400), SegmentIs(w, 400, w, -400),
                                      SegmentIs(-w, -400, w, -400), SegmentIs(-w, 400, w, 400)));
  for (const auto& op : canvas.ops) {
    EXPECT_EQ(op.width, 8);
    EXPECT_EQ(op.colour, Red);
  }
  EXPECT_EQ(canvas.DrawWidth, 15);
  EXPECT_FALSE(k.PenUp);
  EXPECT_TRUE(k.view.canvasFocusRequested);
  // About half of the pen shows along each edge.
  const QImage& image = canvas.Image();
  for (const int x : {0, 3, 1020, 1023}) EXPECT_EQ(image.pixel(x, 200), toQRgb(Red)) << x;
  for (const int y : {0, 3, 764, 767}) EXPECT_EQ(image.pixel(200, y), toQRgb(Red)) << y;
  EXPECT_EQ(image.pixel(5, 200), toQRgb(White));
  EXPECT_EQ(image.pixel(1019, 200), toQRgb(White));
}

TEST_F(Frames, UndoTakesTheFrameAway) {
  penDown();
  k.Canvas_MouseMove(0, 0, 10, 10);
  k.Canvas_MouseMove(0, 0, 50, 70);
  const QImage before = canvas.Image().copy();
  k.CmdFrame_Click();
  EXPECT_FALSE(canvas.Image() == before);
  k.RestoreUndoSnapshot();
  EXPECT_TRUE(canvas.Image() == before);
}
