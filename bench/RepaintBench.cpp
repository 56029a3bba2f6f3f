#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QWindow>
#include <cmath>
#include <memory>

#include "app/CanvasWidget.h"
#include "app/MainWindow.h"
#include "support/FakePlatform.h"

// What the window costs per pointer move on a 3840 × 2160 screen: the line brush drawn eight
// ways and the repaint of just the changed patches, against one repaint of the whole window.

namespace {

struct PaintCounter : QObject {
  qint64 pixels = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      for (const QRect& r : static_cast<QPaintEvent*>(event)->region())
        pixels += qint64(r.width()) * r.height();
    }
    return false;
  }
};

class UltraHdWindow {
 public:
  UltraHdWindow() {
    platform_.screen = {3840, 2160};
    window_ = std::make_unique<MainWindow>(platform_, 96);
    window_->resize(3840, 2160);
    window_->show();
    for (int i = 0; i < 100 && !window_->windowHandle()->isExposed(); ++i) {
      QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    canvas()->installEventFilter(&paints_);
  }

  MainWindow& window() { return *window_; }
  // How many pixels of the canvas were repainted so far.
  qint64 paintedPixels() const { return paints_.pixels; }
  CanvasWidget* canvas() { return window_->canvas(); }

  void send(QEvent::Type type, QPointF at, Qt::MouseButton button) {
    QMouseEvent event(type, at, canvas()->mapToGlobal(at), button, button, Qt::NoModifier);
    QCoreApplication::sendEvent(canvas(), &event);
  }

 private:
  FakePlatform platform_;
  std::unique_ptr<MainWindow> window_;
  PaintCounter paints_;
};

// The pointer circles about a point away from the centre, a few pixels per move, so the eight
// copies lie far apart on the screen.
void BM_LineMoveWithRepaint(benchmark::State& state) {
  UltraHdWindow w;
  w.send(QEvent::MouseMove, {2600, 700}, Qt::NoButton);
  w.send(QEvent::MouseButtonPress, {2600, 700}, Qt::LeftButton);
  w.send(QEvent::MouseButtonRelease, {2600, 700}, Qt::LeftButton);
  QCoreApplication::sendPostedEvents();
  int step = 0;
  for (auto _ : state) {
    const double a = (step++ % 360) * M_PI / 180;
    w.send(QEvent::MouseMove, {2400 + 200 * std::cos(a), 700 + 200 * std::sin(a)}, Qt::NoButton);
    QCoreApplication::sendPostedEvents();  // the repaint the move asked for
  }
  if (w.window().core().PenUp) state.SkipWithError("the pen never went down");
  if (w.paintedPixels() == 0) state.SkipWithError("nothing was repainted");
  state.counters["pixels/move"] = double(w.paintedPixels()) / double(state.iterations());
}
BENCHMARK(BM_LineMoveWithRepaint)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// The canvas covers the whole window: this is everything the window shows with the panel
// hidden.
void BM_FullWindowRepaint(benchmark::State& state) {
  UltraHdWindow w;
  for (auto _ : state) w.canvas()->repaint();
  if (w.paintedPixels() < 3840 * 2160) state.SkipWithError("the window was not repainted");
}
BENCHMARK(BM_FullWindowRepaint)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

}  // namespace
