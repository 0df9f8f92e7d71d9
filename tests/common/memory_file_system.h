#pragma once
// A file system held in memory, for tests of code that reads through
// platform::FileSystem. Paths are used exactly as given.

#include <algorithm>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace quorlen::fakes {

class MemoryFileSystem : public platform::FileSystem {
 public:
  std::map<std::string, std::string> files;
  std::vector<std::string> unreadable;  // paths that exist but cannot be read

  std::string programFolder() const override { return "/game"; }

  Result<std::string> readFile(const std::string& path) override {
    for (const std::string& bad : unreadable) {
      if (bad == path) return makeError(ErrorKind::Unreadable, path);
    }
    const auto it = files.find(path);
    if (it == files.end()) return makeError(ErrorKind::NotFound, path);
    return it->second;
  }
  Result<void> writeFile(const std::string& path, std::string_view bytes) override {
    files[path] = std::string(bytes);
    return {};
  }
  Result<void> replaceFile(const std::string& from, const std::string& to) override {
    const auto it = files.find(from);
    if (it == files.end()) return makeError(ErrorKind::NotFound, from);
    files[to] = it->second;
    files.erase(from);
    return {};
  }
  Result<void> removeFile(const std::string& path) override {
    if (files.erase(path) == 0) return makeError(ErrorKind::NotFound, path);
    return {};
  }
  bool fileExists(const std::string& path) override {
    return files.count(path) != 0 || std::find(unreadable.begin(), unreadable.end(), path) != unreadable.end();
  }
  std::vector<std::string> listFiles(const std::string&, std::string_view) override { return {}; }
  std::string resolve(const std::string& path) override { return path; }
};

}  // namespace quorlen::fakes
