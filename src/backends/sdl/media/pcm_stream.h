#pragma once
// The sound track of a video on its way to the speakers: the video device
// pushes decoded samples (16-bit, interleaved, in the mixer's format) on the
// user-interface thread, and the mixer's thread takes them out while the
// stream runs, adding them to whatever else plays.
//
// The video's picture keeps to the clock, so the sound keeps to the picture:
// samples the mixer asked for while none were there are owed, and that many
// are dropped from the next ones pushed, instead of playing late.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>

namespace quorlen::sdl {

class PcmStream {
 public:
  // Samples waiting, in sample values (frames times channels).
  [[nodiscard]] std::size_t buffered() const;

  void push(const std::int16_t* samples, std::size_t count);
  // Forgets what is waiting and what is owed.
  void clear();
  // Only a running stream is taken from (a paused video holds its sound).
  void setRunning(bool running);

  // The mixer's side: adds up to `count` waiting samples to `out`, clipping
  // at the 16-bit range.
  void mixInto(std::int16_t* out, std::size_t count);

 private:
  mutable std::mutex mutex_;
  std::deque<std::int16_t> samples_;
  std::size_t owed_ = 0;
  bool running_ = false;
};

}  // namespace quorlen::sdl
