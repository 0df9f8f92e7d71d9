#include "budget.h"

#include <algorithm>
#include <cstdio>
#include <ostream>
#include <vector>

namespace quorlen::bench {

namespace {

struct Case {
  std::string family;
  std::string label;
  double size = 0;
  double floorBudget = 0;
};

std::vector<Case>& cases() {
  static std::vector<Case> all;
  return all;
}

std::string fixed(double value, int decimals) {
  char text[32];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

// Milliseconds, to three decimals, or to three significant figures below
// a hundredth of a millisecond.
std::string milliseconds(double seconds) {
  const double ms = seconds * 1e3;
  if (ms >= 0.01 || ms <= 0) return fixed(ms, 3) + " ms";
  char text[32];
  std::snprintf(text, sizeof text, "%.3g ms", ms);
  return text;
}

// How an operation grew from one size to the next: the player's time, its
// floor's, and the player's own work (its time above the floor's; 0 when
// it is not above the floor at both sizes).
struct Growth {
  double player = 0;
  double floor = 0;
  double own = 0;
  double ownLarge = 0;
};

Growth growth(double smallPlayer, double smallFloor, double smallOwn, double largePlayer, double largeFloor,
              double largeOwn) {
  Growth g{largePlayer / smallPlayer, largeFloor / smallFloor, 0, largeOwn};
  if (smallOwn > 0 && largeOwn > 0) g.own = largeOwn / smallOwn;
  return g;
}

std::string describe(const Growth& g) {
  return "floor " + fixed(g.floor, 1) + " x, own work " + (g.own > 0 ? fixed(g.own, 1) + " x" : std::string("-"));
}

double least(const std::vector<double>& values) { return *std::min_element(values.begin(), values.end()); }

}  // namespace

void addCase(const std::string& family, const std::string& label, double size, double floorBudget,
             Prepare player, Prepare floor, Caches caches) {
  const std::string name = family + "/" + label;
  cases().push_back(Case{family, label, size, floorBudget});
  benchmark::RegisterBenchmark(name.c_str(),
                               [player = std::move(player), floor = std::move(floor), caches](benchmark::State& state) {
                                 measurePair(state, player, floor, caches);
                               })
      ->Unit(benchmark::kMillisecond)
      ->ComputeStatistics(kLeastOfRepetitions, least);
}

bool reportBudgets(const std::map<std::string, Figures>& measured, int repetitions, std::ostream& out) {
  bool held = true;
  auto verdict = [&](bool ok) {
    held = held && ok;
    return ok ? "held" : "MISSED";
  };
  out << "\nBudgets, in CPU time per run";
  if (repetitions > 1) {
    out << ", each time the least of " << repetitions << " repetitions (noise only ever adds time), the player's own "
           "work (its time above the floor's, in the same iteration) their median";
  }
  out << ".\nEach measurement times the player's run and its floor's in turn, each cold (the processor's caches\n"
         "first filled with other data) and then warm (after one more run). Ratios to the floor are of warm runs,\n"
         "growth is of cold runs: warm, a small frame's files are still in the cache and a large one's are not.\n"
         "(The Time and CPU columns above are of whole iterations, the filling of the caches included.)\n";
  std::map<std::string, std::vector<const Case*>> families;
  for (const Case& c : cases()) {
    const std::string name = c.family + "/" + c.label;
    auto found = measured.find(name);
    if (found == measured.end() || found->second.floor <= 0) continue;
    const Figures& f = found->second;
    families[c.family].push_back(&c);
    const double ratio = f.player / f.floor;
    out << "  " << name << ": " << milliseconds(f.player) << ", floor " << milliseconds(f.floor) << ", "
        << fixed(ratio, 2) << " x floor";
    if (c.floorBudget > 0) {
      out << " (budget " << fixed(c.floorBudget, 1) << " x: " << verdict(ratio <= c.floorBudget) << ")";
    }
    if (f.coldFloor > 0) out << "; cold " << milliseconds(f.coldPlayer) << ", floor " << milliseconds(f.coldFloor);
    out << "\n";
  }
  for (const auto& [family, members] : families) {
    for (std::size_t i = 0; i + 1 < members.size(); ++i) {
      const Case& small = *members[i];
      const Case& large = *members[i + 1];
      if (small.size <= 0 || large.size <= small.size) continue;
      const Figures& s = measured.at(family + "/" + small.label);
      const Figures& l = measured.at(family + "/" + large.label);
      const bool cold = s.coldFloor > 0 && l.coldFloor > 0;
      const Growth judged = cold ? growth(s.coldPlayer, s.coldFloor, s.coldOwn, l.coldPlayer, l.coldFloor, l.coldOwn)
                                 : growth(s.player, s.floor, s.own, l.player, l.floor, l.own);
      const double allowed = kGrowthAllowance * large.size / small.size;
      // The player's growth lies between its floor's and its own work's, so
      // when the player misses the budget and its own work holds, the floor
      // grew beyond the budget.
      const bool linear = judged.player <= allowed;
      const bool ownLinear = judged.ownLarge <= 0 || (judged.own > 0 && judged.own <= allowed);
      out << "  " << family << " " << small.label << " -> " << large.label << (cold ? ", cold: " : ": ")
          << fixed(judged.player, 1) << " x the time for " << fixed(large.size / small.size, 1) << " x the size, "
          << describe(judged) << " (budget " << fixed(allowed, 1) << " x: " << verdict(linear || ownLinear)
          << (linear || !ownLinear ? "" : " by the player's own work, the floor grew beyond it") << ")";
      if (cold) {
        const Growth warm = growth(s.player, s.floor, s.own, l.player, l.floor, l.own);
        out << "; warm " << fixed(warm.player, 1) << " x, " << describe(warm);
      }
      out << "\n";
    }
  }
  return held;
}

}  // namespace quorlen::bench
