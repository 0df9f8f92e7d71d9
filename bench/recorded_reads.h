#pragma once
// The floor of an operation: the files it reads, read again through the
// disk file system alone, without the player's work. The reads are recorded
// while the player does the operation once.

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "backends/shared/files/disk_file_system.h"
#include "platform/file_system.h"

namespace quorlen::bench {

// A file system that passes every call on and notes the reads and listings.
class RecordingFileSystem final : public platform::FileSystem {
 public:
  explicit RecordingFileSystem(platform::FileSystem& inner) : inner_(inner) {}

  struct Read {
    std::string path;
    std::string pattern;  // empty: a file read; else the folder `path` listed
  };
  [[nodiscard]] std::vector<Read> take() { return std::exchange(reads_, {}); }
  bool recording = false;

  [[nodiscard]] std::string programFolder() const override { return inner_.programFolder(); }
  [[nodiscard]] Result<std::string> readFile(const std::string& path) override {
    if (recording) reads_.push_back(Read{path, {}});
    return inner_.readFile(path);
  }
  [[nodiscard]] Result<void> writeFile(const std::string& path, std::string_view bytes) override {
    return inner_.writeFile(path, bytes);
  }
  [[nodiscard]] Result<void> replaceFile(const std::string& from, const std::string& to) override {
    return inner_.replaceFile(from, to);
  }
  [[nodiscard]] Result<void> removeFile(const std::string& path) override { return inner_.removeFile(path); }
  [[nodiscard]] bool fileExists(const std::string& path) override { return inner_.fileExists(path); }
  [[nodiscard]] std::vector<std::string> listFiles(const std::string& folder, std::string_view pattern) override {
    if (recording) reads_.push_back(Read{folder, std::string(pattern)});
    return inner_.listFiles(folder, pattern);
  }
  [[nodiscard]] std::string resolve(const std::string& path) override { return inner_.resolve(path); }

 private:
  platform::FileSystem& inner_;
  std::vector<Read> reads_;
};

// Does the recorded reads again; answers the bytes read, so that nothing
// is optimised away.
inline std::size_t replay(backends::DiskFileSystem& disk, const std::vector<RecordingFileSystem::Read>& reads) {
  std::size_t bytes = 0;
  for (const RecordingFileSystem::Read& r : reads) {
    if (r.pattern.empty()) {
      if (auto content = disk.readFile(r.path)) bytes += content.value().size();
    } else {
      bytes += disk.listFiles(r.path, r.pattern).size();
    }
  }
  return bytes;
}

}  // namespace quorlen::bench
