// One pointer move with the pen down on a 4K canvas, against the same segments drawn by the
// simplest Qt program: one QPainter with a round-capped pen per move.
#include <benchmark/benchmark.h>

#include <QPainter>
#include <cmath>
#include <vector>

#include "Kalyra.h"
#include "support/FakePlatform.h"

namespace {

const QSize Screen{3840, 2160};

struct Segment {
  QPoint from, to;
  QRgb colour;
  int width;
};

// Remembers each line in pixels instead of drawing it.
class SegmentLog : public Surface {
 public:
  using Surface::Surface;
  std::vector<Segment> segments;
  void Line(float x1, float y1, float x2, float y2) override {
    segments.push_back({toPixel(x1, y1), toPixel(x2, y2), toQRgb(ForeColor), DrawWidth});
    CurrentX = x2;
    CurrentY = y2;
  }
};

// The pointer circles the centre in small steps, as a hand drawing would.
QPointF pointerAt(int step) {
  const double angle = step * 0.01;
  return {std::cos(angle) * (250 + 50 * std::sin(step * 0.003)), std::sin(angle) * 250};
}

struct Brush {
  int style;  // 0 line, 3 polygon
  int th;
  int size;
  bool echoAndGradient;
};

void configure(Kalyra& k, const Brush& brush) {
  k.Form_Load();
  if (brush.style == 3) k.polyg_Click(7);
  k.th_Click(brush.th);
  k.view.ScrollSize = brush.size;
  k.ScrollSize_Change();
  if (brush.echoAndGradient) {
    k.ToggleEcho();
    k.CmdGradient_Click();
  }
  k.PenUp = false;
}

constexpr int Moves = 628;

void coreMove(benchmark::State& state, Brush brush) {
  FakePlatform platform;
  platform.screen = Screen;
  Surface canvas(Screen);
  Kalyra k(canvas, platform);
  configure(k, brush);
  int step = 0;
  for (auto _ : state) {
    const QPointF p = pointerAt(step++ % Moves);
    k.Canvas_MouseMove(0, 0, float(p.x()), float(p.y()));
    benchmark::DoNotOptimize(canvas.takeDirtyRegion());
  }
}

void plainQPainterMove(benchmark::State& state, Brush brush) {
  FakePlatform platform;
  platform.screen = Screen;
  SegmentLog log(Screen);
  Kalyra k(log, platform);
  configure(k, brush);
  std::vector<std::vector<Segment>> moves;
  for (int step = 0; step < Moves; ++step) {
    log.segments.clear();
    const QPointF p = pointerAt(step);
    k.Canvas_MouseMove(0, 0, float(p.x()), float(p.y()));
    moves.push_back(log.segments);
  }
  QImage image(Screen, QImage::Format_RGB32);
  image.fill(Qt::white);
  int step = 0;
  for (auto _ : state) {
    const auto& segments = moves[step++ % Moves];
    QPainter painter(&image);
    painter.setPen(QPen(QColor::fromRgb(segments.front().colour), segments.front().width,
                        Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const Segment& s : segments) painter.drawLine(s.from, s.to);
  }
}

const Brush LineBrush{0, 1, 1, false};
const Brush WorstCase{3, 7, 350, true};

}  // namespace

BENCHMARK_CAPTURE(coreMove, line_pen3_eightWay, LineBrush);
BENCHMARK_CAPTURE(plainQPainterMove, line_pen3_eightWay, LineBrush);
BENCHMARK_CAPTURE(coreMove, polygon10_size350_pen15_eightWay_echo_gradient, WorstCase)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(plainQPainterMove, polygon10_size350_pen15_eightWay_echo_gradient, WorstCase)
    ->Unit(benchmark::kMicrosecond);
