// quorlen_bench and quorlen_desktop_bench: the measurements of the player
// against their floors.
//   --quick   only the smallest sizes, once each, so that a test run keeps
//             them working (its figures mean nothing)
//   --check   exit status 1 when a budget is missed
// Every other argument goes to Google Benchmark (--benchmark_filter=...).
// Without --quick each measurement is repeated five times unless
// --benchmark_repetitions says otherwise. (Shuffling the repetitions of all
// measurements, --benchmark_enable_random_interleaving, makes figures move
// more, not less: an operation then runs on a heap left in a different
// state each time, the load of 30000 variables taking 5 or 9 ms.)
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "budget.h"

namespace quorlen::bench {
// Each program registers its own measurements.
void registerBenchmarks(bool quick);
}  // namespace quorlen::bench

namespace {

constexpr const char* kRepetitionsFlag = "--benchmark_repetitions";
char kDefaultRepetitions[] = "--benchmark_repetitions=5";

bool startsWith(const char* argument, const char* prefix) {
  return std::strncmp(argument, prefix, std::strlen(prefix)) == 0;
}

// The console report, keeping the player's and the floor's time per run of
// every size of every operation: the least of the repetitions, or the only
// run; and the player's own work, the median of the repetitions.
class KeepingReporter final : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.error_occurred) continue;
      const bool aggregate = run.run_type == Run::RT_Aggregate;
      const bool least = aggregate && run.aggregate_name == quorlen::bench::kLeastOfRepetitions;
      const bool median = aggregate && run.aggregate_name == "median";
      const bool only = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
      if (!least && !median && !only) continue;
      quorlen::bench::Figures& kept = figures[run.run_name.str()];
      auto counter = [&run](const char* name) {
        auto found = run.counters.find(name);
        return found == run.counters.end() ? 0.0 : found->second.value;
      };
      if (least || only) {
        kept.player = counter(quorlen::bench::kPlayerCounter);
        kept.floor = counter(quorlen::bench::kFloorCounter);
        kept.coldPlayer = counter(quorlen::bench::kColdPlayerCounter);
        kept.coldFloor = counter(quorlen::bench::kColdFloorCounter);
      }
      if (median || only) {
        kept.own = counter(quorlen::bench::kOwnCounter);
        kept.coldOwn = counter(quorlen::bench::kColdOwnCounter);
      }
      repetitions = std::max(repetitions, static_cast<int>(run.repetitions));
    }
  }
  std::map<std::string, quorlen::bench::Figures> figures;
  int repetitions = 1;
};

}  // namespace

int main(int argc, char** argv) {
  bool quick = false;
  bool check = false;
  bool repetitionsGiven = false;
  std::vector<char*> rest;
  for (int i = 0; i < argc; ++i) {
    if (std::strcmp(argv[i], "--quick") == 0) {
      quick = true;
    } else if (std::strcmp(argv[i], "--check") == 0) {
      check = true;
    } else {
      repetitionsGiven = repetitionsGiven || startsWith(argv[i], kRepetitionsFlag);
      rest.push_back(argv[i]);
    }
  }
  if (!quick && !repetitionsGiven) rest.push_back(kDefaultRepetitions);
  quorlen::bench::registerBenchmarks(quick);
  int count = static_cast<int>(rest.size());
  benchmark::Initialize(&count, rest.data());
  if (benchmark::ReportUnrecognizedArguments(count, rest.data())) return 2;
  KeepingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  const bool held = quorlen::bench::reportBudgets(reporter.figures, reporter.repetitions, std::cout);
  return check && !held ? 1 : 0;
}
