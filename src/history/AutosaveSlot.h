#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

// Where one running copy of the program keeps its autosave: a picture file of its own in the
// shared folder, guarded by a lock file that the copy holds while it runs. A copy that ended
// without removing its picture (an exit with unsaved changes, a crash, a kill) leaves it behind
// unlocked; the next copy to start takes that place and offers the picture back. Two copies
// running at once never share a place, so neither overwrites the other's autosave.
class AutosaveSlot {
 public:
  // Takes the place of the newest picture left behind, or else the first free place.
  explicit AutosaveSlot(const QString& folder);

  QString pictureFile() const { return picture_; }
  // Whether a copy that ended left its picture here.
  bool hasLeftover() const { return leftover_; }

 private:
  QString picture_;
  bool leftover_ = false;
  std::unique_ptr<QLockFile> lock_;
};
