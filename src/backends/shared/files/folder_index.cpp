#include "backends/shared/files/folder_index.h"

#include <dirent.h>
#include <sys/stat.h>

#include "common/path_resolver.h"

namespace quorlen::backends {
namespace {

bool operator==(const timespec& a, const timespec& b) { return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec; }

}  // namespace

bool FolderIndex::stillValid(const Listing& listing, const struct stat& status) {
  if (!(listing.modified == status.st_mtim) || listing.inode != status.st_ino) return false;
  // A folder's time only moves in steps of the clock's tick: a change made
  // in the same tick as the listing keeps the same time. A listing taken
  // within a second of the folder's last change is therefore taken again.
  return listing.listedAt.tv_sec > listing.modified.tv_sec + 1;
}

FolderIndex::Listing FolderIndex::list(const std::string& folder, const struct stat& status) {
  ++listings_;
  Listing listing;
  listing.modified = status.st_mtim;
  listing.inode = status.st_ino;
  clock_gettime(CLOCK_REALTIME, &listing.listedAt);
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return listing;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    auto [it, added] = listing.byFoldedName.try_emplace(foldLetterCase(name), name);
    if (!added && name < it->second) it->second = name;
  }
  ::closedir(dir);
  return listing;
}

std::optional<std::string> FolderIndex::find(const std::string& folder, const std::string& name) {
  struct stat status {};
  if (::stat(folder.c_str(), &status) != 0 || !S_ISDIR(status.st_mode)) return std::nullopt;
  auto it = folders_.find(folder);
  if (it == folders_.end() || !stillValid(it->second, status)) {
    if (it == folders_.end() && folders_.size() >= kMaxFolders) folders_.clear();
    it = folders_.insert_or_assign(folder, list(folder, status)).first;
  }
  const auto match = it->second.byFoldedName.find(foldLetterCase(name));
  if (match == it->second.byFoldedName.end()) return std::nullopt;
  return match->second;
}

}  // namespace quorlen::backends
