#pragma once

#include <QByteArray>
#include <QImage>

// A picture as an uncompressed 24-bit Windows bitmap: a file header, a 40-byte information
// header, then the rows bottom-up, blue-green-red, each padded to a multiple of 4 bytes. This
// is the one kind of bitmap every program reads. Empty when the picture is null or too large
// for the format's 32-bit sizes.
QByteArray encodeBmp24(const QImage& picture);
