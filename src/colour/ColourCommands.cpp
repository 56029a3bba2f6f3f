#include <cmath>

#include "Kalyra.h"

namespace {

constexpr Colour RgbBits = 0xffffff;

}  // namespace

// A new drawing colour from the colour dialog. The pen is lifted before the dialog opens; a
// cancelled dialog leaves colour, components and directions as they were.
void Kalyra::CmdSetForeColor_Click() {
  const int depth = DisplayColorDepth();
  liftPen();
  if (const auto answer = platform.chooseColour(Canvas.ForeColor)) {
    const Colour chosen = *answer & RgbBits;
    SplitColor(chosen);
    if (depth == 16) {
      SnapTo16Bit();
      Canvas.ForeColor = packColour(RedValue, GreenValue, BlueValue);
    } else {
      Canvas.ForeColor = chosen;
    }
    view.cmdColorBar = Canvas.ForeColor;
    // A chosen colour starts a new gradient: every channel rises again, even for the same colour.
    RedDir = 1;
    GreenDir = 1;
    BlueDir = 1;
  }
  requestCanvasFocus();
}

// A new canvas colour from the colour dialog clears the canvas, background picture included.
// The snapshot is taken before the dialog opens, so it is in place even when the dialog is
// cancelled. The drawing colour's components are not touched.
void Kalyra::CmdSetBackColor_Click() {
  const int depth = DisplayColorDepth();
  liftPen();
  TakeUndoSnapshot();
  if (const auto answer = platform.chooseColour(Canvas.BackColor())) {
    Canvas.setPicture(std::nullopt);
    const Colour chosen = *answer & RgbBits;
    if (depth == 16) {
      const Components c = snapTo16Bit(splitColour(chosen));
      Canvas.setBackColor(packColour(c.red, c.green, c.blue));
    } else {
      Canvas.setBackColor(chosen);
    }
  }
  endChange();
  requestCanvasFocus();
}

// Left: a random drawing colour. Right: a random canvas colour, which clears the canvas and
// leaves the drawing colour and the focus alone. Any button lifts the pen.
void Kalyra::cmdColorBar_MouseDown(int button, int, float, float) {
  const int depth = DisplayColorDepth();
  liftPen();
  if (button == 1) {
    RedValue = RandomComponent(depth, false);
    GreenValue = RandomComponent(depth, true);
    BlueValue = RandomComponent(depth, false);
    view.cmdColorBar = packColour(RedValue, GreenValue, BlueValue);
    Canvas.ForeColor = view.cmdColorBar;
    RedDir = 1;
    GreenDir = 1;
    BlueDir = 1;
    requestCanvasFocus();
  }
  if (button == 2) {
    TakeUndoSnapshot();
    Canvas.setPicture(std::nullopt);
    const double red = RandomComponent(depth, false);
    const double green = RandomComponent(depth, true);
    const double blue = RandomComponent(depth, false);
    Canvas.setBackColor(packColour(red, green, blue));
    endChange();
  }
}

// On a 16-bit display the component lands on the grid the display shows (steps of 8 for red and
// blue, 4 for green). The factor 257 lets the top of the grid come out as 256, which packing
// turns into full intensity 255; otherwise full intensity could never be drawn at random.
double Kalyra::RandomComponent(int depth, bool green) {
  const double r = platform.randomSingle();
  if (depth != 16) return std::floor(r * 256);
  const double grid = green ? 4 : 8;
  return std::floor(r * 257 / grid) * grid;
}
