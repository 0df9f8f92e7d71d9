#pragma once
// Windows metafiles drawn into pixels at a given size: placeable WMF
// through libwmf, EMF through libemf2svg and librsvg.

#include <string_view>

#include "backends/sdl/sdl_handles.h"

namespace quorlen::sdl {

// An RGBA surface of `width` x `height` (each 1 to the largest picture
// side); null when the library cannot draw the file.
[[nodiscard]] SurfacePtr renderWmf(std::string_view bytes, int width, int height);
[[nodiscard]] SurfacePtr renderEmf(std::string_view bytes, int width, int height);

}  // namespace quorlen::sdl
