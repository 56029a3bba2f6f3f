#pragma once

#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <cstdint>
#include <optional>
#include <vector>

#include "colour/Colour.h"

// What the canvas shows besides its drawn pixels: the background colour and the background
// picture that a repaint of the background puts back.
struct Backdrop {
  Colour colour = White;
  std::optional<QImage> picture;
};

// The canvas: a persistent 32-bit picture with a user scale, drawn without antialiasing so that
// every pixel holds exactly a colour that was drawn (the flood fill and the colour pick compare
// colours exactly), and so that mirror images are exact to the pixel. The drawing operations
// are virtual so that tests can record the geometry while the pixels are still drawn.
class Surface {
 public:
  explicit Surface(QSize pixels);
  virtual ~Surface() = default;
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;

  // The user scale: the top-left corner is (ScaleLeft, ScaleTop), the picture is ScaleWidth
  // by ScaleHeight units.
  float ScaleLeft = 0;
  float ScaleTop = 0;
  float ScaleWidth;
  float ScaleHeight;

  Colour ForeColor = Red;
  Colour FillColor = Black;
  int FillStyle = 1;  // 0 solid: boxes and circles are filled with FillColor; 1 transparent
  int DrawWidth = 1;  // pen width in pixels

  // The current point: where the last Line ended.
  float CurrentX = 0;
  float CurrentY = 0;

  virtual void Line(float x1, float y1, float x2, float y2);
  virtual void LineTo(float x2, float y2);
  virtual void Box(float x1, float y1, float x2, float y2);
  virtual void Circle(float x, float y, float radius);

  // The colour of the pixel at a point; a point off the picture reads its nearest edge pixel.
  Colour Point(float x, float y) const;

  Colour BackColor() const { return backColor_; }
  // Erases everything drawn: the picture shows the background colour and the background
  // picture, if there is one.
  void setBackColor(Colour colour);
  // The background picture sits at the top-left at its own size over the background colour.
  // Setting or removing it erases everything drawn.
  void setPicture(std::optional<QImage> picture);
  bool hasPicture() const { return picture_.has_value(); }

  const QImage& Image() const { return image_; }
  // Copies the picture into `buffer`. A buffer of the picture's size that shares its data with
  // nothing is written in place, so a copy taken again and again costs no fresh allocation.
  void copyImageTo(QImage& buffer) const;
  // Paints the 4-connected region of `surface` pixels that holds `pixel` with `fill`.
  virtual void floodFill(QPoint pixel, Colour surface, Colour fill);
  QSize pixelSize() const { return size_; }

  // The picture in square tiles, numbered row by row. Every change stamps the tiles it touches
  // with a count that only grows, so the undo history and the autosave find what changed since
  // they last looked without comparing the whole picture.
  static constexpr int TileSide = 64;
  int tileColumns() const { return (size_.width() + TileSide - 1) / TileSide; }
  int tileCount() const { return int(tileStamps_.size()); }
  QRect tileRect(int tile) const;
  std::uint64_t changeCount() const { return changeCount_; }
  std::uint64_t tileStamp(int tile) const { return tileStamps_[std::size_t(tile)]; }

  Backdrop backdrop() const { return {backColor_, picture_}; }
  // Exchanges the backdrop without repainting: for putting back a state whose pixels are put
  // back separately.
  void swapBackdrop(Backdrop& other);
  // Pixels that the caller writes itself within `area`, which counts as changed.
  QImage& pixelsForWriting(const QRect& area);

  // The one conversion from user units to pixels. The centre of the scale falls on the pixel at
  // half the width and height, and offsets from it round half to even, so that a point and its
  // mirror image land on mirror-image pixels.
  QPoint toPixel(float x, float y) const;
  // Its inverse: the point in user units that falls on a pixel, so that
  // toPixel(toUnits(p)) == p for every pixel of the picture.
  QPointF toUnits(QPoint pixel) const;
  // While an origin pixel is set, the drawing operations take their points as offsets in units
  // from that pixel's centre, rounded from there half to even: the shapes drawn about a centre
  // of symmetry are then mirror images to the pixel wherever that centre is. It is set only
  // while such copies are drawn; toUnits ignores it.
  void setOrigin(std::optional<QPoint> pixel) { origin_ = pixel; }
  // Pixels per unit on both axes from an origin.
  double originScale() const { return size_.height() / double(ScaleHeight); }
  double pixelsPerUnit() const { return size_.width() / double(ScaleWidth); }

  // While an area is given, lines, boxes and circles draw only within it, as if the picture
  // ended there: the pixels inside are the same as without it.
  void clipTo(std::optional<QRect> area);
  // While `changes` is given, every rectangle the drawing changes is also added to it.
  void record(std::vector<QRect>* changes) { recording_ = changes; }
  // Copies the pixels of `spans` (each one row high) to each place they move to by whole
  // periods across and down, on the picture, each move rounded to whole pixels; a period of 0
  // repeats along that axis not at all. Repeating one cell of a pattern over the picture costs
  // a copy per cell, not a drawing of every image.
  void repeat(const std::vector<QRect>& spans, QSizeF period);

  // The area changed since the last call, clipped to the picture: as one rectangle, or as the
  // separate rectangles that were drawn (the mirror copies of a stroke lie far apart, so the
  // window repaints them one by one rather than everything between them).
  QRect takeDirty();
  QRegion takeDirtyRegion();

 protected:
  // For operations that write pixels themselves; marks the whole picture as changed.
  QImage& pixelsForWriting();
  void markDirty(const QRect& area);

 private:
  void repaintBackground();
  std::optional<QRgb> fill() const;

  QImage image_;
  // The picture keeps its size for its whole life (the tiles are counted once), and the size is
  // asked for on every point drawn, where QImage's own accessors are calls into the library.
  QSize size_;
  Colour backColor_ = White;
  std::optional<QImage> picture_;
  std::optional<QPoint> origin_;
  std::vector<QRect>* recording_ = nullptr;
  std::optional<QRect> clip_;
  QImage clipView_;  // the clip's pixels, sharing the picture's memory
  QImage& target() { return clip_ ? clipView_ : image_; }
  QPoint shift() const { return clip_ ? clip_->topLeft() : QPoint(); }
  // The changed rectangles, clipped to the picture: a new one joins one it overlaps, so the
  // copies of a stroke stay apart while one copy's segments gather into one. Unions of a QRegion
  // on every segment would cost more than drawing the segments. Each tile remembers the rectangle
  // that last took it, and a new rectangle looks for an overlap only there: one overlapping
  // another only in the part a join added, or only an earlier owner of a tile, stays apart, and
  // the region built from them covers their union all the same.
  std::vector<QRect> dirty_;
  std::vector<std::uint64_t> tileStamps_;
  std::vector<std::uint32_t> tileOwners_;  // indexes in dirty_
  std::uint64_t changeCount_ = 0;
};
