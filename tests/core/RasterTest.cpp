#include <gtest/gtest.h>

#include <QImage>

#include "canvas/Raster.h"

namespace {

// Whether the pixel centre (x, y) lies within width / 2 of the segment from a to b, decided in
// whole numbers: nearest the segment's inside, or else nearest one of its ends.
bool nearSegment(QPoint a, QPoint b, int width, int x, int y) {
  const long long dx = b.x() - a.x(), dy = b.y() - a.y(), ux = x - a.x(), uy = y - a.y();
  const long long len2 = dx * dx + dy * dy, along = dx * ux + dy * uy, w2 = 1LL * width * width;
  if (along <= 0) return 4 * (ux * ux + uy * uy) <= w2;
  if (along >= len2) return 4 * ((ux - dx) * (ux - dx) + (uy - dy) * (uy - dy)) <= w2;
  const long long across = dx * uy - dy * ux;
  return 4 * across * across <= w2 * len2;
}

}  // namespace

// Wide lines of every width take exactly the pixels whose centres are near enough, at any slope,
// for dots, for exact boundary distances (3-4-5), and clipped at every edge; nothing is drawn
// outside the area the line reports.
TEST(Raster, WideLinesTakeExactlyThePixelCentresWithinHalfTheWidth) {
  const std::pair<QPoint, QPoint> segments[] = {
      {{5, 5}, {40, 30}},    {{-10, 20}, {60, -5}}, {{20, 20}, {20, 20}}, {{3, 38}, {44, 37}},
      {{10, -20}, {12, 70}}, {{47, 0}, {0, 39}},    {{30, 10}, {35, 10}}, {{12, 5}, {12, 30}},
      {{0, 0}, {3, 4}},      {{-3, 44}, {50, 41}},  {{46, 18}, {-1, 23}}, {{24, 2}, {21, 37}}};
  QImage image(48, 40, QImage::Format_RGB32);
  for (const auto& [from, to] : segments) {
    for (int width = 2; width <= 33; ++width) {
      image.fill(0);
      const QRect area = raster::line(image, from, to, width, 0xffff0000);
      for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
          const bool drawn = image.pixel(x, y) == 0xffff0000;
          ASSERT_EQ(drawn, nearSegment(from, to, width, x, y))
              << from.x() << "," << from.y() << " " << to.x() << "," << to.y() << " width " << width
              << " at " << x << "," << y;
          ASSERT_TRUE(!drawn || area.contains(x, y));
        }
    }
  }
}
