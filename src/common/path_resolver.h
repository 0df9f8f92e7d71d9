#pragma once
// Resolution of the program's paths on a file system that is case-sensitive
// and uses '/': names from data files may use '\' and differ in letter case
// from the files on disk.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorlen {

class DirectoryProbe {
 public:
  virtual ~DirectoryProbe() = default;
  [[nodiscard]] virtual bool exists(const std::string& path) const = 0;
  // The entry names of a folder; empty when it cannot be listed.
  [[nodiscard]] virtual std::vector<std::string> entries(const std::string& folder) const = 0;
  // The entry of a folder whose name equals `name` without regard to letter
  // case, the first in byte order when several do. A probe that keeps an
  // index of its folders answers without listing them each time.
  [[nodiscard]] virtual std::optional<std::string> findIgnoringCase(const std::string& folder,
                                                                    std::string_view name) const;
};

// Both '\' and '/' separate folders; runs of separators count as one. A
// leading '/' is kept, a trailing one dropped (except for the root "/").
[[nodiscard]] std::string normalisePath(std::string_view path);

// The path on disk for `path`: the normalised path when it exists, otherwise
// each component matched without regard to letter case (exact matches
// first). Components that match nothing are kept as written, so that the
// caller's open fails as for a missing file.
[[nodiscard]] std::string resolveGamePath(std::string_view path, const DirectoryProbe& probe);

// Letter case folded for ASCII and the Latin-1 range of UTF-8 text.
[[nodiscard]] bool equalsIgnoringCase(std::string_view a, std::string_view b);
// The text with those capital letters made small (the folding the
// comparison above uses); other bytes are kept.
[[nodiscard]] std::string foldLetterCase(std::string_view text);

}  // namespace quorlen
