#pragma once
// The file system as the game sees it. Every path handed in is a path as the
// program built it: folders joined with '/', names from data files possibly
// holding '\' and differing in letter case from the names on disk. Every
// implementation resolves such a path through resolveGamePath before it
// touches the disk.

#include <string>
#include <string_view>
#include <vector>

#include "common/result.h"

namespace quorlen::platform {

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // The folder that holds the program (the game folder), without a trailing
  // separator unless it is the root.
  [[nodiscard]] virtual std::string programFolder() const = 0;

  // The whole content of a file, as bytes.
  [[nodiscard]] virtual Result<std::string> readFile(const std::string& path) = 0;
  // Writes (creates or truncates) a file with exactly these bytes.
  [[nodiscard]] virtual Result<void> writeFile(const std::string& path, std::string_view bytes) = 0;
  // Puts `from` in place of `to` in one step; `to` may exist.
  [[nodiscard]] virtual Result<void> replaceFile(const std::string& from, const std::string& to) = 0;
  [[nodiscard]] virtual Result<void> removeFile(const std::string& path) = 0;
  [[nodiscard]] virtual bool fileExists(const std::string& path) = 0;
  // The names (not paths) of the plain files in a folder whose names match a
  // pattern of the file-list control ("*.lbl", "*.sav"; letter case ignored),
  // sorted by name.
  [[nodiscard]] virtual std::vector<std::string> listFiles(const std::string& folder,
                                                           std::string_view pattern) = 0;
  // The path on disk that `path` resolves to (for devices that open files
  // themselves); the normalised path when nothing matches.
  [[nodiscard]] virtual std::string resolve(const std::string& path) = 0;
};

}  // namespace quorlen::platform
