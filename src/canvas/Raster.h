#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <optional>

// The canvas's own rasteriser. A pixel belongs to a shape when its centre does, so a shape and
// its mirror image about a pixel centre cover mirror-image pixels exactly; and wide strokes are
// spans written straight into the rows, several times faster than a general path renderer.
// Coordinates are pixel indexes; everything is clipped to the image. Each function returns the
// area it may have changed.
namespace raster {

// A line `width` pixels wide with round ends: every pixel within width / 2 of the segment. A
// one-pixel line takes one pixel per step along its longer axis. A zero-length line is a dot.
QRect line(QImage& image, QPoint from, QPoint to, int width, QRgb colour);

// A rectangle outline with the pen centred on it, and its inside filled when `fill` is given.
QRect box(QImage& image, QPoint corner, QPoint opposite, int width, QRgb colour,
          std::optional<QRgb> fill);

// A circle outline `width` pixels wide around `centre`, and its inside filled when `fill` is
// given.
QRect circle(QImage& image, QPoint centre, double radius, int width, QRgb colour,
             std::optional<QRgb> fill);

}  // namespace raster
