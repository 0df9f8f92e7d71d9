// quorlen_bench and quorlen_desktop_bench: the measurements of the player
// against their floors.
//   --quick   only the smallest sizes, so that a test run keeps them working
//   --check   exit status 1 when a budget is missed
// Every other argument goes to Google Benchmark (--benchmark_filter=...).
#include <benchmark/benchmark.h>

#include <cstring>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

#include "budget.h"

namespace quorlen::bench {
// Each program registers its own measurements.
void registerBenchmarks(bool quick);
}  // namespace quorlen::bench

namespace {

// The console report, keeping the CPU time per iteration of every run (the
// median when runs are repeated).
class KeepingReporter final : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.error_occurred || run.iterations == 0) continue;
      const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
      if (run.run_type == Run::RT_Aggregate && !median) continue;
      const std::string name = run.run_name.str();
      // The median replaces the repetitions it was taken from.
      if (median) std::erase_if(times, [&name](const auto& kept) { return kept.first == name; });
      times.emplace_back(name, run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit));
    }
  }
  std::vector<std::pair<std::string, double>> times;
};

}  // namespace

int main(int argc, char** argv) {
  bool quick = false;
  bool check = false;
  std::vector<char*> rest;
  for (int i = 0; i < argc; ++i) {
    if (std::strcmp(argv[i], "--quick") == 0) {
      quick = true;
    } else if (std::strcmp(argv[i], "--check") == 0) {
      check = true;
    } else {
      rest.push_back(argv[i]);
    }
  }
  quorlen::bench::registerBenchmarks(quick);
  int count = static_cast<int>(rest.size());
  benchmark::Initialize(&count, rest.data());
  if (benchmark::ReportUnrecognizedArguments(count, rest.data())) return 2;
  KeepingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  const bool held = quorlen::bench::reportBudgets(reporter.times, std::cout);
  return check && !held ? 1 : 0;
}
