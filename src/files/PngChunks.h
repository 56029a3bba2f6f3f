#pragma once

#include <QFile>
#include <QIODevice>
#include <QRgba64>
#include <optional>
#include <vector>

// Qt's PNG reader keeps the text and other ancillary chunks of a file in memory, at whatever
// length their headers state, before the file shows that it holds far less: a file of a few
// dozen bytes can make it reserve gigabytes. So the chunk structure is read here first, from the
// chunk headers alone, and Qt reads the file through this device, which shows it only the chunks
// that decide the pixels and a bounded amount of text. The program never shows other chunks.
class PngChunkFilter : public QIODevice {
 public:
  // Whether `file` (open for reading) starts as a PNG file does.
  static bool isPng(QFile& file);

  // Reads the chunk headers of `file`, a PNG file open for reading. A file whose chunks do not
  // fit in it, that does not start with its header chunk or that ends before its end chunk is
  // damaged, and the device is then not opened.
  explicit PngChunkFilter(QFile& file);
  bool isDamaged() const { return damaged_; }
  // The colour that stands for a transparent pixel in a 16-bit truecolour file; such a file's
  // picture comes from the device without it, every pixel opaque (see takeTransparentColour).
  std::optional<QRgba64> transparentColour() const { return transparent_; }

  bool isSequential() const override { return false; }
  qint64 size() const override { return size_; }
  bool seek(qint64 pos) override;

 protected:
  qint64 readData(char* data, qint64 maxSize) override;
  qint64 writeData(const char*, qint64) override { return -1; }

 private:
  struct Part {
    qint64 from;    // where it lies in the file
    qint64 length;  // bytes
    qint64 shown;   // where it lies in what the reader sees
  };
  bool scan();
  void keep(qint64 from, qint64 length);
  void takeTransparentColour(quint32 length);

  QFile& file_;
  std::vector<Part> parts_;
  qint64 size_ = 0;
  qint64 at_ = 0;
  bool damaged_ = true;
  std::optional<QRgba64> transparent_;
};
