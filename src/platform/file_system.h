#pragma once
// The file system as the game sees it. Every path handed in is a path as the
// program built it: folders joined with '/', names from data files possibly
// holding '\' and differing in letter case from the names on disk. Every
// implementation resolves such a path through resolveGamePath before it
// touches the disk.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "common/result.h"

namespace quorlen::platform {

// The most a data file (project information, frames, areas, texts,
// variables, items, saved games) may hold: far beyond any real game.
inline constexpr std::size_t kDataFileLimit = std::size_t{8} << 20;
// The most a picture, cursor, sound or video file may hold.
inline constexpr std::size_t kMediaFileLimit = std::size_t{256} << 20;

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // The folder that holds the program (the game folder), without a trailing
  // separator unless it is the root.
  [[nodiscard]] virtual std::string programFolder() const = 0;

  // The whole content of a file, as bytes. Only a plain file of at most
  // kMediaFileLimit bytes is read; anything else fails as a missing file
  // does (a folder as an unreadable one).
  [[nodiscard]] virtual Result<std::string> readFile(const std::string& path) = 0;
  // The same with a smaller limit (kDataFileLimit for the data files).
  [[nodiscard]] virtual Result<std::string> readFileUpTo(const std::string& path, std::size_t limit) {
    Result<std::string> bytes = readFile(path);
    if (bytes.ok() && bytes.value().size() > limit) return makeError(ErrorKind::NotFound, path + ": too large");
    return bytes;
  }
  // Writes (creates or truncates) a file with exactly these bytes.
  [[nodiscard]] virtual Result<void> writeFile(const std::string& path, std::string_view bytes) = 0;
  // Puts `from` in place of `to` in one step; `to` may exist.
  [[nodiscard]] virtual Result<void> replaceFile(const std::string& from, const std::string& to) = 0;
  // Puts a file with exactly these bytes in place of `path` without ever
  // losing the file that was there: the bytes go into a pending file of
  // the same folder first, which takes the old file's place only once it
  // is complete. On any failure the old file is left as it was and no
  // pending file stays.
  [[nodiscard]] virtual Result<void> replaceContent(const std::string& path, std::string_view bytes) {
    const std::string pending = path + ".new";
    Result<void> written = writeFile(pending, bytes);
    if (written) written = replaceFile(pending, path);
    if (!written) (void)removeFile(pending);
    return written;
  }
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
