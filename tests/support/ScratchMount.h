#pragma once

#include <sys/mount.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QString>

// A small tmpfs mounted over a fresh folder, for checks that need a full or a read-only disk.
// Mounting needs root with the right to mount; where that is missing, mounted() is false and
// the test says why it was skipped.
class ScratchMount {
 public:
  ScratchMount(const QString& folder, qint64 bytes) : folder_(folder.toLocal8Bit()) {
    QDir().mkpath(folder);
    options_ = "size=" + QByteArray::number(bytes) + ",mode=0777";
    mounted_ = ::mount("tmpfs", folder_.constData(), "tmpfs", 0, options_.constData()) == 0;
  }
  ~ScratchMount() {
    if (mounted_) ::umount2(folder_.constData(), MNT_DETACH);
  }
  ScratchMount(const ScratchMount&) = delete;
  ScratchMount& operator=(const ScratchMount&) = delete;

  bool mounted() const { return mounted_; }
  bool makeReadOnly() {
    return mounted_ && ::mount("tmpfs", folder_.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY,
                               options_.constData()) == 0;
  }

 private:
  QByteArray folder_;
  QByteArray options_;
  bool mounted_ = false;
};
