#include "backends/sdl/picture_store.h"

#include "backends/sdl/design_art.h"
#include "backends/sdl/picture_decoder.h"
#include "backends/shared/pictures/design_pictures.h"
#include "backends/shared/pictures/picture_headers.h"
#include "backends/shared/pictures/picture_loading.h"

namespace quorlen::sdl {

PictureStore::PictureStore(platform::FileSystem& files, TextRenderer& text, std::size_t keep)
    : files_(files), text_(text), keep_(keep) {}

Result<ui::Picture> PictureStore::loadPicture(const std::string& path) {
  if (path.starts_with(backends::kBuiltinPrefix)) return backends::loadPictureInfo(files_, path);
  auto bytes = files_.readFile(path);
  if (!bytes) return bytes.error();
  auto size = backends::readPictureSize(bytes.value());
  if (!size) return size.error();
  // The file is read once: its pixels are decoded now, from these bytes,
  // for the drawing that follows.
  justRead_ = &bytes.value();
  (void)surface(path);
  justRead_ = nullptr;
  return ui::Picture{path, size.value().width, size.value().height};
}

SurfacePtr PictureStore::render(const std::string& path, int width, int height) {
  auto bytes = files_.readFile(path);
  if (!bytes) return nullptr;
  return decodePicture(bytes.value(), width, height);
}

Result<ui::Pointer> PictureStore::loadCursor(const std::string& path) { return backends::loadCursorInfo(files_, path); }

SurfacePtr PictureStore::decode(const std::string& path) {
  if (path.starts_with(backends::kBuiltinPrefix)) return drawDesignPicture(path, text_);
  if (justRead_ != nullptr) return decodeAndNote(path, *justRead_);
  auto bytes = files_.readFile(path);
  if (!bytes) return nullptr;
  return decodeAndNote(path, bytes.value());
}

SurfacePtr PictureStore::decodeAndNote(const std::string& path, const std::string& bytes) {
  if (isScalablePicture(bytes)) scalable_.insert(path);
  return decodePicture(bytes);
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
