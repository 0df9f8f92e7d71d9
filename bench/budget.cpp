#include "budget.h"

#include <cstdio>
#include <map>
#include <ostream>

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

}  // namespace

void addCase(const std::string& family, const std::string& label, double size, double floorBudget, Body player,
             Body floor) {
  const std::string name = family + "/" + label;
  cases().push_back(Case{family, label, size, floorBudget});
  benchmark::RegisterBenchmark(name.c_str(), std::move(player))->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark((name + "/floor").c_str(), std::move(floor))->Unit(benchmark::kMillisecond);
}

bool reportBudgets(const std::vector<std::pair<std::string, double>>& times, std::ostream& out) {
  std::map<std::string, double> seconds(times.begin(), times.end());
  bool held = true;
  auto verdict = [&](bool ok) {
    held = held && ok;
    return ok ? "held" : "MISSED";
  };
  out << "\nBudgets (CPU time per operation; ratios measured in this run)\n";
  std::map<std::string, std::vector<const Case*>> families;
  for (const Case& c : cases()) {
    const std::string name = c.family + "/" + c.label;
    auto player = seconds.find(name);
    auto floor = seconds.find(name + "/floor");
    if (player == seconds.end() || floor == seconds.end()) continue;
    families[c.family].push_back(&c);
    const double ratio = player->second / floor->second;
    out << "  " << name << ": " << fixed(player->second * 1e3, 3) << " ms, floor " << fixed(floor->second * 1e3, 3)
        << " ms, " << fixed(ratio, 2) << " x floor";
    if (c.floorBudget > 0) out << " (budget " << fixed(c.floorBudget, 1) << " x: " << verdict(ratio <= c.floorBudget) << ")";
    out << "\n";
  }
  for (const auto& [family, members] : families) {
    for (std::size_t i = 0; i + 1 < members.size(); ++i) {
      const Case& small = *members[i];
      const Case& large = *members[i + 1];
      if (small.size <= 0 || large.size <= small.size) continue;
      auto timeOf = [&](const Case& c, const char* suffix) { return seconds[family + "/" + c.label + suffix]; };
      const double grew = timeOf(large, "") / timeOf(small, "");
      const double floorGrew = timeOf(large, "/floor") / timeOf(small, "/floor");
      const double allowed = kGrowthAllowance * large.size / small.size;
      // the player's own work: its time above the floor's
      const double ownSmall = timeOf(small, "") - timeOf(small, "/floor");
      const double ownLarge = timeOf(large, "") - timeOf(large, "/floor");
      const double ownGrew = ownSmall > 0 && ownLarge > 0 ? ownLarge / ownSmall : 0;
      const bool linear = grew <= allowed || ownLarge <= 0 || (ownGrew > 0 && ownGrew <= allowed);
      out << "  " << family << " " << small.label << " -> " << large.label << ": " << fixed(grew, 1)
          << " x the time for " << fixed(large.size / small.size, 1) << " x the size, floor " << fixed(floorGrew, 1)
          << " x, own work " << (ownGrew > 0 ? fixed(ownGrew, 1) + " x" : std::string("-")) << " (budget "
          << fixed(allowed, 1) << " x: " << verdict(linear) << ")\n";
    }
  }
  return held;
}

}  // namespace quorlen::bench
