#include "backends/shared/pictures/picture_loading.h"

#include "backends/shared/pictures/design_pictures.h"
#include "backends/shared/pictures/picture_headers.h"

namespace quorlen::backends {

Result<ui::Picture> loadPictureInfo(platform::FileSystem& files, const std::string& path) {
  if (path.starts_with(kBuiltinPrefix)) {
    auto size = designPictureSize(path);
    if (!size) return makeError(ErrorKind::NotFound, path);
    return ui::Picture{path, size->width, size->height};
  }
  auto bytes = files.readFile(path);
  if (!bytes) return bytes.error();
  auto size = readPictureSize(bytes.value());
  if (!size) return size.error();
  return ui::Picture{path, size.value().width, size.value().height};
}

Result<ui::Pointer> loadCursorInfo(platform::FileSystem& files, const std::string& path) {
  auto bytes = files.readFile(path);
  if (!bytes) return bytes.error();
  auto header = readCursorHeader(bytes.value());
  if (!header) return header.error();
  return ui::Pointer{ui::Pointer::Kind::Custom, path, header.value().hotX, header.value().hotY};
}

}  // namespace quorlen::backends
