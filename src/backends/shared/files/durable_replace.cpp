#include "backends/shared/files/durable_replace.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <vector>

namespace quorlen::backends {
namespace {

constexpr std::string_view kPendingMark = ".new-";
constexpr std::size_t kUniqueLength = 6;
constexpr int kCreateAttempts = 100;

bool isLetterOrDigit(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); }

struct Place {
  std::string folder;  // "." for the current one
  std::string name;
};

Place split(const std::string& target) {
  const std::size_t slash = target.rfind('/');
  if (slash == std::string::npos) return {".", target};
  return {slash == 0 ? "/" : target.substr(0, slash), target.substr(slash + 1)};
}

std::string inFolder(const Place& place, const std::string& name) {
  return place.folder == "/" ? "/" + name : place.folder + "/" + name;
}

// Pending files of this target left by a player that was killed while
// saving: the old fixed name and the unique ones. unlink removes a link
// itself, never what it points to.
void removeLeftovers(const Place& place) {
  DIR* folder = ::opendir(place.folder.c_str());
  if (folder == nullptr) return;
  std::vector<std::string> leftovers;
  const std::string prefix = place.name + std::string(kPendingMark);
  while (const dirent* entry = ::readdir(folder)) {
    const std::string_view name = entry->d_name;
    if (name == place.name + ".new" ||
        (name.size() == prefix.size() + kUniqueLength && name.substr(0, prefix.size()) == prefix &&
         isPendingFileName(name))) {
      leftovers.emplace_back(name);
    }
  }
  ::closedir(folder);
  for (const std::string& name : leftovers) {
    struct stat status {};
    const std::string path = inFolder(place, name);
    if (::lstat(path.c_str(), &status) == 0 && !S_ISDIR(status.st_mode)) ::unlink(path.c_str());
  }
}

// Whether the target may be replaced: it is missing or a plain file.
bool replaceable(const std::string& target) {
  struct stat status {};
  if (::lstat(target.c_str(), &status) != 0) return errno == ENOENT;
  return S_ISREG(status.st_mode);
}

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

void syncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  // Some file systems cannot flush a folder; the file itself is on disk.
  (void)::fsync(fd);
  ::close(fd);
}

Error failure(const std::string& target, const char* what) { return makeError(ErrorKind::WriteFailed, target + ": " + what); }

}  // namespace

bool isPendingFileName(std::string_view name) {
  const std::size_t mark = name.rfind(kPendingMark);
  if (mark == std::string_view::npos || mark == 0 || name.size() != mark + kPendingMark.size() + kUniqueLength) {
    return false;
  }
  for (const char c : name.substr(mark + kPendingMark.size())) {
    if (!isLetterOrDigit(c)) return false;
  }
  return true;
}

Result<void> replaceDurably(const std::string& target, std::string_view bytes) {
  if (!replaceable(target)) return makeError(ErrorKind::Refused, target + ": not a plain file");
  const Place place = split(target);
  if (place.name.empty()) return failure(target, "no file name");
  removeLeftovers(place);

  static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  std::random_device seed;
  std::mt19937 random(seed());
  std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
  std::string pending;
  int fd = -1;
  for (int attempt = 0; attempt < kCreateAttempts && fd < 0; ++attempt) {
    std::string unique;
    for (std::size_t i = 0; i < kUniqueLength; ++i) unique += kLetters[pick(random)];
    pending = inFolder(place, place.name + std::string(kPendingMark) + unique);
    // O_EXCL: a file of that name, or a link of that name to anywhere, is
    // never opened; O_NOFOLLOW says the same for links.
    fd = ::open(pending.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) return failure(target, "cannot be created");
  }
  if (fd < 0) return failure(target, "cannot be created");

  const bool written = writeAll(fd, bytes);
  // The content must be on disk before its name is: after a power cut the
  // saved game is the old one or the new one, never an empty file.
  const bool flushed = written && ::fsync(fd) == 0;
  // Closing can be where a full disk shows, so its answer counts too.
  const bool closed = ::close(fd) == 0;
  if (!written || !flushed || !closed) {
    ::unlink(pending.c_str());
    return failure(target, "write failed");
  }
  // Checked again: the folder may have changed while the content was written.
  if (!replaceable(target)) {
    ::unlink(pending.c_str());
    return makeError(ErrorKind::Refused, target + ": not a plain file");
  }
  if (::rename(pending.c_str(), target.c_str()) != 0) {
    ::unlink(pending.c_str());
    return failure(target, "cannot be replaced");
  }
  syncFolder(place.folder);
  return {};
}

}  // namespace quorlen::backends
