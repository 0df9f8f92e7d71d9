#pragma once
// What the display draws of a video is the picture the event loop's media
// pump hands over: the frame to show now, at the video's own size, at the
// top-left of the control whose window the video was opened in
// ("parent N"). Its bytes are R G B A in this order (SDL_PIXELFORMAT_RGBA32)
// and stay valid until the next update of the devices or until the video
// closes; its serial changes whenever the picture does, and no two frames
// of any video share one.

#include "backends/sdl/media_pump.h"

namespace quorlen::sdl {

using VideoFrameView = VideoPicture;

}  // namespace quorlen::sdl
