#include "backends/headless/virtual_clock.h"

#include <cmath>

namespace quorlen::headless {

namespace {
constexpr double kSecondsPerDay = 86400.0;
}

double VirtualClock::secondsSinceMidnight() const {
  return std::fmod(start_ + static_cast<double>(elapsed_) / 1000.0, kSecondsPerDay);
}

int VirtualClock::minuteOfHour() const {
  return static_cast<int>(std::floor(secondsSinceMidnight() / 60.0)) % 60;
}

}  // namespace quorlen::headless
