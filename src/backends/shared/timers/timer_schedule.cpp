#include "backends/shared/timers/timer_schedule.h"

namespace quorlen::backends {

void TimerSchedule::changed(const ui::Control& timer, std::int64_t now) {
  if (timer.timerEnabled() && timer.interval() > 0) {
    due_[timer.handle()] = now + timer.interval();
  } else {
    due_.erase(timer.handle());
  }
}

bool TimerSchedule::runs(const ui::WindowManager& windows, ui::Handle handle) {
  const ui::Control* timer = windows.findControl(handle);
  return timer != nullptr && timer->timerEnabled() && timer->interval() > 0;
}

std::optional<std::pair<ui::Handle, std::int64_t>> TimerSchedule::first(ui::WindowManager& windows) {
  std::optional<std::pair<ui::Handle, std::int64_t>> found;
  for (auto it = due_.begin(); it != due_.end();) {
    if (!runs(windows, it->first)) {
      it = due_.erase(it);
      continue;
    }
    if (!found || it->second < found->second) found = *it;
    ++it;
  }
  return found;
}

std::optional<std::int64_t> TimerSchedule::nextDue(const ui::WindowManager& windows) const {
  std::optional<std::int64_t> next;
  for (const auto& [handle, at] : due_) {
    if (runs(windows, handle) && (!next || at < *next)) next = at;
  }
  return next;
}

void TimerSchedule::fireDue(ui::WindowManager& windows, std::int64_t now) {
  std::vector<ui::Handle> due;
  for (auto& [handle, at] : due_) {
    if (!runs(windows, handle) || at > now) continue;
    at = now + windows.findControl(handle)->interval();
    due.push_back(handle);
  }
  for (ui::Handle h : due) {
    windows.post(ui::TimerDue{h});
    windows.dispatchPending();
  }
}

void TimerSchedule::advance(ui::WindowManager& windows, std::int64_t now, std::int64_t milliseconds,
                            const std::function<void(std::int64_t)>& moveClock) {
  const std::int64_t target = now + milliseconds;
  for (;;) {
    auto next = first(windows);
    if (!next || next->second > target) break;
    const auto [handle, at] = *next;
    moveClock(at);
    due_[handle] = at + windows.findControl(handle)->interval();
    windows.post(ui::TimerDue{handle});
    windows.dispatchPending();
  }
  moveClock(target);
}

}  // namespace quorlen::backends
