#pragma once
// Windows metafiles drawn into pixels at a given size: placeable WMF
// through libwmf, EMF through libemf2svg and librsvg. These libraries
// live in a module of their own (metafile_module.cpp), loaded when the
// first metafile is drawn; when it cannot be loaded, one line says so on
// the standard error and no metafile can be drawn.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "backends/sdl/sdl_handles.h"
#include "backends/sdl/shared_module.h"

namespace quorlen::sdl {

// The module's file and its two functions, which answer a surface the
// caller frees, or null.
inline constexpr const char* kMetafileModuleFile = "quorlen-metafiles.so";
using DrawMetafile = SDL_Surface* (*)(const char* bytes, std::size_t size, int width, int height);

class MetafileModule {
 public:
  // The module from `folders`; empty, with the line on the standard error,
  // when it cannot be loaded.
  [[nodiscard]] static std::optional<MetafileModule> load(const std::vector<std::filesystem::path>& folders);

  // An RGBA surface of `width` x `height` (each 1 to the largest picture
  // side); null when the library cannot draw the file.
  [[nodiscard]] SurfacePtr drawWmf(std::string_view bytes, int width, int height) const;
  [[nodiscard]] SurfacePtr drawEmf(std::string_view bytes, int width, int height) const;

 private:
  MetafileModule(SharedModule module, DrawMetafile wmf, DrawMetafile emf)
      : module_(std::move(module)), wmf_(wmf), emf_(emf) {}
  SharedModule module_;
  DrawMetafile wmf_;
  DrawMetafile emf_;
};

// The module, looked for when first asked for and then kept (or known
// missing) for the loader's life.
class MetafileLoader {
 public:
  [[nodiscard]] const MetafileModule* module();

 private:
  bool tried_ = false;
  std::optional<MetafileModule> module_;
};

}  // namespace quorlen::sdl
