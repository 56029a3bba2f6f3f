#include "history/AutosaveSlot.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace {

constexpr int Places = 32;

QString pictureIn(const QDir& folder, int place) {
  return folder.filePath(QStringLiteral("autosave-%1.png").arg(place));
}

// A lock whose owner is no longer running is taken over at once.
std::unique_ptr<QLockFile> tryLock(const QDir& folder, int place) {
  auto lock =
      std::make_unique<QLockFile>(folder.filePath(QStringLiteral("autosave-%1.lock").arg(place)));
  lock->setStaleLockTime(0);
  if (!lock->tryLock(0)) return nullptr;
  return lock;
}

}  // namespace

AutosaveSlot::AutosaveSlot(const QString& folderPath) {
  QDir().mkpath(folderPath);
  const QDir folder(folderPath);
  int chosen = -1;
  QDateTime newest;
  for (int place = 0; place < Places; ++place) {
    auto lock = tryLock(folder, place);
    if (!lock) continue;
    const QFileInfo picture(pictureIn(folder, place));
    const bool left = picture.exists();
    const bool better = chosen < 0 || (left && (!leftover_ || picture.lastModified() > newest));
    if (!better) continue;
    chosen = place;
    leftover_ = left;
    newest = picture.lastModified();
    lock_ = std::move(lock);  // the place taken before is given up
  }
  // With no lock to be had (a read-only folder) the first place is used unguarded: its writes
  // fail there anyway, and the user is told.
  picture_ = pictureIn(folder, std::max(chosen, 0));
}
