#pragma once

#include <vector>

#include "canvas/Surface.h"

// A real surface that also records each drawing operation with the settings in force, so
// tests can check geometry exactly and pixels at the same time.
class RecordingSurface : public Surface {
 public:
  enum class Kind { Line, Box, Circle };
  struct Op {
    Kind kind;
    float x1, y1, x2, y2;  // for a circle: centre and radius in x2
    Colour colour;
    int width, fillStyle;
    Colour fillColour;
  };

  using Surface::Surface;
  std::vector<Op> ops;
  std::vector<QPoint> fills;  // the start pixel of each flood fill

  void Line(float x1, float y1, float x2, float y2) override {
    ops.push_back({Kind::Line, x1, y1, x2, y2, ForeColor, DrawWidth, FillStyle, FillColor});
    Surface::Line(x1, y1, x2, y2);
  }
  void Box(float x1, float y1, float x2, float y2) override {
    ops.push_back({Kind::Box, x1, y1, x2, y2, ForeColor, DrawWidth, FillStyle, FillColor});
    Surface::Box(x1, y1, x2, y2);
  }
  void Circle(float x, float y, float radius) override {
    ops.push_back({Kind::Circle, x, y, radius, 0, ForeColor, DrawWidth, FillStyle, FillColor});
    Surface::Circle(x, y, radius);
  }
  void floodFill(QPoint pixel, Colour surface, Colour fill) override {
    fills.push_back(pixel);
    Surface::floodFill(pixel, surface, fill);
  }
};
