#pragma once

#include <QImage>
#include <QString>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "canvas/Surface.h"

// Keeps the canvas on the disk while it has unsaved changes, written by a thread of its own.
//
// The drawing never waits for the disk and never copies the whole canvas at once: each tick
// copies at most a slice of the tiles changed since the last look, and only when every changed
// tile has been copied within one tick (so the copies together are the canvas as it stands) is
// the batch handed to the writer. The writer keeps its own whole copy of the canvas, puts the
// batch into it and writes it atomically, so a crash in the middle leaves the previous autosave
// whole. A failed write leaves the old file; it is tried again later.
class Autosaver {
 public:
  struct Timing {
    double quietSeconds = 1;   // at least this long between two writes
    double retrySeconds = 10;  // after a failed write
    int tilesPerTick = 64;     // 1 MiB of copying at most per tick
  };

  explicit Autosaver(QString file) : Autosaver(std::move(file), Timing{}) {}
  Autosaver(QString file, Timing timing);
  ~Autosaver();
  Autosaver(const Autosaver&) = delete;
  Autosaver& operator=(const Autosaver&) = delete;

  // Runs on the drawing thread, often (every tenth of a second or so), with whether the canvas is
  // as Save Picture left it: then there is nothing to keep, and the autosave goes. Gives the
  // reason once when writing fails, and again only after a write succeeded in between.
  std::optional<QString> tick(const Surface& canvas, bool saved, double now);
  // Writes what is not on the disk yet and waits for it, for the end of the program.
  void finish(const Surface& canvas, bool saved);
  // Waits for the writer to be done with what it was handed.
  void waitForWriter();

  // The canvas as the autosave file holds it: its pixels and the background colour.
  struct Picture {
    QImage pixels;
    Colour backColor = White;
  };
  static std::optional<Picture> read(const QString& file);

 private:
  struct TileCopy {
    int tile = 0;
    std::vector<QRgb> pixels;
  };
  enum class Job { None, Write, Remove };

  void gatherChanges(const Surface& canvas);
  void copyTiles(const Surface& canvas, int most);
  void hand(Job job, Colour backColor, QSize size);
  void writerLoop();
  std::optional<QString> perform(Job job, std::vector<TileCopy>& tiles, Colour backColor,
                                 QSize size);

  const QString file_;
  const Timing timing_;

  // The drawing thread's side.
  std::uint64_t seen_ = 0;
  std::vector<char> pending_;  // per tile: changed and not copied yet
  int pendingCount_ = 0;
  int cursor_ = 0;
  std::vector<int> stagedAt_;  // per tile: its place in staged_, or -1
  std::vector<TileCopy> staged_;
  std::vector<std::vector<QRgb>> reuse_;  // spare buffers taken over from the writer
  bool unwritten_ = false;                // changes since the last batch handed over
  bool removed_ = false;                  // the autosave was removed while saved
  bool failing_ = false;
  bool told_ = false;
  double lastHanded_ = -1e9;
  double retryAt_ = 0;

  // Shared with the writer, under mutex_.
  std::mutex mutex_;
  std::condition_variable wake_;
  Job job_ = Job::None;
  std::vector<TileCopy> jobTiles_;
  Colour jobBackColor_ = White;
  QSize jobSize_;
  bool busy_ = false;
  bool stop_ = false;
  std::optional<std::optional<QString>> outcome_;  // set when a write ends: its failure or none
  // Tile buffers the writer is done with, for the next copies: fresh memory would be faulted in
  // page by page on the drawing thread.
  std::vector<std::vector<QRgb>> spare_;

  // The writer's side.
  QImage shadow_;
  std::thread writer_;
};
