// The symmetry of order 32 on a 4K canvas. Each benchmark times the program and its reference
// in the same iterations and reports the program's time as the iteration time, the reference's
// and their ratio as counters. Both are timed in the thread's processor time, so that other
// work on a busy machine weighs on neither.
#include <benchmark/benchmark.h>

#include <QPainter>
#include <cmath>
#include <ctime>
#include <functional>
#include <vector>

#include "Kalyra.h"
#include "support/FakePlatform.h"

namespace {

const QSize Screen{3840, 2160};
double threadSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

double secondsOf(const std::function<void()>& work) {
  const double start = threadSeconds();
  work();
  return threadSeconds() - start;
}

// Remembers each line in pixels instead of drawing it.
class SegmentLog : public Surface {
 public:
  using Surface::Surface;
  std::vector<std::pair<QPoint, QPoint>> segments;
  void Line(float x1, float y1, float x2, float y2) override {
    segments.push_back({toPixel(x1, y1), toPixel(x2, y2)});
    CurrentX = x2;
    CurrentY = y2;
  }
};

struct Setup {
  int style;  // 0 line, 3 polygon P10
  int th;
  int size;
  bool echoAndGradient;
  Symmetry::Kind kind;
  int mirrorMode;
};

void configure(Kalyra& k, const Setup& s) {
  k.Form_Load();
  if (s.style == 3) k.polyg_Click(7);
  k.th_Click(s.th);
  k.view.ScrollSize = s.size;
  k.ScrollSize_Change();
  k.mir_Click(s.mirrorMode);
  k.symmetry.set(s.kind, 32);
  if (s.echoAndGradient) {
    k.ToggleEcho();
    k.CmdGradient_Click();
  }
  k.PenUp = false;
}

// The pointer circles the centre in small steps, as a hand drawing would.
QPointF pointerAt(int step) {
  const double angle = step * 0.01;
  return {std::cos(angle) * (250 + 50 * std::sin(step * 0.003)), std::sin(angle) * 250};
}

constexpr int Moves = 628;

struct Program {
  FakePlatform platform;
  Surface canvas{Screen};
  Kalyra k{canvas, platform};
  int step = 0;
  explicit Program(const Setup& s) {
    platform.screen = Screen;
    configure(k, s);
  }
  void move() {
    const QPointF p = pointerAt(step++ % Moves);
    k.Canvas_MouseMove(0, 0, float(p.x()), float(p.y()));
    benchmark::DoNotOptimize(canvas.takeDirtyRegion());
  }
};

// The same segments drawn by the simplest Qt program: one QPainter with a round-capped pen.
struct PlainPainter {
  std::vector<std::vector<std::pair<QPoint, QPoint>>> moves;
  QImage image{Screen, QImage::Format_RGB32};
  int width;
  int step = 0;
  explicit PlainPainter(const Setup& s) : width(2 * s.th + 1) {
    FakePlatform platform;
    platform.screen = Screen;
    SegmentLog log(Screen);
    Kalyra k(log, platform);
    configure(k, s);
    for (int i = 0; i < Moves; ++i) {
      log.segments.clear();
      const QPointF p = pointerAt(i);
      k.Canvas_MouseMove(0, 0, float(p.x()), float(p.y()));
      moves.push_back(log.segments);
    }
    image.fill(Qt::white);
  }
  void move() {
    QPainter painter(&image);
    painter.setPen(QPen(Qt::red, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const auto& [from, to] : moves[std::size_t(step++ % Moves)]) painter.drawLine(from, to);
  }
};

void report(benchmark::State& state, double program, double reference, double references) {
  state.counters["reference_us"] = reference * 1e6 / double(state.iterations());
  state.counters["ratio"] = program / (reference * references);
}

// One move of the line brush, pen 3, kaleidoscope of order 32: 64 segments.
void lineKaleidoscope32(benchmark::State& state) {
  const Setup setup{0, 1, 1, false, Symmetry::Kind::Kaleidoscope, 2};
  Program program(setup);
  PlainPainter plain(setup);
  double mine = 0, theirs = 0;
  for (auto _ : state) {
    const double t = secondsOf([&] { program.move(); });
    theirs += secondsOf([&] { plain.move(); });
    mine += t;
    state.SetIterationTime(t);
  }
  report(state, mine, theirs, 1);
}

// The worst stamp, polygon P10 of size 350 with pen 15, echo and gradient, at kaleidoscope 32,
// against the same stamp's eight-way time scaled to 64 copies ("ratio") and against plain
// QPainter drawing the same segments ("painter_ratio").
void worstStampKaleidoscope32(benchmark::State& state) {
  const Setup setup{3, 7, 350, true, Symmetry::Kind::Kaleidoscope, 2};
  Program program(setup);
  Program eightWay({3, 7, 350, true, Symmetry::Kind::Mirror, 2});
  PlainPainter plain(setup);
  double mine = 0, eight = 0, theirs = 0;
  for (auto _ : state) {
    const double t = secondsOf([&] { program.move(); });
    eight += secondsOf([&] { eightWay.move(); });
    theirs += secondsOf([&] { plain.move(); });
    mine += t;
    state.SetIterationTime(t);
  }
  report(state, mine, eight, 64.0 / 8);
  state.counters["painter_ratio"] = mine / theirs;
}

// A fill of the empty canvas under kaleidoscope 32 against a single fill: the first seed fills
// it all and the other 63 find their pixel already painted. Colours alternate so every fill
// paints the whole canvas again.
void fillKaleidoscope32(benchmark::State& state) {
  Program program({0, 1, 1, false, Symmetry::Kind::Kaleidoscope, 2});
  Program single({0, 1, 1, false, Symmetry::Kind::Mirror, 0});
  double mine = 0, theirs = 0;
  int i = 0;
  const auto fill = [&](Program& p) {
    p.canvas.ForeColor = (i & 1) ? Yellow : Red;
    p.k.MouseX = 100, p.k.MouseY = 50;
    p.k.FillAtPointer();
  };
  for (auto _ : state) {
    const double t = secondsOf([&] { fill(program); });
    theirs += secondsOf([&] { fill(single); });
    ++i;
    mine += t;
    state.SetIterationTime(t);
  }
  report(state, mine, theirs, 1);
}

}  // namespace

BENCHMARK(lineKaleidoscope32)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(worstStampKaleidoscope32)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(fillKaleidoscope32)->UseManualTime()->Unit(benchmark::kMicrosecond);
