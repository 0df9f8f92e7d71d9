#pragma once
// The game's file system on the disk of the host, through std::filesystem.
// Every path goes through resolveGamePath first, so names from the data
// files find their files whatever separators and letter case they use. A
// relative path counts from the program folder.

#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace quorlen::backends {

class DiskFileSystem final : public platform::FileSystem {
 public:
  // `programFolder` is the game folder, kept as given; relative paths
  // count from the current folder.
  explicit DiskFileSystem(std::string programFolder);

  [[nodiscard]] std::string programFolder() const override;
  [[nodiscard]] Result<std::string> readFile(const std::string& path) override;
  [[nodiscard]] Result<void> writeFile(const std::string& path, std::string_view bytes) override;
  [[nodiscard]] Result<void> replaceFile(const std::string& from, const std::string& to) override;
  [[nodiscard]] Result<void> removeFile(const std::string& path) override;
  // Whether a plain file (not a folder) is there.
  [[nodiscard]] bool fileExists(const std::string& path) override;
  [[nodiscard]] std::vector<std::string> listFiles(const std::string& folder, std::string_view pattern) override;
  [[nodiscard]] std::string resolve(const std::string& path) override;

 private:
  std::string programFolder_;
};

}  // namespace quorlen::backends
