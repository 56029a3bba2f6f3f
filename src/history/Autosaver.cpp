#include "history/Autosaver.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QImageReader>
#include <cerrno>
#include <chrono>

#include "files/PictureFile.h"
#include "history/AutosaveSlot.h"

namespace {

const QString BackColorKey = QStringLiteral("KalyraBackColor");
// Qt turns a quality of 80 into the fastest compression that still compresses: a canvas is
// mostly large areas of one colour, so that is small and quick.
constexpr int Quality = 80;

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
  if (pending_.empty()) {
    // At first every tile is new to the writer.
    pending_.assign(std::size_t(canvas.tileCount()), 1);
    pendingCount_ = canvas.tileCount();
    stagedAt_.assign(std::size_t(canvas.tileCount()), -1);
    seen_ = canvas.changeCount();
    roundBegan_ = now;
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

// The cursor goes round the canvas and copies the changed tiles it passes. Every tile changed
// before a round began has been copied, as it was then or later, once the cursor has gone all
// the way round.
void Autosaver::copyTiles(const Surface& canvas, int most, double seconds, double now) {
  using Clock = std::chrono::steady_clock;
  const Clock::time_point until =
      Clock::now() + std::chrono::duration_cast<Clock::duration>(
                         std::chrono::duration<double>(std::min(seconds, 1e6)));
  const QImage& image = canvas.Image();
  const int tiles = canvas.tileCount();
  for (int n = 0; pendingCount_ > 0 && n < most;) {
    if (pending_[std::size_t(cursor_)]) {
      if (n > 0 && Clock::now() >= until) break;
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
    cursor_ = (cursor_ + 1) % tiles;
    if (++swept_ >= tiles) {
      roundDone_ = roundBegan_;
      roundBegan_ = now;
      swept_ = 0;
    }
  }
  if (pendingCount_ == 0) {
    roundDone_ = roundBegan_ = now;
    swept_ = 0;
  }
}

bool Autosaver::collectOutcome(std::optional<QString>& notice, double now) {
  std::lock_guard lock(mutex_);
  if (reuse_.empty()) std::swap(reuse_, spare_);
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
  wake_.wait(lock, [this] { return !busy_ && job_ == Job::None; });
}

// Only the batch moves across; the writer's copy of the canvas is its own.
void Autosaver::hand(Job job, const Surface& canvas, double upTo) {
  {
    std::lock_guard lock(mutex_);
    job_ = job;
    jobTiles_ = std::move(staged_);
    jobBackColor_ = canvas.BackColor();
    jobSize_ = canvas.pixelSize();
    jobUpTo_ = upTo;
  }
  if (job == Job::Write) handedUpTo_ = upTo;
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
    const double upTo = jobUpTo_;
    job_ = Job::None;
    busy_ = true;
    lock.unlock();
    std::optional<QString> failure = perform(job, tiles, backColor, size);
    lock.lock();
    for (TileCopy& copy : tiles) spare_.push_back(std::move(copy.pixels));
    busy_ = false;
    outcome_ = Outcome{job, upTo, failure};
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
  const QByteArray png = encodePng(shadow_, Quality, {{BackColorKey, QString::number(backColor)}});
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
