#include <gtest/gtest.h>

#include <QImage>

#include "canvas/Raster.h"

// Whether the pixel centre p lies within width / 2 of the segment from a to b, in whole numbers:
// nearest the segment's inside, or else nearest one of its ends.
static bool nearSegment(QPoint a, QPoint b, int width, QPoint p) {
  const long long dx = b.x() - a.x(), dy = b.y() - a.y(), ux = p.x() - a.x(), uy = p.y() - a.y();
  const long long len2 = dx * dx + dy * dy, along = dx * ux + dy * uy, w2 = 1LL * width * width;
  const long long across = dx * uy - dy * ux, vx = ux - dx, vy = uy - dy;
  if (along <= 0 || along >= len2) return 4 * std::min(ux * ux + uy * uy, vx * vx + vy * vy) <= w2;
  return 4 * across * across <= w2 * len2;
}

// Wide lines of every width take exactly the pixels whose centres are near enough, at any slope,
// for dots and exact boundary distances (3-4-5), clipped at every edge, inside the area reported.
TEST(Raster, WideLinesTakeExactlyThePixelCentresWithinHalfTheWidth) {
  const QPoint ends[][2] = {{{5, 5}, {40, 30}},   {{-10, 20}, {60, -5}}, {{20, 20}, {20, 20}},
                            {{3, 38}, {44, 37}},  {{10, -20}, {12, 70}}, {{47, 0}, {0, 39}},
                            {{30, 10}, {35, 10}}, {{12, 5}, {12, 30}},   {{0, 0}, {3, 4}},
                            {{-3, 44}, {50, 41}}, {{46, 18}, {-1, 23}},  {{24, 2}, {21, 37}}};
  QImage image(48, 40, QImage::Format_RGB32);
  for (const auto& [a, b] : ends)
    for (int width = 2; width <= 33; ++width) {
      image.fill(0);
      const QRect area = raster::line(image, a, b, width, 0xffff0000);
      for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
          const bool drawn = image.pixel(x, y) == 0xffff0000;
          ASSERT_TRUE(drawn == nearSegment(a, b, width, {x, y}) && (!drawn || area.contains(x, y)))
              << a.x() << "," << a.y() << " " << b.x() << "," << b.y() << " " << width << " " << x
              << "," << y;
        }
    }
}
