#include "backends/sdl/font_resolver.h"

#include <fontconfig/fontconfig.h>

#include <memory>

namespace quorlen::sdl {

namespace {
struct PatternDeleter {
  void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using PatternPtr = std::unique_ptr<FcPattern, PatternDeleter>;

std::optional<FontFace> match(const std::string& name, bool bold, bool italic) {
  PatternPtr pattern(FcPatternCreate());
  if (!pattern) return std::nullopt;
  const std::string family = name.empty() ? std::string("sans-serif") : name;
  FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcPatternAddInteger(pattern.get(), FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern.get(), FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
  FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
  FcDefaultSubstitute(pattern.get());
  FcResult result = FcResultNoMatch;
  PatternPtr found(FcFontMatch(nullptr, pattern.get(), &result));
  if (!found || result != FcResultMatch) return std::nullopt;
  FcChar8* file = nullptr;
  if (FcPatternGetString(found.get(), FC_FILE, 0, &file) != FcResultMatch || file == nullptr) return std::nullopt;
  FontFace face;
  face.file = reinterpret_cast<const char*>(file);
  int index = 0;
  if (FcPatternGetInteger(found.get(), FC_INDEX, 0, &index) == FcResultMatch) face.faceIndex = index;
  FcChar8* chosen = nullptr;
  if (FcPatternGetString(found.get(), FC_FAMILY, 0, &chosen) == FcResultMatch && chosen != nullptr) {
    face.family = reinterpret_cast<const char*>(chosen);
  }
  int weight = FC_WEIGHT_REGULAR;
  if (FcPatternGetInteger(found.get(), FC_WEIGHT, 0, &weight) == FcResultMatch) face.bold = weight >= FC_WEIGHT_DEMIBOLD;
  int slant = FC_SLANT_ROMAN;
  if (FcPatternGetInteger(found.get(), FC_SLANT, 0, &slant) == FcResultMatch) face.italic = slant != FC_SLANT_ROMAN;
  return face;
}
}  // namespace

std::optional<FontFace> FontResolver::resolve(const std::string& name, bool bold, bool italic) {
  const auto key = std::make_tuple(name, bold, italic);
  auto it = cache_.find(key);
  if (it != cache_.end()) return it->second;
  auto face = match(name, bold, italic);
  cache_.emplace(key, face);
  return face;
}

}  // namespace quorlen::sdl
