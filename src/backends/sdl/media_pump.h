#pragma once
// What the loop asks of the media devices that play in its windows: a
// chance to do their work on every pass, the video pictures to draw, and
// how long the loop may sleep before they need it again.

#include <cstdint>
#include <optional>
#include <vector>

namespace quorlen::sdl {

// One video's current picture, drawn at its own size at the top-left of
// the control whose handle is `parentWindow`, above that control's children.
struct VideoPicture {
  std::uint64_t parentWindow = 0;
  int width = 0;
  int height = 0;
  const std::uint8_t* rgba = nullptr;  // width x height x 4 bytes
  std::uint64_t frameSerial = 0;       // changes when the picture does
};

class MediaPump {
 public:
  virtual ~MediaPump() = default;
  virtual void update() = 0;
  [[nodiscard]] virtual std::vector<VideoPicture> visibleVideos() const = 0;
  [[nodiscard]] virtual std::optional<int> nextWakeMilliseconds() const = 0;
};

}  // namespace quorlen::sdl
