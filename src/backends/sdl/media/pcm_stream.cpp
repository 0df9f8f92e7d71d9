#include "backends/sdl/media/pcm_stream.h"

#include <algorithm>

namespace quorlen::sdl {

std::size_t PcmStream::buffered() const {
  const std::lock_guard lock(mutex_);
  return samples_.size();
}

void PcmStream::push(const std::int16_t* samples, std::size_t count) {
  const std::lock_guard lock(mutex_);
  const std::size_t dropped = std::min(owed_, count);
  owed_ -= dropped;
  samples_.insert(samples_.end(), samples + dropped, samples + count);
}

void PcmStream::clear() {
  const std::lock_guard lock(mutex_);
  samples_.clear();
  owed_ = 0;
}

void PcmStream::setRunning(bool running) {
  const std::lock_guard lock(mutex_);
  running_ = running;
}

void PcmStream::mixInto(std::int16_t* out, std::size_t count) {
  const std::lock_guard lock(mutex_);
  if (!running_) return;
  const std::size_t available = std::min(count, samples_.size());
  for (std::size_t i = 0; i < available; ++i) {
    const int sum = int{out[i]} + int{samples_[i]};
    out[i] = static_cast<std::int16_t>(std::clamp(sum, -32768, 32767));
  }
  samples_.erase(samples_.begin(), samples_.begin() + static_cast<std::ptrdiff_t>(available));
  owed_ += count - available;
}

}  // namespace quorlen::sdl
