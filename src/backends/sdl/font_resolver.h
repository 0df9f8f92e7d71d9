#pragma once
// Finds the font file for a font name as the game names it ("Arial",
// "Times New Roman") through fontconfig, which answers a metric-compatible
// family where one is installed (Arial -> Liberation Sans).

#include <map>
#include <optional>
#include <string>
#include <tuple>

namespace quorlen::sdl {

struct FontFace {
  std::string file;
  int faceIndex = 0;
  std::string family;  // the family fontconfig chose
  bool bold = false;   // whether the face itself is bold or italic; when
  bool italic = false; // not, the renderer makes it so
};

class FontResolver {
 public:
  // Nothing when fontconfig finds no font at all.
  [[nodiscard]] std::optional<FontFace> resolve(const std::string& name, bool bold, bool italic);

 private:
  std::map<std::tuple<std::string, bool, bool>, std::optional<FontFace>> cache_;
};

}  // namespace quorlen::sdl
