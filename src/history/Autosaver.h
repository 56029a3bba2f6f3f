#pragma once

#include <QImage>
#include <QString>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <limits>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "canvas/Surface.h"

// Where the writer puts the autosave. It is asked before every write, so that a place lost while
// the program runs (its folder removed, say) is found again.
class AutosavePlace {
 public:
  virtual ~AutosavePlace() = default;
  // The file to write, or none with the reason in `why`.
  virtual std::optional<QString> holdPlace(QString& why) = 0;
};

// Keeps the canvas on the disk while it has unsaved changes, written by a thread of its own.
//
// The drawing never waits for the disk and never copies the whole canvas at once: each tick
// copies, for a bounded time, tiles changed since they were last copied, going round the canvas.
// When every changed tile has been copied within one tick, the copies together are the canvas
// as it stands, and that batch goes to the writer. When the drawing changes more than a tick
// copies (a large canvas, many copies of a wide pen, whole-canvas fills), the batch goes as
// soon as the copying has gone once round the canvas: it then holds everything drawn before
// that round began, so the autosave never falls further behind than one round. The writer
// keeps its own whole copy of the canvas, puts the batch into it and writes it atomically, so
// a crash in the middle leaves the previous autosave whole. A failed write leaves the old file;
// it is tried again later.
class Autosaver {
 public:
  struct Timing {
    double quietSeconds = 1;   // at least this long between two writes
    double retrySeconds = 10;  // after a failed write
    int tilesPerTick = std::numeric_limits<int>::max();
    double copySeconds = 0.00025;  // the most a tick copies for
    double checkSeconds = 5;       // how often the file is looked for while nothing changes
  };

  explicit Autosaver(QString file) : Autosaver(std::move(file), Timing{}) {}
  Autosaver(QString file, Timing timing);
  Autosaver(AutosavePlace& place, Timing timing);
  ~Autosaver();
  Autosaver(const Autosaver&) = delete;
  Autosaver& operator=(const Autosaver&) = delete;

  // Runs on the drawing thread, often (every tenth of a second or so, more often while
  // behind()), with whether the canvas is as Save Picture left it: then there is nothing to
  // keep, and the autosave goes. Gives the reason once when writing fails, and again only after
  // a write succeeded in between.
  std::optional<QString> tick(const Surface& canvas, bool saved, double now);
  // Whether changed tiles wait to be copied.
  bool behind() const { return pendingCount_ > 0; }
  // The time of the tick up to which the file on the disk holds every change, as the drawing
  // thread last heard from the writer; -1 before the first write.
  double writtenUpTo() const { return writtenUpTo_; }
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
  // Copies of tiles, each in its own place in a block with room for every tile. The block, once
  // made, is used over and over, so that the drawing thread neither asks the system for memory
  // nor gives it back.
  struct Batch {
    std::unique_ptr<QRgb[]> pixels;
    QSize size;
    std::vector<int> tiles;  // the tiles it holds
  };
  // Check: the file written last is looked for, and written again when it is gone.
  enum class Job { None, Write, Remove, Check };
  struct Outcome {
    Job job = Job::None;
    double upTo = 0;
    std::optional<QString> failure;
  };

  using Clock = std::chrono::steady_clock;

  void gatherChanges(const Surface& canvas, double now);
  bool holdBlock(QSize size, Clock::time_point until);
  void copyTiles(const Surface& canvas, int most, double seconds, double now);
  void copyRun(const Surface& canvas, int first, int count);
  void hand(Job job, const Surface& canvas, double upTo);
  bool collectOutcome(std::optional<QString>& notice, double now);
  void writerLoop();
  Batch makeBlock(QSize size);
  void takeIn(const Batch& batch);
  std::optional<QString> perform(Job job, Colour backColor);

  std::unique_ptr<AutosavePlace> own_;  // the fixed file's place
  AutosavePlace& place_;
  const Timing timing_;

  // The drawing thread's side.
  std::uint64_t seen_ = 0;
  std::vector<char> pending_;  // per tile: changed and not copied yet
  int pendingCount_ = 0;
  int cursor_ = 0;
  int swept_ = 0;             // tiles the cursor passed since the round began
  double roundBegan_ = 0;     // the tick at which the copying began its current round
  double roundDone_ = -1;     // when the last round that went all the way round began
  std::vector<char> staged_;  // per tile: copied into `batch_`
  Batch batch_;
  bool unwritten_ = false;  // changes since the last batch handed over
  bool removed_ = false;    // the autosave was removed while saved
  bool failing_ = false;
  bool told_ = false;
  double lastHanded_ = -1e9;
  double handedUpTo_ = -1;
  double writtenUpTo_ = -1;
  double retryAt_ = 0;
  double checkAt_ = 0;

  // Shared with the writer, under mutex_.
  std::mutex mutex_;
  std::condition_variable wake_;
  Job job_ = Job::None;
  Batch jobBatch_;
  Colour jobBackColor_ = White;
  double jobUpTo_ = 0;
  bool busy_ = false;
  bool stop_ = false;
  std::optional<Outcome> outcome_;  // set when a job ends
  // The block for the next batch: the one the writer took last, back once the writer has put
  // it into its own copy, or a new one of the size wanted. Blocks of another size go to the
  // writer to be given back to the system.
  Batch spare_;
  std::optional<QSize> wanted_;
  std::vector<Batch> discarded_;

  // The writer's side.
  QImage shadow_;
  std::thread writer_;
};
