#pragma once

#include <QImage>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

#include "canvas/Surface.h"

// Many steps of undo and redo. A step keeps only the tiles it changed, and the backdrop when
// that changed too, as they were on the side of the step that the canvas does not show: undoing
// swaps them with the canvas, and redoing swaps them back, so a step costs one copy of what it
// changed in memory and one exchange of it in time.
//
// A step runs from one undo snapshot to the next boundary: a pen lift, the next snapshot, an
// undo or redo. The snapshot holds the canvas as it was when the step began, so the step's
// tiles are taken from it at the end, where the canvas's tile stamps say something was drawn.
//
// A step's tiles are kept compressed. A stroke under a pattern changes tiles all over the
// picture, mostly background with a little drawn on it, which compresses many times over; so a
// hundred such steps fit in the budget where a few whole ones would not.
class History {
 public:
  static constexpr std::size_t DefaultBudget = std::size_t(256) << 20;

  explicit History(std::size_t budget = DefaultBudget) : budget_(budget) {}

  // A change begins; `before`, handed to endStep, holds the canvas as it is now until then.
  void beginStep(const Surface& canvas);
  // Ends the open step, if any: what changed since beginStep becomes a step, and a step that
  // changed something drops the steps that were undone. A step that changed no pixel is none,
  // so that every undo visibly takes something back.
  void endStep(const Surface& canvas, const QImage& before);
  // Puts `snapshot` (a picture of the canvas's size) on the canvas as its background picture,
  // as a step of its own. A snapshot the canvas shows already changes nothing and is no step.
  void restoreSnapshot(Surface& canvas, const QImage& snapshot);
  bool undo(Surface& canvas);
  bool redo(Surface& canvas);

  std::size_t undoSteps() const { return done_.size(); }
  std::size_t redoSteps() const { return undone_.size(); }
  std::size_t bytes() const { return bytes_; }

  // Whether the canvas is as Save Picture last wrote it: nothing changed since, or undo and redo
  // came back to the step that was shown then and nothing was drawn after them. The autosave
  // asks this to know whether there is anything to keep.
  void markSaved(const Surface& canvas);
  bool isSaved(const Surface& canvas) const;

 private:
  struct Step {
    std::vector<int> tiles;
    std::vector<QRgb> pixels;  // the tiles' rows, one tile after another, while unpacked
    std::vector<char> packed;  // or the same, compressed
    std::size_t pixelCount = 0;
    std::optional<Backdrop> backdrop;
    std::size_t bytes = 0;
    std::uint64_t id = 0;
  };

  // The tiles of `from` that differ from `other` among `candidates`, as a step.
  static Step collect(const Surface& canvas, const QImage& from, const QImage& other,
                      const std::vector<int>& candidates);
  static void exchange(Surface& canvas, Step& step);
  static void pack(Step& step);
  static bool unpack(Step& step);
  static std::size_t bytesOf(const Step& step);
  void push(Step step);
  // The step whose result the canvas shows when nothing was drawn after it.
  std::uint64_t shownStep() const { return done_.empty() ? dropped_ : done_.back().id; }
  // A change made outside the history (a recovered picture) leaves no step to come back to the
  // saved picture by.
  void noticeUntrackedChange(const Surface& canvas);

  std::size_t budget_;
  std::size_t bytes_ = 0;
  std::deque<Step> done_;
  std::deque<Step> undone_;
  bool open_ = false;
  std::uint64_t openedAt_ = 0;
  Backdrop openedBackdrop_;
  std::optional<std::uint64_t> savedAt_;
  std::optional<std::uint64_t> savedStep_;
  // The canvas's change count when the history last changed it or saw a step end.
  std::uint64_t known_ = 0;
  std::uint64_t nextId_ = 1;
  std::uint64_t dropped_ = 0;  // the newest step that went over the budget
};
