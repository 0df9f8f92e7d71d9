#pragma once
// The clock: the time of day and the time elapsed since the program began.

#include <cstdint>

namespace quorlen::platform {

class Clock {
 public:
  virtual ~Clock() = default;
  // Minute of the hour, 0 to 59.
  [[nodiscard]] virtual int minuteOfHour() const = 0;
  // Seconds since midnight, with fraction.
  [[nodiscard]] virtual double secondsSinceMidnight() const = 0;
  // Milliseconds since the program began; never goes back.
  [[nodiscard]] virtual std::int64_t elapsedMilliseconds() const = 0;
};

}  // namespace quorlen::platform
