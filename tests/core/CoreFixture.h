#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <map>
#include <ranges>
#include <set>
#include <span>

#include "Kalyra.h"
#include "canvas/Mirror.h"
#include "support/FakePlatform.h"
#include "support/RecordingSurface.h"

// The program on a screen (1024 × 768 unless told) after start-up, drawing into a recording
// surface.
class CoreFixture : public ::testing::Test {
 protected:
  explicit CoreFixture(QSize screen = {1024, 768}) : canvas(screen) {
    platform.screen = screen;
    k.Form_Load();
  }

  void penDown() { k.PenUp = false; }
  void setBrushSize(int size) {
    k.view.ScrollSize = size;
    k.ScrollSize_Change();
  }
  void fillAt(std::int16_t x, std::int16_t y, Colour colour) {
    canvas.ForeColor = colour;
    k.MouseX = x, k.MouseY = y;
    k.FillAtPointer();
  }
  // A 32-bit picture's rows follow one another without padding.
  std::span<const QRgb> pixels() const {
    const QImage& image = canvas.Image();
    return {reinterpret_cast<const QRgb*>(image.constBits()), std::size_t(image.sizeInBytes() / 4)};
  }
  int countPixels(Colour c) const {
    return int(std::ranges::count_if(pixels(), [c](QRgb p) { return fromQRgb(p) == c; }));
  }
  // The pixels of each of n rainbow copies of red strokes, told apart by their colours.
  std::vector<std::set<std::pair<int, int>>> pixelsOfCopies(int n) const {
    std::map<QRgb, int> copyOf;
    for (int i = 0; i < n; ++i) copyOf[toQRgb(turnHue(Red, double(i) / n))] = i;
    std::vector<std::set<std::pair<int, int>>> found{std::size_t(n)};
    const QImage& image = canvas.Image();
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (const auto i = copyOf.find(image.pixel(x, y)); i != copyOf.end())
          found[std::size_t(i->second)].insert({x, y});
    return found;
  }

  FakePlatform platform;
  RecordingSurface canvas;
  Kalyra k{canvas, platform};
};

// Whether one of `pixels` has its centre within `reach` (at most two) of p.
inline bool within(QPointF p, double reach, const std::set<std::pair<int, int>>& pixels) {
  for (int dy = -2; dy <= 2; ++dy)
    for (int dx = -2; dx <= 2; ++dx) {
      const QPoint q(int(std::round(p.x())) + dx, int(std::round(p.y())) + dy);
      if (std::hypot(q.x() - p.x(), q.y() - p.y()) <= reach && pixels.contains({q.x(), q.y()}))
        return true;
    }
  return false;
}

// A file's whole content, or nothing when it can't be read.
inline QByteArray contentOf(const QString& file) {
  QFile f(file);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Writes a file last changed `age` seconds ago.
inline bool put(const QString& file, const QByteArray& content, int age = 0) {
  QFile f(file);
  return f.open(QIODevice::WriteOnly) && f.write(content) == content.size() && f.flush() &&
         f.setFileTime(QDateTime::currentDateTime().addSecs(-age), QFile::FileModificationTime);
}

MATCHER_P4(SegmentIs, x1, y1, x2, y2, "") {
  constexpr float eps = 1e-3f;
  return std::abs(arg.x1 - x1) < eps && std::abs(arg.y1 - y1) < eps &&
         std::abs(arg.x2 - x2) < eps && std::abs(arg.y2 - y2) < eps;
}
