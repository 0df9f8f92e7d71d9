#pragma once
// The welcome window's own pictures ("builtin:welcome/..."), drawn by code:
// a title banner, a soft background texture, four button pictures and the
// information panel with its two button spots.

#include <string_view>

#include "backends/sdl/sdl_handles.h"
#include "backends/sdl/text_renderer.h"

namespace quorlen::sdl {

// The picture at the size the design gives it; null for an unknown name.
[[nodiscard]] SurfacePtr drawDesignPicture(std::string_view path, TextRenderer& text);

}  // namespace quorlen::sdl
