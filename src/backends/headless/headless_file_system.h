#pragma once
// The runner's file system: the real files of the game folder, with the
// failures a script can ask for (a file deleted by another program, a full
// disk, a file in use that cannot be removed).

#include <optional>
#include <set>
#include <string>

#include "platform/file_system.h"

namespace quorlen::headless {

class HeadlessFileSystem final : public platform::FileSystem {
 public:
  explicit HeadlessFileSystem(platform::FileSystem& disk) : disk_(disk) {}

  [[nodiscard]] std::string programFolder() const override { return disk_.programFolder(); }
  [[nodiscard]] Result<std::string> readFile(const std::string& path) override { return disk_.readFile(path); }
  [[nodiscard]] Result<std::string> readFileUpTo(const std::string& path, std::size_t limit) override {
    return disk_.readFileUpTo(path, limit);
  }
  [[nodiscard]] Result<void> writeFile(const std::string& path, std::string_view bytes) override;
  [[nodiscard]] Result<void> replaceContent(const std::string& path, std::string_view bytes) override;
  [[nodiscard]] Result<void> replaceFile(const std::string& from, const std::string& to) override;
  [[nodiscard]] Result<void> removeFile(const std::string& path) override;
  [[nodiscard]] bool fileExists(const std::string& path) override { return disk_.fileExists(path); }
  [[nodiscard]] std::vector<std::string> listFiles(const std::string& folder, std::string_view pattern) override {
    return disk_.listFiles(folder, pattern);
  }
  [[nodiscard]] std::string resolve(const std::string& path) override { return disk_.resolve(path); }

  // Another program deletes a file of the game folder now.
  void deleteNow(const std::string& relativePath);
  // Every write of more than this many bytes fails once they have gone into
  // the file, as on a full disk; a file that fits is written.
  void failWrites(std::optional<std::size_t> afterBytes) { failWritesAfter_ = afterBytes; }
  void failRemoves(const std::string& relativePath);

 private:
  [[nodiscard]] std::string inGameFolder(const std::string& relativePath);
  [[nodiscard]] bool removalRefused(const std::string& path);

  platform::FileSystem& disk_;
  std::optional<std::size_t> failWritesAfter_;
  std::set<std::string> refusedRemovals_;  // resolved paths
};

}  // namespace quorlen::headless
