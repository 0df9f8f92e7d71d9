#pragma once
// Pictures and cursors by file: loading answers the same results as on
// every backend (a missing or unreadable file is a failure), and the
// decoded pixels are kept by path for drawing, the most recently used ones
// only. The program's own design pictures are drawn by code.

#include <cstdint>
#include <map>
#include <set>
#include <string>

#include "backends/sdl/sdl_handles.h"
#include "backends/sdl/text_renderer.h"
#include "common/result.h"
#include "platform/file_system.h"
#include "platform/ui_types.h"

namespace quorlen::sdl {

class PictureStore {
 public:
  PictureStore(platform::FileSystem& files, TextRenderer& text, std::size_t keep = 64);
  PictureStore(const PictureStore&) = delete;
  PictureStore& operator=(const PictureStore&) = delete;

  [[nodiscard]] Result<ui::Picture> loadPicture(const std::string& path);
  [[nodiscard]] Result<ui::Pointer> loadCursor(const std::string& path);

  // The decoded picture (RGBA); null when the file cannot be decoded. The
  // surface stays valid until the next call.
  [[nodiscard]] SDL_Surface* surface(const std::string& path);
  // A picture drawn anew at each size (a metafile), and its pixels at a
  // size; null when it cannot be drawn.
  [[nodiscard]] bool scalable(const std::string& path) const { return scalable_.contains(path); }
  [[nodiscard]] SurfacePtr render(const std::string& path, int width, int height);
  // Forgets every decoded picture.
  void clear() { entries_.clear(); }

 private:
  struct Entry {
    SurfacePtr surface;
    std::uint64_t lastUse = 0;
  };
  [[nodiscard]] SurfacePtr decode(const std::string& path);
  [[nodiscard]] SurfacePtr decodeAndNote(const std::string& path, const std::string& bytes);

  platform::FileSystem& files_;
  TextRenderer& text_;
  std::size_t keep_;
  std::uint64_t uses_ = 0;
  std::map<std::string, Entry> entries_;
  const std::string* justRead_ = nullptr;  // the bytes loadPicture has just read
  std::set<std::string> scalable_;
};

}  // namespace quorlen::sdl
