// The runner's simulated disk faults that the saved-game scenarios rely on:
// a disk with a few bytes left, and a file in use.

#include "backends/headless/headless_file_system.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "backends/shared/files/disk_file_system.h"

namespace quorlen {
namespace {
namespace fs = std::filesystem;

class HeadlessFileFaults : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("quorlen-file-faults-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string path(const std::string& name) const { return (folder_ / name).string(); }
  std::string content(const std::string& name) const {
    std::ifstream in(folder_ / name, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  }

  fs::path folder_;
};

TEST_F(HeadlessFileFaults, AFullDiskAndAFileInUse) {
  backends::DiskFileSystem disk(folder_.string());
  headless::HeadlessFileSystem files(disk);
  files.failWrites(0);
  EXPECT_FALSE(files.writeFile(path("a.sav"), "x")) << "with no room not one byte fits";
  EXPECT_EQ(content("a.sav"), "") << "the file was created, empty";
  files.failWrites(10);
  EXPECT_FALSE(files.writeFile(path("big.sav"), "0123456789abcdef")) << "sixteen bytes do not fit in ten";
  EXPECT_EQ(content("big.sav"), "0123456789") << "the ten bytes that fitted reached the file";
  EXPECT_TRUE(files.writeFile(path("small.sav"), "0123456789")) << "a file that fits is written";
  files.failWrites(std::nullopt);
  EXPECT_TRUE(files.writeFile(path("big.sav"), "0123456789abcdef")) << "after `fail-writes off` writes work";
  EXPECT_EQ(content("big.sav"), "0123456789abcdef");

  ASSERT_TRUE(files.writeFile(path("Hall.sav.new"), "new"));
  files.failRemoves("big.sav");
  EXPECT_FALSE(files.removeFile(path("big.sav"))) << "the file is in use";
  EXPECT_FALSE(files.replaceFile(path("Hall.sav.new"), path("big.sav"))) << "nor can another take its place";
  EXPECT_EQ(content("big.sav"), "0123456789abcdef") << "the file in use is untouched";
}

}  // namespace
}  // namespace quorlen
