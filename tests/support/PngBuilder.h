#pragma once

#include <QByteArray>
#include <QtEndian>
#include <cstdint>
#include <vector>

// PNG files built chunk by chunk, for files no encoder writes: chunks that state more data than
// they hold, huge text, damaged checksums.
namespace png {

inline QByteArray bigEndian(std::uint32_t value) {
  QByteArray bytes(4, '\0');
  qToBigEndian(value, bytes.data());
  return bytes;
}

// A chunk whose header states `stated` bytes of data, whatever it holds.
inline QByteArray chunk(const QByteArray& type, const QByteArray& data, qint64 stated = -1) {
  std::uint32_t crc = 0xffffffffu;
  for (const char b : type + data) {
    crc ^= std::uint8_t(b);
    for (int k = 0; k < 8; ++k) crc = crc & 1 ? 0xedb88320u ^ (crc >> 1) : crc >> 1;
  }
  return bigEndian(std::uint32_t(stated < 0 ? data.size() : stated)) + type + data +
         bigEndian(~crc);
}

inline const QByteArray signature("\x89PNG\r\n\x1a\n", 8);
// An 8-bit truecolour header, and one pixel of picture data (compressed by Qt in zlib's format).
inline QByteArray header(std::uint32_t width, std::uint32_t height) {
  return chunk("IHDR", bigEndian(width) + bigEndian(height) + QByteArray("\x08\x02\0\0\0", 5));
}
inline const QByteArray pixel = chunk("IDAT", qCompress(QByteArray("\0\x09\x08\x07", 4)).mid(4));
inline const QByteArray end = chunk("IEND", {});

// Small files of a 1 × 1 picture with one ancillary chunk that states 2 GB of data (text,
// compressed text, international text, a colour profile, camera data, a private chunk), before
// the picture's data or after it.
inline std::vector<QByteArray> hostileFiles() {
  std::vector<QByteArray> files;
  for (const char* type : {"tEXt", "zTXt", "iTXt", "iCCP", "eXIf", "prVt"}) {
    const QByteArray hostile = chunk(type, "x", 0x7ffffff0);
    files.push_back(signature + header(1, 1) + hostile + pixel + end);
    files.push_back(signature + header(1, 1) + pixel + hostile + end);
  }
  return files;
}

}  // namespace png
