#pragma once

#include <vector>

#include "canvas/Surface.h"

// A real surface that also records each line with the settings in force and each fill's start,
// so tests can check geometry exactly and pixels at the same time.
class RecordingSurface : public Surface {
 public:
  struct Op {
    float x1, y1, x2, y2;
    Colour colour;
    int width;
  };

  using Surface::Surface;
  std::vector<Op> ops;        // every line drawn
  std::vector<QPoint> fills;  // the start pixel of each flood fill

  void Line(float x1, float y1, float x2, float y2) override {
    ops.push_back({x1, y1, x2, y2, ForeColor, DrawWidth});
    Surface::Line(x1, y1, x2, y2);
  }
  void floodFill(QPoint pixel, Colour surface, Colour fill) override {
    fills.push_back(pixel);
    Surface::floodFill(pixel, surface, fill);
  }
};
