#include "history/Autosaver.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QImageReader>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <new>

#include "files/PictureFile.h"
#include "files/PngEncoder.h"
#include "history/AutosaveSlot.h"

namespace {

const QString BackColorKey = QStringLiteral("KalyraBackColor");
constexpr int MostTilesTogether = 8;
constexpr std::size_t TileArea = std::size_t(Surface::TileSide) * Surface::TileSide;

class FixedPlace : public AutosavePlace {
 public:
  explicit FixedPlace(QString file) : file_(std::move(file)) {}
  std::optional<QString> holdPlace(QString&) override { return file_; }

 private:
  QString file_;
};

bool isThere(const QByteArray& path) {
  struct stat info {};
  return ::lstat(path.constData(), &info) == 0;
}

// Written beside the picture under a temporary name of the picture's own, then renamed over
// it: a crash in the middle leaves the previous autosave whole, and the next start knows the
// temporary file by its name. A link at either name is replaced, never written through.
std::optional<QString> writeAtomically(const QString& file, const QByteArray& content) {
  const QByteArray path = QFile::encodeName(file);
  const QByteArray temporary = path + ".tmp";
  ::unlink(temporary.constData());
  const int fd =
      ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd < 0) return AutosaveSlot::reason(errno);
  int error = 0;
  for (qsizetype done = 0; done < content.size() && !error;) {
    const ssize_t n = ::write(fd, content.constData() + done, std::size_t(content.size() - done));
    if (n > 0) {
      done += n;
    } else if (n == 0 || errno != EINTR) {
      error = n == 0 ? ENOSPC : errno;
    }
  }
  if (!error && ::fdatasync(fd) != 0) error = errno;
  if (::close(fd) != 0 && !error) error = errno;
  if (!error && ::rename(temporary.constData(), path.constData()) != 0) error = errno;
  if (!error) return std::nullopt;
  ::unlink(temporary.constData());
  return AutosaveSlot::reason(error);
}

}  // namespace

Autosaver::Autosaver(QString file, Timing timing)
    : own_(std::make_unique<FixedPlace>(std::move(file))),
      place_(*own_),
      timing_(timing),
      writer_([this] { writerLoop(); }) {}

Autosaver::Autosaver(AutosavePlace& place, Timing timing)
    : place_(place), timing_(timing), writer_([this] { writerLoop(); }) {}

Autosaver::~Autosaver() {
  {
    std::lock_guard lock(mutex_);
    stop_ = true;
  }
  wake_.notify_all();
  writer_.join();
}

void Autosaver::gatherChanges(const Surface& canvas, double now) {
  if (pending_.size() != std::size_t(canvas.tileCount())) {
    // At first every tile is new to the writer.
    pending_.assign(std::size_t(canvas.tileCount()), 1);
    pendingCount_ = canvas.tileCount();
    staged_.assign(std::size_t(canvas.tileCount()), 0);
    batch_.tiles.clear();
    seen_ = canvas.changeCount();
    cursor_ = swept_ = 0;
    roundBegan_ = now;
  } else if (canvas.changeCount() != seen_) {
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
}

// The block is made by the writer, as touching that much fresh memory page by page costs far
// more than copying into it; the drawing thread waits for it no longer than its tick allows.
bool Autosaver::holdBlock(QSize size, Clock::time_point until) {
  if (batch_.pixels && batch_.size == size) return true;
  std::unique_lock lock(mutex_);
  if (batch_.pixels) {
    // The canvas changed its size under the same tiles: what was copied goes again.
    for (const int t : batch_.tiles) {
      staged_[std::size_t(t)] = 0;
      if (!pending_[std::size_t(t)]) ++pendingCount_;
      pending_[std::size_t(t)] = 1;
    }
    discarded_.push_back(std::exchange(batch_, {}));
    wake_.notify_all();
  }
  const auto ready = [&] { return spare_.pixels && spare_.size == size; };
  if (!ready()) {
    if (spare_.pixels) discarded_.push_back(std::exchange(spare_, {}));
    wanted_ = size;
    wake_.notify_all();
    // A request the writer could not meet (no memory) ends the wait too.
    wake_.wait_until(lock, until, [&] { return ready() || !wanted_; });
    if (!ready()) return false;
  }
  batch_ = std::exchange(spare_, {});
  return true;
}

// The cursor goes round the canvas and copies the changed tiles it passes. Every tile changed
// before a round began has been copied, as it was then or later, once the cursor has gone all
// the way round.
void Autosaver::copyTiles(const Surface& canvas, int most, double seconds, double now) {
  const Clock::time_point until =
      Clock::now() + std::chrono::duration_cast<Clock::duration>(
                         std::chrono::duration<double>(std::min(seconds, 1e6)));
  if (pendingCount_ > 0 && !holdBlock(canvas.pixelSize(), until)) return;
  const int tiles = canvas.tileCount(), columns = canvas.tileColumns();
  const auto advance = [&] {
    cursor_ = (cursor_ + 1) % tiles;
    if (++swept_ >= tiles) {
      roundDone_ = roundBegan_;
      roundBegan_ = now;
      swept_ = 0;
    }
  };
  for (int n = 0; pendingCount_ > 0 && n < most;) {
    if (!pending_[std::size_t(cursor_)]) {
      advance();
      continue;
    }
    if (n > 0 && Clock::now() >= until) break;
    // Changed tiles side by side in a row of tiles go together, a few at a time so that the
    // clock is still looked at often.
    int count = 1;
    while (count < MostTilesTogether && n + count < most && (cursor_ + count) % columns != 0 &&
           pending_[std::size_t(cursor_ + count)])
      ++count;
    copyRun(canvas, cursor_, count);
    n += count;
    pendingCount_ -= count;
    for (int i = 0; i < count; ++i) {
      pending_[std::size_t(cursor_)] = 0;
      advance();
    }
  }
  if (pendingCount_ == 0) {
    roundDone_ = roundBegan_ = now;
    swept_ = 0;
  }
}

void Autosaver::copyRun(const Surface& canvas, int first, int count) {
  const QRect r = canvas.tileRect(first) | canvas.tileRect(first + count - 1);
  const QImage& image = canvas.Image();
  QRgb* const out = batch_.pixels.get() + std::size_t(first) * TileArea;
  for (int y = r.top(); y <= r.bottom(); ++y) {
    const auto* in = reinterpret_cast<const QRgb*>(image.constScanLine(y)) + r.x();
    const std::size_t row = std::size_t(y - r.top()) * Surface::TileSide;
    for (int i = 0, x = 0; i < count; ++i, x += Surface::TileSide) {
      const int width = std::min(Surface::TileSide, r.width() - x);
      std::copy(in + x, in + x + width, out + std::size_t(i) * TileArea + row);
    }
  }
  for (int t = first; t < first + count; ++t) {
    if (!staged_[std::size_t(t)]) batch_.tiles.push_back(t);
    staged_[std::size_t(t)] = 1;
  }
}

bool Autosaver::collectOutcome(std::optional<QString>& notice, double now) {
  std::lock_guard lock(mutex_);
  if (outcome_) {
    failing_ = outcome_->failure.has_value();
    if (failing_ && !told_) notice = *outcome_->failure;
    told_ = failing_;
    if (failing_) retryAt_ = now + timing_.retrySeconds;
    if (!failing_ && outcome_->job == Job::Write)
      writtenUpTo_ = std::max(writtenUpTo_, outcome_->upTo);
    outcome_.reset();
  }
  return busy_ || job_ != Job::None;
}

std::optional<QString> Autosaver::tick(const Surface& canvas, bool saved, double now) {
  gatherChanges(canvas, now);
  std::optional<QString> notice;
  const bool writerBusy = collectOutcome(notice, now);
  copyTiles(canvas, timing_.tilesPerTick, timing_.copySeconds, now);
  if (writerBusy) return notice;
  if (saved) {
    if (pendingCount_ > 0) return notice;
    if (!removed_) hand(Job::Remove, canvas, roundDone_);
    removed_ = true;
    unwritten_ = false;
  } else if ((unwritten_ && now - lastHanded_ >= timing_.quietSeconds &&
              roundDone_ > handedUpTo_) ||
             (failing_ && now >= retryAt_ && roundDone_ >= 0)) {
    hand(Job::Write, canvas, roundDone_);
    // Tiles changed again after they were copied in this round go with the next batch.
    unwritten_ = pendingCount_ > 0;
    failing_ = false;
    lastHanded_ = now;
    checkAt_ = now + timing_.checkSeconds;
  } else if (!unwritten_ && !removed_ && handedUpTo_ >= 0 && now >= checkAt_) {
    // A file removed behind the program's back (its folder, say) comes back.
    hand(Job::Check, canvas, handedUpTo_);
    checkAt_ = now + timing_.checkSeconds;
  }
  return notice;
}

void Autosaver::finish(const Surface& canvas, bool saved) {
  waitForWriter();
  std::optional<QString> notice;
  collectOutcome(notice, 0);
  const double now = std::max(roundBegan_, handedUpTo_);
  gatherChanges(canvas, now);
  copyTiles(canvas, canvas.tileCount(), 1e9, now);
  if (saved && !removed_) hand(Job::Remove, canvas, now);
  if (!saved && (unwritten_ || failing_)) hand(Job::Write, canvas, now);
  unwritten_ = false;
  waitForWriter();
}

void Autosaver::waitForWriter() {
  std::unique_lock lock(mutex_);
  wake_.wait(lock, [this] { return !busy_ && job_ == Job::None && !wanted_; });
}

// Only the batch moves across; the writer's copy of the canvas is its own. The writer is idle
// here, so it has given back the block of the batch before.
void Autosaver::hand(Job job, const Surface& canvas, double upTo) {
  for (const int t : batch_.tiles) staged_[std::size_t(t)] = 0;
  {
    std::lock_guard lock(mutex_);
    job_ = job;
    jobBatch_ = std::exchange(batch_, {});
    jobBackColor_ = canvas.BackColor();
    jobUpTo_ = upTo;
  }
  if (job == Job::Write) handedUpTo_ = upTo;
  wake_.notify_all();
}

void Autosaver::writerLoop() {
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock,
               [this] { return stop_ || job_ != Job::None || wanted_ || !discarded_.empty(); });
    if (!discarded_.empty()) {
      std::vector<Batch> gone = std::exchange(discarded_, {});
      lock.unlock();
      gone.clear();
      lock.lock();
      continue;
    }
    // A block wanted while a job waits is the job's own, back once the job has begun.
    if (wanted_ && !stop_ && job_ == Job::None) {
      const QSize size = *wanted_;
      lock.unlock();
      Batch made = makeBlock(size);
      lock.lock();
      if (wanted_ == size) {
        // Without the memory the drawing thread asks again at its next tick.
        if (made.pixels) std::swap(spare_, made);
        wanted_.reset();
      }
      wake_.notify_all();
      lock.unlock();
      made = {};
      lock.lock();
      continue;
    }
    if (job_ == Job::None) return;
    const Job job = job_;
    Batch batch = std::exchange(jobBatch_, {});
    const Colour backColor = jobBackColor_;
    const double upTo = jobUpTo_;
    job_ = Job::None;
    busy_ = true;
    lock.unlock();
    takeIn(batch);
    batch.tiles.clear();
    lock.lock();
    // The block goes back as soon as it is put into the writer's copy, not after the file.
    if (!spare_.pixels && batch.pixels) spare_ = std::move(batch);
    if (wanted_ && spare_.size == *wanted_) wanted_.reset();
    wake_.notify_all();
    lock.unlock();
    batch = {};
    std::optional<QString> failure = perform(job, backColor);
    lock.lock();
    busy_ = false;
    outcome_ = Outcome{job, upTo, failure};
    wake_.notify_all();
  }
}

Autosaver::Batch Autosaver::makeBlock(QSize size) {
  const std::size_t tiles =
      std::size_t((size.width() + Surface::TileSide - 1) / Surface::TileSide) *
      std::size_t((size.height() + Surface::TileSide - 1) / Surface::TileSide);
  Batch made;
  try {
    made = {std::make_unique_for_overwrite<QRgb[]>(tiles * TileArea), size, {}};
    made.tiles.reserve(tiles);
  } catch (const std::bad_alloc&) {
    return {};
  }
  std::fill_n(made.pixels.get(), tiles * TileArea, QRgb(0));
  if (shadow_.size() != size) {
    shadow_ = QImage(size, QImage::Format_RGB32);
    shadow_.fill(0);
  }
  return made;
}

void Autosaver::takeIn(const Batch& batch) {
  if (!batch.pixels) return;
  if (shadow_.size() != batch.size) shadow_ = QImage(batch.size, QImage::Format_RGB32);
  const int columns = (batch.size.width() + Surface::TileSide - 1) / Surface::TileSide;
  for (const int tile : batch.tiles) {
    const QRect r =
        QRect((tile % columns) * Surface::TileSide, (tile / columns) * Surface::TileSide,
              Surface::TileSide, Surface::TileSide) &
        shadow_.rect();
    const QRgb* in = batch.pixels.get() + std::size_t(tile) * TileArea;
    for (int y = r.top(); y <= r.bottom(); ++y, in += Surface::TileSide)
      std::copy(in, in + r.width(), reinterpret_cast<QRgb*>(shadow_.scanLine(y)) + r.x());
  }
}

std::optional<QString> Autosaver::perform(Job job, Colour backColor) {
  QString why;
  const std::optional<QString> file = place_.holdPlace(why);
  // Without a place there is no file of this copy's to remove.
  if (!file) return job == Job::Remove ? std::nullopt : std::optional(why);
  const QByteArray path = QFile::encodeName(*file);
  if (job == Job::Remove) {
    if (::unlink(path.constData()) != 0 && errno != ENOENT) return AutosaveSlot::reason(errno);
    return std::nullopt;
  }
  if (job == Job::Check && isThere(path)) return std::nullopt;
  if (shadow_.isNull()) return QStringLiteral("the picture could not be encoded");
  const QByteArray png = encodeQuickPng(shadow_, {{BackColorKey, QString::number(backColor)}});
  if (png.isEmpty()) return QStringLiteral("the picture could not be encoded");
  return writeAtomically(*file, png);
}

std::optional<Autosaver::Picture> Autosaver::read(const QString& file) {
  PictureRead read = readPicture(file);
  if (!read.picture) return std::nullopt;
  bool ok = false;
  const uint colour = read.picture->text(BackColorKey).toUInt(&ok);
  return Picture{read.picture->convertToFormat(QImage::Format_RGB32),
                 ok ? Colour(colour & 0xffffff) : White};
}
