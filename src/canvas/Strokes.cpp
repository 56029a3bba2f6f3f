#include <cmath>

#include "Kalyra.h"
#include "canvas/Numbers.h"
#include "symmetry/CopyPen.h"

namespace {

// The echo is drawn 150 units up and to the left of the pointer, before mirroring.
constexpr float EchoOffset = 150;

}  // namespace

// Every pointer move records the pointer; with the pen down it draws the brush at the pointer
// and at its images under the symmetry, then the echo. Buttons and modifier keys play no part:
// drawing is switched by clicks, not by holding a button.
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

namespace {

void segments(Surface& canvas, CopyPen& pen, float x1, float y1, float x2, float y2) {
  pen.aim(x1, y1, std::hypot(double(x2) - x1, double(y2) - y1));
  for (int k = 0; k < pen.count(); ++k) {
    pen.begin(k);
    const QPointF from = pen.at(k, x1, y1);
    const QPointF to = pen.at(k, x2, y2);
    canvas.Line(float(from.x()), float(from.y()), float(to.x()), float(to.y()));
  }
}

// A square turned with its copy is its outline drawn as four lines; only copies that keep it
// upright could be boxes, and the copies of one stamp should all look alike.
void turnedSquares(Surface& canvas, CopyPen& pen, float x, float y, float side) {
  const float corners[5][2] = {{x, y}, {x + side, y}, {x + side, y + side}, {x, y + side}, {x, y}};
  pen.aim(x, y, 1.5 * side);
  for (int k = 0; k < pen.count(); ++k) {
    pen.begin(k);
    const QPointF first = pen.at(k, corners[0][0], corners[0][1]);
    canvas.Line(float(first.x()), float(first.y()), float(first.x()), float(first.y()));
    for (int i = 1; i < 5; ++i) {
      const QPointF p = pen.at(k, corners[i][0], corners[i][1]);
      canvas.LineTo(float(p.x()), float(p.y()));
    }
  }
}

}  // namespace

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

  CopyPen pen(Canvas, symmetry, MirrorMode);
  segments(Canvas, pen, LastX, LastY, X, Y);
  LastX = X;
  LastY = Y;

  if (EchoOn) {
    const float ex = X - EchoOffset;
    const float ey = Y - EchoOffset;
    segments(Canvas, pen, EchoLastX, float(EchoLastY), ex, ey);
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

  CopyPen pen(Canvas, symmetry, MirrorMode);
  const float side = 2.0f * BrushSize;
  const bool upright = symmetry.kind() == Symmetry::Kind::Mirror;
  auto stamp = [&](float x, float y) {
    if (DrawStyle == 1 && !upright) return turnedSquares(Canvas, pen, x, y, side);
    pen.aim(x, y, DrawStyle == 1 ? 1.5 * side : double(BrushSize));
    for (int k = 0; k < pen.count(); ++k) {
      pen.begin(k);
      const QPointF corner = pen.at(k, x, y);
      if (DrawStyle == 1) {
        const QPointF opposite = pen.at(k, x + side, y + side);
        Canvas.Box(float(corner.x()), float(corner.y()), float(opposite.x()), float(opposite.y()));
      } else {
        Canvas.Circle(float(corner.x()), float(corner.y()), BrushSize);
      }
    }
  };
  stamp(X, Y);
  if (EchoOn) stamp(X - EchoOffset, Y - EchoOffset);
}
