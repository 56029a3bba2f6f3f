#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

namespace flood {

// The instruction sets the fill can compare and paint pixels with. Every one gives the same
// pixels; the default is the widest the processor has, and a narrower one can be asked for so
// that each can be checked on any machine.
enum class Simd { Plain, Sse2, Avx2, Widest };

// Paints the 4-connected region of pixels that have exactly the colour `surface` and contain
// `start` with `paint`. Only red, green and blue are compared; the alpha byte of a 32-bit image
// plays no part. Nothing is painted when `start` lies outside the image, when its pixel has
// another colour, or when `paint` already is the surface colour (the region would not change).
// Works on 32-bit images only. Returns the bounding rectangle of the painted pixels, empty when
// nothing was painted, also when there is no memory for the fill's bookkeeping (two bits a pixel,
// a sixteenth of the image, and the seeds waiting to be taken).
QRect fillRegion(QImage& image, QPoint start, QRgb surface, QRgb paint, Simd simd = Simd::Widest);

}  // namespace flood
