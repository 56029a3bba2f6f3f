#include "core/CoreFixture.h"

class Selectors : public CoreFixture {
 protected:
  template <std::size_t N>
  static std::vector<int> yellowOf(const std::array<Colour, N>& buttons) {
    std::vector<int> marked;
    for (std::size_t i = 0; i < N; ++i) {
      if (buttons[i] == Yellow)
        marked.push_back(int(i));
      else
        EXPECT_EQ(buttons[i], White);
    }
    return marked;
  }
  void strokeInProgress() {
    k.PenUp = false;
    k.StrokeStarted = true;
    k.view.canvasFocusRequested = false;
  }
};

TEST_F(Selectors, StartStateMarksLineThicknessOneAndEightWay) {
  EXPECT_EQ(yellowOf(k.view.sty), std::vector<int>{0});
  EXPECT_EQ(yellowOf(k.view.th), std::vector<int>{1});
  EXPECT_EQ(yellowOf(k.view.mir), std::vector<int>{2});
  EXPECT_TRUE(yellowOf(k.view.polyg).empty());
  EXPECT_EQ(k.PolySides, 3);
  EXPECT_EQ(k.Thickness, 3);
  EXPECT_EQ(canvas.DrawWidth, 3);
  EXPECT_EQ(k.view.cmdColorBar, Red);
  EXPECT_TRUE(k.PenUp);
  EXPECT_EQ(k.ProgramDir, platform.directory);
  EXPECT_EQ(platform.seeds, 1);
}

TEST_F(Selectors, EachButtonSetsItsStateMovesTheMarkLiftsThePenAndFocusesTheCanvas) {
  for (int i = 0; i < 8; ++i) {
    strokeInProgress();
    k.th_Click(i);
    EXPECT_EQ(k.Thickness, 2 * i + 1);
    EXPECT_EQ(yellowOf(k.view.th), std::vector<int>{i});
    EXPECT_TRUE(k.PenUp && !k.StrokeStarted && k.view.canvasFocusRequested);
  }
  for (int i = 0; i < 8; ++i) {
    strokeInProgress();
    k.polyg_Click(i);
    EXPECT_EQ(k.PolySides, i + 3);
    EXPECT_EQ(k.DrawStyle, 3);
    EXPECT_EQ(yellowOf(k.view.polyg), std::vector<int>{i});
    EXPECT_TRUE(yellowOf(k.view.sty).empty());
    EXPECT_EQ(k.StyIndex, 0);  // still names the last style button
    EXPECT_TRUE(k.PenUp && !k.StrokeStarted && k.view.canvasFocusRequested);
  }
  for (int i = 0; i < 3; ++i) {
    strokeInProgress();
    k.sty_Click(i);
    EXPECT_EQ(k.DrawStyle, i);
    EXPECT_EQ(k.PolySides, 10);  // kept from the last polygon
    EXPECT_EQ(yellowOf(k.view.sty), std::vector<int>{i});
    EXPECT_TRUE(yellowOf(k.view.polyg).empty());
    EXPECT_TRUE(k.PenUp && !k.StrokeStarted && k.view.canvasFocusRequested);
  }
  for (int i = 0; i < 3; ++i) {
    strokeInProgress();
    k.mir_Click(i);
    EXPECT_EQ(k.MirrorMode, i);
    EXPECT_EQ(yellowOf(k.view.mir), std::vector<int>{i});
    EXPECT_TRUE(k.PenUp && !k.StrokeStarted && k.view.canvasFocusRequested);
  }
}

TEST_F(Selectors, ClickingTheSelectedButtonAgainOnlyLiftsThePen) {
  strokeInProgress();
  k.th_Click(1);
  EXPECT_EQ(yellowOf(k.view.th), std::vector<int>{1});
  EXPECT_EQ(k.Thickness, 3);
  EXPECT_TRUE(k.PenUp);
}

TEST_F(Selectors, SizeBarLiftsThePenButLeavesTheFocus) {
  strokeInProgress();
  k.view.ScrollSize = 1;
  k.ScrollSize_Change();
  EXPECT_EQ(k.BrushSize, 1);
  EXPECT_TRUE(k.PenUp && !k.StrokeStarted);
  EXPECT_FALSE(k.view.canvasFocusRequested);
  k.view.ScrollSize = 350;
  k.ScrollSize_Change();
  EXPECT_EQ(k.BrushSize, 350);
}

TEST_F(Selectors, IndexesOutsideTheArraysAreIgnored) {
  k.th_Click(8);
  k.sty_Click(-1);
  k.polyg_Click(8);
  k.mir_Click(3);
  EXPECT_EQ(k.Thickness, 3);
  EXPECT_EQ(k.DrawStyle, 0);
  EXPECT_EQ(k.MirrorMode, 2);
}

TEST_F(Selectors, EchoSwitchColoursTheLabelAndPlacesTheEchoBehindTheStroke) {
  k.ToggleEcho();
  EXPECT_TRUE(k.EchoOn);
  EXPECT_EQ(k.view.Label1ForeColor, Red);
  EXPECT_FLOAT_EQ(k.EchoLastX, -150);  // no stroke yet: the previous point counts as 0
  EXPECT_EQ(k.EchoLastY, -150);
  k.ToggleEcho();
  EXPECT_FALSE(k.EchoOn);
  EXPECT_EQ(k.view.Label1ForeColor, Black);
  k.LastX = 10.25f;
  k.LastY = 20.5f;
  k.PenUp = false;
  k.ToggleEcho();
  EXPECT_FLOAT_EQ(k.EchoLastX, -139.75f);
  EXPECT_EQ(k.EchoLastY, -130);  // -129.5 rounds to the even neighbour
  EXPECT_FALSE(k.PenUp);         // the echo switch leaves the pen alone
}
