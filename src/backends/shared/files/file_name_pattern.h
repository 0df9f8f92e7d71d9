#pragma once
// Patterns of the file-list control: "*.sav", "save?.dat", several joined by
// ';' ("*.bmp;*.jpg"). Letter case is ignored, '*' stands for any run of
// characters, '?' for one character; "*.*" and an empty pattern take every
// name.

#include <string_view>

namespace quorlen::backends {

[[nodiscard]] bool matchesFilePattern(std::string_view name, std::string_view pattern);

}  // namespace quorlen::backends
