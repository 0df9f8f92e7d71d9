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

std::size_t pixelBytes(const SurfacePtr& s) {
  return s ? static_cast<std::size_t>(s->pitch) * static_cast<std::size_t>(s->h) : 0;
}
}  // namespace

PictureStore::PictureStore(platform::FileSystem& files, TextRenderer& text, std::size_t keptBytes)
    : files_(files), text_(text), budget_(keptBytes) {}

Result<ui::Picture> PictureStore::loadPicture(const std::string& path) {
  if (path.starts_with(backends::kBuiltinPrefix)) return backends::loadPictureInfo(files_, path);
  auto bytes = files_.readFile(path);
  if (!bytes) return bytes.error();
  auto size = backends::readPictureSize(bytes.value());
  if (!size) return size.error();
  // The file is read once: the drawing that follows decodes these bytes.
  if (isScalablePicture(bytes.value())) scalable_.insert(path);
  auto it = entries_.find(path);
  if (it == entries_.end() || !it->second.decoded) {
    if (it != entries_.end()) forget(it);
    Entry entry;
    entry.bytes = bytes.value().size() + path.size() + kEntryBytes;
    entry.file = std::move(bytes.value());
    keep(path, std::move(entry));
  } else {
    uses_.splice(uses_.begin(), uses_, it->second.use);
  }
  return ui::Picture{path, size.value().width, size.value().height};
}

SurfacePtr PictureStore::render(const std::string& path, int width, int height) {
  auto bytes = files_.readFile(path);
  if (!bytes) return nullptr;
  return decodePicture(bytes.value(), width, height, &metafiles_);
}

Result<ui::Pointer> PictureStore::loadCursor(const std::string& path) { return backends::loadCursorInfo(files_, path); }

SurfacePtr PictureStore::decode(const std::string& path, bool toDraw) {
  if (path.starts_with(backends::kBuiltinPrefix)) return drawDesignPicture(path, text_);
  auto bytes = files_.readFile(path);
  if (!bytes) return nullptr;
  return decodeAndNote(path, bytes.value(), toDraw);
}

SurfacePtr PictureStore::decodeAndNote(const std::string& path, const std::string& bytes, bool toDraw) {
  if (isScalablePicture(bytes)) scalable_.insert(path);
  return toDraw ? decodePictureToDraw(bytes, &metafiles_) : decodePicture(bytes, 0, 0, &metafiles_);
}

PictureStore::Entry& PictureStore::keep(const std::string& path, Entry entry) {
  uses_.push_front(path);
  entry.use = uses_.begin();
  auto it = entries_.insert_or_assign(path, std::move(entry)).first;
  bytes_ += it->second.bytes;
  while (bytes_ > budget_ && uses_.size() > 1) forget(entries_.find(uses_.back()));
  return it->second;
}

void PictureStore::forget(std::unordered_map<std::string, Entry>::iterator it) {
  bytes_ -= it->second.bytes;
  uses_.erase(it->second.use);
  entries_.erase(it);
}

SDL_Surface* PictureStore::surface(const std::string& path) {
  auto it = entries_.find(path);
  if (it != entries_.end() && it->second.decoded) {
    uses_.splice(uses_.begin(), uses_, it->second.use);
    return it->second.surface.get();
  }
  SurfacePtr decoded;
  if (it != entries_.end()) {
    decoded = decodeAndNote(path, it->second.file, false);
    forget(it);
  } else {
    decoded = decode(path, false);
  }
  Entry entry;
  entry.bytes = pixelBytes(decoded) + path.size() + kEntryBytes;
  entry.surface = std::move(decoded);
  entry.decoded = true;
  return keep(path, std::move(entry)).surface.get();
}

SurfacePtr PictureStore::take(const std::string& path) {
  auto it = entries_.find(path);
  if (it == entries_.end()) return decode(path, true);
  SurfacePtr taken =
      it->second.decoded ? std::move(it->second.surface) : decodeAndNote(path, it->second.file, true);
  forget(it);
  return taken;
}

void PictureStore::clear() {
  entries_.clear();
  uses_.clear();
  bytes_ = 0;
}

}  // namespace quorlen::sdl
