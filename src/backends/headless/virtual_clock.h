#pragma once
// The runner's clock: it moves only when told to.

#include <cstdint>

#include "platform/clock.h"

namespace quorlen::headless {

class VirtualClock final : public platform::Clock {
 public:
  // The time of day at start, in seconds since midnight.
  explicit VirtualClock(int startSecondsSinceMidnight) : start_(startSecondsSinceMidnight) {}

  [[nodiscard]] int minuteOfHour() const override;
  [[nodiscard]] double secondsSinceMidnight() const override;
  [[nodiscard]] std::int64_t elapsedMilliseconds() const override { return elapsed_; }

  void advanceTo(std::int64_t elapsedMilliseconds) {
    if (elapsedMilliseconds > elapsed_) elapsed_ = elapsedMilliseconds;
  }

 private:
  int start_;
  std::int64_t elapsed_ = 0;
};

}  // namespace quorlen::headless
