#pragma once
// The case-insensitive index of the folders a game looks names up in, kept
// while a folder does not change: a missing file (the absent pick file of
// every clicked area) costs one stat of its folder, not a listing of it.

#include <sys/stat.h>

#include <ctime>
#include <cstddef>
#include <optional>
#include <string>
#include <unordered_map>

namespace quorlen::backends {

class FolderIndex {
 public:
  // The entry of `folder` whose name equals `name` without regard to
  // letter case, the first in byte order when several do; none when the
  // folder cannot be listed or holds no such entry.
  [[nodiscard]] std::optional<std::string> find(const std::string& folder, const std::string& name);
  // Forgets every folder (after the program itself changed one).
  void clear() { folders_.clear(); }
  // How many times a folder was listed so far.
  [[nodiscard]] std::size_t listings() const { return listings_; }

  // The folders kept at most; past that the index starts again.
  static constexpr std::size_t kMaxFolders = 256;

 private:
  struct Listing {
    timespec modified{};
    timespec listedAt{};
    unsigned long long inode = 0;
    std::unordered_map<std::string, std::string> byFoldedName;  // folded -> first name
  };
  [[nodiscard]] static bool stillValid(const Listing& listing, const struct stat& status);
  [[nodiscard]] Listing list(const std::string& folder, const struct stat& status);

  std::unordered_map<std::string, Listing> folders_;
  std::size_t listings_ = 0;
};

}  // namespace quorlen::backends
