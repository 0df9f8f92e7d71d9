#pragma once
// A file system held in memory for the media tests: files by exact path,
// plus paths that exist but refuse to be read.

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/file_system.h"

namespace quorlen::testing {

class MemoryFileSystem final : public platform::FileSystem {
 public:
  void add(const std::string& path, std::string bytes) { files_[path] = std::move(bytes); }
  void addUnreadable(const std::string& path) { unreadable_.insert(path); }

  [[nodiscard]] std::string programFolder() const override { return "/games/tale"; }

  [[nodiscard]] Result<std::string> readFile(const std::string& path) override {
    if (unreadable_.count(path) != 0) return makeError(ErrorKind::Unreadable, path);
    const auto file = files_.find(path);
    if (file == files_.end()) return makeError(ErrorKind::NotFound, path);
    return file->second;
  }
  [[nodiscard]] Result<void> writeFile(const std::string& path, std::string_view bytes) override {
    files_[path] = std::string(bytes);
    return {};
  }
  [[nodiscard]] Result<void> replaceFile(const std::string& from, const std::string& to) override {
    const auto file = files_.find(from);
    if (file == files_.end()) return makeError(ErrorKind::NotFound, from);
    files_[to] = file->second;
    files_.erase(from);
    return {};
  }
  [[nodiscard]] Result<void> removeFile(const std::string& path) override {
    if (files_.erase(path) == 0) return makeError(ErrorKind::NotFound, path);
    return {};
  }
  [[nodiscard]] bool fileExists(const std::string& path) override {
    return files_.count(path) != 0 || unreadable_.count(path) != 0;
  }
  [[nodiscard]] std::vector<std::string> listFiles(const std::string&, std::string_view) override { return {}; }
  [[nodiscard]] std::string resolve(const std::string& path) override { return path; }

 private:
  std::map<std::string, std::string> files_;
  std::set<std::string> unreadable_;
};

}  // namespace quorlen::testing
