#include "backends/sdl/picture_store.h"

#include "backends/sdl/design_art.h"
#include "backends/sdl/picture_decoder.h"
#include "backends/shared/pictures/design_pictures.h"
#include "backends/shared/pictures/picture_headers.h"
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
