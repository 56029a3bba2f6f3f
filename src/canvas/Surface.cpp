#include "canvas/Surface.h"

#include <sys/mman.h>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "canvas/DirtyRegion.h"
#include "canvas/Numbers.h"
#include "canvas/Raster.h"
#include "interaction/FloodFill.h"

namespace {

// A stroke touches one row after another, each in a different page of memory; on a 4K screen
// ordinary pages make nearly every row a miss in the address translation cache. The picture
// therefore asks for huge pages where the system offers them.
QImage allocatePicture(QSize pixels) {
  constexpr std::size_t HugePage = std::size_t(2) << 20;
  const qsizetype bytesPerLine = qsizetype(std::max(pixels.width(), 1)) * 4;
  const std::size_t bytes = std::size_t(bytesPerLine) * std::size_t(std::max(pixels.height(), 1));
  const std::size_t rounded = (bytes + HugePage - 1) / HugePage * HugePage;
  void* data = std::aligned_alloc(HugePage, rounded);
  if (!data) return QImage(pixels, QImage::Format_RGB32);
#ifdef MADV_HUGEPAGE
  madvise(data, rounded, MADV_HUGEPAGE);
#endif
  return QImage(
      static_cast<uchar*>(data), pixels.width(), pixels.height(), bytesPerLine,
      QImage::Format_RGB32, [](void* p) { std::free(p); }, data);
}

}  // namespace

Surface::Surface(QSize pixels)
    : ScaleWidth(float(pixels.width())),
      ScaleHeight(float(pixels.height())),
      image_(allocatePicture(pixels)),
      size_(image_.size()) {
  image_.fill(toQRgb(backColor_));
  const int rows = (image_.height() + TileSide - 1) / TileSide;
  tileStamps_.assign(std::size_t(tileColumns()) * std::size_t(rows), 0);
  tileOwners_.assign(tileStamps_.size(), 0);
}

QRect Surface::tileRect(int tile) const {
  const QRect r((tile % tileColumns()) * TileSide, (tile / tileColumns()) * TileSide, TileSide,
                TileSide);
  return r & image_.rect();
}

void Surface::swapBackdrop(Backdrop& other) {
  std::swap(backColor_, other.colour);
  std::swap(picture_, other.picture);
  ++changeCount_;
}

QImage& Surface::pixelsForWriting(const QRect& area) {
  markDirty(area);
  return image_;
}

QPoint Surface::toPixel(float x, float y) const {
  const double sx = size_.width() / double(ScaleWidth);
  const double sy = size_.height() / double(ScaleHeight);
  // Offsets beyond any real pointer (and NaN) are held millions of pixels off the picture, so
  // that the rasteriser's integer arithmetic can never overflow.
  constexpr double Far = 1 << 24;
  const auto offset = [](double units) {
    const double r = roundHalfEven(units);
    return r > Far ? Far : (r >= -Far ? r : -Far);
  };
  // Units are equally long on both axes; measured from an origin they are turned and swapped
  // between the axes, so they take one scale, or a diagonal image could round differently.
  if (origin_) return *origin_ + QPoint(int(offset(sy * double(x))), int(offset(sy * double(y))));
  const double centreX = double(ScaleLeft) + double(ScaleWidth) / 2;
  const double centreY = double(ScaleTop) + double(ScaleHeight) / 2;
  return {size_.width() / 2 + int(offset(sx * (double(x) - centreX))),
          size_.height() / 2 + int(offset(sy * (double(y) - centreY)))};
}

QPointF Surface::toUnits(QPoint pixel) const {
  const double centreX = double(ScaleLeft) + double(ScaleWidth) / 2;
  const double centreY = double(ScaleTop) + double(ScaleHeight) / 2;
  return {centreX + (pixel.x() - image_.width() / 2) * double(ScaleWidth) / image_.width(),
          centreY + (pixel.y() - image_.height() / 2) * double(ScaleHeight) / image_.height()};
}

std::optional<QRgb> Surface::fill() const {
  if (FillStyle != 0) return std::nullopt;
  return toQRgb(FillColor);
}

void Surface::Line(float x1, float y1, float x2, float y2) {
  markDirty(raster::line(target(), toPixel(x1, y1) - shift(), toPixel(x2, y2) - shift(), DrawWidth,
                         toQRgb(ForeColor))
                .translated(shift()));
  CurrentX = x2;
  CurrentY = y2;
}

void Surface::LineTo(float x2, float y2) {
  Line(CurrentX, CurrentY, x2, y2);
}

void Surface::Box(float x1, float y1, float x2, float y2) {
  markDirty(raster::box(target(), toPixel(x1, y1) - shift(), toPixel(x2, y2) - shift(), DrawWidth,
                        toQRgb(ForeColor), fill())
                .translated(shift()));
  CurrentX = x2;
  CurrentY = y2;
}

void Surface::Circle(float x, float y, float radius) {
  const double r = std::min(std::abs(double(radius)) * pixelsPerUnit(), double(1 << 24));
  markDirty(
      raster::circle(target(), toPixel(x, y) - shift(), r, DrawWidth, toQRgb(ForeColor), fill())
          .translated(shift()));
  CurrentX = x;
  CurrentY = y;
}

Colour Surface::Point(float x, float y) const {
  const QPoint p = toPixel(x, y);
  const int px = std::clamp(p.x(), 0, image_.width() - 1);
  const int py = std::clamp(p.y(), 0, image_.height() - 1);
  return fromQRgb(image_.pixel(px, py));
}

void Surface::copyImageTo(QImage& buffer) const {
  // A buffer shared with another image would first be copied whole on writing, and one laid
  // out differently cannot take the picture in one piece; a fresh one is cheaper in both cases.
  if (buffer.size() != image_.size() || buffer.format() != image_.format() ||
      buffer.bytesPerLine() != image_.bytesPerLine() || !buffer.isDetached())
    buffer = QImage(image_.size(), image_.format());
  if (buffer.isNull()) return;  // no memory for it: the snapshot is left empty
  std::memcpy(buffer.bits(), image_.constBits(), std::size_t(image_.sizeInBytes()));
}

void Surface::floodFill(QPoint pixel, Colour surface, Colour fill) {
  markDirty(flood::fillRegion(image_, pixel, toQRgb(surface), toQRgb(fill)));
}

void Surface::setBackColor(Colour colour) {
  backColor_ = colour;
  repaintBackground();
}

void Surface::setPicture(std::optional<QImage> picture) {
  if (picture) *picture = picture->convertToFormat(QImage::Format_RGB32);
  picture_ = std::move(picture);
  repaintBackground();
}

void Surface::repaintBackground() {
  QImage& pixels = pixelsForWriting();
  pixels.fill(toQRgb(backColor_));
  if (picture_) {
    QPainter p(&pixels);
    p.drawImage(0, 0, *picture_);
  }
}

QImage& Surface::pixelsForWriting() {
  markDirty(image_.rect());
  return image_;
}

void Surface::markDirty(const QRect& area) {
  const int width = size_.width(), height = size_.height();
  // QRect's own intersection is not inlined, and this runs for every segment drawn.
  const QRect touched(
      QPoint(std::max(area.left(), 0), std::max(area.top(), 0)),
      QPoint(std::min(area.right(), width - 1), std::min(area.bottom(), height - 1)));
  if (touched.isEmpty()) return;
  if (recording_) recording_->push_back(touched);
  ++changeCount_;
  // Enough for a stroke's copies and their echoes under the largest symmetry.
  constexpr std::size_t MostRectangles = 160;
  const std::size_t added = std::min(dirty_.size(), MostRectangles - 1);
  // A waiting rectangle that overlaps this one is found through the tiles they share, not by
  // searching all of them: the copies of a stroke are many and far apart.
  std::size_t join = added;
  const int columns = tileColumns();
  for (int ty = touched.top() / TileSide; ty <= touched.bottom() / TileSide; ++ty) {
    for (int tx = touched.left() / TileSide; tx <= touched.right() / TileSide; ++tx) {
      const std::size_t tile = std::size_t(ty * columns + tx);
      // An owner left from before the area was last taken may name any rectangle, or none;
      // joining any rectangle it overlaps is right all the same.
      if (join == added && tileOwners_[tile] < dirty_.size()) {
        const QRect& r = dirty_[tileOwners_[tile]];
        if (r.left() <= touched.right() && touched.left() <= r.right() &&
            r.top() <= touched.bottom() && touched.top() <= r.bottom())
          join = tileOwners_[tile];
      }
      tileStamps_[tile] = changeCount_;
      tileOwners_[tile] = std::uint32_t(added);
    }
  }
  if (join != added) {
    dirty_[join] |= touched;
    // The tiles just given to a new rectangle belong to the one joined instead.
    for (int ty = touched.top() / TileSide; ty <= touched.bottom() / TileSide; ++ty) {
      for (int tx = touched.left() / TileSide; tx <= touched.right() / TileSide; ++tx)
        tileOwners_[std::size_t(ty * columns + tx)] = std::uint32_t(join);
    }
  } else if (added == dirty_.size()) {
    dirty_.push_back(touched);
  } else {
    dirty_.back() |= touched;
  }
}

void Surface::clipTo(std::optional<QRect> area) {
  clip_ = area ? std::optional(*area & image_.rect()) : std::nullopt;
  if (!clip_ || clip_->isEmpty()) {
    clip_.reset();
    clipView_ = QImage();
    return;
  }
  // A view of the picture's own pixels, so the rasteriser clips to the area as to a picture.
  uchar* first = image_.bits() + qsizetype(clip_->top()) * image_.bytesPerLine() +
                 qsizetype(clip_->left()) * 4;
  clipView_ =
      QImage(first, clip_->width(), clip_->height(), image_.bytesPerLine(), image_.format());
}

void Surface::repeat(const std::vector<QRect>& spans, QSizeF period) {
  QRect source;
  for (const QRect& r : spans) source |= r;
  source &= image_.rect();
  if (source.isEmpty()) return;
  const int width = size_.width(), height = size_.height();
  // The steps that bring [first, last] onto [0, size).
  const auto range = [](int first, int last, double step, int size) {
    if (step <= 0) return std::pair(0, 0);
    return std::pair(int(std::ceil((-last - 0.5) / step)),
                     int(std::floor((size - 1 - first + 0.5) / step)));
  };
  const auto [i0, i1] = range(source.left(), source.right(), period.width(), width);
  const auto [j0, j1] = range(source.top(), source.bottom(), period.height(), height);
  const qsizetype stride = image_.bytesPerLine() / 4;
  QRgb* const pixels = reinterpret_cast<QRgb*>(image_.bits());
  // The copies are thousands of small pieces spread over the whole picture; their bounding
  // rectangle is marked once rather than each on its own, which would cost more than copying.
  QRect copied;
  for (int j = j0; j <= j1; ++j) {
    for (int i = i0; i <= i1; ++i) {
      if (i == 0 && j == 0) continue;
      const QPoint shift(int(std::lround(i * period.width())),
                         int(std::lround(j * period.height())));
      const QRect target = source.translated(shift) & image_.rect();
      if (target.isEmpty()) continue;
      for (const QRect& span : spans) {
        const int y = span.top() + shift.y();
        if (y < 0 || y >= height) continue;
        const int left = std::max(span.left() + shift.x(), 0);
        const int right = std::min(span.right() + shift.x(), width - 1);
        if (left > right) continue;
        std::memcpy(pixels + y * stride + left, pixels + span.top() * stride + left - shift.x(),
                    std::size_t(right - left + 1) * sizeof(QRgb));
      }
      copied |= target;
    }
  }
  markDirty(copied);
}

QRect Surface::takeDirty() {
  QRect area;
  for (const QRect& r : dirty_) area |= r;
  dirty_.clear();
  return area;
}

QRegion Surface::takeDirtyRegion() {
  QRegion area = unionOf(dirty_);
  dirty_.clear();
  return area;
}
