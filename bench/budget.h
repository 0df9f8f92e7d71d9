#pragma once
// The measurements and their floors, registered in pairs, and the budgets
// they are held to: every budget is a ratio of two times measured in the
// same run (the player's work against its floor, or a size against a
// smaller size of the same operation), never an absolute time.

#include <iosfwd>
#include <map>
#include <string>

#include "interleaved_timing.h"

namespace quorlen::bench {

// Registers "family/label", which times the player's operation and its
// floor in turn (interleaved_timing.h). `size` is what the operation grows
// with (sizes added in growing order); `floorBudget` (0: none) is the most
// the operation may take as a multiple of its floor.
void addCase(const std::string& family, const std::string& label, double size, double floorBudget,
             Prepare player, Prepare floor, Caches caches = Caches::Cold);

// The name of the statistic taken over repetitions: their minimum. Noise
// on a shared machine (other processes on the core or its cache, an
// interrupt, a page reclaimed) only ever adds time, so the least of several
// repetitions is the one nearest the operation's own cost, and it moves far
// less from run to run than their mean or median.
inline constexpr const char* kLeastOfRepetitions = "min";

// How much more than proportionally an operation may grow: the time for
// 10 n within 12 times the time for n, judged on cold runs where there are
// any. Where the floor itself grows faster than that (the same files read
// through the disk file system), the player's own work, its time above the
// floor, is held to it instead.
inline constexpr double kGrowthAllowance = 1.2;

// CPU seconds per run of the player and of its floor, warm and (0 when
// not measured) cold, each the least of the repetitions.
struct Figures {
  double player = 0;
  double floor = 0;
  double coldPlayer = 0;
  double coldFloor = 0;
  // The player's own work (its time above the floor's, within each
  // repetition), the median of the repetitions: a difference of two times
  // has noise either way.
  double own = 0;
  double coldOwn = 0;
};

// Prints the budget table; answers whether every budget held.
// `repetitions`: how many repetitions each figure is the least of.
bool reportBudgets(const std::map<std::string, Figures>& measured, int repetitions, std::ostream& out);

}  // namespace quorlen::bench
