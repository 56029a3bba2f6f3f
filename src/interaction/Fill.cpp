#include "Kalyra.h"

// Fill mode turns a left press on the canvas into a fill. The pen is not touched: with the pen
// down, moves keep drawing while fill mode is on.
void Kalyra::CmdFill_Click() {
  FillMode = !FillMode;
  view.CmdFill = FillMode ? Yellow : White;
  requestCanvasFocus();
}

// One fill at the pointer and at each of its images, in the order the strokes draw their
// copies. The surface colour is read once, at the very pixel the first fill starts from, so a
// mirror image that falls into a region this press has already painted, or onto a pixel of
// another colour, paints nothing. With rainbow copies each image fills in its copy's colour.
void Kalyra::FillAtPointer() {
  const QPoint pointer = Canvas.toPixel(MouseX, MouseY);
  const Colour colour = Canvas.ForeColor;
  Canvas.FillStyle = 0;
  Canvas.FillColor = colour;
  FillSurfaceColor = Canvas.Point(MouseX, MouseY);
  TakeUndoSnapshot();
  if (symmetry.kind() == Symmetry::Kind::Pattern) {
    // Every image on the picture; the rainbow colours each by its move within the cell, so
    // that every cell looks alike.
    for (const auto& [start, move] : symmetry.patternFillStarts(Canvas, pointer)) {
      if (symmetry.rainbow)
        Canvas.FillColor = turnHue(colour, double(move) / symmetry.pattern().moves());
      FillAt(start);
    }
    Canvas.FillColor = colour;
    Canvas.FillStyle = 1;
    endChange();
    requestCanvasFocus();
    return;
  }
  const int copies = symmetry.copies(MirrorMode);
  for (const auto& start : symmetry.fillStarts(Canvas, pointer, MirrorMode)) {
    if (symmetry.rainbow) Canvas.FillColor = turnHue(colour, double(start.copy) / copies);
    FillAt(start.pixel);
  }
  Canvas.FillColor = colour;
  Canvas.FillStyle = 1;
  endChange();
  requestCanvasFocus();
}

// Fills from one pixel with the canvas's fill: solid FillColor, nothing while the fill style is
// transparent.
void Kalyra::FillAt(QPoint pixel) {
  if (Canvas.FillStyle != 0) return;
  Canvas.floodFill(pixel, FillSurfaceColor, Canvas.FillColor);
}
