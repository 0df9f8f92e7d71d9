#pragma once
// Captions drawn with SDL_ttf: fonts by the game's font record (name,
// points at 96 dots per inch, bold, italic, underline, strikethrough) at a
// drawing scale, measured and rendered line by line.

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <tuple>
#include <unordered_map>
#include <utility>
#include <vector>

#include "backends/sdl/font_resolver.h"
#include "backends/sdl/sdl_handles.h"
#include "platform/ui_types.h"

namespace quorlen::sdl {

// Splits a caption at its line ends (CR LF, LF or CR).
[[nodiscard]] std::vector<std::string> splitLines(const std::string& text);

// The most of one line that is ever drawn: far wider than any display, so
// that a caption of a megabyte costs no more than one that fills the screen.
inline constexpr std::size_t kMaxDrawnLineBytes = 4096;
// The line cut to that many bytes, between characters.
[[nodiscard]] std::string drawnPart(const std::string& line);
// The byte offset of the first character that ends after `from` pixels and
// of the end of the last that starts before `to`, for a line measured with
// `font`: the part of the line that shows between two edges.
[[nodiscard]] std::pair<std::size_t, std::size_t> visibleBytes(TTF_Font* font, const std::string& line, int from, int to);

class TextRenderer {
 public:
  TextRenderer() = default;
  TextRenderer(const TextRenderer&) = delete;
  TextRenderer& operator=(const TextRenderer&) = delete;

  // The font's pixel size (its em) at a scale: points x 96 / 72 x scale.
  [[nodiscard]] static int pixelSize(const ui::Font& font, double scale);

  // Null when no font file can be found or opened.
  [[nodiscard]] TTF_Font* font(const ui::Font& font, double scale);
  [[nodiscard]] int lineHeight(const ui::Font& font, double scale);
  [[nodiscard]] int lineWidth(const ui::Font& font, const std::string& line, double scale);
  // The size of a caption: its widest line by its lines' height.
  [[nodiscard]] std::pair<int, int> measure(const ui::Font& font, const std::string& text, double scale);
  // The caption's lines broken at blanks so that each fits `width` pixels
  // (a word longer than the width stands alone on its line); no more than
  // `maxLines` of them.
  [[nodiscard]] std::vector<std::string> wrap(const ui::Font& font, const std::string& text, int width, double scale,
                                              std::size_t maxLines = SIZE_MAX);
  // One line in a colour, on a transparent background; null for an empty
  // line or without a font.
  [[nodiscard]] SurfacePtr render(const ui::Font& font, const std::string& line, ui::Color color, double scale);

 private:
  FontResolver resolver_;
  std::map<std::tuple<std::string, int, int, int>, FontPtr> fonts_;
  // Widths of lines measured, by the open font (kept as long as this) and
  // the line: the same captions are measured again at every frame.
  struct WidthKey {
    TTF_Font* font = nullptr;
    std::string line;
    bool operator==(const WidthKey&) const = default;
  };
  struct WidthKeyHash {
    std::size_t operator()(const WidthKey& k) const noexcept {
      return std::hash<std::string>{}(k.line) ^ (std::hash<const void*>{}(k.font) * 31);
    }
  };
  std::unordered_map<WidthKey, int, WidthKeyHash> widths_;
  std::size_t widthBytes_ = 0;
};

}  // namespace quorlen::sdl
