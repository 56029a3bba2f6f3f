#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <ctime>

#include "Kalyra.h"
#include "Maze.h"
#include "interaction/FloodFill.h"
#include "support/FakePlatform.h"
#include "support/RecordingSurface.h"

#ifdef KALYRA_BENCH_OPENCV
#include <opencv2/imgproc.hpp>
#endif

// Fills and the undo snapshot on a 3840 × 2160 screen. Every fill alternates between two
// colours, so each iteration paints the whole region again. The reference fill and the std::fill
// and memcpy floors work on a picture with the same pixels.
namespace {

const QSize Screen(3840, 2160);
constexpr QRgb ColourA = 0xff2040c0;
constexpr QRgb ColourB = 0xffc04020;

enum Picture { Empty, Shapes, Maze };

struct Program {
  FakePlatform platform;
  RecordingSurface canvas{Screen};
  Kalyra k{canvas, platform};
  std::vector<QPoint> starts;  // the start pixels of an eight-way fill at the pointer
  double painted = 0;          // how many pixels that fill paints

  explicit Program(int picture) {
    platform.screen = Screen;
    k.Form_Load();
    if (picture == Shapes) drawShapes();
    if (picture == Maze) {
      QImage maze(Screen, QImage::Format_RGB32);
      drawMaze(maze, qRgb(0, 0, 0), qRgb(255, 255, 255), 1);
      canvas.setPicture(maze);
    }
    pointAtWhite();
    canvas.ForeColor = fromQRgb(ColourA);
    k.FillAtPointer();
    starts = canvas.fills;
    for (int y = 0; y < Screen.height(); ++y)
      for (int x = 0; x < Screen.width(); ++x) painted += canvas.Image().pixel(x, y) == ColourA;
    k.RestoreUndoSnapshot();
  }

  // Closed circles and squares, drawn with one- and three-pixel pens, all over the canvas.
  void drawShapes() {
    for (float y = -395; y < 400; y += 16) {
      for (float x = -canvas.ScaleWidth / 2 + 5; x < canvas.ScaleWidth / 2; x += 16) {
        canvas.DrawWidth = (int(x + y) & 16) ? 1 : 3;
        if (int(x) & 16)
          canvas.Circle(x, y, 5);
        else
          canvas.Box(x - 5, y - 5, x + 5, y + 5);
      }
    }
  }

  // The pointer on the first white pixel found along a line from the centre.
  void pointAtWhite() {
    for (std::int16_t d = 0; d < 400; ++d) {
      if (canvas.Point(d, d / 3) != White) continue;
      k.MouseX = d;
      k.MouseY = std::int16_t(d / 3);
      return;
    }
  }
};

// The machine is shared, so each figure is also reported as the best of its repetitions.
void configure(benchmark::internal::Benchmark* b) {
  b->Unit(benchmark::kMillisecond)
      ->Repetitions(5)
      ->ComputeStatistics("min", [](const std::vector<double>& v) {
        return *std::min_element(v.begin(), v.end());
      });
}

QRgb other(QRgb colour) {
  return (colour & 0xffffff) == (ColourA & 0xffffff) ? ColourB : ColourA;
}

// The whole handler: the surface colour, the undo snapshot and the eight mirrored fills.
void BM_FillAtPointer(benchmark::State& state) {
  Program p(int(state.range(0)));
  for (auto _ : state) {
    p.canvas.ForeColor = fromQRgb(other(p.canvas.Image().pixel(p.starts[0])));
    p.k.FillAtPointer();
  }
  state.counters["pixels"] = p.painted;
}
BENCHMARK(BM_FillAtPointer)->DenseRange(Empty, Maze)->Apply(configure);

// The same eight fills with the given fill function, on a copy of the picture; a start pixel
// that no longer has the surface colour paints nothing, as in the program.
template <typename Fill>
void fillStarts(QImage& image, const Program& p, Fill fill) {
  const QRgb surface = image.pixel(p.starts[0]);
  for (const QPoint start : p.starts)
    if (image.pixel(start) == surface) fill(image, start, surface, other(surface));
  benchmark::DoNotOptimize(image.constBits());
}

template <typename Fill>
void fillTheStarts(benchmark::State& state, Fill fill) {
  const Program p(int(state.range(0)));
  QImage image = p.canvas.Image().copy();
  for (auto _ : state) fillStarts(image, p, fill);
}

void ourFill(QImage& image, QPoint start, QRgb surface, QRgb paint) {
  flood::fillRegion(image, start, surface, paint);
}

#ifdef KALYRA_BENCH_OPENCV
// The reference: a 4-connected fill of exactly the seed's value over the same pixels.
void openCvFill(QImage& image, QPoint start, QRgb, QRgb paint) {
  cv::Mat pixels(image.height(), image.width(), CV_32SC1, image.bits(),
                 std::size_t(image.bytesPerLine()));
  cv::floodFill(pixels, cv::Point(start.x(), start.y()), cv::Scalar(double(qint32(paint))), nullptr,
                cv::Scalar(), cv::Scalar(), 4);
}
#endif

// The processor time of the best of a few runs, in seconds.
template <typename Work>
double bestTime(Work work) {
  double best = 1e9;
  for (int i = 0; i < 5; ++i) {
    const std::clock_t start = std::clock();
    work();
    best = std::min(best, double(std::clock() - start) / CLOCKS_PER_SEC);
  }
  return best;
}

// Also times the reference and the floor right after, on the same picture, and reports how
// many times faster than the reference the fill is (x_opencv) and, on the empty canvas, how
// many times the time of std::fill over the whole picture it takes (x_floor).
void BM_FloodFillOnly(benchmark::State& state) {
  fillTheStarts(state, ourFill);
  const Program p(int(state.range(0)));
  QImage image = p.canvas.Image().copy();
  const double ours = bestTime([&] { fillStarts(image, p, ourFill); });
#ifdef KALYRA_BENCH_OPENCV
  state.counters["x_opencv"] = bestTime([&] { fillStarts(image, p, openCvFill); }) / ours;
#endif
  if (state.range(0) != Empty) return;
  auto* pixels = reinterpret_cast<QRgb*>(image.bits());
  const auto count = std::size_t(image.sizeInBytes() / 4);
  state.counters["x_floor"] = ours / bestTime([&] {
                                std::fill(pixels, pixels + count, other(pixels[0]));
                                benchmark::DoNotOptimize(pixels);
                              });
}
BENCHMARK(BM_FloodFillOnly)->DenseRange(Empty, Maze)->Apply(configure);

#ifdef KALYRA_BENCH_OPENCV
void BM_OpenCvFloodFill(benchmark::State& state) {
  fillTheStarts(state, openCvFill);
}
BENCHMARK(BM_OpenCvFloodFill)->DenseRange(Empty, Maze)->Apply(configure);
#endif

// The memory-bandwidth floor for painting the whole canvas.
void BM_StdFillFloor(benchmark::State& state) {
  QImage image(Screen, QImage::Format_RGB32);
  image.fill(ColourA);
  auto* pixels = reinterpret_cast<QRgb*>(image.bits());
  const auto count = std::size_t(image.sizeInBytes() / 4);
  for (auto _ : state) {
    std::fill(pixels, pixels + count, other(pixels[0]));
    benchmark::DoNotOptimize(pixels);
  }
}
BENCHMARK(BM_StdFillFloor)->Apply(configure);

// A pen-down: the snapshot, then the first move, which draws eight zero-length dots and must
// not copy the whole canvas again.
void BM_SnapshotAndFirstMove(benchmark::State& state) {
  Program p(Empty);
  p.k.TakeUndoSnapshot();
  for (auto _ : state) {
    p.k.TakeUndoSnapshot();
    p.k.PenUp = false;
    p.k.StrokeStarted = false;
    p.k.Canvas_MouseMove(0, 0, 120, 45);
    benchmark::DoNotOptimize(p.k.Undo.constBits());
  }
}
BENCHMARK(BM_SnapshotAndFirstMove)->Apply(configure);

void BM_MemcpyFloor(benchmark::State& state) {
  QImage from(Screen, QImage::Format_RGB32);
  QImage to(Screen, QImage::Format_RGB32);
  from.fill(ColourA);
  to.fill(ColourB);
  for (auto _ : state) {
    std::memcpy(to.bits(), from.constBits(), std::size_t(from.sizeInBytes()));
    benchmark::DoNotOptimize(to.constBits());
  }
}
BENCHMARK(BM_MemcpyFloor)->Apply(configure);

}  // namespace
