#include "app/checker/checker_main.h"

#include <charconv>
#include <exception>
#include <fstream>

#include "app/checker/report.h"

namespace quorlen::checker {

namespace {
constexpr int kUsageError = 3;
constexpr const char* kUsage =
    "usage: quorlen-check [--json] [--solve] [--max-states N] [--script FILE] GAME_FOLDER\n"
    "  --solve         search the game's states for the ways to its ends and its dead ends\n"
    "  --max-states N  explore at most N states (default 1000000)\n"
    "  --script FILE   write the quorlen-run script of the first end found to FILE\n";
}  // namespace

int checkerMain(const std::vector<std::string>& arguments, std::ostream& output, std::ostream& errors) {
  bool json = false;
  std::optional<SolveOptions> solveOptions;
  std::uint32_t maxStates = 1000000;
  std::string scriptFile;
  std::vector<std::string> positional;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& a = arguments[i];
    if (a == "--help") {
      output << kUsage;
      return kClean;
    }
    if (a == "--json") {
      json = true;
    } else if (a == "--solve") {
      solveOptions.emplace();
    } else if (a == "--max-states" && i + 1 < arguments.size()) {
      const std::string& v = arguments[++i];
      auto [ptr, ec] = std::from_chars(v.data(), v.data() + v.size(), maxStates);
      if (ec != std::errc{} || ptr != v.data() + v.size() || maxStates == 0) {
        errors << "quorlen-check: --max-states needs a number above 0\n" << kUsage;
        return kUsageError;
      }
    } else if (a == "--script" && i + 1 < arguments.size()) {
      scriptFile = arguments[++i];
    } else if (a == "--max-states" || a == "--script") {
      errors << "quorlen-check: " << a << " needs a value\n" << kUsage;
      return kUsageError;
    } else if (a.size() > 1 && a[0] == '-') {
      errors << "quorlen-check: unknown option " << a << "\n" << kUsage;
      return kUsageError;
    } else {
      positional.push_back(a);
    }
  }
  if (positional.size() != 1) {
    errors << kUsage;
    return kUsageError;
  }
  if (solveOptions) {
    solveOptions->maxStates = maxStates;
    solveOptions->progress = [&errors](std::uint32_t states, std::uint32_t explored, double perSecond) {
      errors << "quorlen-check: " << states << " states, " << explored << " explored, "
             << static_cast<long long>(perSecond) << " states a second\n";
    };
  }
  try {
    const CheckReport report = checkGame(positional[0], solveOptions);
    if (json) {
      writeJson(report, output);
    } else {
      writeText(report, output);
    }
    if (!scriptFile.empty() && report.solve && !report.solve->ends.empty()) {
      std::ofstream script(scriptFile, std::ios::binary);
      for (const std::string& line : report.solve->ends.front().way.script) script << line << "\n";
      if (!script) {
        errors << "quorlen-check: cannot write " << scriptFile << "\n";
        return kUsageError;
      }
    }
    return exitStatus(report);
  } catch (const std::exception& e) {
    errors << "quorlen-check: " << e.what() << "\n";
    return kUsageError;
  }
}

}  // namespace quorlen::checker
