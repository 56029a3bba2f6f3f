// The autosave while someone draws without a pause on the largest screens: a scripted stretch of
// the program's own handlers (strokes and stamps at kaleidoscope 32 with the widest pen and
// rainbow copies, 120 pointer moves a second, a fill over the canvas every second), with the
// autosave ticked as the window's timer ticks it. Reports the worst age of the newest autosave
// on the disk (how long before that moment the last change it holds was made) and the longest
// tick, which is the longest the pointer waits for the autosave, both in the thread's processor
// time and on the wall clock.
#include <benchmark/benchmark.h>

#include <time.h>

#include <zlib.h>

#include <QTemporaryDir>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstring>
#include <thread>
#include <vector>

#include "Kalyra.h"
#include "history/Autosaver.h"
#include "support/FakePlatform.h"

namespace {

using Clock = std::chrono::steady_clock;

double threadSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// As the window's timer: every tenth of a second, and every 8 ms while the copying is behind.
constexpr double QuietTick = 0.1, BehindTick = 0.003;
constexpr double MovesPerSecond = 120;

struct Drawing {
  explicit Drawing(QSize screen) : canvas(screen) {
    platform.screen = screen;
    k.Form_Load();
    k.th_Click(7);
    k.view.ScrollSize = 350;
    k.ScrollSize_Change();
    k.symmetry.set(Symmetry::Kind::Kaleidoscope, 32);
    k.cmdRainbow_Click();
  }
  // The pointer circles the centre, nearer and further, as a hand scribbling round would.
  QPointF pointer(int move) const {
    const QSize size = canvas.pixelSize();
    const double angle = move * 0.02,
                 radius = size.height() * (0.3 + 0.15 * std::sin(move * 0.007));
    return canvas.toUnits(QPoint(int(size.width() / 2 + radius * std::cos(angle)),
                                 int(size.height() / 2 + radius * std::sin(angle))));
  }
  void penDown(int move, bool stamps) {
    stamps ? k.polyg_Click(7) : k.sty_Click(0);
    const QPointF p = pointer(move);
    k.Canvas_MouseDown(1, 0, float(p.x()), float(p.y()));
  }
  void moveTo(int move) {
    const QPointF p = pointer(move);
    k.Canvas_MouseMove(0, 0, float(p.x()), float(p.y()));
    benchmark::DoNotOptimize(canvas.takeDirtyRegion());
  }
  void fill(int second) {
    const QPointF corner = canvas.toUnits({4, 4});
    canvas.ForeColor = second % 2 ? Yellow : Black;
    k.MouseX = std::int16_t(corner.x()), k.MouseY = std::int16_t(corner.y());
    k.FillAtPointer();
    canvas.takeDirtyRegion();
  }

  FakePlatform platform;
  Surface canvas;
  Kalyra k{canvas, platform};
};

// Arguments: the screen's width (the height is 9/16 of it) and the seconds drawn.
void BM_AutosaveAgeWhileDrawing(benchmark::State& state) {
  const QSize screen(int(state.range(0)), int(state.range(0)) * 9 / 16);
  const double span = double(state.range(1));
  double worstAge = 0, longestWall = 0;
  std::vector<double> pauses;
  for (auto _ : state) {
    QTemporaryDir dir;
    Drawing drawing(screen);
    Autosaver autosaver(dir.filePath("age.png"));
    const Clock::time_point start = Clock::now();
    const auto now = [&] { return std::chrono::duration<double>(Clock::now() - start).count(); };
    autosaver.tick(drawing.canvas, false, now());
    drawing.penDown(0, false);
    double nextTick = 0;
    int second = 0, move = 1;
    for (double t = now(); t < span; t = now()) {
      if (t >= nextTick) {
        const double t0 = threadSeconds();
        const Clock::time_point w0 = Clock::now();
        autosaver.tick(drawing.canvas, false, t);
        longestWall =
            std::max(longestWall, std::chrono::duration<double>(Clock::now() - w0).count());
        pauses.push_back(threadSeconds() - t0);
        worstAge = std::max(worstAge, t - std::max(autosaver.writtenUpTo(), 0.0));
        nextTick = now() + (autosaver.behind() ? BehindTick : QuietTick);
      } else if (t >= second + 1) {
        drawing.fill(++second);
      } else if (t >= move / MovesPerSecond) {
        // Strokes and stamps take turns every three seconds.
        if (move % 360 == 0) drawing.penDown(move, move % 720 == 360);
        drawing.moveTo(move++);
      } else {
        std::this_thread::sleep_for(std::chrono::microseconds(200));
      }
    }
    autosaver.waitForWriter();
  }
  state.counters["worst_age_s"] = worstAge;
  // On a shared machine the longest tick also counts the moments the processor was taken away
  // in the middle of it; the 99th percentile shows the ticks' own length.
  std::sort(pauses.begin(), pauses.end());
  state.counters["longest_pause_ms"] = pauses.empty() ? 0 : pauses.back() * 1e3;
  state.counters["p99_pause_ms"] = pauses.empty() ? 0 : pauses[pauses.size() * 99 / 100] * 1e3;
  // A few long ones among thousands are the machine's; many are the autosave's.
  state.counters["pauses_over_1ms"] =
      double(pauses.end() - std::upper_bound(pauses.begin(), pauses.end(), 0.001));
  state.counters["longest_wall_ms"] = longestWall * 1e3;
  state.counters["ticks"] = double(pauses.size());
}

// The reference for the longest tick: a copy of fixed size (shorter than a tick may copy for)
// every 3 ms for a minute, with no allocation and no system call, while two threads compress and
// allocate as the autosave's writer does. Whatever its longest copy takes beyond its median is
// the machine's, not the copy's.
void BM_FixedCopyBesideBusyThreads(benchmark::State& state) {
  std::vector<char> from(std::size_t(1) << 20, 1), to(from.size());
  std::vector<double> copies;
  double longestWall = 0;
  for (auto _ : state) {
    std::atomic<bool> stop = false;
    const auto busy = [&stop] {
      std::vector<unsigned char> in(std::size_t(16) << 20, 7), out(compressBound(uLong(in.size())));
      while (!stop) {
        uLongf size = uLongf(out.size());
        compress2(out.data(), &size, in.data(), uLong(in.size()), 1);
        std::vector<unsigned char> block(std::size_t(32) << 20, 1);  // taken and given back
        in[size % in.size()] = block[size % block.size()];
      }
    };
    std::thread first(busy), second(busy);
    const Clock::time_point end = Clock::now() + std::chrono::seconds(state.range(0));
    while (Clock::now() < end) {
      const double t0 = threadSeconds();
      const Clock::time_point w0 = Clock::now();
      for (int i = 0; i < 2; ++i) {
        std::memcpy(to.data(), from.data(), from.size());
        from[std::size_t(i)] = to[std::size_t(i) + 1];
      }
      longestWall = std::max(longestWall, std::chrono::duration<double>(Clock::now() - w0).count());
      copies.push_back(threadSeconds() - t0);
      std::this_thread::sleep_for(std::chrono::milliseconds(3));
    }
    stop = true;
    first.join(), second.join();
  }
  std::sort(copies.begin(), copies.end());
  state.counters["median_ms"] = copies[copies.size() / 2] * 1e3;
  state.counters["p99_pause_ms"] = copies[copies.size() * 99 / 100] * 1e3;
  state.counters["longest_pause_ms"] = copies.back() * 1e3;
  state.counters["pauses_over_1ms"] =
      double(copies.end() - std::upper_bound(copies.begin(), copies.end(), 0.001));
  state.counters["longest_wall_ms"] = longestWall * 1e3;
  state.counters["ticks"] = double(copies.size());
}

}  // namespace

BENCHMARK(BM_FixedCopyBesideBusyThreads)->Arg(60)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(BM_AutosaveAgeWhileDrawing)
    ->Args({3840, 60})
    ->Args({7680, 60})
    ->Iterations(1)
    ->Unit(benchmark::kSecond);
