#pragma once

#include <QByteArray>
#include <QImage>
#include <QMap>
#include <QString>

// A quick PNG encoder for pictures that are mostly large areas of one colour, such as the
// canvas: opaque 8-bit RGB, each row stored as its difference from the pixel to its left, packed
// with run-length compression only. Rows are packed in stripes on threads of their own, and the
// stripes joined into one stream. Qt's reader and any PNG reader read the result.
//
// The text entries go in uncompressed text chunks: keys of 1 to 79 Latin-1 characters, values
// in Latin-1. Gives an empty array for a null picture, a text it cannot store, or when the
// compressor fails.
QByteArray encodeQuickPng(const QImage& picture, const QMap<QString, QString>& texts = {});
