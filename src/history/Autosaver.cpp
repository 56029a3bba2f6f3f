#include "history/Autosaver.h"

#include <QFile>
#include <QImageReader>

#include "files/PictureFile.h"

namespace {

const QString BackColorKey = QStringLiteral("KalyraBackColor");
// Qt turns a quality of 80 into the fastest compression that still compresses: a canvas is
// mostly large areas of one colour, so that is small and quick.
constexpr int Quality = 80;

}  // namespace

Autosaver::Autosaver(QString file, Timing timing)
    : file_(std::move(file)), timing_(timing), writer_([this] { writerLoop(); }) {}

Autosaver::~Autosaver() {
  {
    std::lock_guard lock(mutex_);
    stop_ = true;
  }
  wake_.notify_all();
  writer_.join();
}

void Autosaver::gatherChanges(const Surface& canvas) {
  if (pending_.empty()) {
    // At first every tile is new to the writer.
    pending_.assign(std::size_t(canvas.tileCount()), 1);
    pendingCount_ = canvas.tileCount();
    stagedAt_.assign(std::size_t(canvas.tileCount()), -1);
    seen_ = canvas.changeCount();
    return;
  }
  if (canvas.changeCount() == seen_) return;
  for (int t = 0; t < canvas.tileCount(); ++t) {
    if (canvas.tileStamp(t) > seen_ && !pending_[std::size_t(t)]) {
      pending_[std::size_t(t)] = 1;
      ++pendingCount_;
    }
  }
  seen_ = canvas.changeCount();
  unwritten_ = true;
  removed_ = false;
}

void Autosaver::copyTiles(const Surface& canvas, int most) {
  const QImage& image = canvas.Image();
  for (int n = 0; pendingCount_ > 0 && n < most; cursor_ = (cursor_ + 1) % canvas.tileCount()) {
    if (!pending_[std::size_t(cursor_)]) continue;
    int& at = stagedAt_[std::size_t(cursor_)];
    if (at < 0) {
      at = int(staged_.size());
      staged_.push_back({cursor_, {}});
      if (!reuse_.empty()) {
        staged_.back().pixels = std::move(reuse_.back());
        reuse_.pop_back();
      }
    }
    std::vector<QRgb>& pixels = staged_[std::size_t(at)].pixels;
    const QRect r = canvas.tileRect(cursor_);
    pixels.resize(std::size_t(r.width()) * std::size_t(r.height()));
    QRgb* out = pixels.data();
    for (int y = r.top(); y <= r.bottom(); ++y, out += r.width()) {
      const auto* in = reinterpret_cast<const QRgb*>(image.constScanLine(y)) + r.x();
      std::copy(in, in + r.width(), out);
    }
    pending_[std::size_t(cursor_)] = 0;
    --pendingCount_;
    ++n;
  }
}

std::optional<QString> Autosaver::tick(const Surface& canvas, bool saved, double now) {
  gatherChanges(canvas);
  std::optional<QString> notice;
  bool writerBusy;
  {
    std::lock_guard lock(mutex_);
    if (reuse_.empty()) std::swap(reuse_, spare_);
    writerBusy = busy_ || job_ != Job::None;
    if (outcome_) {
      failing_ = outcome_->has_value();
      if (failing_ && !told_) notice = **outcome_;
      told_ = failing_;
      if (failing_) retryAt_ = now + timing_.retrySeconds;
      outcome_.reset();
    }
  }
  copyTiles(canvas, timing_.tilesPerTick);
  if (writerBusy || pendingCount_ > 0) return notice;
  if (saved) {
    if (!removed_) hand(Job::Remove, canvas.BackColor(), canvas.pixelSize());
    removed_ = true;
    unwritten_ = false;
  } else if ((unwritten_ && now - lastHanded_ >= timing_.quietSeconds) ||
             (failing_ && now >= retryAt_)) {
    hand(Job::Write, canvas.BackColor(), canvas.pixelSize());
    unwritten_ = false;
    failing_ = false;
    lastHanded_ = now;
  }
  return notice;
}

void Autosaver::finish(const Surface& canvas, bool saved) {
  waitForWriter();
  gatherChanges(canvas);
  copyTiles(canvas, canvas.tileCount());
  if (saved && !removed_) hand(Job::Remove, canvas.BackColor(), canvas.pixelSize());
  if (!saved && (unwritten_ || failing_)) hand(Job::Write, canvas.BackColor(), canvas.pixelSize());
  unwritten_ = false;
  waitForWriter();
}

void Autosaver::waitForWriter() {
  std::unique_lock lock(mutex_);
  wake_.wait(lock, [this] { return !busy_ && job_ == Job::None; });
}

// Only the batch moves across; the writer's copy of the canvas is its own.
void Autosaver::hand(Job job, Colour backColor, QSize size) {
  {
    std::lock_guard lock(mutex_);
    job_ = job;
    jobTiles_ = std::move(staged_);
    jobBackColor_ = backColor;
    jobSize_ = size;
  }
  staged_.clear();
  std::fill(stagedAt_.begin(), stagedAt_.end(), -1);
  wake_.notify_all();
}

void Autosaver::writerLoop() {
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return stop_ || job_ != Job::None; });
    if (job_ == Job::None) return;
    const Job job = job_;
    std::vector<TileCopy> tiles = std::move(jobTiles_);
    const Colour backColor = jobBackColor_;
    const QSize size = jobSize_;
    job_ = Job::None;
    busy_ = true;
    lock.unlock();
    std::optional<QString> failure = perform(job, tiles, backColor, size);
    lock.lock();
    for (TileCopy& copy : tiles) spare_.push_back(std::move(copy.pixels));
    busy_ = false;
    outcome_ = failure;
    wake_.notify_all();
  }
}

std::optional<QString> Autosaver::perform(Job job, std::vector<TileCopy>& tiles, Colour backColor,
                                          QSize size) {
  if (shadow_.size() != size) shadow_ = QImage(size, QImage::Format_RGB32);
  const int columns = (size.width() + Surface::TileSide - 1) / Surface::TileSide;
  for (const TileCopy& copy : tiles) {
    const QRect r =
        QRect((copy.tile % columns) * Surface::TileSide, (copy.tile / columns) * Surface::TileSide,
              Surface::TileSide, Surface::TileSide) &
        shadow_.rect();
    const QRgb* in = copy.pixels.data();
    for (int y = r.top(); y <= r.bottom(); ++y, in += r.width())
      std::copy(in, in + r.width(), reinterpret_cast<QRgb*>(shadow_.scanLine(y)) + r.x());
  }
  if (job == Job::Remove) {
    if (QFile::exists(file_) && !QFile::remove(file_)) return QFile(file_).errorString();
    return std::nullopt;
  }
  const QByteArray png = encodePng(shadow_, Quality, {{BackColorKey, QString::number(backColor)}});
  if (png.isEmpty()) return QStringLiteral("the picture could not be encoded");
  return writeWholeFile(file_, png);
}

std::optional<Autosaver::Picture> Autosaver::read(const QString& file) {
  PictureRead read = readPicture(file);
  if (!read.picture) return std::nullopt;
  bool ok = false;
  const uint colour = read.picture->text(BackColorKey).toUInt(&ok);
  return Picture{read.picture->convertToFormat(QImage::Format_RGB32),
                 ok ? Colour(colour & 0xffffff) : White};
}
