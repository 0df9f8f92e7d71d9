#pragma once
// When each running timer control is due next. Both backends keep one: the
// desktop fires what is due by the real clock, and virtual time (the
// scripted runner, the scripted desktop player) moves from one due time to
// the next, in the same order on both.

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "platform/window_manager.h"

namespace quorlen::backends {

class TimerSchedule {
 public:
  // A timer was started, stopped or given another interval at `now`.
  void changed(const ui::Control& timer, std::int64_t now);

  // The time the first running timer falls due; nothing when none runs.
  [[nodiscard]] std::optional<std::int64_t> nextDue(const ui::WindowManager& windows) const;

  // Fires every timer due at `now`, each restarted from now.
  void fireDue(ui::WindowManager& windows, std::int64_t now);

  // Lets `milliseconds` of virtual time pass from `now`: the clock is moved
  // (`moveClock`) to each due time in turn and that timer fired; at the end
  // the clock stands at now + milliseconds.
  void advance(ui::WindowManager& windows, std::int64_t now, std::int64_t milliseconds,
               const std::function<void(std::int64_t)>& moveClock);

 private:
  // The timer due first, with its due time; drops the timers that no
  // longer run.
  [[nodiscard]] std::optional<std::pair<ui::Handle, std::int64_t>> first(ui::WindowManager& windows);

  [[nodiscard]] static bool runs(const ui::WindowManager& windows, ui::Handle handle);

  std::map<ui::Handle, std::int64_t> due_;
};

}  // namespace quorlen::backends
