#include <algorithm>

#include "Kalyra.h"
#include "canvas/Numbers.h"

// Each selector lifts the pen, moves the yellow mark from the button chosen before to the one
// clicked, and gives the keyboard focus back to the canvas. An index outside the array is
// ignored: only the panel's own buttons call these.

void Kalyra::th_Click(int i) {
  if (i < 0 || i >= int(view.th.size())) return;
  liftPen();
  view.th[ThIndex] = White;
  view.th[i] = Yellow;
  ThIndex = std::int16_t(i);
  Thickness = std::int16_t(2 * i + 1);
  requestCanvasFocus();
}

void Kalyra::sty_Click(int i) {
  if (i < 0 || i >= int(view.sty.size())) return;
  liftPen();
  view.sty[StyIndex] = White;
  view.polyg[PolygIndex] = White;
  view.sty[i] = Yellow;
  StyIndex = std::int16_t(i);
  DrawStyle = std::int16_t(i);
  requestCanvasFocus();
}

void Kalyra::polyg_Click(int i) {
  if (i < 0 || i >= int(view.polyg.size())) return;
  DrawStyle = 3;
  liftPen();
  view.sty[StyIndex] = White;
  view.polyg[PolygIndex] = White;
  view.polyg[i] = Yellow;
  PolygIndex = std::int16_t(i);
  PolySides = std::int16_t(i + 3);
  requestCanvasFocus();
}

void Kalyra::mir_Click(int i) {
  if (i < 0 || i >= int(view.mir.size())) return;
  liftPen();
  view.mir[MirIndex] = White;
  view.mir[i] = Yellow;
  MirIndex = std::int16_t(i);
  MirrorMode = std::int16_t(i);
  symmetry.set(Symmetry::Kind::Mirror, symmetry.order());
  requestCanvasFocus();
}

// The size bar leaves the focus where it is, so the arrow keys keep working on it.
void Kalyra::ScrollSize_Change() {
  liftPen();
  BrushSize = std::int16_t(std::clamp(view.ScrollSize, 1, 350));
}

void Kalyra::ToggleEcho() {
  if (EchoOn) {
    EchoOn = false;
    view.Label1ForeColor = Black;
  } else {
    EchoOn = true;
    view.Label1ForeColor = Red;
    EchoLastX = LastX - 150;
    EchoLastY = toInt16(LastY - 150);
  }
}
