#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

// The benchmarks' own main. The window benchmarks need a QApplication, and it has to be made and
// destroyed inside main: one left to the static destructors after main returns is torn down
// after the toolkit's own globals are gone, and crashes the run at exit.
//
// Every benchmark that has a reference is also reported as "how many times faster than the
// reference", from the same run, so one run shows every goal.

namespace {

// A benchmark and the reference it is measured against: a run named `ours` + suffix is
// compared with the run named `reference` + the same suffix.
const std::pair<const char*, const char*> References[] = {
    {"coreMove/", "plainQPainterMove/"},
    {"BM_LineMoveWithRepaint", "BM_FullWindowRepaint"},
    {"BM_SaveCanvas", "BM_SaveCanvasQtReference"},
    {"BM_LoadCanvas", "BM_LoadCanvasQtReference"},
    {"BM_FloodFillOnly/", "BM_OpenCvFloodFill/"},
    {"BM_FloodFillOnly/0", "BM_StdFillFloor"},
    {"BM_SnapshotAndFirstMove", "BM_MemcpyFloor"},
};

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.error_occurred) continue;
      // Of repeated runs the best is the fairest figure on a shared machine; the median or the
      // mean when the benchmark does not report its best.
      const std::string& kind = run.run_type == Run::RT_Aggregate ? run.aggregate_name : "";
      const int rank = kind == "min" ? 0 : kind == "median" ? 1 : kind == "mean" ? 2 : 3;
      if (kind.empty() || rank < 3) {
        auto& [bestRank, seconds] = secondsPerIteration_[run.run_name.str()];
        if (seconds == 0 || rank < bestRank) {
          bestRank = rank;
          seconds = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
        }
      }
    }
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    std::printf("\nAgainst the references (how many times faster than the reference):\n");
    for (const auto& [name, timing] : secondsPerIteration_) {
      for (const auto& [ours, reference] : References) {
        const std::string prefix(ours);
        if (name.compare(0, prefix.size(), prefix) != 0) continue;
        const std::string suffix = name.substr(prefix.size());
        if (suffix.find("Reference") != std::string::npos) continue;
        const auto found = secondsPerIteration_.find(reference + suffix);
        if (found == secondsPerIteration_.end() || timing.second <= 0) continue;
        std::printf("  %-60s %6.2fx  (%s)\n", name.c_str(), found->second.second / timing.second,
                    found->first.c_str());
      }
    }
    std::fflush(stdout);
  }

 private:
  std::map<std::string, std::pair<int, double>> secondsPerIteration_;
};

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
