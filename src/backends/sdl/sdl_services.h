#pragma once
// The desktop's shell, clock and the place of the per-user settings.

#include <cstdint>
#include <string>

#include "platform/clock.h"
#include "platform/shell.h"

namespace quorlen::sdl {

// Opens addresses with the user's own programs (SDL_OpenURL).
class SdlShell final : public platform::Shell {
 public:
  int open(const std::string& address) override;
};

// The real local time; elapsed time from SDL's tick counter.
class SdlClock final : public platform::Clock {
 public:
  [[nodiscard]] int minuteOfHour() const override;
  [[nodiscard]] double secondsSinceMidnight() const override;
  [[nodiscard]] std::int64_t elapsedMilliseconds() const override;
};

// $XDG_CONFIG_HOME/quorlen/settings.ini, ~/.config when XDG_CONFIG_HOME is
// not set; empty when neither is known.
[[nodiscard]] std::string settingsFilePath();

}  // namespace quorlen::sdl
