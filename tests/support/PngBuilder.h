#pragma once

#include <QByteArray>
#include <QtEndian>
#include <array>
#include <cstdint>
#include <vector>

// PNG files built chunk by chunk, for files no encoder would write: chunks that state more data
// than they hold, huge text, a damaged header.
namespace png {

inline std::uint32_t crc(const QByteArray& bytes) {
  static const auto table = [] {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = c & 1 ? 0xedb88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  std::uint32_t c = 0xffffffffu;
  for (const char b : bytes) c = table[(c ^ std::uint8_t(b)) & 0xff] ^ (c >> 8);
  return c ^ 0xffffffffu;
}

inline QByteArray bigEndian(std::uint32_t value) {
  QByteArray bytes(4, '\0');
  qToBigEndian(value, bytes.data());
  return bytes;
}

// A chunk whose header states `stated` bytes of data, whatever it holds.
inline QByteArray chunk(const QByteArray& type, const QByteArray& data, std::uint32_t stated) {
  return bigEndian(stated) + type + data + bigEndian(crc(type + data));
}
inline QByteArray chunk(const QByteArray& type, const QByteArray& data) {
  return chunk(type, data, std::uint32_t(data.size()));
}

inline const QByteArray signature("\x89PNG\r\n\x1a\n", 8);

// The header of an 8-bit truecolour picture.
inline QByteArray header(std::uint32_t width, std::uint32_t height) {
  return chunk("IHDR", bigEndian(width) + bigEndian(height) + QByteArray("\x08\x02\0\0\0", 5));
}

// A 1 × 1 picture of one colour, its pixel data compressed by Qt (zlib's format).
inline QByteArray onePixel(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  const QByteArray row("\0", 1);
  const QByteArray zlib = qCompress(row + char(r) + char(g) + char(b)).mid(4);
  return chunk("IDAT", zlib);
}

inline QByteArray end() {
  return chunk("IEND", {});
}

// Small files of a 1 × 1 picture whose one ancillary chunk states 2 GB of data: text,
// compressed text, international text, a colour profile, camera data and a private chunk.
inline std::vector<QByteArray> hostileFiles() {
  std::vector<QByteArray> files;
  for (const char* type : {"tEXt", "zTXt", "iTXt", "iCCP", "eXIf", "prVt"})
    files.push_back(signature + header(1, 1) + chunk(type, "x", 0x7ffffff0u) + onePixel(9, 8, 7) +
                    end());
  return files;
}

}  // namespace png
