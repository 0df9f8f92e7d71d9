#pragma once
// Where a playing device is in its medium, from the clock: the range it was
// started with, when it was started and the time it spent paused.

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <optional>

namespace quorlen::sdl {

using MediaClock = std::chrono::steady_clock;

class PlayRange {
 public:
  void start(std::uint64_t fromMs, std::uint64_t toMs, MediaClock::time_point now) {
    fromMs_ = fromMs;
    toMs_ = toMs;
    startedAt_ = now;
    pausedAt_.reset();
  }
  void pause(MediaClock::time_point now) {
    if (!pausedAt_) pausedAt_ = now;
  }
  void resume(MediaClock::time_point now) {
    if (!pausedAt_) return;
    startedAt_ += now - *pausedAt_;
    pausedAt_.reset();
  }

  [[nodiscard]] std::uint64_t fromMs() const { return fromMs_; }
  [[nodiscard]] std::uint64_t toMs() const { return toMs_; }

  // The position at `now`, held at the end of the range.
  [[nodiscard]] std::uint64_t positionAt(MediaClock::time_point now) const {
    const auto elapsed =
        std::chrono::duration_cast<std::chrono::milliseconds>(pausedAt_.value_or(now) - startedAt_).count();
    const std::uint64_t position = fromMs_ + static_cast<std::uint64_t>(std::max<std::int64_t>(elapsed, 0));
    return std::min(position, toMs_);
  }
  [[nodiscard]] bool endReachedAt(MediaClock::time_point now) const { return positionAt(now) >= toMs_; }
  // When the position reaches `ms` (not before the start), if not paused.
  [[nodiscard]] MediaClock::time_point timeOf(std::uint64_t ms) const {
    return startedAt_ + std::chrono::milliseconds(ms > fromMs_ ? ms - fromMs_ : 0);
  }

 private:
  std::uint64_t fromMs_ = 0;
  std::uint64_t toMs_ = 0;
  MediaClock::time_point startedAt_{};
  std::optional<MediaClock::time_point> pausedAt_;
};

}  // namespace quorlen::sdl
