#pragma once
// Pictures and cursors by file: loading answers the same results as on
// every backend (a missing or unreadable file is a failure), and keeps the
// bytes read for the drawing that follows, so that the file is read once.
// Pictures are decoded when first drawn; a canvas takes the decoded pixels
// into its texture, other users find them kept by path, the most recently
// used ones up to a number of bytes. The program's own design pictures are
// drawn by code.

#include <cstddef>
#include <list>
#include <set>
#include <string>
#include <unordered_map>

#include "backends/sdl/metafile_renderer.h"
#include "backends/sdl/sdl_handles.h"
#include "backends/sdl/text_renderer.h"
#include "common/result.h"
#include "platform/file_system.h"
#include "platform/ui_types.h"

namespace quorlen::sdl {

class PictureStore {
 public:
  static constexpr std::size_t kKeptBytes = std::size_t{128} << 20;

  PictureStore(platform::FileSystem& files, TextRenderer& text, std::size_t keptBytes = kKeptBytes);
  PictureStore(const PictureStore&) = delete;
  PictureStore& operator=(const PictureStore&) = delete;

  [[nodiscard]] Result<ui::Picture> loadPicture(const std::string& path);
  [[nodiscard]] Result<ui::Pointer> loadCursor(const std::string& path);

  // The decoded picture (RGBA); null when the file cannot be decoded. The
  // surface stays valid until the next call. When the kept pictures pass
  // the byte budget, the least recently used ones are forgotten (never the
  // one just asked for).
  [[nodiscard]] SDL_Surface* surface(const std::string& path);
  // The decoded picture, no longer kept here: from the bytes loadPicture
  // read, or from the file read again. RGBA, or a picture without
  // transparency in its decoder's own RGB format (see decodePictureToDraw).
  [[nodiscard]] SurfacePtr take(const std::string& path);
  // A picture drawn anew at each size (a metafile), and its pixels at a
  // size; null when it cannot be drawn.
  [[nodiscard]] bool scalable(const std::string& path) const { return scalable_.contains(path); }
  [[nodiscard]] SurfacePtr render(const std::string& path, int width, int height);
  // Forgets every decoded picture.
  void clear();
  // The bytes the kept pictures take.
  [[nodiscard]] std::size_t keptBytes() const { return bytes_; }

 private:
  struct Entry {
    SurfacePtr surface;
    std::string file;  // read by loadPicture, not decoded yet
    bool decoded = false;
    std::size_t bytes = 0;
    std::list<std::string>::iterator use;  // its place in uses_
  };
  // `toDraw`: as decodePictureToDraw decodes it.
  [[nodiscard]] SurfacePtr decode(const std::string& path, bool toDraw);
  [[nodiscard]] SurfacePtr decodeAndNote(const std::string& path, const std::string& bytes, bool toDraw);
  // Keeps an entry as the most recently used, then forgets the least
  // recently used ones past the budget.
  Entry& keep(const std::string& path, Entry entry);
  void forget(std::unordered_map<std::string, Entry>::iterator it);

  platform::FileSystem& files_;
  TextRenderer& text_;
  std::size_t budget_;
  std::size_t bytes_ = 0;
  std::list<std::string> uses_;  // most recently used first
  std::unordered_map<std::string, Entry> entries_;
  std::set<std::string> scalable_;
  MetafileLoader metafiles_;  // loaded with the first metafile drawn
};

}  // namespace quorlen::sdl
