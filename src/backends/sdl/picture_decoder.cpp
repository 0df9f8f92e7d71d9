#include "backends/sdl/picture_decoder.h"

#include <SDL_image.h>

#include <cstring>

#include "backends/sdl/cmyk_jpeg.h"
#include "backends/sdl/metafile_renderer.h"
#include "backends/shared/pictures/byte_reading.h"
#include "backends/shared/pictures/picture_headers.h"

namespace quorlen::sdl {

namespace {
using backends::PictureFormat;

// `anyOpaque`: a picture decoded without transparency is answered as
// decoded, not converted to RGBA.
SurfacePtr throughSdlImage(std::string_view bytes, bool anyOpaque = false) {
  SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
  if (rw == nullptr) return nullptr;
  SurfacePtr decoded(IMG_Load_RW(rw, 1));
  if (!decoded) return nullptr;
  if (anyOpaque && opaqueFormat(*decoded)) return decoded;
  return SurfacePtr(SDL_ConvertSurfaceFormat(decoded.get(), SDL_PIXELFORMAT_RGBA32, 0));
}

// 16 and 32-bit bitmaps have alpha only where a V4 or V5 header (or the
// 56-byte one) declares an alpha mask; the platform ignores the fourth byte
// of every other one.
bool bitmapHasAlpha(std::string_view b) {
  using backends::bytes::le16;
  using backends::bytes::le32;
  if (b.size() < 34) return false;
  const std::uint32_t info = le32(b, 14);
  if (info < 56 || b.size() < 14 + 56) return false;
  const std::uint32_t bits = le16(b, 28);
  const std::uint32_t compression = le32(b, 30);
  return (bits == 16 || bits == 32) && (compression == 3 || compression == 6) && le32(b, 14 + 52) != 0;
}

void makeOpaque(SDL_Surface& s) {
  for (int y = 0; y < s.h; ++y) {
    auto* row = static_cast<Uint8*>(s.pixels) + static_cast<std::ptrdiff_t>(y) * s.pitch;
    for (int x = 0; x < s.w; ++x) row[4 * x + 3] = 255;
  }
}

SurfacePtr bitmap(std::string_view bytes) {
  SurfacePtr s = throughSdlImage(bytes);
  if (s && !bitmapHasAlpha(bytes)) makeOpaque(*s);
  return s;
}
}  // namespace

SurfacePtr iconSurface(const backends::IconImage& image) {
  if (!image.png.empty()) {
    SurfacePtr s = throughSdlImage(image.png);
    if (s && (s->w != image.width || s->h != image.height)) return nullptr;
    return s;
  }
  SurfacePtr s = makeRgbaSurface(image.width, image.height);
  if (!s) return nullptr;
  for (int y = 0; y < image.height; ++y) {
    std::memcpy(static_cast<Uint8*>(s->pixels) + static_cast<std::ptrdiff_t>(y) * s->pitch,
                image.rgba.data() + static_cast<std::size_t>(y) * image.width * 4,
                static_cast<std::size_t>(image.width) * 4);
  }
  return s;
}

bool opaqueFormat(const SDL_Surface& s) {
  return s.format->BytesPerPixel >= 3 && s.format->Amask == 0 && !SDL_ISPIXELFORMAT_INDEXED(s.format->format) &&
         SDL_HasColorKey(const_cast<SDL_Surface*>(&s)) == SDL_FALSE;
}

SurfacePtr decodePictureToDraw(std::string_view bytes, MetafileLoader* metafiles) {
  const PictureFormat format = backends::pictureFormat(bytes);
  // a JPEG has no transparency; nor has a bitmap whose pixels are RGB
  if ((format == PictureFormat::Jpeg && !isCmykJpeg(bytes)) || format == PictureFormat::Bmp) {
    if (!backends::readPictureSize(bytes)) return nullptr;
    SurfacePtr s = throughSdlImage(bytes, true);
    if (s && format == PictureFormat::Bmp && !opaqueFormat(*s) && !bitmapHasAlpha(bytes)) makeOpaque(*s);
    return s;
  }
  return decodePicture(bytes, 0, 0, metafiles);
}

bool isScalablePicture(std::string_view bytes) {
  const PictureFormat f = backends::pictureFormat(bytes);
  return f == PictureFormat::Wmf || f == PictureFormat::Emf;
}

SurfacePtr decodePicture(std::string_view bytes, int width, int height, MetafileLoader* metafiles) {
  auto size = backends::readPictureSize(bytes);
  if (!size) return nullptr;
  if (width <= 0 || height <= 0) {
    width = size.value().width;
    height = size.value().height;
  }
  switch (backends::pictureFormat(bytes)) {
    case PictureFormat::Bmp:
      return bitmap(bytes);
    case PictureFormat::Jpeg:
      return isCmykJpeg(bytes) ? decodeCmykJpeg(bytes) : throughSdlImage(bytes);
    case PictureFormat::Png:
    case PictureFormat::Gif:
      return throughSdlImage(bytes);
    case PictureFormat::Icon: {
      auto image = backends::decodeIconFile(bytes);
      return image ? iconSurface(image.value()) : nullptr;
    }
    case PictureFormat::Wmf:
    case PictureFormat::Emf: {
      const MetafileModule* module = metafiles != nullptr ? metafiles->module() : nullptr;
      if (module == nullptr) return nullptr;
      return backends::pictureFormat(bytes) == PictureFormat::Wmf ? module->drawWmf(bytes, width, height)
                                                                  : module->drawEmf(bytes, width, height);
    }
    case PictureFormat::AnimatedCursor:
    case PictureFormat::Unknown:
      break;
  }
  return nullptr;
}

}  // namespace quorlen::sdl
