#include <QLocale>

#include "core/CoreFixture.h"

class Gradient : public CoreFixture {
 protected:
  void steps(const char* red, const char* green, const char* blue) {
    k.view.txtRed = QString::fromUtf8(red);
    k.view.txtGreen = QString::fromUtf8(green);
    k.view.txtBlue = QString::fromUtf8(blue);
  }
};

TEST_F(Gradient, FirstStepsFromTheStartState) {
  k.StepGradient();
  EXPECT_EQ(canvas.ForeColor, packColour(255, 2, 3));
  EXPECT_EQ(k.view.cmdColorBar, canvas.ForeColor);
  EXPECT_EQ(k.RedDir, -1);
  k.StepGradient();
  EXPECT_EQ(canvas.ForeColor, packColour(254, 4, 6));
}

TEST_F(Gradient, EachChannelRunsItsOwnTriangleWave) {
  steps("0", "300", "100");
  k.RedValue = 17;
  std::vector<double> green, blue;
  for (int i = 0; i < 6; ++i) {
    k.StepGradient();
    EXPECT_EQ(k.RedValue, 17);  // a step of 0 holds its channel
    green.push_back(k.GreenValue);
    blue.push_back(k.BlueValue);
  }
  EXPECT_EQ(green, (std::vector<double>{255, 0, 255, 0, 255, 0}));
  EXPECT_EQ(blue, (std::vector<double>{100, 200, 255, 155, 55, 0}));
}

TEST_F(Gradient, NegativeStepRunsAgainstItsDirectionAndStaysAtTheBound) {
  steps("-5", "0", "0");
  k.RedValue = 12;
  k.StepGradient();
  EXPECT_EQ(k.RedValue, 7);
  k.StepGradient();
  k.StepGradient();
  EXPECT_EQ(k.RedValue, 0);
  EXPECT_EQ(k.RedDir, 1);
  k.StepGradient();
  EXPECT_EQ(k.RedValue, 0);
}

TEST_F(Gradient, FractionalStepsRoundHalfToEvenOnlyWhenDrawn) {
  steps("0", "0.5", "1.5");
  k.StepGradient();  // green 0.5, blue 1.5
  EXPECT_EQ(k.GreenValue, 0.5);
  EXPECT_EQ(canvas.ForeColor, packColour(255, 0, 2));
  k.StepGradient();  // green 1, blue 3
  k.StepGradient();  // green 1.5, blue 4.5
  EXPECT_EQ(canvas.ForeColor, packColour(255, 2, 4));
}

TEST_F(Gradient, SixteenBitDisplaySnapsOnlyTheColourDrawn) {
  platform.depth = 16;
  steps("0", "0", "0");
  k.RedValue = 200, k.GreenValue = 130, k.BlueValue = 254;
  k.StepGradient();  // blue 254 stays below the bound
  EXPECT_EQ(canvas.ForeColor, packColour(200, 128, 248));
  EXPECT_EQ(k.GreenValue, 130);
  k.RedValue = 7, k.GreenValue = 3, k.BlueValue = 255;
  k.StepGradient();
  EXPECT_EQ(canvas.ForeColor, packColour(0, 0, 255));
  EXPECT_EQ(k.RedValue, 7);
}

TEST_F(Gradient, StepBoxTextThatIsNotANumberCountsAsZero) {
  steps("abc", "", "1e400");
  k.StepGradient();
  EXPECT_EQ(canvas.ForeColor, Red);
  steps("nan", "inf", "-inf");
  k.StepGradient();
  EXPECT_EQ(canvas.ForeColor, Red);
}

TEST_F(Gradient, StepBoxesAreReadInTheUsersLocale) {
  const QLocale before;
  QLocale::setDefault(QLocale(QLocale::German));
  steps("0", "2,5", "0");
  k.StepGradient();
  QLocale::setDefault(before);
  EXPECT_EQ(k.GreenValue, 2.5);
}

TEST_F(Gradient, SwitchingOffAndOnKeepsColourAndDirections) {
  k.CmdGradient_Click();
  EXPECT_TRUE(k.GradientOn);
  EXPECT_EQ(k.view.CmdGradient, Yellow);
  EXPECT_TRUE(k.view.canvasFocusRequested);
  k.StepGradient();
  k.CmdGradient_Click();
  EXPECT_EQ(k.view.CmdGradient, White);
  k.CmdGradient_Click();
  EXPECT_EQ(k.RedValue, 255);
  EXPECT_EQ(k.RedDir, -1);
  EXPECT_EQ(canvas.ForeColor, packColour(255, 2, 3));
}

TEST_F(Gradient, LeavingAStepBoxValidatesItsText) {
  const std::pair<const char*, const char*> cases[] = {
      {"", "0"},          {"abc", "0"},     {"1000", "1000"}, {"-20", "-20"},   {"2.5", "2.5"},
      {"1000.5", "1000"}, {"5000", "1000"}, {"-7", "-7"},     {" 12 ", " 12 "}, {"1e9999", "0"},
  };
  for (const auto& [typed, kept] : cases) {
    k.view.txtGreen = QString::fromUtf8(typed);
    k.txtGreen_LostFocus();
    EXPECT_EQ(k.view.txtGreen, QString::fromUtf8(kept)) << "typed '" << typed << "'";
  }
  k.view.txtRed = "x";
  k.view.txtBlue = "9999";
  k.txtRed_LostFocus();
  k.txtBlue_LostFocus();
  EXPECT_EQ(k.view.txtRed, "0");
  EXPECT_EQ(k.view.txtBlue, "1000");
}

TEST_F(Gradient, ColourPickTakesThePixelUnderThePointerAndKeepsDirections) {
  canvas.ForeColor = packColour(10, 20, 30);
  canvas.DrawWidth = 9;
  canvas.Line(40, -30, 40, -30);
  canvas.ForeColor = Red;
  k.RedDir = -1;
  k.Canvas_MouseMove(0, 0, 40, -30);
  k.PickColorAtPointer();
  EXPECT_EQ(canvas.ForeColor, packColour(10, 20, 30));
  EXPECT_EQ(k.view.cmdColorBar, packColour(10, 20, 30));
  EXPECT_EQ(Components(k.RedValue, k.GreenValue, k.BlueValue), (Components{10, 20, 30}));
  EXPECT_EQ(k.RedDir, -1);
}
