#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "canvas/Surface.h"
#include "files/PictureFile.h"

// Saving and loading the canvas of a 4K screen, against Qt's own bitmap writer and reader on the
// same picture as the reference. Our save encodes in memory and replaces the file only once it
// is complete; our load checks the picture's stated size before decoding.

namespace {

const QImage& canvasPicture() {
  static const QImage picture = [] {
    Surface canvas({3840, 2160});
    canvas.DrawWidth = 9;
    for (int i = 0; i < 60; ++i) {
      canvas.ForeColor = packColour(i * 4, 255 - i * 4, (i * 37) % 256);
      canvas.Line(float(i * 60), 0, 3840 - float(i * 50), 2160);
      canvas.Circle(1920, 1080, float(i * 17));
    }
    return canvas.Image();
  }();
  return picture;
}

QString scratchFile(const char* name) {
  static QTemporaryDir dir;
  return dir.filePath(QString::fromLatin1(name));
}

void countBytes(benchmark::State& state) {
  state.SetBytesProcessed(state.iterations() * qint64(canvasPicture().sizeInBytes()));
}

void BM_SaveCanvas(benchmark::State& state) {
  const QString path = scratchFile("ours.bmp");
  for (auto _ : state)
    if (const auto whyNot = writeBitmapFile(path, canvasPicture()))
      state.SkipWithError(whyNot->toUtf8().constData());
  countBytes(state);
}
BENCHMARK(BM_SaveCanvas)->Unit(benchmark::kMillisecond);

void BM_SaveCanvasQtReference(benchmark::State& state) {
  const QString path = scratchFile("qt.bmp");
  for (auto _ : state)
    if (!canvasPicture().save(path, "BMP")) state.SkipWithError("QImage::save failed");
  countBytes(state);
}
BENCHMARK(BM_SaveCanvasQtReference)->Unit(benchmark::kMillisecond);

void BM_LoadCanvas(benchmark::State& state) {
  const QString path = scratchFile("load.bmp");
  writeBitmapFile(path, canvasPicture());
  for (auto _ : state) {
    PictureRead read = readPicture(path);
    if (!read.picture) state.SkipWithError(read.whyNot.toUtf8().constData());
    benchmark::DoNotOptimize(read);
  }
  countBytes(state);
}
BENCHMARK(BM_LoadCanvas)->Unit(benchmark::kMillisecond);

void BM_LoadCanvasQtReference(benchmark::State& state) {
  const QString path = scratchFile("load.bmp");
  writeBitmapFile(path, canvasPicture());
  for (auto _ : state) {
    QImage picture;
    if (!picture.load(path, "BMP")) state.SkipWithError("QImage::load failed");
    benchmark::DoNotOptimize(picture);
  }
  countBytes(state);
}
BENCHMARK(BM_LoadCanvasQtReference)->Unit(benchmark::kMillisecond);

}  // namespace
