#pragma once
// The memory file system of the fake machine, with folders that can be
// listed (a frame's texts are found by listing its folder): a folder's files
// are the paths under it, one level deep.

#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>
#include <vector>

#include "support/fake_platform.h"

namespace quorlen::fakes {

class ListingFileSystem final : public platform::FileSystem {
 public:
  explicit ListingFileSystem(fakes::MemoryFileSystem& files) : files_(files) {}

  std::string programFolder() const override { return files_.programFolder(); }
  Result<std::string> readFile(const std::string& path) override { return files_.readFile(path); }
  Result<void> writeFile(const std::string& path, std::string_view bytes) override {
    return files_.writeFile(path, bytes);
  }
  Result<void> replaceFile(const std::string& from, const std::string& to) override {
    return files_.replaceFile(from, to);
  }
  Result<void> removeFile(const std::string& path) override { return files_.removeFile(path); }
  bool fileExists(const std::string& path) override { return files_.fileExists(path); }
  std::string resolve(const std::string& path) override { return path; }

  // Only the patterns "*.EXT" are needed here.
  std::vector<std::string> listFiles(const std::string& folder, std::string_view pattern) override {
    const std::string ending = lower(std::string(pattern.substr(1)));
    std::vector<std::string> names;
    for (const auto& [path, bytes] : files_.files) {
      if (!path.starts_with(folder + "/")) continue;
      const std::string name = path.substr(folder.size() + 1);
      if (name.find('/') != std::string::npos || !lower(name).ends_with(ending)) continue;
      names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
  }

 private:
  static std::string lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
  }
  fakes::MemoryFileSystem& files_;
};

}  // namespace quorlen::fakes
