#pragma once
// The mouse pointers made from cursor files (.cur, .ico and animated .ani),
// kept by path, and the animation of the one shown: each step of an
// animated cursor shows for its own time, going round for as long as the
// pointer stays on it.

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "backends/sdl/sdl_handles.h"
#include "backends/shared/pictures/animated_cursors.h"
#include "platform/file_system.h"

namespace quorlen::sdl {

struct PointerImages {
  std::vector<CursorPtr> frames;
  std::vector<backends::CursorStep> steps;
};

// A cursor of the system made from one image: monochrome images (only
// black, white, transparent and inverting pixels) as a two-colour cursor,
// whose inverting pixels the system inverts where it can; every other one
// as a colour cursor, inverting pixels black.
[[nodiscard]] CursorPtr makeCursor(const backends::IconImage& image);

class PointerCursors {
 public:
  explicit PointerCursors(platform::FileSystem& files) : files_(files) {}
  PointerCursors(const PointerCursors&) = delete;
  PointerCursors& operator=(const PointerCursors&) = delete;

  // The pointer of a cursor file; null when it cannot be made.
  [[nodiscard]] const PointerImages* find(const std::string& path);

  // Shows `images` from `now` on (null: no file cursor is shown); answers
  // the cursor to show now. Showing the pointer shown already goes on with
  // its animation.
  [[nodiscard]] SDL_Cursor* show(const PointerImages* images, std::int64_t now);
  // Milliseconds until the animation shown moves on; none when still.
  [[nodiscard]] std::optional<std::int64_t> untilNextStep(std::int64_t now) const;
  // The cursor to show when the animation has moved on by `now`, or null.
  [[nodiscard]] SDL_Cursor* advance(std::int64_t now);

 private:
  platform::FileSystem& files_;
  std::map<std::string, std::unique_ptr<PointerImages>> made_;
  const PointerImages* shown_ = nullptr;
  std::size_t step_ = 0;
  std::int64_t stepStart_ = 0;
};

}  // namespace quorlen::sdl
