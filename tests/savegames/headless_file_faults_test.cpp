// The runner's simulated disk faults that the saved-game scenarios rely on:
// a disk with a few bytes left, and a file in use.

#include "backends/headless/headless_file_system.h"

#include <gtest/gtest.h>

#include <string>

#include "backends/shared/files/disk_file_system.h"
#include "support/temp_folder.h"

namespace quorlen {
namespace {

class HeadlessFileFaults : public ::testing::Test {
 protected:
  std::string path(const std::string& name) const { return folder_.at(name); }
  std::string content(const std::string& name) const { return folder_.read(name); }

  testing::TempFolder folder_{"quorlen-file-faults"};
};

TEST_F(HeadlessFileFaults, AFullDiskAndAFileInUse) {
  backends::DiskFileSystem disk(folder_.path().string());
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
