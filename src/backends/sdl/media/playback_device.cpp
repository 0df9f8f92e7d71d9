#include "backends/sdl/media/playback_device.h"

#include <thread>
#include <utility>

#include "backends/shared/media/media_errors.h"

namespace quorlen::sdl {

using backends::kMediaOk;
using backends::MediaMode;

namespace {

// How often "play ... wait" looks whether the end has come.
constexpr std::chrono::milliseconds kWaitStep{5};

}  // namespace

PlaybackDevice::PlaybackDevice(std::shared_ptr<MediaSession> session) : session_(std::move(session)) {
  session_->add(*this);
}

PlaybackDevice::~PlaybackDevice() { session_->remove(*this); }

int PlaybackDevice::play(std::optional<std::uint64_t> fromMs, std::optional<std::uint64_t> toMs) {
  // One reading of the position, so that playing on from it is seen as such.
  const std::uint64_t current = positionMs();
  const std::uint64_t from = clamped(fromMs.value_or(current));
  const std::uint64_t to = clamped(toMs.value_or(lengthMs()));
  if (mode_ != MediaMode::Stopped) haltOutput(current);
  mode_ = MediaMode::Stopped;
  positionMs_ = from;
  if (to <= from) return kMediaOk;  // nothing to play: the end comes at once

  const backends::MediaResult<std::uint64_t> started = startOutput(from, to);
  if (!started) return started.code();
  positionMs_ = started.value();
  range_.start(positionMs_, to, MediaClock::now());
  mode_ = MediaMode::Playing;
  return kMediaOk;
}

int PlaybackDevice::playAndWait(std::optional<std::uint64_t> fromMs, std::optional<std::uint64_t> toMs) {
  const int code = play(fromMs, toMs);
  while (mode() == MediaMode::Playing) {
    update();
    std::this_thread::sleep_for(kWaitStep);
  }
  update();
  return code;
}

int PlaybackDevice::pause() {
  if (mode() != MediaMode::Playing) return kMediaOk;
  pauseOutput();
  range_.pause(MediaClock::now());
  mode_ = MediaMode::Paused;
  return kMediaOk;
}

int PlaybackDevice::resume() {
  if (mode_ != MediaMode::Paused) return kMediaOk;
  resumeOutput();
  range_.resume(MediaClock::now());
  mode_ = MediaMode::Playing;
  return kMediaOk;
}

int PlaybackDevice::stop() {
  if (mode_ == MediaMode::Stopped) return kMediaOk;
  positionMs_ = positionMs();
  haltOutput(positionMs_);
  mode_ = MediaMode::Stopped;
  return kMediaOk;
}

int PlaybackDevice::seek(std::uint64_t ms) {
  const int code = stop();
  positionMs_ = clamped(ms);
  return code;
}

void PlaybackDevice::endPlayback() {
  if (mode_ != MediaMode::Playing) return;
  positionMs_ = range_.toMs();
  haltOutput(positionMs_);
  mode_ = MediaMode::Stopped;
}

std::uint64_t PlaybackDevice::positionMs() const {
  if (mode_ == MediaMode::Stopped) return positionMs_;
  const MediaClock::time_point now = MediaClock::now();
  if (mode_ == MediaMode::Playing && endCame(now)) return range_.toMs();
  return range_.positionAt(now);
}

MediaMode PlaybackDevice::mode() const {
  if (mode_ == MediaMode::Playing && endCame(MediaClock::now())) return MediaMode::Stopped;
  return mode_;
}

void PlaybackDevice::update() {
  if (mode_ != MediaMode::Playing) return;
  const MediaClock::time_point now = MediaClock::now();
  if (endCame(now)) {
    // The last frames up to the end are shown before the device stops.
    advance(range_.toMs());
    endPlayback();
    return;
  }
  advance(range_.positionAt(now));
}

std::optional<MediaClock::time_point> PlaybackDevice::nextDue() const {
  if (mode_ != MediaMode::Playing || !endsByClock()) return std::nullopt;
  return range_.timeOf(range_.toMs());
}

void PlaybackDevice::outputLost() {
  if (mode_ == MediaMode::Stopped) return;
  positionMs_ = range_.positionAt(MediaClock::now());
  mode_ = MediaMode::Stopped;
}

void PlaybackDevice::advance(std::uint64_t) {}

bool PlaybackDevice::endCame(MediaClock::time_point now) const {
  return (endsByClock() && range_.endReachedAt(now)) || outputFinished();
}

std::uint64_t PlaybackDevice::clamped(std::uint64_t ms) const { return ms < lengthMs() ? ms : lengthMs(); }

}  // namespace quorlen::sdl
