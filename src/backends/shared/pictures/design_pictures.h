#pragma once
// The program's own design pictures ("builtin:NAME"): their sizes. The
// desktop backend draws their content.

#include <optional>
#include <string_view>

#include "backends/shared/pictures/picture_headers.h"

namespace quorlen::backends {

inline constexpr std::string_view kBuiltinPrefix = "builtin:";

[[nodiscard]] std::optional<PictureSize> designPictureSize(std::string_view path);

}  // namespace quorlen::backends
