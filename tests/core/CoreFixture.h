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

  FakePlatform platform;
  RecordingSurface canvas;
  Kalyra k{canvas, platform};
};

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
