#include "Kalyra.h"
#include "canvas/Mirror.h"
#include "canvas/Numbers.h"

namespace {

// The echo is drawn 150 units up and to the left of the pointer, before mirroring.
constexpr float EchoOffset = 150;

}  // namespace

// Every pointer move records the pointer; with the pen down it draws the brush at the pointer
// and at its mirror images, then the echo. Buttons and modifier keys play no part: drawing is
// switched by clicks, not by holding a button.
void Kalyra::Canvas_MouseMove(int, int, float X, float Y) {
  MouseX = toInt16(X);
  MouseY = toInt16(Y);
  if (PenUp) return;

  switch (DrawStyle) {
    case 0:
      drawLineBrush(X, Y);
      break;
    case 1:
    case 2:
    case 3:
      stampShapes(X, Y);
      break;
    default:
      break;
  }
}

void Kalyra::drawLineBrush(float X, float Y) {
  if (!StrokeStarted) {
    StrokeStarted = true;
    LastX = X;
    LastY = Y;
    // A new stroke restarts its echo too, so that the echo of one stroke is never joined to
    // the echo of the last by a stray line across the picture.
    EchoLastX = X - EchoOffset;
    EchoLastY = toInt16(Y - EchoOffset);
  }
  if (GradientOn) StepGradient();
  Canvas.DrawWidth = Thickness;

  const int copies = copiesFor(MirrorMode);
  for (int k = 0; k < copies; ++k) {
    const auto from = mirrorCopy(k, LastX, LastY);
    const auto to = mirrorCopy(k, X, Y);
    Canvas.Line(from.x, from.y, to.x, to.y);
  }
  LastX = X;
  LastY = Y;

  if (EchoOn) {
    const float ex = X - EchoOffset;
    const float ey = Y - EchoOffset;
    const float fromY = EchoLastY;
    for (int k = 0; k < copies; ++k) {
      const auto from = mirrorCopy(k, EchoLastX, fromY);
      const auto to = mirrorCopy(k, ex, ey);
      Canvas.Line(from.x, from.y, to.x, to.y);
    }
    EchoLastX = ex;
    EchoLastY = toInt16(ey);
  }
}

// Squares, circles and polygons: one stamp per move at the pointer, with its copies. Nothing
// is interpolated between moves, so a fast move leaves gaps between the stamps.
void Kalyra::stampShapes(float X, float Y) {
  Canvas.FillColor = Canvas.ForeColor;  // the colour before this move's gradient step
  Canvas.FillStyle = 1;
  Canvas.DrawWidth = Thickness;
  if (GradientOn) StepGradient();

  if (DrawStyle == 3) {
    DrawPolygon(MouseX, MouseY, PolySides, BrushSize);
    if (EchoOn) {
      DrawPolygon(toInt16(MouseX - EchoOffset), toInt16(MouseY - EchoOffset), PolySides, BrushSize);
    }
    return;
  }

  const int copies = copiesFor(MirrorMode);
  const float side = 2.0f * BrushSize;
  auto stamp = [&](float x, float y) {
    for (int k = 0; k < copies; ++k) {
      const auto corner = mirrorCopy(k, x, y);
      if (DrawStyle == 1) {
        const auto opposite = mirrorCopy(k, x + side, y + side);
        Canvas.Box(corner.x, corner.y, opposite.x, opposite.y);
      } else {
        Canvas.Circle(corner.x, corner.y, BrushSize);
      }
    }
  };
  stamp(X, Y);
  if (EchoOn) stamp(X - EchoOffset, Y - EchoOffset);
}
