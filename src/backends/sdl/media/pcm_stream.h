#pragma once
// The sound track of a video on its way to the speakers: the video device
// pushes decoded samples (16-bit, interleaved, in the mixer's format) on the
// user-interface thread, and the mixer's thread takes them out while the
// stream runs, adding them to whatever else plays.
//
// The video's picture keeps to the clock, so the sound keeps to the picture:
// samples the mixer asked for while none were there are owed, and that many
// are dropped from the next ones pushed, instead of playing late.
//
// Defined here in full: the media module and the codecs module both use it.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>

namespace quorlen::sdl {

class PcmStream {
 public:
  // Samples waiting, in sample values (frames times channels).
  [[nodiscard]] std::size_t buffered() const {
    const std::lock_guard lock(mutex_);
    return samples_.size();
  }

  void push(const std::int16_t* samples, std::size_t count) {
    const std::lock_guard lock(mutex_);
    const std::size_t dropped = std::min(owed_, count);
    owed_ -= dropped;
    samples_.insert(samples_.end(), samples + dropped, samples + count);
  }

  // Forgets what is waiting and what is owed.
  void clear() {
    const std::lock_guard lock(mutex_);
    samples_.clear();
    owed_ = 0;
  }

  // Only a running stream is taken from (a paused video holds its sound).
  void setRunning(bool running) {
    const std::lock_guard lock(mutex_);
    running_ = running;
  }

  // The mixer's side: adds up to `count` waiting samples to `out`, clipping
  // at the 16-bit range.
  void mixInto(std::int16_t* out, std::size_t count) {
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

 private:
  mutable std::mutex mutex_;
  std::deque<std::int16_t> samples_;
  std::size_t owed_ = 0;
  bool running_ = false;
};

}  // namespace quorlen::sdl
