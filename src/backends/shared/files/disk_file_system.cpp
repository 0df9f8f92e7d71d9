#include "backends/shared/files/disk_file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>
#include <utility>

#include "backends/shared/files/durable_replace.h"
#include "backends/shared/files/file_name_pattern.h"
#include "backends/shared/files/plain_file_reader.h"
#include "common/path_resolver.h"

namespace quorlen::backends {
namespace fs = std::filesystem;

namespace {

class DiskDirectoryProbe final : public DirectoryProbe {
 public:
  explicit DiskDirectoryProbe(FolderIndex& folders) : folders_(folders) {}

  bool exists(const std::string& path) const override {
    struct stat status {};
    return !path.empty() && ::stat(path.c_str(), &status) == 0;
  }

  std::vector<std::string> entries(const std::string& folder) const override {
    std::vector<std::string> names;
    std::error_code error;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : fs::path(folder), error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
      names.push_back(it->path().filename().string());
    }
    return names;
  }

  std::optional<std::string> findIgnoringCase(const std::string& folder, std::string_view name) const override {
    return folders_.find(folder, std::string(name));
  }

 private:
  FolderIndex& folders_;
};

std::string describe(const std::string& path, const std::error_code& error) {
  return path + ": " + error.message();
}

}  // namespace

DiskFileSystem::DiskFileSystem(std::string programFolder) : programFolder_(std::move(programFolder)) {}

std::string DiskFileSystem::programFolder() const { return programFolder_; }

std::string DiskFileSystem::resolve(const std::string& path) {
  return resolveGamePath(normalisePath(path), DiskDirectoryProbe{folders_});
}

Result<std::string> DiskFileSystem::readFile(const std::string& path) {
  return readFileUpTo(path, platform::kMediaFileLimit);
}

Result<std::string> DiskFileSystem::readFileUpTo(const std::string& path, std::size_t limit) {
  // The name as written first: when it is on disk, one open is the whole
  // lookup; only a miss is worth resolving letter case.
  const std::string normalised = normalisePath(path);
  Result<std::string> bytes = readPlainFile(normalised, limit);
  if (bytes.ok() || bytes.error().kind != ErrorKind::NotFound) return bytes;
  struct stat status {};
  if (::stat(normalised.c_str(), &status) == 0) return bytes;  // there, but refused
  const std::string onDisk = resolve(path);
  if (onDisk == normalised) return bytes;
  return readPlainFile(onDisk, limit);
}

Result<void> DiskFileSystem::writeFile(const std::string& path, std::string_view bytes) {
  const std::string onDisk = resolve(path);
  folders_.clear();
  const int fd = ::open(onDisk.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0666);
  if (fd < 0) return makeError(ErrorKind::WriteFailed, onDisk + ": cannot be created");
  struct stat status {};
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || ::ftruncate(fd, 0) != 0) {
    ::close(fd);
    return makeError(ErrorKind::WriteFailed, onDisk + ": not a plain file");
  }
  std::string_view rest = bytes;
  bool written = true;
  while (written && !rest.empty()) {
    const ssize_t n = ::write(fd, rest.data(), rest.size());
    if (n < 0 && errno == EINTR) continue;
    written = n > 0;
    if (written) rest.remove_prefix(static_cast<std::size_t>(n));
  }
  // Closing can be where a full disk shows, so its answer counts too.
  const bool closed = ::close(fd) == 0;
  if (!written || !closed) return makeError(ErrorKind::WriteFailed, onDisk + ": write failed");
  return {};
}

Result<void> DiskFileSystem::replaceFile(const std::string& from, const std::string& to) {
  const std::string source = resolve(from);
  const std::string target = resolve(to);
  folders_.clear();
  std::error_code error;
  if (!fs::exists(source, error)) return makeError(ErrorKind::NotFound, source + ": no such file");
  // rename puts the new file in place in one step: a reader sees the old
  // file or the new one, never a half-written one.
  fs::rename(source, target, error);
  if (error) return makeError(ErrorKind::WriteFailed, describe(target, error));
  return {};
}

Result<void> DiskFileSystem::replaceContent(const std::string& path, std::string_view bytes) {
  const std::string target = resolve(path);
  folders_.clear();
  return replaceDurably(target, bytes);
}

Result<void> DiskFileSystem::removeFile(const std::string& path) {
  const std::string onDisk = resolve(path);
  folders_.clear();
  std::error_code error;
  const fs::file_status status = fs::symlink_status(onDisk, error);
  if (!fs::exists(status)) return makeError(ErrorKind::NotFound, onDisk + ": no such file");
  if (fs::is_directory(status)) return makeError(ErrorKind::Invalid, onDisk + ": is a folder");
  if (!fs::remove(onDisk, error) || error) return makeError(ErrorKind::WriteFailed, describe(onDisk, error));
  return {};
}

bool DiskFileSystem::fileExists(const std::string& path) {
  std::error_code error;
  return fs::is_regular_file(resolve(path), error);
}

std::vector<std::string> DiskFileSystem::listFiles(const std::string& folder, std::string_view pattern) {
  std::vector<std::string> names;
  std::error_code error;
  fs::directory_iterator it(resolve(folder), error);
  for (; !error && it != fs::directory_iterator(); it.increment(error)) {
    std::error_code typeError;
    if (!it->is_regular_file(typeError)) continue;
    std::string name = it->path().filename().string();
    if (matchesFilePattern(name, pattern) && !isPendingFileName(name)) names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace quorlen::backends
