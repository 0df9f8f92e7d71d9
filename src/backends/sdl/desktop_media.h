#pragma once
// The desktop's media devices as the player sees them: the factory behind
// the media-command interpreter, the pump of the event loop, and the
// player's own loudness. They live in a module of their own (SDL_mixer with
// everything it brings), loaded when a game first opens a media file
// (lazy_media_devices.h); FFmpeg in another, loaded when a video or a sound
// only FFmpeg decodes is first opened (media/codecs.h).

#include "backends/sdl/media/codecs.h"
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
// caller owns what it answers (null when it cannot make them), and keeps
// `codecs` for as long as the devices live.
inline constexpr const char* kMediaModuleFile = "quorlen-media.so";
inline constexpr const char* kMakeMediaDevicesSymbol = "quorlen_make_media_devices";
using MakeMediaDevices = DesktopMediaDevices* (*)(platform::FileSystem& files, CodecsSource& codecs);

}  // namespace quorlen::sdl
