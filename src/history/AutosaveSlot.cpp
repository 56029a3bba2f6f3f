#include "history/AutosaveSlot.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

// The translation context of the texts this file shows.
struct AutosaveText {
  Q_DECLARE_TR_FUNCTIONS(AutosaveSlot)
};

constexpr int Places = 32;

QString pictureIn(const QString& folder, int place) {
  return folder + QStringLiteral("/autosave-%1.png").arg(place);
}

QByteArray lockIn(const QString& folder, int place) {
  return QFile::encodeName(folder + QStringLiteral("/autosave-%1.lock").arg(place));
}

// An open descriptor holding the lock, or -1 with errno set. The lock file is opened without
// following a link, and only a regular file will do.
int takeLock(const QByteArray& path, bool wait = false) {
  const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
  if (fd < 0) return -1;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
      ::flock(fd, LOCK_EX | (wait ? 0 : LOCK_NB)) != 0) {
    const int error = S_ISREG(info.st_mode) ? errno : EISDIR;
    ::close(fd);
    errno = error;
    return -1;
  }
  return fd;
}

enum class Kind { None, File, Other };

Kind kindOf(const QString& path, qint64* modified = nullptr) {
  struct stat info {};
  if (::lstat(QFile::encodeName(path).constData(), &info) != 0) {
    return errno == ENOENT ? Kind::None : Kind::Other;
  }
  if (modified) *modified = qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
  return S_ISREG(info.st_mode) ? Kind::File : Kind::Other;
}

// Copies that start at the same moment choose their places one after the other, so that none
// passes over a picture left behind because another had its place locked while looking.
class StartLock {
 public:
  explicit StartLock(const QString& folder)
      : fd_(takeLock(QFile::encodeName(folder + QStringLiteral("/start.lock")), true)) {}
  ~StartLock() {
    if (fd_ >= 0) ::close(fd_);
  }
  StartLock(const StartLock&) = delete;
  StartLock& operator=(const StartLock&) = delete;

 private:
  int fd_;
};

// What a crash between writing and renaming left: this program's temporary file, or an older
// version's, named after the picture with a suffix. Links are removed, never followed.
void removeTemporaryFiles(const QString& folder, int place) {
  const QDir dir(folder);
  const QStringList names =
      dir.entryList({QStringLiteral("autosave-%1.png.*").arg(place)},
                    QDir::Files | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
  for (const QString& name : names)
    if (kindOf(dir.filePath(name)) != Kind::None) QFile::remove(dir.filePath(name));
}

bool makeFolder(const QString& folder, int& error) {
  errno = 0;
  if (QDir().mkpath(folder)) return true;
  error = errno ? errno : EACCES;
  return false;
}

}  // namespace

AutosaveSlot::AutosaveSlot(QString folder) : folder_(std::move(folder)) {
  int error = 0;
  if (!makeFolder(folder_, error)) return;
  const StartLock start(folder_);
  std::vector<Candidate> candidates = lockFreePlaces();
  std::stable_sort(candidates.begin(), candidates.end(),
                   [](const Candidate& a, const Candidate& b) {
                     return a.left && (!b.left || a.modified > b.modified);
                   });
  bool putAny = false;
  auto chosen = candidates.end();
  for (auto c = candidates.begin(); c != candidates.end() && c->left; ++c) {
    if (auto picture = Autosaver::read(pictureIn(folder_, c->place))) {
      leftover_ = std::move(picture);
      chosen = c;
      break;
    }
    // A picture that can't be read stays a leftover where it can't be put aside, and its place
    // is not used: writing there would destroy it.
    if (putAside(c->place)) c->left = false, putAny = true;
  }
  if (chosen == candidates.end()) {
    for (auto c = candidates.begin(); c != candidates.end(); ++c)
      if (!c->left && (chosen == candidates.end() || c->place < chosen->place)) chosen = c;
  }
  for (auto c = candidates.begin(); c != candidates.end(); ++c) {
    if (c == chosen) {
      place_ = c->place;
      lock_ = c->lock;
    } else {
      ::close(c->lock);
    }
  }
  if (putAny) {
    notice_ = AutosaveText::tr(
                  "A picture Kalyra! kept for you could not be read. It was put aside "
                  "in %1, under a name that begins with “unreadable”.")
                  .arg(QDir::toNativeSeparators(folder_));
  }
}

AutosaveSlot::~AutosaveSlot() {
  release();
}

QString AutosaveSlot::pictureFile() const {
  return place_ < 0 ? QString() : pictureIn(folder_, place_);
}

std::vector<AutosaveSlot::Candidate> AutosaveSlot::lockFreePlaces() {
  std::vector<Candidate> free;
  bool anyFree = false;
  const QStringList temporaries = QDir(folder_).entryList(
      {QStringLiteral("autosave-*.png.*")}, QDir::AllEntries | QDir::System | QDir::Hidden);
  for (int place = 0; place < Places; ++place) {
    // A lock file is made only where there is something to look at or the place may be taken.
    const QString prefix = QStringLiteral("autosave-%1.png.").arg(place);
    const bool crashed = std::any_of(temporaries.begin(), temporaries.end(),
                                     [&](const QString& name) { return name.startsWith(prefix); });
    if (anyFree && !crashed && kindOf(pictureIn(folder_, place)) == Kind::None) continue;
    const int lock = takeLock(lockIn(folder_, place));
    if (lock < 0) continue;
    removeTemporaryFiles(folder_, place);
    qint64 modified = 0;
    const Kind kind = kindOf(pictureIn(folder_, place), &modified);
    if (kind == Kind::Other) {
      ::close(lock);
      continue;
    }
    free.push_back({place, lock, kind == Kind::File, modified});
    anyFree = anyFree || kind == Kind::None;
  }
  return free;
}

bool AutosaveSlot::putAside(int place) {
  const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
  for (int n = 0; n < 100; ++n) {
    const QString name = QStringLiteral("/unreadable-%1-%2-%3.png").arg(stamp).arg(place).arg(n);
    // Renaming never replaces a file that is there already.
    if (QFile::rename(pictureIn(folder_, place), folder_ + name)) return true;
    if (!QFile::exists(folder_ + name)) return false;
  }
  return false;
}

void AutosaveSlot::release() {
  if (lock_ >= 0) ::close(lock_);
  lock_ = -1;
  place_ = -1;
}

std::optional<QString> AutosaveSlot::holdPlace(QString& why) {
  if (lock_ >= 0) {
    // The lock still guards the place when its file is the one locked: a folder removed and
    // made again holds a new lock file, which another copy may hold by now.
    struct stat held {
    }, there{};
    const QByteArray lock = lockIn(folder_, place_);
    if (::fstat(lock_, &held) == 0 && ::lstat(lock.constData(), &there) == 0 &&
        held.st_dev == there.st_dev && held.st_ino == there.st_ino &&
        kindOf(pictureFile()) != Kind::Other)
      return pictureFile();
  }
  release();
  int error = ENOENT;
  if (!makeFolder(folder_, error)) {
    why = reason(error);
    return std::nullopt;
  }
  const StartLock start(folder_);
  // Only a place without a picture will do: one with a picture is another copy's leftover.
  for (int place = 0; place < Places; ++place) {
    const int lock = takeLock(lockIn(folder_, place));
    if (lock < 0) {
      error = errno;
      continue;
    }
    if (kindOf(pictureIn(folder_, place)) == Kind::None) {
      removeTemporaryFiles(folder_, place);
      place_ = place;
      lock_ = lock;
      return pictureFile();
    }
    ::close(lock);
    error = EEXIST;
  }
  why = error == EEXIST ? AutosaveText::tr("every place in its folder is taken") : reason(error);
  return std::nullopt;
}

QString AutosaveSlot::reason(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return AutosaveText::tr("its folder is gone");
    case ENOSPC:
    case EDQUOT:
      return AutosaveText::tr("the disk is full");
    case EACCES:
    case EPERM:
    case EROFS:
      return AutosaveText::tr("it is not allowed to write there");
    case 0:
      return AutosaveText::tr("the file could not be written");
    default:
      return QString::fromLocal8Bit(std::strerror(error));
  }
}
