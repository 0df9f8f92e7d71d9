#include "app/runner/runner.h"

#include <charconv>
#include <exception>
#include <fstream>
#include <optional>

#include "app/runner/state_dump.h"
#include "startup/program.h"

namespace quorlen {

namespace {
constexpr const char* kUsage =
    "usage: quorlen-run [--display WxH] [--font-height N] [--settings FILE] [--clock HH:MM:SS]\n"
    "                   [--refuse-display-change] GAME_FOLDER [SCRIPT]\n";

std::optional<int> wholeNumber(std::string_view text) {
  int value = 0;
  auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc{} || ptr != text.data() + text.size()) return std::nullopt;
  return value;
}

bool parseSize(const std::string& text, int& width, int& height) {
  const auto x = text.find('x');
  if (x == std::string::npos) return false;
  auto w = wholeNumber(std::string_view(text).substr(0, x));
  auto h = wholeNumber(std::string_view(text).substr(x + 1));
  if (!w || !h || *w <= 0 || *h <= 0) return false;
  width = *w;
  height = *h;
  return true;
}

bool parseClock(const std::string& text, int& seconds) {
  if (text.size() != 8 || text[2] != ':' || text[5] != ':') return false;
  auto h = wholeNumber(std::string_view(text).substr(0, 2));
  auto m = wholeNumber(std::string_view(text).substr(3, 2));
  auto s = wholeNumber(std::string_view(text).substr(6, 2));
  if (!h || !m || !s || *h > 23 || *m > 59 || *s > 59) return false;
  seconds = *h * 3600 + *m * 60 + *s;
  return true;
}
}  // namespace

int runGame(const headless::MachineOptions& options, std::istream& script, std::ostream& transcript) {
  headless::HeadlessPlatform machine(options, script, transcript);
  Program program(machine.platform());
  machine.ui().setHooks(headless::HeadlessUi::Hooks{
      [&machine](const std::optional<std::string>& word) { machine.endMedia(word); },
      [&program] { return dumpState(program).dump(); },
  });
  try {
    program.run();
  } catch (const ui::ProgramEnded&) {
    return kRunnerDone;
  } catch (const headless::ScriptFailed&) {
    return kRunnerScriptError;
  }
  return kRunnerDone;
}

int runnerMain(const std::vector<std::string>& arguments, std::istream& input, std::ostream& output,
               std::ostream& errors) {
  headless::MachineOptions options;
  std::vector<std::string> positional;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& a = arguments[i];
    auto value = [&]() -> std::optional<std::string> {
      if (i + 1 >= arguments.size()) return std::nullopt;
      return arguments[++i];
    };
    if (a == "--help") {
      output << kUsage;
      return kRunnerDone;
    }
    if (a == "--refuse-display-change") {
      options.refuseDisplayChange = true;
    } else if (a == "--display") {
      auto v = value();
      if (!v || !parseSize(*v, options.displayWidth, options.displayHeight)) {
        errors << "quorlen-run: --display needs WxH\n" << kUsage;
        return kRunnerFault;
      }
    } else if (a == "--font-height") {
      auto v = value();
      auto n = v ? wholeNumber(*v) : std::nullopt;
      if (!n || *n <= 0) {
        errors << "quorlen-run: --font-height needs a number of pixels\n" << kUsage;
        return kRunnerFault;
      }
      options.fontHeight = *n;
    } else if (a == "--settings") {
      auto v = value();
      if (!v) {
        errors << "quorlen-run: --settings needs a file\n" << kUsage;
        return kRunnerFault;
      }
      options.settingsFile = *v;
    } else if (a == "--clock") {
      auto v = value();
      if (!v || !parseClock(*v, options.clockSeconds)) {
        errors << "quorlen-run: --clock needs HH:MM:SS\n" << kUsage;
        return kRunnerFault;
      }
    } else if (a.size() > 1 && a[0] == '-' && a != "-") {
      errors << "quorlen-run: unknown option " << a << "\n" << kUsage;
      return kRunnerFault;
    } else {
      positional.push_back(a);
    }
  }
  if (positional.empty() || positional.size() > 2) {
    errors << kUsage;
    return kRunnerFault;
  }
  options.gameFolder = positional[0];
  try {
    if (positional.size() == 2 && positional[1] != "-") {
      std::ifstream script(positional[1], std::ios::binary);
      if (!script) {
        errors << "quorlen-run: cannot read " << positional[1] << "\n";
        return kRunnerFault;
      }
      return runGame(options, script, output);
    }
    return runGame(options, input, output);
  } catch (const std::exception& e) {
    errors << "quorlen-run: " << e.what() << "\n";
    return kRunnerFault;
  }
}

}  // namespace quorlen
