#include "files/BmpWriter.h"

#include <cstdint>
#include <cstring>
#include <limits>

namespace {

constexpr int FileHeaderSize = 14;
constexpr int InfoHeaderSize = 40;
constexpr int HeadersSize = FileHeaderSize + InfoHeaderSize;

// Bitmap headers are little-endian whatever the machine.
void put16(char*& out, std::uint16_t v) {
  *out++ = char(v & 0xff);
  *out++ = char(v >> 8);
}
void put32(char*& out, std::uint32_t v) {
  for (int shift = 0; shift < 32; shift += 8) *out++ = char((v >> shift) & 0xff);
}

void writeHeaders(char* out, int width, int height, std::uint32_t pixelBytes, int dotsPerMetre) {
  put16(out, 0x4d42);  // "BM"
  put32(out, HeadersSize + pixelBytes);
  put32(out, 0);  // reserved
  put32(out, HeadersSize);
  put32(out, InfoHeaderSize);
  put32(out, std::uint32_t(width));
  put32(out, std::uint32_t(height));  // positive: rows run bottom-up
  put16(out, 1);                      // planes
  put16(out, 24);                     // bits per pixel
  put32(out, 0);                      // no compression
  put32(out, pixelBytes);
  put32(out, std::uint32_t(dotsPerMetre));
  put32(out, std::uint32_t(dotsPerMetre));
  put32(out, 0);  // no palette
  put32(out, 0);
}

// One row of 32-bit pixels as blue-green-red bytes. QRgb holds 0xAARRGGBB, so on every
// machine the bytes are taken from the value, not from memory order.
void packRow(const QRgb* in, int width, unsigned char* out) {
  for (int x = 0; x < width; ++x) {
    const QRgb p = in[x];
    out[0] = static_cast<unsigned char>(p);
    out[1] = static_cast<unsigned char>(p >> 8);
    out[2] = static_cast<unsigned char>(p >> 16);
    out += 3;
  }
}

}  // namespace

QByteArray encodeBmp24(const QImage& picture) {
  if (picture.isNull()) return {};
  const QImage rgb =
      picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32
          ? picture
          : picture.convertToFormat(QImage::Format_RGB32);
  const std::int64_t width = rgb.width();
  const std::int64_t height = rgb.height();
  const std::int64_t stride = (width * 3 + 3) / 4 * 4;
  const std::int64_t pixelBytes = stride * height;
  if (HeadersSize + pixelBytes > std::numeric_limits<std::int32_t>::max()) return {};

  QByteArray file(qsizetype(HeadersSize + pixelBytes), Qt::Uninitialized);
  char* data = file.data();
  const int dpm = rgb.dotsPerMeterX() > 0 ? rgb.dotsPerMeterX() : 3780;
  writeHeaders(data, int(width), int(height), std::uint32_t(pixelBytes), dpm);
  auto* rows = reinterpret_cast<unsigned char*>(data + HeadersSize);
  for (std::int64_t y = 0; y < height; ++y) {
    unsigned char* out = rows + (height - 1 - y) * stride;
    packRow(reinterpret_cast<const QRgb*>(rgb.constScanLine(int(y))), int(width), out);
    std::memset(out + width * 3, 0, std::size_t(stride - width * 3));
  }
  return file;
}
