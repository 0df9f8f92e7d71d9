#include "backends/sdl/sdl_services.h"

#include <SDL.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>

namespace quorlen::sdl {

namespace {
constexpr int kShellOpened = 42;  // above 32: the shell's answer for success
constexpr int kShellFailed = 2;

std::tm localNow(double& fraction) {
  const auto now = std::chrono::system_clock::now();
  const std::time_t t = std::chrono::system_clock::to_time_t(now);
  const auto sub = now - std::chrono::system_clock::from_time_t(t);
  fraction = std::chrono::duration<double>(sub).count();
  std::tm local{};
  localtime_r(&t, &local);
  return local;
}
}  // namespace

int SdlShell::open(const std::string& address) { return SDL_OpenURL(address.c_str()) == 0 ? kShellOpened : kShellFailed; }

int SdlClock::minuteOfHour() const {
  double fraction = 0;
  return localNow(fraction).tm_min;
}

double SdlClock::secondsSinceMidnight() const {
  double fraction = 0;
  const std::tm t = localNow(fraction);
  return t.tm_hour * 3600.0 + t.tm_min * 60.0 + t.tm_sec + fraction;
}

std::int64_t SdlClock::elapsedMilliseconds() const { return static_cast<std::int64_t>(SDL_GetTicks64()); }

std::string settingsFilePath() {
  std::filesystem::path base;
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && *xdg != '\0') {
    base = xdg;
  } else if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
    base = std::filesystem::path(home) / ".config";
  } else {
    return {};
  }
  return (base / "quorlen" / "settings.ini").string();
}

}  // namespace quorlen::sdl
