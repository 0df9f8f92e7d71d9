#pragma once
// JPEGs of four components (CMYK, as print software saves them), which
// SDL_image shows in false colours: decoded with libjpeg and turned into
// opaque RGB, undoing the inversion of files with an Adobe marker.

#include <string_view>

#include "backends/sdl/sdl_handles.h"

namespace quorlen::sdl {

[[nodiscard]] bool isCmykJpeg(std::string_view bytes);
[[nodiscard]] SurfacePtr decodeCmykJpeg(std::string_view bytes);

}  // namespace quorlen::sdl
