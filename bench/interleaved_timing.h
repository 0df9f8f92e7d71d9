#pragma once
// How an operation and its floor are timed: in turn within every
// iteration, so that whatever else the machine does at that moment (other
// programs on the other core, in the shared processor cache, on the memory
// bus) weighs on both alike. Times are CPU time of the measuring thread,
// its system time included: a floor is mostly the kernel's work.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <functional>
#include <vector>

namespace quorlen::bench {

// One run of what is measured.
using Operation = std::function<void()>;
// Makes what an operation needs (a game folder, a session, the recorded
// reads), checks that it does what it should, and answers it; a failure is
// reported through state.SkipWithError.
using Prepare = std::function<Operation(benchmark::State&)>;

// Each run is timed cold and warm: the cold run begins with the
// processor's caches filled with other data, as a player finds them when
// it opens a frame after drawing and decoding; after it one run that is
// not timed (the run straight after a cold one is still slower than the
// next, by two fifths for the load of 30000 variables), then the warm
// runs, as an operation repeated again and again finds the caches.
//
// Growth from one size to the next is judged on cold runs. A frame opened
// again and again straight away finds the kernel's structures of its files
// still cached while they are few, and not once they outgrow the cache:
// the time per file steps up with the size of the frame, by 1.7 to 2 times
// between 1000 and 10000 files on the development machine, and the growth
// measured on warm runs is the processor cache's, not the player's.
enum class Caches {
  // Work on files: cold runs and warm runs.
  Cold,
  // Work on a few bytes in memory (the field reader): warm runs only, in
  // batches, since a single run is shorter than reading the clock.
  Warm,
};

// The counters a measurement reports, in CPU seconds per run: warm runs
// (in batches of at least a millisecond), and with Caches::Cold cold runs.
inline constexpr const char* kPlayerCounter = "player";
inline constexpr const char* kFloorCounter = "floor";
inline constexpr const char* kColdPlayerCounter = "player_cold";
inline constexpr const char* kColdFloorCounter = "floor_cold";
// The player's own work, its time above the floor's, taken within each
// iteration (so that the two times it is the difference of were measured
// under the same load): warm and cold.
inline constexpr const char* kOwnCounter = "own";
inline constexpr const char* kColdOwnCounter = "own_cold";

// Fills the processor's caches with data of its own.
class CacheEvictor {
 public:
  CacheEvictor();
  void evict();

 private:
  std::vector<std::uint64_t> lines_;
};

// Times the player and the floor in turn, each cold once, then once more
// untimed, then warm, per iteration of `state`, after one run of each that
// is not counted (the very first run fills the page cache and the
// allocator's pools).
void measurePair(benchmark::State& state, const Prepare& player, const Prepare& floor, Caches caches);

}  // namespace quorlen::bench
