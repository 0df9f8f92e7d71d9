#pragma once
// The desktop's media devices as the player sees them: the factory behind
// the media-command interpreter, the pump of the event loop, and the
// player's own loudness. They live in a module of their own (SDL_mixer and
// FFmpeg with everything these libraries bring), loaded when a game first
// opens a media file (lazy_media_devices.h).

#include "backends/sdl/media_pump.h"
#include "backends/shared/media/media_device.h"
#include "platform/file_system.h"

namespace quorlen::sdl {

class DesktopMediaDevices : public backends::MediaDeviceFactory, public MediaPump {
 public:
  // 0 (silent) to 128 (as the game asks) each, for what plays now and later.
  virtual void setOutputGain(int music, int sound) = 0;
};

// The module's file and the function it makes its devices with; the
// caller owns what it answers (null when it cannot make them).
inline constexpr const char* kMediaModuleFile = "quorlen-media.so";
inline constexpr const char* kMakeMediaDevicesSymbol = "quorlen_make_media_devices";
using MakeMediaDevices = DesktopMediaDevices* (*)(platform::FileSystem& files);

}  // namespace quorlen::sdl
