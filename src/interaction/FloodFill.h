#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

namespace flood {

// Paints the 4-connected region of pixels that have exactly the colour `surface` and contain
// `start` with `paint`. Only red, green and blue are compared; the alpha byte of a 32-bit image
// plays no part. Nothing is painted when `start` lies outside the image, when its pixel has
// another colour, or when `paint` already is the surface colour (the region would not change).
// Works on 32-bit images only. Returns the bounding rectangle of the painted pixels, empty when
// nothing was painted.
QRect fillRegion(QImage& image, QPoint start, QRgb surface, QRgb paint);

}  // namespace flood
