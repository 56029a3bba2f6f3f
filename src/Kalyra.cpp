#include "Kalyra.h"

#include <algorithm>

#include "canvas/Numbers.h"

void Kalyra::Form_Load() {
  platform.seedRandomFromClock();
  ProgramDir = platform.currentDirectory();
  ExitPrintShown = true;
  ClicksOn = 1;
  RedValue = 255;
  GreenValue = 0;
  BlueValue = 0;
  RedDir = 1;
  GreenDir = 1;
  BlueDir = 1;
  view.cmdColorBar = Canvas.ForeColor;
  StyIndex = 0;
  view.sty[StyIndex] = Yellow;
  ThIndex = 1;
  view.th[ThIndex] = Yellow;
  MirIndex = 2;
  view.mir[MirIndex] = Yellow;
  PolygIndex = 0;
  PolySides = 3;
  BrushSize = 1;
  Thickness = 3;
  DrawStyle = 0;
  MirrorMode = 2;
  Canvas.setBackColor(White);

  const QSize screen = platform.screenPixelSize();
  ScreenPixelWidth = toInt16(screen.width());
  ScreenPixelHeight = toInt16(screen.height());
  // The canvas's proportions are the screen's; a screen that reports no height is taken as
  // square rather than dividing by zero.
  const double height = std::max<int>(ScreenPixelHeight, 1);
  const double width = ScreenPixelWidth > 0 ? ScreenPixelWidth : height;
  Canvas.ScaleHeight = 800;
  Canvas.ScaleWidth = float(800.0 * width / height);
  Canvas.ScaleTop = -Canvas.ScaleHeight / 2;
  Canvas.ScaleLeft = -Canvas.ScaleWidth / 2;
  Canvas.DrawWidth = Thickness;
  PenUp = true;
}

// A lifted pen ends a stroke, and with it the history's step.
void Kalyra::liftPen() {
  PenUp = true;
  StrokeStarted = false;
  history.endStep(Canvas, Undo);
}
