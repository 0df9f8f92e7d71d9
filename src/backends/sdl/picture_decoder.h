#pragma once
// Picture files into RGBA pixels. The header is checked first (an absurd
// or lying size decodes nothing); BMP, GIF, PNG and JPEG go through
// SDL_image, with the platform's reading of 32-bit bitmaps (opaque unless
// the header declares an alpha mask) and of CMYK JPEGs; icons and cursors
// through our own reader of their directory; metafiles through their
// libraries, at the size asked for.

#include <string_view>

#include "backends/sdl/metafile_renderer.h"
#include "backends/sdl/sdl_handles.h"
#include "backends/shared/pictures/icon_images.h"

namespace quorlen::sdl {

// `width` x `height`: the size a metafile is drawn at (0: its own size);
// other pictures keep their own size.
// Metafiles are drawn through `metafiles` (none: not drawn).
[[nodiscard]] SurfacePtr decodePicture(std::string_view bytes, int width = 0, int height = 0,
                                       MetafileLoader* metafiles = nullptr);
// The same at its own size, for a texture: a picture without transparency
// may come in the decoder's own opaque pixel format (RGB, no alpha), so
// that it is converted only once, into the texture.
[[nodiscard]] SurfacePtr decodePictureToDraw(std::string_view bytes, MetafileLoader* metafiles = nullptr);
// Whether a decoded picture is opaque by its pixel format alone.
[[nodiscard]] bool opaqueFormat(const SDL_Surface& s);
// One image of a cursor or icon file as RGBA, inverting pixels black.
[[nodiscard]] SurfacePtr iconSurface(const backends::IconImage& image);
// Whether the file is drawn anew at every size (a metafile).
[[nodiscard]] bool isScalablePicture(std::string_view bytes);

}  // namespace quorlen::sdl
