#include "history/History.h"

#include <zstd.h>

#include <algorithm>
#include <array>
#include <cstring>

namespace {

const QRgb* row(const QImage& image, int y, int x) {
  return reinterpret_cast<const QRgb*>(image.constScanLine(y)) + x;
}

bool sameBackdrop(const Backdrop& a, const Backdrop& b) {
  if (a.colour != b.colour || a.picture.has_value() != b.picture.has_value()) return false;
  return !a.picture || a.picture->cacheKey() == b.picture->cacheKey();
}

std::size_t pictureBytes(const std::optional<Backdrop>& backdrop) {
  return backdrop && backdrop->picture ? std::size_t(backdrop->picture->sizeInBytes()) : 0;
}

// Compresses what it is given piece by piece into a buffer the size of the result, through
// one small window of output.
class Packer {
 public:
  Packer() : context_(ZSTD_createCCtx()) {
    ok_ = context_ && !ZSTD_isError(ZSTD_CCtx_setParameter(context_, ZSTD_c_compressionLevel, 1));
  }
  ~Packer() { ZSTD_freeCCtx(context_); }
  Packer(const Packer&) = delete;
  Packer& operator=(const Packer&) = delete;

  void add(const void* data, std::size_t size) {
    ZSTD_inBuffer in{data, size, 0};
    while (ok_ && in.pos < in.size) drain(ZSTD_e_continue, in);
  }
  std::optional<std::vector<char>> finish() {
    ZSTD_inBuffer in{nullptr, 0, 0};
    while (ok_ && drain(ZSTD_e_end, in) != 0) {
    }
    if (!ok_) return std::nullopt;
    packed_.shrink_to_fit();
    return std::move(packed_);
  }

 private:
  // Returns what the compressor still holds back.
  std::size_t drain(ZSTD_EndDirective mode, ZSTD_inBuffer& in) {
    std::array<char, 1 << 16> window;
    ZSTD_outBuffer out{window.data(), window.size(), 0};
    const std::size_t left = ZSTD_compressStream2(context_, &out, &in, mode);
    if (ZSTD_isError(left)) {
      ok_ = false;
      return 0;
    }
    packed_.insert(packed_.end(), window.data(), window.data() + out.pos);
    return left;
  }

  ZSTD_CCtx* context_;
  bool ok_ = false;
  std::vector<char> packed_;
};

}  // namespace

void History::beginStep(const Surface& canvas) {
  noticeUntrackedChange(canvas);
  open_ = true;
  openedAt_ = canvas.changeCount();
  openedBackdrop_ = canvas.backdrop();
}

void History::endStep(const Surface& canvas, const QImage& before) {
  if (!open_) return;
  open_ = false;
  // Without a whole snapshot there is nothing to take the old tiles from.
  if (before.size() != canvas.pixelSize() || before.format() != canvas.Image().format()) return;
  std::vector<int> touched;
  for (int t = 0; t < canvas.tileCount(); ++t) {
    if (canvas.tileStamp(t) > openedAt_) touched.push_back(t);
  }
  Step step = collect(canvas, before, canvas.Image(), touched);
  if (!sameBackdrop(openedBackdrop_, canvas.backdrop())) step.backdrop = openedBackdrop_;
  openedBackdrop_ = {};
  // A backdrop that changed under unchanged pixels (the same picture loaded again) shows nothing
  // new; an earlier step's backdrop still swaps back whatever backdrop is there.
  if (!step.tiles.empty()) push(std::move(step));
  known_ = canvas.changeCount();
}

void History::restoreSnapshot(Surface& canvas, const QImage& snapshot) {
  std::vector<int> all(std::size_t(canvas.tileCount()));
  for (int t = 0; t < canvas.tileCount(); ++t) all[std::size_t(t)] = t;
  noticeUntrackedChange(canvas);
  Step step = collect(canvas, canvas.Image(), snapshot, all);
  if (step.tiles.empty()) return;
  step.backdrop = canvas.backdrop();
  canvas.setPicture(snapshot.copy());
  push(std::move(step));
  known_ = canvas.changeCount();
}

History::Step History::collect(const Surface& canvas, const QImage& from, const QImage& other,
                               const std::vector<int>& candidates) {
  Step step;
  for (int t : candidates) {
    const QRect r = canvas.tileRect(t);
    const std::size_t rowBytes = std::size_t(r.width()) * sizeof(QRgb);
    int y = r.top();
    while (y <= r.bottom() && std::memcmp(row(from, y, r.x()), row(other, y, r.x()), rowBytes) == 0)
      ++y;
    if (y > r.bottom()) continue;
    step.tiles.push_back(t);
    step.pixelCount += std::size_t(r.width()) * std::size_t(r.height());
  }
  // The rows go straight from the picture into the compressor: a step of a whole 4K canvas
  // would otherwise pass through two buffers of its full size, fresh memory the system has to
  // clear page by page at every pen lift.
  Packer packer;
  for (int t : step.tiles) {
    const QRect r = canvas.tileRect(t);
    for (int y = r.top(); y <= r.bottom(); ++y)
      packer.add(row(from, y, r.x()), std::size_t(r.width()) * sizeof(QRgb));
  }
  if (auto packed = packer.finish()) {
    step.packed = std::move(*packed);
    return step;
  }
  for (int t : step.tiles) {
    const QRect r = canvas.tileRect(t);
    for (int y = r.top(); y <= r.bottom(); ++y) {
      const QRgb* in = row(from, y, r.x());
      step.pixels.insert(step.pixels.end(), in, in + r.width());
    }
  }
  step.pixelCount = 0;
  return step;
}

// A step is packed at every pen lift, undo and redo, so with the fastest level.
void History::pack(Step& step) {
  if (step.pixels.empty()) return;
  Packer packer;
  packer.add(step.pixels.data(), step.pixels.size() * sizeof(QRgb));
  auto packed = packer.finish();
  if (!packed) return;  // kept as they are
  step.packed = std::move(*packed);
  step.pixelCount = step.pixels.size();
  step.pixels = {};
}

bool History::unpack(Step& step) {
  if (step.packed.empty()) return true;
  std::vector<QRgb> pixels(step.pixelCount);
  const std::size_t raw = pixels.size() * sizeof(QRgb);
  const std::size_t size =
      ZSTD_decompress(pixels.data(), raw, step.packed.data(), step.packed.size());
  if (ZSTD_isError(size) || size != raw) return false;
  step.pixels = std::move(pixels);
  step.packed = {};
  return true;
}

std::size_t History::bytesOf(const Step& step) {
  return sizeof(Step) + step.tiles.size() * sizeof(int) + step.pixels.size() * sizeof(QRgb) +
         step.packed.size() + pictureBytes(step.backdrop);
}

// The step's tiles and the canvas's trade places, so the step then holds the other side. A step
// that cannot be unpacked (no memory for it) puts back only its backdrop.
void History::exchange(Surface& canvas, Step& step) {
  if (!unpack(step)) step.tiles.clear();
  QRect area;
  for (int t : step.tiles) area |= canvas.tileRect(t);
  QImage& image = canvas.pixelsForWriting(area);
  QRgb* stored = step.pixels.data();
  for (int t : step.tiles) {
    const QRect r = canvas.tileRect(t);
    for (int y = r.top(); y <= r.bottom(); ++y) {
      QRgb* shown = reinterpret_cast<QRgb*>(image.scanLine(y)) + r.x();
      std::swap_ranges(shown, shown + r.width(), stored);
      stored += r.width();
    }
  }
  if (step.backdrop) canvas.swapBackdrop(*step.backdrop);
  pack(step);
}

void History::push(Step step) {
  for (const Step& s : undone_) bytes_ -= s.bytes;
  undone_.clear();
  pack(step);
  step.bytes = bytesOf(step);
  bytes_ += step.bytes;
  step.id = nextId_++;
  done_.push_back(std::move(step));
  // The oldest steps go first; the newest is kept even when it alone is over the budget.
  while (bytes_ > budget_ && done_.size() > 1) {
    bytes_ -= done_.front().bytes;
    dropped_ = done_.front().id;
    done_.pop_front();
  }
}

bool History::undo(Surface& canvas) {
  if (done_.empty()) return false;
  noticeUntrackedChange(canvas);
  bytes_ -= done_.back().bytes;
  exchange(canvas, done_.back());
  done_.back().bytes = bytesOf(done_.back());
  bytes_ += done_.back().bytes;
  undone_.push_back(std::move(done_.back()));
  done_.pop_back();
  known_ = canvas.changeCount();
  return true;
}

bool History::redo(Surface& canvas) {
  if (undone_.empty()) return false;
  noticeUntrackedChange(canvas);
  bytes_ -= undone_.back().bytes;
  exchange(canvas, undone_.back());
  undone_.back().bytes = bytesOf(undone_.back());
  bytes_ += undone_.back().bytes;
  done_.push_back(std::move(undone_.back()));
  undone_.pop_back();
  known_ = canvas.changeCount();
  return true;
}

void History::markSaved(const Surface& canvas) {
  savedAt_ = canvas.changeCount();
  savedStep_ = shownStep();
  known_ = canvas.changeCount();
}

bool History::isSaved(const Surface& canvas) const {
  if (savedAt_ == canvas.changeCount()) return true;
  return savedStep_ && *savedStep_ == shownStep() && known_ == canvas.changeCount();
}

void History::noticeUntrackedChange(const Surface& canvas) {
  if (!open_ && known_ != canvas.changeCount()) savedStep_.reset();
}
