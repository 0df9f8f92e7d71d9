#pragma once
// The measurements and their floors, registered in pairs, and the budgets
// they are held to: every budget is a ratio of two times measured in the
// same run (the player's work against its floor, or a size against a
// smaller size of the same operation), never an absolute time.

#include <benchmark/benchmark.h>

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace quorlen::bench {

using Body = std::function<void(benchmark::State&)>;

// Registers "family/label" and its floor "family/label/floor". `size` is
// what the operation grows with; `floorBudget` (0: none) is the most the
// operation may take as a multiple of its floor.
void addCase(const std::string& family, const std::string& label, double size, double floorBudget, Body player,
             Body floor);

// How much more than proportionally an operation may grow: the time for
// 10 n within 12 times the time for n. Where the floor itself grows faster
// (the same files found and read in a folder of thousands), the player's
// own work, its time above the floor, is held to it instead.
inline constexpr double kGrowthAllowance = 1.2;

// Prints the budget table from the CPU time per iteration of each run;
// answers whether every budget held.
bool reportBudgets(const std::vector<std::pair<std::string, double>>& times, std::ostream& out);

}  // namespace quorlen::bench
