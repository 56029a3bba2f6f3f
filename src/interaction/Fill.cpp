#include "Kalyra.h"
#include "canvas/Mirror.h"
#include "canvas/Numbers.h"

// Fill mode turns a left press on the canvas into a fill. The pen is not touched: with the pen
// down, moves keep drawing while fill mode is on.
void Kalyra::CmdFill_Click() {
  FillMode = !FillMode;
  view.CmdFill = FillMode ? Yellow : White;
  requestCanvasFocus();
}

// One fill at the pointer and at each of its mirror images, in the order the strokes draw their
// copies. The surface colour is read once, before the first fill, so a mirror image that falls
// into a region this press has already painted, or onto a pixel of another colour, paints
// nothing.
void Kalyra::FillAtPointer() {
  const std::int16_t x = MouseX;
  const std::int16_t y = MouseY;
  Canvas.FillStyle = 0;
  Canvas.FillColor = Canvas.ForeColor;
  FillSurfaceColor = Canvas.Point(x, y);
  TakeUndoSnapshot();
  const int copies = copiesFor(MirrorMode);
  for (int copy = 0; copy < copies; ++copy) {
    const auto p = mirrorCopy<std::int16_t>(copy, x, y);
    FillAt(p.x, p.y);
  }
  Canvas.FillStyle = 1;
  requestCanvasFocus();
}

// Converts a canvas point to the screen pixel it lies on, in single precision, and fills there.
// A point off the canvas (a diagonal image of a pointer beyond ±400 units on a wide screen) is
// moved onto the nearest edge pixel, and the fill starts there if that pixel has the surface
// colour. The fill paints with the canvas's fill: solid FillColor, nothing while the fill style
// is transparent.
void Kalyra::FillAt(std::int16_t x, std::int16_t y) {
  const float sx = float(ScreenPixelWidth) / Canvas.ScaleWidth;
  const float sy = float(ScreenPixelHeight) / Canvas.ScaleHeight;
  float px = sx * (Canvas.ScaleWidth / 2 + float(x));
  float py = sy * (Canvas.ScaleHeight / 2 + float(y));
  if (px > float(ScreenPixelWidth - 1)) px = float(ScreenPixelWidth - 1);
  if (py > float(ScreenPixelHeight - 1)) py = float(ScreenPixelHeight - 1);
  if (px < 0) px = 0;
  if (py < 0) py = 0;
  if (Canvas.FillStyle != 0) return;
  Canvas.floodFill(QPoint(toInt32(px), toInt32(py)), FillSurfaceColor, Canvas.FillColor);
}
