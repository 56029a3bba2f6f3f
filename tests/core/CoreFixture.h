#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "Kalyra.h"
#include "canvas/Mirror.h"
#include "support/FakePlatform.h"
#include "support/RecordingSurface.h"

// The program on a 1024 × 768 screen after start-up, drawing into a recording surface.
class CoreFixture : public ::testing::Test {
 protected:
  explicit CoreFixture(QSize screen = {1024, 768}) : canvas(screen) {
    platform.screen = screen;
    k.Form_Load();
  }

  void penDown() { k.PenUp = false; }

  // The pixel under a canvas point.
  Colour pixelAt(float x, float y) const {
    const QPoint p = canvas.toPixel(x, y);
    return fromQRgb(canvas.Image().pixel(p));
  }

  int countPixels(Colour c) const {
    const QImage& image = canvas.Image();
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
      const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
      for (int x = 0; x < image.width(); ++x) n += (row[x] & 0xffffff) == (toQRgb(c) & 0xffffff);
    }
    return n;
  }

  std::set<Colour> coloursUsed() const {
    std::set<Colour> colours;
    const QImage& image = canvas.Image();
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) colours.insert(fromQRgb(image.pixel(x, y)));
    return colours;
  }

  FakePlatform platform;
  RecordingSurface canvas;
  Kalyra k{canvas, platform};
};

MATCHER_P4(SegmentIs, x1, y1, x2, y2, "") {
  constexpr float eps = 1e-3f;
  return std::abs(arg.x1 - x1) < eps && std::abs(arg.y1 - y1) < eps &&
         std::abs(arg.x2 - x2) < eps && std::abs(arg.y2 - y2) < eps;
}
