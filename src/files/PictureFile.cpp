#include "files/PictureFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>
#include <cstdlib>
#include <span>

#include "files/BmpWriter.h"
#include "files/PngChunks.h"

namespace {

// The translation context of the texts this file shows.
struct PictureFileText {
  Q_DECLARE_TR_FUNCTIONS(PictureFile)
};

QString damaged() {
  return PictureFileText::tr("the file is damaged");
}

// Bitmaps stored top-down state a negative height, and the reader passes it on.
std::optional<QString> refuseSize(const QSize& stated) {
  const qint64 width = std::abs(qint64(stated.width()));
  const qint64 height = std::abs(qint64(stated.height()));
  if (stated == QSize() || width == 0 || height == 0) return damaged();
  if (width > MaxPictureSide || height > MaxPictureSide || width * height > MaxPicturePixels)
    return PictureFileText::tr("at %1 × %2 pixels it is larger than Kalyra! can open")
        .arg(width)
        .arg(height);
  return std::nullopt;
}

PictureRead readFrom(QIODevice& device) {
  QImageReader reader(&device);
  reader.setDecideFormatFromContent(true);
  if (!reader.canRead()) return {std::nullopt, reader.errorString()};
  // A picture of a known format whose header states no size is damaged.
  if (auto whyNot = refuseSize(reader.size())) return {std::nullopt, *whyNot};
  QImage picture;
  if (!reader.read(&picture)) return {std::nullopt, damaged()};
  // The header's size was checked, but the decoder's own result counts.
  if (auto whyNot = refuseSize(picture.size())) return {std::nullopt, *whyNot};
  return {std::move(picture), {}};
}

// Pixels of the colour `key` become transparent; the picture holds 16 bits a channel.
void clearColour(QImage& picture, QRgba64 key) {
  picture.convertTo(QImage::Format_RGBA64);
  for (int y = 0; y < picture.height(); ++y) {
    auto* line = reinterpret_cast<QRgba64*>(picture.scanLine(y));
    for (QRgba64& p : std::span(line, std::size_t(picture.width())))
      if (p == key) p.setAlpha(0);
  }
}

}  // namespace

PictureRead readPicture(const QString& path) {
  // A pipe or a device would block the reader or feed it without end.
  const QFileInfo info(path);
  if (!info.exists()) return {std::nullopt, PictureFileText::tr("there is no such file")};
  if (!info.isFile()) return {std::nullopt, PictureFileText::tr("it is not a regular file")};
  // Qt's own limit on a decoded picture is below ours; the sizes are checked above it, before
  // anything is decoded. Sixteen bits a channel take twice the bytes of the canvas's pixels.
  QImageReader::setAllocationLimit(int(MaxPicturePixels * 8 >> 20) + 1);
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {std::nullopt, file.errorString()};
  if (!PngChunkFilter::isPng(file)) return readFrom(file);
  PngChunkFilter png(file);
  if (png.isDamaged()) return {std::nullopt, damaged()};
  PictureRead read = readFrom(png);
  if (read.picture && png.transparentColour()) clearColour(*read.picture, *png.transparentColour());
  return read;
}

// Blended in place, unpremultiplied and rounded to the nearest, so that a picture of the
// canvas's size costs no second copy of itself.
QImage overColour(QImage picture, Colour canvas) {
  if (!picture.hasAlphaChannel()) return picture;
  picture.convertTo(QImage::Format_ARGB32);
  const QRgb under = toQRgb(canvas);
  const auto blend = [](int over, int under, int alpha) {
    return (over * alpha + under * (255 - alpha) + 127) / 255;
  };
  for (int y = 0; y < picture.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
    for (QRgb& p : std::span(line, std::size_t(picture.width()))) {
      const int a = qAlpha(p);
      p = qRgb(blend(qRed(p), qRed(under), a), blend(qGreen(p), qGreen(under), a),
               blend(qBlue(p), qBlue(under), a));
    }
  }
  picture.reinterpretAsFormat(QImage::Format_RGB32);
  return picture;
}

QString extensionOf(int filter) {
  return filter == 1 ? QStringLiteral("png") : QStringLiteral("bmp");
}

QString nameForSaving(const QString& path, int filter) {
  if (!QFileInfo(path).suffix().isEmpty()) return path;
  return path + QLatin1Char('.') + extensionOf(filter);
}

PictureFormat formatFor(const QString& path, int filter) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == QLatin1String("png")) return PictureFormat::Png;
  if (suffix == QLatin1String("bmp")) return PictureFormat::Bitmap;
  return filter == 1 ? PictureFormat::Png : PictureFormat::Bitmap;
}

QByteArray encodePng(const QImage& picture, int quality, const QMap<QString, QString>& texts) {
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "png");
  writer.setQuality(quality);
  for (auto t = texts.begin(); t != texts.end(); ++t) writer.setText(t.key(), t.value());
  if (picture.isNull() || !writer.write(picture)) return {};
  return png;
}

std::optional<QString> writePictureFile(const QString& path, const QImage& picture,
                                        PictureFormat format) {
  if (format == PictureFormat::Bitmap) return writeBitmapFile(path, picture);
  const QByteArray png = encodePng(picture);
  if (png.isEmpty()) return PictureFileText::tr("the picture could not be encoded as PNG");
  return writeWholeFile(path, png);
}

std::optional<QString> writeBitmapFile(const QString& path, const QImage& picture) {
  const QByteArray bitmap = encodeBmp24(picture);
  if (bitmap.isEmpty()) return PictureFileText::tr("the picture is too large for a bitmap file");
  return writeWholeFile(path, bitmap);
}

std::optional<QString> writeWholeFile(const QString& path, const QByteArray& content) {
  // Encoded in memory first, so that the file sees one write whose outcome is known in full:
  // on some Qt versions a save file reports a commit after a failed write as successful. The
  // write is unbuffered: a buffered one that fits the buffer reports success and only fails
  // inside the commit, which then puts the empty file in place of the old one.
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return file.errorString();
  if (file.write(content) != content.size() || file.error() != QFileDevice::NoError) {
    const QString why = file.errorString();
    file.cancelWriting();
    return why;
  }
  if (!file.commit() || file.error() != QFileDevice::NoError) return file.errorString();
  return std::nullopt;
}
