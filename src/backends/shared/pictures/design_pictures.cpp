#include "backends/shared/pictures/design_pictures.h"

namespace quorlen::backends {

std::optional<PictureSize> designPictureSize(std::string_view path) {
  struct Entry {
    std::string_view name;
    PictureSize size;
  };
  static constexpr Entry kPictures[] = {
      {"builtin:welcome/title", {250, 108}}, {"builtin:welcome/texture", {166, 108}},
      {"builtin:welcome/new", {166, 49}},    {"builtin:welcome/load", {166, 49}},
      {"builtin:welcome/leave", {166, 49}},  {"builtin:welcome/info", {166, 49}},
      {"builtin:welcome/panel", {370, 104}},
  };
  for (const Entry& e : kPictures) {
    if (e.name == path) return e.size;
  }
  return std::nullopt;
}

}  // namespace quorlen::backends
