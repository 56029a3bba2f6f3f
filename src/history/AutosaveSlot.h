#pragma once

#include <QString>
#include <optional>
#include <utility>
#include <vector>

#include "history/Autosaver.h"

// Where one running copy of the program keeps its autosave: a picture file of its own in the
// shared folder, guarded by a lock that the copy holds while it runs (a lock of the system's
// on a lock file, so it goes with the copy however the copy ends). A copy that ended without
// removing its picture (an exit with unsaved changes, a crash, a kill) leaves it behind
// unlocked; the next copy to start takes that place and offers the picture back.
//
// Two copies never share a place: a place is used only while its lock is held, and copies that
// start at the same moment choose one after the other. A place whose picture is anything but a
// regular file (a folder, a link) is neither written nor offered.
class AutosaveSlot : public AutosavePlace {
 public:
  // Takes the place of the newest readable picture left behind, or else the first free place.
  // Temporary files that a crash left in the places it can take are removed; pictures left
  // behind that cannot be read are put aside under another name.
  explicit AutosaveSlot(QString folder);
  ~AutosaveSlot() override;
  AutosaveSlot(const AutosaveSlot&) = delete;
  AutosaveSlot& operator=(const AutosaveSlot&) = delete;

  // The place's picture file; empty when no place could be taken (the folder can't be made).
  QString pictureFile() const;
  // The picture a copy that ended left in this place.
  bool hasLeftover() const { return leftover_.has_value(); }
  // Hands it over, read: it is needed once, at start.
  std::optional<Autosaver::Picture> takeLeftover() { return std::exchange(leftover_, {}); }
  // What the user is told at start: that pictures left behind could not be read, and where they
  // were put.
  std::optional<QString> notice() const { return notice_; }

  // The place held, taken again when lost: the folder made again when it was removed, another
  // free place when this one was taken over meanwhile or is no longer a regular file.
  std::optional<QString> holdPlace(QString& why) override;

  // The reason in words for a failure of the system's file calls.
  static QString reason(int error);

 private:
  struct Candidate {
    int place;
    int lock;
    bool left;
    qint64 modified;
  };
  std::vector<Candidate> lockFreePlaces();
  bool putAside(int place);
  void release();

  QString folder_;
  int place_ = -1;
  int lock_ = -1;  // the descriptor holding the place's lock
  std::optional<Autosaver::Picture> leftover_;
  std::optional<QString> notice_;
};
