#include "backends/sdl/media/video_device.h"

#include <algorithm>
#include <utility>

namespace quorlen::sdl {

VideoDevice::VideoDevice(std::shared_ptr<MediaSession> session, std::unique_ptr<VideoDecoder> decoder,
                         std::optional<std::uint64_t> parentWindow, AudioOutput* output)
    : PlaybackDevice(std::move(session)),
      decoder_(std::move(decoder)),
      parentWindow_(parentWindow),
      output_(output),
      sound_(output != nullptr ? decoder_->sound() : nullptr) {
  if (sound_) output_->addStream(sound_);
}

VideoDevice::~VideoDevice() {
  if (sound_) output_->removeStream(sound_.get());
}

std::optional<MediaClock::time_point> VideoDevice::nextDue() const {
  std::optional<MediaClock::time_point> due = PlaybackDevice::nextDue();
  const std::optional<std::uint64_t> next = decoder_->nextFrameMs();
  if (due && next && *next < range().toMs()) due = std::min(*due, range().timeOf(*next));
  return due;
}

std::optional<VideoFrameView> VideoDevice::frameView() const {
  if (!shown_ || !decoder_->hasPicture()) return std::nullopt;
  return VideoFrameView{parentWindow_.value_or(0), decoder_->width(), decoder_->height(), decoder_->rgba(),
                        frameSerial_};
}

backends::MediaResult<std::uint64_t> VideoDevice::startOutput(std::uint64_t fromMs, std::uint64_t) {
  if (sound_) sound_->setRunning(false);
  decoder_->seek(fromMs);
  pictureChanged();
  shown_ = true;
  if (sound_) sound_->setRunning(true);
  return fromMs;
}

void VideoDevice::pauseOutput() {
  if (sound_) sound_->setRunning(false);
}

void VideoDevice::resumeOutput() {
  if (sound_) sound_->setRunning(true);
}

void VideoDevice::haltOutput(std::uint64_t) {
  if (!sound_) return;
  sound_->setRunning(false);
  sound_->clear();
}

void VideoDevice::advance(std::uint64_t positionMs) {
  if (decoder_->advanceTo(positionMs)) pictureChanged();
}

void VideoDevice::pictureChanged() { frameSerial_ = session().nextFrameSerial(); }

}  // namespace quorlen::sdl
