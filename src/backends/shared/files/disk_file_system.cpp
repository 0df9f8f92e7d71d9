#include "backends/shared/files/disk_file_system.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <utility>

#include "backends/shared/files/file_name_pattern.h"
#include "common/path_resolver.h"

namespace quorlen::backends {
namespace fs = std::filesystem;

namespace {

class DiskDirectoryProbe final : public DirectoryProbe {
 public:
  bool exists(const std::string& path) const override {
    std::error_code error;
    return !path.empty() && fs::exists(fs::path(path), error);
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
};

std::string describe(const std::string& path, const std::error_code& error) {
  return path + ": " + error.message();
}

}  // namespace

DiskFileSystem::DiskFileSystem(std::string programFolder) : programFolder_(std::move(programFolder)) {}

std::string DiskFileSystem::programFolder() const { return programFolder_; }

std::string DiskFileSystem::resolve(const std::string& path) {
  return resolveGamePath(normalisePath(path), DiskDirectoryProbe{});
}

Result<std::string> DiskFileSystem::readFile(const std::string& path) {
  const std::string onDisk = resolve(path);
  std::error_code error;
  const fs::file_status status = fs::status(onDisk, error);
  if (!fs::exists(status)) return makeError(ErrorKind::NotFound, onDisk + ": no such file");
  if (fs::is_directory(status)) return makeError(ErrorKind::Unreadable, onDisk + ": is a folder");
  std::ifstream in(onDisk, std::ios::binary);
  if (!in) return makeError(ErrorKind::Unreadable, onDisk + ": cannot be opened");
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return makeError(ErrorKind::Unreadable, onDisk + ": read failed");
  return bytes;
}

Result<void> DiskFileSystem::writeFile(const std::string& path, std::string_view bytes) {
  const std::string onDisk = resolve(path);
  std::FILE* file = std::fopen(onDisk.c_str(), "wb");
  if (file == nullptr) return makeError(ErrorKind::WriteFailed, onDisk + ": cannot be created");
  const std::size_t written = bytes.empty() ? 0 : std::fwrite(bytes.data(), 1, bytes.size(), file);
  const bool flushed = std::fflush(file) == 0;
  // Closing can be where a full disk shows, so its answer counts too.
  const bool closed = std::fclose(file) == 0;
  if (written != bytes.size() || !flushed || !closed) {
    return makeError(ErrorKind::WriteFailed, onDisk + ": write failed");
  }
  return {};
}

Result<void> DiskFileSystem::replaceFile(const std::string& from, const std::string& to) {
  const std::string source = resolve(from);
  const std::string target = resolve(to);
  std::error_code error;
  if (!fs::exists(source, error)) return makeError(ErrorKind::NotFound, source + ": no such file");
  // rename puts the new file in place in one step: a reader sees the old
  // file or the new one, never a half-written one.
  fs::rename(source, target, error);
  if (error) return makeError(ErrorKind::WriteFailed, describe(target, error));
  return {};
}

Result<void> DiskFileSystem::removeFile(const std::string& path) {
  const std::string onDisk = resolve(path);
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
    if (matchesFilePattern(name, pattern)) names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace quorlen::backends
