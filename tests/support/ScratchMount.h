#pragma once

#include <sys/mount.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QString>

// A mount for checks that need a disk that fails: a small tmpfs over a fresh folder (a full or a
// read-only disk), or a file bound over another (which can then be neither replaced nor
// removed). Mounting needs root with the right to mount; where that is missing, mounted() is
// false and the test says why it was skipped.
class ScratchMount {
 public:
  ScratchMount(const QString& folder, qint64 bytes) : target_(folder.toLocal8Bit()) {
    QDir().mkpath(folder);
    options_ = "size=" + QByteArray::number(bytes) + ",mode=0777";
    mounted_ = ::mount("tmpfs", target_.constData(), "tmpfs", 0, options_.constData()) == 0;
  }
  ScratchMount(const QString& file, const QString& over) : target_(over.toLocal8Bit()) {
    mounted_ = ::mount(file.toLocal8Bit().constData(), target_.constData(), nullptr, MS_BIND,
                       nullptr) == 0;
  }
  ~ScratchMount() {
    if (mounted_) ::umount2(target_.constData(), MNT_DETACH);
  }
  ScratchMount(const ScratchMount&) = delete;
  ScratchMount& operator=(const ScratchMount&) = delete;

  bool mounted() const { return mounted_; }
  bool makeReadOnly() {
    return mounted_ && ::mount("tmpfs", target_.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY,
                               options_.constData()) == 0;
  }

 private:
  QByteArray target_;
  QByteArray options_;
  bool mounted_ = false;
};
