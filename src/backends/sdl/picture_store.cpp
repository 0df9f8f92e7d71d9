#include "backends/sdl/picture_store.h"

#include <SDL_image.h>

#include "backends/sdl/design_art.h"
#include "backends/shared/pictures/design_pictures.h"
#include "backends/shared/pictures/picture_loading.h"

namespace quorlen::sdl {

namespace {
// What an entry costs besides its pixels, so that even pictures that fail to
// decode cannot pile up without bound.
constexpr std::size_t kEntryBytes = 256;
}  // namespace

PictureStore::PictureStore(platform::FileSystem& files, TextRenderer& text, std::size_t keptBytes)
    : files_(files), text_(text), budget_(keptBytes) {}

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
  if (it != entries_.end()) {
    uses_.splice(uses_.begin(), uses_, it->second.use);
    return it->second.surface.get();
  }
  SurfacePtr decoded = decode(path);
  const std::size_t pixels =
      decoded ? static_cast<std::size_t>(decoded->pitch) * static_cast<std::size_t>(decoded->h) : 0;
  uses_.push_front(path);
  it = entries_.emplace(path, Entry{std::move(decoded), pixels + path.size() + kEntryBytes, uses_.begin()}).first;
  bytes_ += it->second.bytes;
  while (bytes_ > budget_ && uses_.size() > 1) {
    auto oldest = entries_.find(uses_.back());
    bytes_ -= oldest->second.bytes;
    entries_.erase(oldest);
    uses_.pop_back();
  }
  return it->second.surface.get();
}

void PictureStore::clear() {
  entries_.clear();
  uses_.clear();
  bytes_ = 0;
}

}  // namespace quorlen::sdl
