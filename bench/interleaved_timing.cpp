#include "interleaved_timing.h"

#include <time.h>

#include <cstddef>

namespace quorlen::bench {

namespace {

// More than the processor cache a core of the development machine can use
// (its last level is shared, hundreds of megabytes): after 256 MB of other
// data read, reading 1000 and 10000 small files costs the same per file;
// after 64 MB, the smaller set still costs a fifth less per file.
constexpr std::size_t kEvictBytes = std::size_t{256} << 20;
constexpr std::size_t kWordsPerLine = 64 / sizeof(std::uint64_t);
constexpr double kWarmBatchSeconds = 1e-3;

double threadSeconds() {
  timespec now{};
  ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

double timeRuns(const Operation& operation, std::int64_t runs) {
  const double start = threadSeconds();
  for (std::int64_t i = 0; i < runs; ++i) operation();
  return threadSeconds() - start;
}

// How many runs in a row take at least kWarmBatchSeconds.
std::int64_t warmBatch(const Operation& operation) {
  std::int64_t runs = 1;
  while (runs < (std::int64_t{1} << 30) && timeRuns(operation, runs) < kWarmBatchSeconds) runs *= 2;
  return runs;
}

}  // namespace

CacheEvictor::CacheEvictor() : lines_(kEvictBytes / sizeof(std::uint64_t), 1) {}

void CacheEvictor::evict() {
  std::uint64_t sum = 0;
  for (std::size_t i = 0; i < lines_.size(); i += kWordsPerLine) sum += lines_[i];
  benchmark::DoNotOptimize(sum);
}

void measurePair(benchmark::State& state, const Prepare& player, const Prepare& floor, Caches caches) {
  const Operation playerRun = player(state);
  if (state.error_occurred()) return;
  const Operation floorRun = floor(state);
  if (state.error_occurred()) return;
  playerRun();
  floorRun();
  const std::int64_t playerBatch = warmBatch(playerRun);
  const std::int64_t floorBatch = warmBatch(floorRun);
  // One buffer for the whole program: making 256 MB costs a tenth of a
  // second.
  static CacheEvictor shared;
  CacheEvictor* evictor = caches == Caches::Cold ? &shared : nullptr;
  double warmPlayer = 0;
  double warmFloor = 0;
  double coldPlayer = 0;
  double coldFloor = 0;
  for (auto _ : state) {
    if (evictor) {
      evictor->evict();
      coldPlayer += timeRuns(playerRun, 1);
      playerRun();
    }
    warmPlayer += timeRuns(playerRun, playerBatch);
    if (evictor) {
      evictor->evict();
      coldFloor += timeRuns(floorRun, 1);
      floorRun();
    }
    warmFloor += timeRuns(floorRun, floorBatch);
  }
  const auto iterations = static_cast<double>(state.iterations());
  const double playerTime = warmPlayer / (iterations * static_cast<double>(playerBatch));
  const double floorTime = warmFloor / (iterations * static_cast<double>(floorBatch));
  state.counters[kPlayerCounter] = playerTime;
  state.counters[kFloorCounter] = floorTime;
  state.counters[kOwnCounter] = playerTime - floorTime;
  if (!evictor) return;
  state.counters[kColdPlayerCounter] = coldPlayer / iterations;
  state.counters[kColdFloorCounter] = coldFloor / iterations;
  state.counters[kColdOwnCounter] = (coldPlayer - coldFloor) / iterations;
}

}  // namespace quorlen::bench
