// The metafile module (metafile_renderer.h): placeable WMF drawn by libwmf,
// EMF turned into SVG by libemf2svg and drawn by librsvg with cairo. Its
// only symbols are the two drawing functions.

#include "backends/sdl/metafile_renderer.h"

#include <SDL_image.h>
#include <cairo.h>
#include <emf2svg.h>
#include <librsvg/rsvg.h>
#include <libwmf/api.h>
#include <libwmf/gd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <type_traits>

#include "backends/sdl/module_entry.h"
#include "backends/shared/pictures/picture_headers.h"

namespace quorlen::sdl {

namespace {
bool sizeAllowed(int width, int height) {
  return width > 0 && height > 0 && width <= backends::kLargestSide && height <= backends::kLargestSide &&
         static_cast<long long>(width) * height <= backends::kMostPixels;
}

struct WmfApiCloser {
  void operator()(wmfAPI* api) const { wmf_api_destroy(api); }
};
struct GObjectCloser {
  void operator()(void* o) const { g_object_unref(o); }
};
struct CairoSurfaceCloser {
  void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
// A FILE writing into memory; what was written is `data` once closed.
class MemoryStream {
 public:
  MemoryStream() : file_(open_memstream(&data_, &length_)) {}
  ~MemoryStream() {
    if (file_ != nullptr) std::fclose(file_);
    std::free(data_);
  }
  MemoryStream(const MemoryStream&) = delete;
  MemoryStream& operator=(const MemoryStream&) = delete;
  [[nodiscard]] FILE* file() const { return file_; }
  [[nodiscard]] std::string_view close() {
    if (file_ != nullptr) std::fclose(file_);
    file_ = nullptr;
    return data_ != nullptr ? std::string_view(data_, length_) : std::string_view();
  }

 private:
  char* data_ = nullptr;
  std::size_t length_ = 0;
  FILE* file_;
};

struct CairoCloser {
  void operator()(cairo_t* c) const { cairo_destroy(c); }
};

SurfacePtr drawWmf(std::string_view bytes, int width, int height) {
  if (!sizeAllowed(width, height)) return nullptr;
  // libwmf draws with its own copy of gd, whose image it cannot free for
  // us: it writes a PNG into memory instead, which SDL_image reads back.
  MemoryStream png;
  if (png.file() == nullptr) return nullptr;
  {
    wmfAPI_Options options{};
    options.function = wmf_gd_function;
    wmfAPI* raw = nullptr;
    if (wmf_api_create(&raw, WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL, &options) != wmf_E_None) {
      if (raw != nullptr) wmf_api_destroy(raw);
      return nullptr;
    }
    std::unique_ptr<wmfAPI, WmfApiCloser> api(raw);
    // libwmf reads the buffer only; it takes it as writable.
    std::string copy(bytes);
    if (wmf_mem_open(api.get(), reinterpret_cast<unsigned char*>(copy.data()), static_cast<long>(copy.size())) !=
        wmf_E_None) {
      return nullptr;
    }
    wmfD_Rect box{};
    if (wmf_scan(api.get(), 0, &box) != wmf_E_None) return nullptr;
    wmf_gd_t* device = WMF_GD_GetData(api.get());
    device->type = wmf_gd_png;
    device->flags |= WMF_GD_OUTPUT_FILE;
    device->file = png.file();
    device->bbox = box;
    device->width = static_cast<unsigned int>(width);
    device->height = static_cast<unsigned int>(height);
    if (wmf_play(api.get(), 0, &box) != wmf_E_None) return nullptr;
  }
  const std::string_view written = png.close();
  if (written.empty()) return nullptr;
  SDL_RWops* rw = SDL_RWFromConstMem(written.data(), static_cast<int>(written.size()));
  if (rw == nullptr) return nullptr;
  SurfacePtr drawn(IMG_Load_RW(rw, 1));
  if (!drawn || drawn->w != width || drawn->h != height) return nullptr;
  return SurfacePtr(SDL_ConvertSurfaceFormat(drawn.get(), SDL_PIXELFORMAT_RGBA32, 0));
}

SurfacePtr drawEmf(std::string_view bytes, int width, int height) {
  if (!sizeAllowed(width, height)) return nullptr;
  std::string copy(bytes);
  generatorOptions options{};
  char ns[] = "svg";
  options.nameSpace = ns;
  options.svgDelimiter = true;
  options.imgWidth = width;
  options.imgHeight = height;
  char* svg = nullptr;
  std::size_t svgLength = 0;
  const int converted = emf2svg(copy.data(), copy.size(), &svg, &svgLength, &options);
  std::unique_ptr<char, decltype(&std::free)> svgText(svg, &std::free);
  if (converted == 0 || svg == nullptr) return nullptr;
  std::unique_ptr<RsvgHandle, GObjectCloser> handle(
      rsvg_handle_new_from_data(reinterpret_cast<const guint8*>(svg), svgLength, nullptr));
  if (!handle) return nullptr;
  std::unique_ptr<cairo_surface_t, CairoSurfaceCloser> target(
      cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
  if (cairo_surface_status(target.get()) != CAIRO_STATUS_SUCCESS) return nullptr;
  {
    std::unique_ptr<cairo_t, CairoCloser> cr(cairo_create(target.get()));
    const RsvgRectangle viewport{0, 0, static_cast<double>(width), static_cast<double>(height)};
    if (rsvg_handle_render_document(handle.get(), cr.get(), &viewport, nullptr) == FALSE) return nullptr;
  }
  cairo_surface_flush(target.get());
  SurfacePtr out(SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_RGBA32));
  if (!out) return nullptr;
  const unsigned char* data = cairo_image_surface_get_data(target.get());
  const int stride = cairo_image_surface_get_stride(target.get());
  for (int y = 0; y < height; ++y) {
    const auto* in = reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
    auto* row = static_cast<Uint8*>(out->pixels) + static_cast<std::ptrdiff_t>(y) * out->pitch;
    for (int x = 0; x < width; ++x) {
      // cairo: premultiplied ARGB in native order
      const std::uint32_t p = in[x];
      const unsigned a = p >> 24;
      auto channel = [&](unsigned shift) {
        const unsigned c = (p >> shift) & 0xFF;
        return static_cast<Uint8>(a == 0 ? 0 : std::min(255u, (c * 255 + a / 2) / a));
      };
      row[4 * x] = channel(16);
      row[4 * x + 1] = channel(8);
      row[4 * x + 2] = channel(0);
      row[4 * x + 3] = static_cast<Uint8>(a);
    }
  }
  return out;
}
}  // namespace

}  // namespace quorlen::sdl

QUORLEN_MODULE_ENTRY SDL_Surface* quorlen_draw_wmf(const char* bytes, std::size_t size, int width, int height) {
  return quorlen::sdl::drawWmf(std::string_view(bytes, size), width, height).release();
}
QUORLEN_MODULE_ENTRY SDL_Surface* quorlen_draw_emf(const char* bytes, std::size_t size, int width, int height) {
  return quorlen::sdl::drawEmf(std::string_view(bytes, size), width, height).release();
}
static_assert(std::is_same_v<decltype(&quorlen_draw_wmf), quorlen::sdl::DrawMetafile>, "the player's type");
static_assert(std::is_same_v<decltype(&quorlen_draw_emf), quorlen::sdl::DrawMetafile>, "the player's type");
