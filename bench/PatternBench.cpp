// The patterns on a 4K canvas. Each benchmark times the program and its reference in the same
// iterations, in the thread's processor time, and reports the program's time as the iteration
// time with the reference's and their ratio as counters.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QWindow>
#include <cmath>
#include <ctime>
#include <functional>
#include <memory>

#include "Kalyra.h"
#include "app/CanvasWidget.h"
#include "app/MainWindow.h"
#include "support/FakePlatform.h"

namespace {

const QSize Screen{3840, 2160};
constexpr int P4m = 17;
constexpr int P6m = 23;

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

void choose(Kalyra& k, int pattern, int cell) {
  Pattern p(pattern);
  p.setCellSize(cell);
  k.symmetry.setPattern(p);
  k.symmetry.set(Symmetry::Kind::Pattern, 6);
}

// The pointer circles in small steps near the centre, as a hand drawing would.
QPointF pointerAt(int step) {
  const double angle = step * 0.01;
  return {std::cos(angle) * (250 + 50 * std::sin(step * 0.003)), std::sin(angle) * 250};
}

struct Program {
  FakePlatform platform;
  Surface canvas{Screen};
  Kalyra k{canvas, platform};
  int step = 0;
  // `stamp`: polygon P10 of size 350, pen 15, echo and gradient; otherwise the line brush with
  // pen 3.
  Program(int pattern, int cell, bool stamp, bool eachImage) {
    platform.screen = Screen;
    k.Form_Load();
    if (stamp) {
      k.polyg_Click(7);
      k.th_Click(7);
      k.view.ScrollSize = 350;
      k.ScrollSize_Change();
      k.ToggleEcho();
      k.CmdGradient_Click();
    }
    choose(k, pattern, cell);
    k.symmetry.repeatCells = !eachImage;
    k.PenUp = false;
  }
  void move() {
    const QPointF p = pointerAt(step++ % 628);
    k.Canvas_MouseMove(0, 0, float(p.x()), float(p.y()));
    benchmark::DoNotOptimize(canvas.takeDirtyRegion());
  }
};

void compare(benchmark::State& state, Program& program, Program& reference) {
  double mine = 0, theirs = 0;
  for (auto _ : state) {
    const double t = secondsOf([&] { program.move(); });
    theirs += secondsOf([&] { reference.move(); });
    mine += t;
    state.SetIterationTime(t);
  }
  state.counters["reference_us"] = theirs * 1e6 / double(state.iterations());
  state.counters["ratio"] = mine / theirs;
}

// A line-pen move (pen 3) under p4m on a 64-pixel cell, about 16,000 images on the screen,
// against drawing every image one by one.
void linePenP4m(benchmark::State& state) {
  Program program(P4m, 64, false, false), eachImage(P4m, 64, false, true);
  compare(state, program, eachImage);
}

// The worst stamp under p6m, against drawing every image one by one.
void worstStampP6m(benchmark::State& state) {
  Program program(P6m, 64, true, false), eachImage(P6m, 64, true, true);
  compare(state, program, eachImage);
}

// A fill of the empty canvas under p6m against a single fill: the first start fills it all,
// the others find their pixel painted. Colours alternate so every fill paints it all again.
void fillP6m(benchmark::State& state) {
  Program program(P6m, 64, false, false), single(P4m, 64, false, false);
  single.k.mir_Click(0);
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
  state.counters["reference_us"] = theirs * 1e6 / double(state.iterations());
  state.counters["ratio"] = mine / theirs;
}

struct PaintedPixels : QObject {
  qint64 pixels = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint)
      for (const QRect& r : static_cast<QPaintEvent*>(event)->region())
        pixels += qint64(r.width()) * r.height();
    return false;
  }
};

// The real window on the 4K screen under p4m on cells of `cell` pixels, its guides showing or
// not, with every pixel it shows repainted once.
struct PatternWindow {
  PatternWindow(int cell, bool guides) {
    platform.screen = Screen;
    window = std::make_unique<MainWindow>(platform, 96);
    window->resize(Screen);
    window->show();
    for (int i = 0; i < 100 && !window->windowHandle()->isExposed(); ++i)
      QApplication::processEvents(QEventLoop::AllEvents, 10);
    choose(window->core(), P4m, cell);
    if (guides) typeG();
    // The whole window painted once, with whatever repaint the guides asked for, before the
    // moves are timed.
    canvas()->repaint();
    for (int i = 0; i < 20; ++i) QApplication::processEvents(QEventLoop::AllEvents, 10);
    canvas()->installEventFilter(&painted);
  }
  CanvasWidget* canvas() const { return window->canvas(); }
  void typeG() {
    QKeyEvent key(QEvent::KeyPress, Qt::Key_G, Qt::NoModifier, QStringLiteral("g"));
    QCoreApplication::sendEvent(canvas(), &key);
  }
  void send(QEvent::Type type, QPointF at, Qt::MouseButton button) {
    QMouseEvent event(type, at, canvas()->mapToGlobal(at), button, button, Qt::NoModifier);
    QCoreApplication::sendEvent(canvas(), &event);
  }

  FakePlatform platform;
  std::unique_ptr<MainWindow> window;
  PaintedPixels painted;
};

// The line-pen move under p4m through the real window, with the repaint of what it changed.
// Arguments: the cell's side, and whether the guides show.
void linePenP4mWithRepaint(benchmark::State& state) {
  PatternWindow w(int(state.range(0)), state.range(1) != 0);
  w.send(QEvent::MouseMove, {2600, 700}, Qt::NoButton);
  w.send(QEvent::MouseButtonPress, {2600, 700}, Qt::LeftButton);
  w.send(QEvent::MouseButtonRelease, {2600, 700}, Qt::LeftButton);
  QCoreApplication::sendPostedEvents();
  const qint64 before = w.painted.pixels;
  int step = 0;
  // A spiral, so that no move draws over its own earlier pixels and every one repaints.
  for (auto _ : state) {
    const double a = step * M_PI / 180, r = 100 + 0.04 * std::min(step++, 12000);
    w.send(QEvent::MouseMove, {2400 + r * std::cos(a), 700 + r * std::sin(a)}, Qt::NoButton);
    QCoreApplication::sendPostedEvents();
  }
  if (w.window->core().PenUp) state.SkipWithError("the pen never went down");
  state.counters["pixels/move"] = double(w.painted.pixels - before) / double(state.iterations());
}

// What a change of the guides (shown, or a new cell) costs the repaint of the whole window that
// follows it, on the smallest cells, which have the most lines.
void guidesRedrawnP4m(benchmark::State& state) {
  PatternWindow w(24, true);
  for (auto _ : state) {
    w.typeG(), w.typeG();
    w.canvas()->repaint();
  }
  if (!w.window->core().symmetry.guides) state.SkipWithError("no guides");
}

// A hundred strokes under p4m on a 64-pixel cell with rainbow copies, each changing tiles all
// over the picture: the history's size after them and the time of one stroke's pen lift.
void historyOfPatternStrokes(benchmark::State& state) {
  for (auto _ : state) {
    Program program(P4m, 64, false, false);
    Kalyra& k = program.k;
    k.PenUp = true;
    k.cmdRainbow_Click();
    for (int stroke = 0; stroke < 100; ++stroke) {
      const float x = float(stroke % 10) * 7, y = float(stroke / 10) * 5;
      k.Canvas_MouseMove(0, 0, x, y);
      k.Canvas_MouseDown(1, 0, 0, 0);
      for (int i = 1; i <= 10; ++i) k.Canvas_MouseMove(0, 0, x + float(i), y + float(i % 3));
      k.Canvas_MouseDown(1, 0, 0, 0);
    }
    state.counters["steps"] = double(k.history.undoSteps());
    state.counters["history_MB"] = double(k.history.bytes()) / (1 << 20);
  }
}

}  // namespace

BENCHMARK(historyOfPatternStrokes)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(linePenP4m)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(worstStampP6m)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(fillP6m)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(linePenP4mWithRepaint)
    ->Args({64, 0})
    ->Args({24, 1})
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(guidesRedrawnP4m)->Unit(benchmark::kMillisecond)->Iterations(10);
