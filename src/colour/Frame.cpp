#include "Kalyra.h"

// A frame for colouring-book pages: an 8-pixel line along each edge of the canvas in the drawing
// colour, centred on the edge so that about half of it shows. The selected pen width is put back
// afterwards.
void Kalyra::CmdFrame_Click() {
  TakeUndoSnapshot();
  const int saved = Canvas.DrawWidth;
  Canvas.DrawWidth = 8;
  const float w = Canvas.ScaleWidth / 2;
  const float h = Canvas.ScaleHeight / 2;
  Canvas.Line(-w, h, -w, -h);
  Canvas.Line(w, h, w, -h);
  Canvas.Line(-w, -h, w, -h);
  Canvas.Line(-w, h, w, h);
  Canvas.DrawWidth = saved;
  endChange();
  requestCanvasFocus();
}
