#pragma once
// The media devices of the headless backend. They read their file once for
// its header and length, never touch a sound card and never look at a clock:
// a device plays until it is told its end came (endPlayback, which the
// headless runner's media-end drives), is stopped, or is closed. Its
// position moves only through seek and through reaching an end, and
// "play ... wait" reaches its end at once.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "backends/shared/media/media_device.h"
#include "platform/file_system.h"

namespace quorlen::backends {

class HeadlessMediaDevice final : public MediaDevice {
 public:
  HeadlessMediaDevice(MediaDeviceType type, std::uint64_t lengthMs, std::optional<std::uint64_t> parentWindow);

  [[nodiscard]] int play(std::optional<std::uint64_t> fromMs, std::optional<std::uint64_t> toMs) override;
  [[nodiscard]] int playAndWait(std::optional<std::uint64_t> fromMs,
                                std::optional<std::uint64_t> toMs) override;
  [[nodiscard]] int pause() override;
  [[nodiscard]] int resume() override;
  [[nodiscard]] int stop() override;
  [[nodiscard]] int seek(std::uint64_t ms) override;
  void endPlayback() override;

  [[nodiscard]] std::uint64_t lengthMs() const override { return lengthMs_; }
  [[nodiscard]] std::uint64_t positionMs() const override { return positionMs_; }
  [[nodiscard]] MediaMode mode() const override { return mode_; }

  [[nodiscard]] MediaDeviceType type() const { return type_; }
  // The window a video plays in ("parent N"); empty for audio.
  [[nodiscard]] std::optional<std::uint64_t> parentWindow() const { return parentWindow_; }

 private:
  // Positions past the medium are held at its end.
  [[nodiscard]] std::uint64_t clamped(std::uint64_t ms) const { return ms < lengthMs_ ? ms : lengthMs_; }

  MediaDeviceType type_;
  std::uint64_t lengthMs_;
  std::optional<std::uint64_t> parentWindow_;
  std::uint64_t positionMs_ = 0;
  std::uint64_t endMs_ = 0;  // where the current range ends
  MediaMode mode_ = MediaMode::Stopped;
};

class HeadlessMediaDeviceFactory final : public MediaDeviceFactory {
 public:
  explicit HeadlessMediaDeviceFactory(platform::FileSystem& files) : files_(files) {}

  // kMediaErrFileNotFound for a missing file, kMediaErrFileRead for one that
  // cannot be read, kMediaErrInvalidFile for one without the header of
  // `type`.
  [[nodiscard]] MediaResult<std::unique_ptr<MediaDevice>> open(
      MediaDeviceType type, const std::string& path, std::optional<std::uint64_t> parentWindow) override;

 private:
  platform::FileSystem& files_;
};

}  // namespace quorlen::backends
