#include <benchmark/benchmark.h>

#include <time.h>

#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstring>
#include <vector>

#include "canvas/Surface.h"
#include "files/PictureFile.h"
#include "history/Autosaver.h"
#include "history/History.h"

// The undo history and the autosave on the canvas of a 4K screen. Each benchmark prints its
// ratio to its reference, measured in the same run: memory of a step against the bytes of the
// tiles it changed, undo and redo of a whole-canvas step against one memcpy of the canvas, the
// longest autosave pause on the drawing thread in milliseconds, and the writes against
// QImage::save of the same picture in the same format.

namespace {

using Clock = std::chrono::steady_clock;
const QSize Screen(3840, 2160);

double seconds(Clock::duration d) {
  return std::chrono::duration<double>(d).count();
}

void drawSome(Surface& canvas, int i) {
  canvas.DrawWidth = 5;
  canvas.ForeColor = packColour(i * 7 % 256, 255 - i * 3 % 256, i * 37 % 256);
  const float x = float(i * 97 % 3700), y = float(i * 53 % 2000);
  canvas.Line(x, y, x + 140, y + 90);
  canvas.Line(3839 - x, y, 3699 - x, y + 90);
  canvas.Line(x, 2159 - y, x + 140, 2069 - y);
  canvas.Line(3839 - x, 2159 - y, 3699 - x, 2069 - y);
}

// The time the calling thread ran: on a machine shared with other programs, the clock on the
// wall also counts the moments the thread waited for a processor.
double threadSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

QString scratchFile(const char* name) {
  static QTemporaryDir dir;
  return dir.filePath(QString::fromLatin1(name));
}

void BM_HistoryStepMemory(benchmark::State& state) {
  Surface canvas(Screen);
  History history;
  QImage before;
  double ratio = 0;
  int i = 0;
  for (auto _ : state) {
    canvas.copyImageTo(before);
    const std::size_t bytesBefore = history.bytes();
    const std::uint64_t start = canvas.changeCount();
    history.beginStep(canvas);
    drawSome(canvas, i++);
    history.endStep(canvas, before);
    std::size_t tileBytes = 0;
    for (int t = 0; t < canvas.tileCount(); ++t)
      if (canvas.tileStamp(t) > start)
        tileBytes += std::size_t(canvas.tileRect(t).width() * canvas.tileRect(t).height() * 4);
    ratio = std::max(ratio, double(history.bytes() - bytesBefore) / double(tileBytes));
  }
  state.counters["worst_step_bytes_per_changed_tile_byte"] = ratio;
}
BENCHMARK(BM_HistoryStepMemory)->Iterations(50)->Unit(benchmark::kMillisecond);

void BM_WholeCanvasUndoRedo(benchmark::State& state) {
  Surface canvas(Screen);
  History history;
  QImage before;
  canvas.copyImageTo(before);
  history.beginStep(canvas);
  canvas.setBackColor(Yellow);
  history.endStep(canvas, before);
  std::vector<char> from(std::size_t(before.sizeInBytes()), 1), to(from.size());
  double exchange = 0, copy = 0;
  for (auto _ : state) {
    const auto t0 = Clock::now();
    history.undo(canvas);
    history.redo(canvas);
    const auto t1 = Clock::now();
    std::memcpy(to.data(), from.data(), from.size());
    benchmark::DoNotOptimize(to.data());
    const auto t2 = Clock::now();
    exchange += seconds(t1 - t0) / 2;
    copy += seconds(t2 - t1);
  }
  state.counters["undo_or_redo_per_memcpy"] = exchange / copy;
}
BENCHMARK(BM_WholeCanvasUndoRedo)->Unit(benchmark::kMillisecond);

// Drawing at 60 moves a second with a tick every six moves, and a whole-canvas change now and
// then: the longest tick is the longest the pointer waits for the autosave.
void BM_AutosavePauseWhileDrawing(benchmark::State& state) {
  Surface canvas(Screen);
  Autosaver autosaver(scratchFile("pause.png"), {1, 10});
  double longest = 0, longestWall = 0;
  double now = 0;
  // The program's first second and a half, before anyone draws, hands the whole canvas over.
  for (int t = 0; t < 40; ++t) autosaver.tick(canvas, false, now += 0.1);
  autosaver.waitForWriter();
  int i = 0;
  for (auto _ : state) {
    drawSome(canvas, i);
    if (i % 600 == 599) canvas.setBackColor(packColour(i % 256, 200, 100));
    if (++i % 6 == 0) {
      const double t0 = threadSeconds();
      const auto w0 = Clock::now();
      autosaver.tick(canvas, false, now += 0.1);
      longestWall = std::max(longestWall, seconds(Clock::now() - w0));
      longest = std::max(longest, threadSeconds() - t0);
    }
  }
  autosaver.waitForWriter();
  state.counters["longest_pause_ms"] = longest * 1e3;
  state.counters["longest_wall_ms"] = longestWall * 1e3;
}
BENCHMARK(BM_AutosavePauseWhileDrawing)->Iterations(3000)->Unit(benchmark::kMicrosecond);

const QImage& drawing() {
  static const QImage picture = [] {
    Surface canvas(Screen);
    for (int i = 0; i < 400; ++i) drawSome(canvas, i);
    return canvas.Image();
  }();
  return picture;
}

// One autosave of a drawn canvas, from handing it over to the file being in place, against
// QImage::save in the same format at the same compression.
void BM_AutosaveWrite(benchmark::State& state) {
  Surface canvas(Screen);
  canvas.setPicture(drawing());
  Autosaver autosaver(scratchFile("write.png"), {0, 0, 1 << 20, 1e9});
  double now = 0;
  autosaver.tick(canvas, false, now);
  double ours = 0, qt = 0;
  for (auto _ : state) {
    canvas.Line(10, 10, 20, float(now));
    const auto t0 = Clock::now();
    autosaver.tick(canvas, false, now += 1);
    autosaver.waitForWriter();
    const auto t1 = Clock::now();
    canvas.Image().save(scratchFile("qt.png"), "png", 80);
    ours += seconds(t1 - t0);
    qt += seconds(Clock::now() - t1);
  }
  state.counters["write_per_qt_save"] = ours / qt;
}
BENCHMARK(BM_AutosaveWrite)->Iterations(8)->Unit(benchmark::kMillisecond);

void BM_SavePng(benchmark::State& state) {
  double ours = 0, qt = 0;
  for (auto _ : state) {
    const auto t0 = Clock::now();
    if (writePictureFile(scratchFile("ours.png"), drawing(), PictureFormat::Png))
      state.SkipWithError("could not save");
    const auto t1 = Clock::now();
    drawing().save(scratchFile("qt.png"), "png");
    ours += seconds(t1 - t0);
    qt += seconds(Clock::now() - t1);
  }
  state.counters["save_per_qt_save"] = ours / qt;
}
BENCHMARK(BM_SavePng)->Iterations(12)->Unit(benchmark::kMillisecond);

}  // namespace
