#pragma once
// The game's file system on the disk of the host. Every path goes through
// resolveGamePath first, so names from the data files find their files
// whatever separators and letter case they use. A relative path counts from
// the program folder.
//
// The game folder is untrusted: only plain files are read, never more than
// the limit of the read, and opening never waits; saved games are replaced
// through a fresh pending file that never follows a link (see
// durable_replace.h). Names with ".." or an absolute path are read where
// they lead, also outside the game folder: data files written on Windows use
// "..\" within the game's own tree, and reading a plain file does no harm.
// Writing stays in the game folder because the program only ever writes
// saved games, under names that hold no folder.

#include <string>
#include <string_view>
#include <vector>

#include "backends/shared/files/folder_index.h"
#include "platform/file_system.h"

namespace quorlen::backends {

class DiskFileSystem final : public platform::FileSystem {
 public:
  // `programFolder` is the game folder, kept as given; relative paths
  // count from the current folder.
  explicit DiskFileSystem(std::string programFolder);

  [[nodiscard]] std::string programFolder() const override;
  [[nodiscard]] Result<std::string> readFile(const std::string& path) override;
  [[nodiscard]] Result<std::string> readFileUpTo(const std::string& path, std::size_t limit) override;
  // Writes (creates or truncates) a plain file; never through a link.
  [[nodiscard]] Result<void> writeFile(const std::string& path, std::string_view bytes) override;
  [[nodiscard]] Result<void> replaceFile(const std::string& from, const std::string& to) override;
  [[nodiscard]] Result<void> replaceContent(const std::string& path, std::string_view bytes) override;
  [[nodiscard]] Result<void> removeFile(const std::string& path) override;
  // Whether a plain file (not a folder, FIFO or device) is there.
  [[nodiscard]] bool fileExists(const std::string& path) override;
  // Pending files of a replace are never listed.
  [[nodiscard]] std::vector<std::string> listFiles(const std::string& folder, std::string_view pattern) override;
  [[nodiscard]] std::string resolve(const std::string& path) override;

 private:
  std::string programFolder_;
  FolderIndex folders_;
};

}  // namespace quorlen::backends
