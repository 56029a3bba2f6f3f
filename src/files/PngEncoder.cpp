#include "files/PngEncoder.h"

#include <zlib.h>

#include <QtEndian>
#include <algorithm>
#include <array>
#include <future>
#include <thread>
#include <vector>

namespace {

constexpr std::array<char, 8> Signature{'\x89', 'P', 'N', 'G', '\r', '\n', '\x1a', '\n'};
// Below this many pixels a stripe costs more to start than it saves.
constexpr qint64 PixelsPerStripe = qint64(1) << 20;
constexpr int MostStripes = 4;
constexpr int RowsPerPass = 16;

void putWord(QByteArray& out, quint32 word) {
  char bytes[4];
  qToBigEndian(word, bytes);
  out.append(bytes, 4);
}

void putChunk(QByteArray& out, const char* type, const char* data, qsizetype length) {
  putWord(out, quint32(length));
  const qsizetype start = out.size();
  out.append(type, 4);
  out.append(data, length);
  putWord(out, quint32(crc32(0, reinterpret_cast<const Bytef*>(out.constData() + start),
                             uInt(out.size() - start))));
}

// One stripe of rows, filtered and compressed as a piece of a raw deflate stream that ends on a
// byte boundary, so that the pieces join into one stream; only the last piece ends it.
struct Stripe {
  QByteArray packed;
  uLong adler = adler32(0, nullptr, 0);
  uLong length = 0;  // filtered bytes, for joining the checksums
  bool ok = false;
};

void filterRow(const QRgb* in, int width, unsigned char* out) {
  *out++ = 1;  // the row's filter: each byte less the byte of the pixel to its left
  int r = 0, g = 0, b = 0;
  for (int x = 0; x < width; ++x) {
    const QRgb p = in[x];
    out[0] = static_cast<unsigned char>(qRed(p) - r);
    out[1] = static_cast<unsigned char>(qGreen(p) - g);
    out[2] = static_cast<unsigned char>(qBlue(p) - b);
    r = qRed(p), g = qGreen(p), b = qBlue(p);
    out += 3;
  }
}

Stripe packStripe(const QImage& picture, int top, int bottom, bool last) {
  Stripe stripe;
  z_stream z{};
  // Run-length matches only: a flat row filtered to zeros packs as well as with a full search,
  // several times faster.
  if (deflateInit2(&z, 1, Z_DEFLATED, -15, 8, Z_RLE) != Z_OK) return stripe;
  const std::size_t rowBytes = 1 + std::size_t(picture.width()) * 3;
  std::vector<unsigned char> rows(rowBytes * RowsPerPass);
  stripe.packed.resize(qsizetype(deflateBound(&z, uLong(rowBytes) * uLong(bottom - top)) + 16));
  z.next_out = reinterpret_cast<Bytef*>(stripe.packed.data());
  z.avail_out = uInt(stripe.packed.size());
  int result = Z_OK;
  for (int y = top; y < bottom && result == Z_OK;) {
    const int count = std::min(RowsPerPass, bottom - y);
    for (int i = 0; i < count; ++i, ++y)
      filterRow(reinterpret_cast<const QRgb*>(picture.constScanLine(y)), picture.width(),
                rows.data() + std::size_t(i) * rowBytes);
    const uInt length = uInt(rowBytes * std::size_t(count));
    stripe.adler = adler32(stripe.adler, rows.data(), length);
    stripe.length += length;
    z.next_in = rows.data();
    z.avail_in = length;
    const int flush = y < bottom ? Z_NO_FLUSH : last ? Z_FINISH : Z_SYNC_FLUSH;
    result = deflate(&z, flush);
    if (result == Z_BUF_ERROR || z.avail_in != 0) result = Z_STREAM_ERROR;
  }
  stripe.ok = (result == Z_OK && !last) || result == Z_STREAM_END;
  stripe.packed.truncate(qsizetype(z.total_out));
  deflateEnd(&z);
  return stripe;
}

bool putTexts(QByteArray& out, const QMap<QString, QString>& texts) {
  for (auto t = texts.begin(); t != texts.end(); ++t) {
    const QByteArray key = t.key().toLatin1(), value = t.value().toLatin1();
    // A character outside Latin-1 comes back as a question mark.
    if (key.isEmpty() || key.size() > 79 || key.contains('\0') || value.contains('\0') ||
        QString::fromLatin1(key) != t.key() || QString::fromLatin1(value) != t.value())
      return false;
    putChunk(out, "tEXt", (key + '\0' + value).constData(), key.size() + 1 + value.size());
  }
  return true;
}

}  // namespace

QByteArray encodeQuickPng(const QImage& source, const QMap<QString, QString>& texts) {
  if (source.isNull()) return {};
  const QImage picture = source.format() == QImage::Format_RGB32
                             ? source
                             : source.convertToFormat(QImage::Format_RGB32);
  const int height = picture.height();
  const qint64 pixels = qint64(picture.width()) * height;
  const int stripes = int(std::clamp<qint64>(
      std::min<qint64>(pixels / PixelsPerStripe, std::thread::hardware_concurrency()), 1,
      std::min(MostStripes, height)));
  std::vector<std::future<Stripe>> others;
  for (int s = 1; s < stripes; ++s)
    // Packed on this thread after all when no thread can be started.
    others.push_back(std::async(std::launch::async | std::launch::deferred, packStripe,
                                std::cref(picture), height * s / stripes,
                                height * (s + 1) / stripes, s + 1 == stripes));
  std::vector<Stripe> packed;
  packed.push_back(packStripe(picture, 0, height / stripes, stripes == 1));
  for (auto& other : others) packed.push_back(other.get());

  QByteArray out(Signature.data(), qsizetype(Signature.size()));
  std::array<char, 13> header{};
  qToBigEndian(quint32(picture.width()), header.data());
  qToBigEndian(quint32(height), header.data() + 4);
  header[8] = 8;  // bits a channel
  header[9] = 2;  // truecolour without alpha
  putChunk(out, "IHDR", header.data(), qsizetype(header.size()));
  if (!putTexts(out, texts)) return {};
  uLong adler = adler32(0, nullptr, 0);
  qsizetype total = 0;
  for (const Stripe& stripe : packed) {
    if (!stripe.ok) return {};
    adler = adler32_combine(adler, stripe.adler, z_off_t(stripe.length));
    total += stripe.packed.size();
  }
  // The stream's two-byte header (deflate, 32 KiB window, fastest) and its checksum wrap the
  // stripes, all in one data chunk: at our largest picture it stays far below a chunk's limit.
  char trailer[4];
  qToBigEndian(quint32(adler), trailer);
  out.reserve(out.size() + total + 36);
  putWord(out, quint32(total + 6));
  const qsizetype start = out.size();
  out.append("IDAT\x78\x01", 6);
  for (const Stripe& stripe : packed) out.append(stripe.packed);
  out.append(trailer, 4);
  putWord(out, quint32(crc32(0, reinterpret_cast<const Bytef*>(out.constData() + start),
                             uInt(out.size() - start))));
  putChunk(out, "IEND", nullptr, 0);
  return out;
}
