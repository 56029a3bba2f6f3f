#pragma once

#include <QByteArray>
#include <QImage>
#include <QMap>
#include <QString>
#include <optional>

#include "colour/Colour.h"

// Bounds on a picture we agree to decode, checked against the size its header states before
// any pixel is decoded. Qt has an allocation limit of its own, but the environment can lift it,
// so a hostile file would then be able to make us allocate gigabytes. A side of 16384 pixels is
// twice the widest screen there is; 64 Mi pixels are 256 MiB at 4 bytes a pixel, which the
// canvas keeps as its background next to the decoded picture.
inline constexpr int MaxPictureSide = 16384;
inline constexpr qint64 MaxPicturePixels = qint64(64) * 1024 * 1024;

struct PictureRead {
  std::optional<QImage> picture;
  QString whyNot;  // set when there is no picture
};

// Reads a picture file of any format Qt reads, recognised by its content, not its name.
PictureRead readPicture(const QString& path);

// The picture as it looks laid over `canvas`: where it is transparent the canvas colour shows,
// in proportion where it is partly so. The result is opaque, so the screen, the saved file and
// every copy of the canvas hold the same colours.
QImage overColour(QImage picture, Colour canvas);

enum class PictureFormat { Bitmap, Png };

// The extension (without its dot) of the filter chosen in the save dialog (0 bitmap, 1 PNG).
QString extensionOf(int filter);
// The name a picture is saved under: a name typed without an extension gets the chosen filter's,
// so that the open dialog lists the file under it; a name with one keeps it as typed.
QString nameForSaving(const QString& path, int filter);

// The format a picture is saved in: the one its name's extension names, and otherwise the one
// of the filter chosen in the save dialog (0 bitmap, 1 PNG).
PictureFormat formatFor(const QString& path, int filter);

// The picture encoded in memory as PNG at Qt's compression for `quality` (-1: its default),
// with text entries; empty when it could not be encoded.
QByteArray encodePng(const QImage& picture, int quality = -1,
                     const QMap<QString, QString>& texts = {});

// Writes `picture` as a 24-bit Windows bitmap or as PNG. The file is replaced only once the
// whole new file is on the disk; until then, and when anything fails, a file of that name keeps
// its old content. Gives the reason when it could not write.
std::optional<QString> writePictureFile(const QString& path, const QImage& picture,
                                        PictureFormat format);
std::optional<QString> writeBitmapFile(const QString& path, const QImage& picture);
// The same for content already encoded.
std::optional<QString> writeWholeFile(const QString& path, const QByteArray& content);
