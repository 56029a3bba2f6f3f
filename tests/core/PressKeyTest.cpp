#include "core/CoreFixture.h"

namespace {

constexpr int Left = 1, Right = 2, Middle = 4;

}  // namespace

class Presses : public CoreFixture {
 protected:
  void press(int button) { k.Canvas_MouseDown(button, 0, 333, 222); }
  bool panelShown() const { return k.view.isVisible(Control::cmdColorBar); }
};

TEST_F(Presses, LeftClicksToggleThePenAndOnlyPuttingItDownTakesASnapshot) {
  k.Canvas_MouseMove(0, 0, 10, 10);
  press(Left);
  EXPECT_FALSE(k.PenUp);
  ASSERT_FALSE(k.Undo.isNull());
  k.Canvas_MouseMove(0, 0, 50, 10);
  const QImage before = k.Undo.copy();
  k.StrokeStarted = true;
  press(Left);
  EXPECT_TRUE(k.PenUp);
  EXPECT_FALSE(k.StrokeStarted);
  EXPECT_EQ(k.Undo, before);  // lifting the pen takes no snapshot
  EXPECT_NE(canvas.Image(), before);
}

TEST_F(Presses, RightClicksShowThePanelLiftingThePenAndHideItLeavingThePen) {
  k.PenUp = false;
  press(Right);
  EXPECT_TRUE(panelShown());
  EXPECT_TRUE(k.PenUp);
  k.PenUp = false;
  press(Right);
  EXPECT_FALSE(panelShown());
  EXPECT_FALSE(k.PenUp);
  EXPECT_FALSE(k.view.canvasFocusRequested);
}

TEST_F(Presses, ClicksOffIgnoresLeftAndRightButNotMiddleOrFill) {
  k.Canvas_KeyPress('/');
  EXPECT_EQ(k.ClicksOn, 0);
  press(Left);
  press(Right);
  EXPECT_TRUE(k.PenUp);
  EXPECT_TRUE(k.Undo.isNull());
  EXPECT_FALSE(panelShown());

  canvas.ForeColor = packColour(1, 2, 3);
  canvas.DrawWidth = 9;
  canvas.Line(0, 0, 0, 0);
  canvas.ForeColor = Red;
  press(Middle);  // before any move: acts at the centre
  EXPECT_EQ(canvas.ForeColor, packColour(1, 2, 3));
  EXPECT_TRUE(k.PenUp);

  k.CmdFill_Click();
  k.Canvas_MouseMove(0, 0, 100, 100);
  press(Left);
  EXPECT_TRUE(k.PenUp);
  EXPECT_EQ(pixelAt(100, 100), packColour(1, 2, 3));
}

TEST_F(Presses, FillModeFillsWithoutLiftingAPenThatIsDown) {
  press(Left);
  k.CmdFill_Click();
  k.Canvas_MouseMove(0, 0, 100, 100);  // the pen is down: this draws under the pointer
  canvas.ForeColor = Yellow;
  press(Left);
  EXPECT_FALSE(k.PenUp);
  EXPECT_EQ(pixelAt(100, 100), Yellow);
  EXPECT_EQ(pixelAt(-100, -100), Yellow);  // and its mirror image
  EXPECT_EQ(pixelAt(0, 0), White);
}

class Keys : public CoreFixture {};

TEST_F(Keys, CtrlKFlipsExitAndPrintAtOnceWhenShownAndAtTheNextShowWhenHidden) {
  k.Canvas_KeyPress(11);
  EXPECT_FALSE(k.ExitPrintShown);
  k.ShowPanel();
  EXPECT_FALSE(k.view.isVisible(Control::CmdExit));
  EXPECT_FALSE(k.view.isVisible(Control::CmdPrint));
  EXPECT_TRUE(k.view.isVisible(Control::CmdFrame));
  k.Canvas_KeyPress(11);
  EXPECT_TRUE(k.view.isVisible(Control::CmdExit));
  EXPECT_TRUE(k.view.isVisible(Control::CmdPrint));
  EXPECT_EQ(k.ExitPrintJustShown, 0);
  k.Canvas_KeyPress(11);
  EXPECT_FALSE(k.view.isVisible(Control::CmdExit));
  k.HidePanel();
  k.ShowPanel();
  EXPECT_FALSE(k.view.isVisible(Control::CmdExit));
  k.HidePanel();
  for (bool shown : k.view.visible) EXPECT_FALSE(shown);
}

TEST_F(Keys, EchoClicksAndOtherKeys) {
  k.Canvas_KeyPress('s');
  EXPECT_TRUE(k.EchoOn);
  k.Canvas_KeyPress('S');
  EXPECT_FALSE(k.EchoOn);
  k.Label1_Click();
  EXPECT_TRUE(k.EchoOn);
  EXPECT_EQ(k.view.Label1ForeColor, Red);

  k.ClicksOn = 5;
  k.Canvas_KeyPress('/');
  EXPECT_EQ(k.ClicksOn, 0);
  k.Canvas_KeyPress('/');
  EXPECT_EQ(k.ClicksOn, 1);

  // Ctrl+S, Ctrl+Z and every other key do nothing.
  const QImage before = canvas.Image().copy();
  for (int code : {19, 26, int('a'), int('z'), 13, 127, 0, 255}) k.Canvas_KeyPress(code);
  EXPECT_TRUE(k.EchoOn);
  EXPECT_TRUE(k.PenUp);
  EXPECT_EQ(canvas.Image(), before);
}

TEST_F(Keys, SpacePicksEscFillsWithFillModeOffAndBackspaceUndoesLiftingThePen) {
  k.Canvas_MouseMove(0, 0, 0, 0);
  k.Canvas_MouseDown(Left, 0, 0, 0);
  k.Canvas_MouseMove(0, 0, 50, 50);
  k.Canvas_KeyPress('/');
  k.Canvas_MouseMove(0, 0, 100, 0);  // clicks off, pen still down: keeps drawing
  k.Canvas_KeyPress(32);
  EXPECT_EQ(canvas.ForeColor, Red);
  k.Canvas_KeyPress('/');
  k.Canvas_MouseDown(Left, 0, 0, 0);
  k.Canvas_MouseMove(0, 0, 0, -300);
  canvas.ForeColor = Yellow;
  k.Canvas_KeyPress(27);
  EXPECT_EQ(pixelAt(-200, -380), Yellow);
  EXPECT_EQ(pixelAt(100, 0), Red);
  k.PenUp = false;
  k.Canvas_KeyPress(8);  // back to just before the fill
  EXPECT_TRUE(k.PenUp);
  EXPECT_EQ(pixelAt(-200, -380), White);
  EXPECT_EQ(pixelAt(100, 0), Red);
}
