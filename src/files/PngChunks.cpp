#include "files/PngChunks.h"

#include <QByteArray>
#include <QtEndian>
#include <algorithm>
#include <array>

namespace {

constexpr std::array<char, 8> Signature{'\x89', 'P', 'N', 'G', '\r', '\n', '\x1a', '\n'};
constexpr qint64 ChunkFrame = 12;  // length, type and checksum around a chunk's data
constexpr quint32 MaxChunkLength = 0x7fffffff;

// The ancillary chunks that can change the pixels the reader makes: transparency, and the small
// ones that describe the colours. An embedded colour profile is compressed and can unpack to a
// great deal; Qt only attaches it to the picture, and the canvas does not use it.
bool decidesPixels(const QByteArray& type, quint32 length) {
  static const QByteArray kept[] = {"tRNS", "gAMA", "cHRM", "sRGB", "sBIT"};
  return std::ranges::find(kept, type) != std::end(kept) && length <= 1024;
}

// Text is kept up to a total that even compressed text cannot make large once unpacked: zlib
// unpacks to at most about a thousand times its size, and Qt keeps a few copies of the text.
// The autosave keeps the canvas colour in a line of text.
constexpr qint64 MaxTextBytes = 16 * 1024;

bool isText(const QByteArray& type) {
  return type == "tEXt" || type == "zTXt" || type == "iTXt";
}

bool isCritical(const QByteArray& type) {
  return (type[0] & 0x20) == 0;
}

bool isChunkType(const QByteArray& type) {
  return type.size() == 4 && std::ranges::all_of(type, [](char c) {
           return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
         });
}

}  // namespace

bool PngChunkFilter::isPng(QFile& file) {
  const QByteArray start = file.peek(Signature.size());
  return start.size() == qsizetype(Signature.size()) &&
         std::equal(Signature.begin(), Signature.end(), start.begin());
}

PngChunkFilter::PngChunkFilter(QFile& file) : file_(file) {
  damaged_ = !scan();
  if (!damaged_) open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

// Every chunk is a header, its data and a checksum; only the headers are read, so a chunk that
// states more data than the file holds costs nothing but the check.
bool PngChunkFilter::scan() {
  const qint64 fileSize = file_.size();
  qint64 at = qint64(Signature.size());
  keep(0, at);
  bool first = true;
  bool deepColour = false;  // 16-bit truecolour without alpha
  qint64 text = 0;
  while (true) {
    if (!file_.seek(at)) return false;
    const QByteArray header = file_.read(8);
    if (header.size() != 8) return false;
    const quint32 length = qFromBigEndian<quint32>(header.constData());
    const QByteArray type = header.mid(4);
    if (length > MaxChunkLength || !isChunkType(type)) return false;
    if (ChunkFrame + qint64(length) > fileSize - at) return false;
    if (first && (type != "IHDR" || length != 13)) return false;
    if (first) {
      const QByteArray ihdr = file_.read(13);
      deepColour = ihdr.size() == 13 && ihdr[8] == 16 && ihdr[9] == 2;
    }
    first = false;
    if (deepColour && type == "tRNS") {
      takeTransparentColour(length);
      at += ChunkFrame + length;
      continue;
    }
    const bool keptText = isText(type) && text + length <= MaxTextBytes;
    if (keptText) text += length;
    if (isCritical(type) || decidesPixels(type, length) || keptText) keep(at, ChunkFrame + length);
    at += ChunkFrame + length;
    if (type == "IEND") return true;
  }
}

// Qt's reader (6.4) lays 16-bit truecolour with a transparent colour into its 64-bit picture as
// if every pixel had an alpha channel, which shifts and scrambles the rows; without the chunk it
// reads the colours correctly, and the transparent colour is matched afterwards.
void PngChunkFilter::takeTransparentColour(quint32 length) {
  const QByteArray rgb = file_.read(6);
  if (length != 6 || rgb.size() != 6) return;
  const auto channel = [&](int i) { return qFromBigEndian<quint16>(rgb.constData() + 2 * i); };
  transparent_ = QRgba64::fromRgba64(channel(0), channel(1), channel(2), 0xffff);
}

void PngChunkFilter::keep(qint64 from, qint64 length) {
  if (!parts_.empty() && parts_.back().from + parts_.back().length == from)
    parts_.back().length += length;
  else
    parts_.push_back({from, length, size_});
  size_ += length;
}

bool PngChunkFilter::seek(qint64 pos) {
  if (pos < 0 || pos > size_ || !QIODevice::seek(pos)) return false;
  at_ = pos;
  return true;
}

qint64 PngChunkFilter::readData(char* data, qint64 maxSize) {
  qint64 done = 0;
  while (done < maxSize && at_ < size_) {
    // The last part that starts at or before the position holds it.
    const auto part = std::ranges::upper_bound(parts_, at_, {}, &Part::shown) - 1;
    const qint64 into = at_ - part->shown;
    const qint64 count = std::min(maxSize - done, part->length - into);
    if (!file_.seek(part->from + into)) return done > 0 ? done : -1;
    const qint64 got = file_.read(data + done, count);
    if (got <= 0) return done > 0 ? done : -1;
    done += got;
    at_ += got;
  }
  return done;
}
