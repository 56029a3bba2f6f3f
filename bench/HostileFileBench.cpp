#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <fstream>
#include <string>

#include "files/PictureFile.h"
#include "support/PngBuilder.h"

// Opening small PNG files whose chunks state gigabytes, or whose text unpacks a thousandfold: the
// memory the process's resident size peaks at while one is opened, beyond what it held before
// and beyond the decoded picture. The peak is reset before each file, so each counts alone; the
// worst of them is reported.

namespace {

// Resets the resident size's high-water mark of this process (Linux 4.0 and later).
bool resetPeak() {
  std::ofstream refs("/proc/self/clear_refs");
  refs << "5";
  return bool(refs.flush());
}

// A line of /proc/self/status, in bytes.
double statusBytes(const std::string& key) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind(key + ":", 0) == 0) return std::stod(line.substr(key.size() + 1)) * 1024;
  return 0;
}

void BM_OpenHostilePng(benchmark::State& state) {
  QTemporaryDir dir;
  std::vector<QString> paths;
  std::vector<QByteArray> files = png::hostileFiles();
  // Compressed text that unpacks a thousandfold: 7 MB, within what is kept, and 60 MB, beyond.
  for (const int megabytes : {7, 60}) {
    const QByteArray text = qCompress(QByteArray(megabytes << 20, 'a')).mid(4);
    files.push_back(png::signature + png::header(1, 1) +
                    png::chunk("zTXt", QByteArray("k\0\0", 3) + text) + png::pixel + png::end);
  }
  for (const QByteArray& bytes : files) {
    paths.push_back(dir.filePath(QString::number(paths.size()) + ".png"));
    QFile file(paths.back());
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
      return state.SkipWithError("could not write the test files");
  }
  double worst = 0;
  for (auto _ : state) {
    for (const QString& path : paths) {
      if (!resetPeak()) return state.SkipWithError("the peak cannot be reset here");
      const double before = statusBytes("VmRSS");
      const PictureRead read = readPicture(path);
      const double picture = read.picture ? double(read.picture->sizeInBytes()) : 0;
      worst = std::max(worst, statusBytes("VmHWM") - before - picture);
    }
  }
  state.counters["files"] = double(paths.size());
  state.counters["worst_MB_beyond_picture"] = worst / (1 << 20);
  state.counters["limit_MB"] = 256;
}
BENCHMARK(BM_OpenHostilePng)->Unit(benchmark::kMicrosecond);

}  // namespace
