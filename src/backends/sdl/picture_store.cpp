#include "backends/sdl/picture_store.h"

#include <SDL_image.h>

#include "backends/sdl/design_art.h"
#include "backends/shared/pictures/design_pictures.h"
#include "backends/shared/pictures/picture_loading.h"

namespace quorlen::sdl {

PictureStore::PictureStore(platform::FileSystem& files, TextRenderer& text, std::size_t keep)
    : files_(files), text_(text), keep_(keep) {}

Result<ui::Picture> PictureStore::loadPicture(const std::string& path) {
  return backends::loadPictureInfo(files_, path);
}

Result<ui::Pointer> PictureStore::loadCursor(const std::string& path) { return backends::loadCursorInfo(files_, path); }

SurfacePtr PictureStore::decode(const std::string& path) {
  if (path.starts_with(backends::kBuiltinPrefix)) return drawDesignPicture(path, text_);
  auto bytes = files_.readFile(path);
  if (!bytes) return nullptr;
  const std::string& data = bytes.value();
  SDL_RWops* rw = SDL_RWFromConstMem(data.data(), static_cast<int>(data.size()));
  if (rw == nullptr) return nullptr;
  SurfacePtr decoded(IMG_Load_RW(rw, 1));
  if (!decoded) return nullptr;
  return SurfacePtr(SDL_ConvertSurfaceFormat(decoded.get(), SDL_PIXELFORMAT_RGBA32, 0));
}

SDL_Surface* PictureStore::surface(const std::string& path) {
  auto it = entries_.find(path);
  if (it == entries_.end()) {
    if (entries_.size() >= keep_) {
      auto oldest = entries_.begin();
      for (auto e = entries_.begin(); e != entries_.end(); ++e) {
        if (e->second.lastUse < oldest->second.lastUse) oldest = e;
      }
      entries_.erase(oldest);
    }
    it = entries_.emplace(path, Entry{decode(path), 0}).first;
  }
  it->second.lastUse = ++uses_;
  return it->second.surface.get();
}

}  // namespace quorlen::sdl
