// The case-insensitive index of a folder: listed once while the folder
// stays as it was, listed again as soon as it changes.

#include "backends/shared/files/folder_index.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "support/temp_folder.h"

namespace quorlen::backends {
namespace {
namespace fs = std::filesystem;

class FolderIndexTest : public ::testing::Test {
 protected:
  FolderIndexTest() {
    temp_.put("Hall.fme", "x");
    temp_.put("hall.FME", "x");
  }
  // The folder as one unchanged for a minute.
  void age() const {
    const timespec minuteAgo[2] = {{time(nullptr) - 60, 0}, {time(nullptr) - 60, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, folder_.c_str(), minuteAgo, 0), 0);
  }

  testing::TempFolder temp_{"quorlen-index"};
  std::string folder_ = temp_.path().string();
};

TEST_F(FolderIndexTest, AnUnchangedFolderIsListedOnce) {
  age();
  FolderIndex index;
  EXPECT_EQ(index.find(folder_, "HALL.FME"), "Hall.fme") << "the first name in byte order of those that match";
  EXPECT_EQ(index.find(folder_, "1c.dat"), std::nullopt) << "a missing name";
  EXPECT_EQ(index.find(folder_, "2c.dat"), std::nullopt);
  EXPECT_EQ(index.listings(), 1u) << "misses in an unchanged folder cost no new listing";

  std::ofstream(fs::path(folder_) / "1C.DAT") << "x";
  EXPECT_EQ(index.find(folder_, "1c.dat"), "1C.DAT") << "a file added since is found";
  EXPECT_EQ(index.listings(), 2u) << "because the folder's change was seen";
}

TEST_F(FolderIndexTest, AFolderChangedWithinTheSecondIsListedEachTime) {
  FolderIndex index;
  EXPECT_EQ(index.find(folder_, "1c.dat"), std::nullopt);
  // Within the same tick of the file system's clock the folder's time
  // would not move: the listing is not trusted yet.
  std::ofstream(fs::path(folder_) / "1C.DAT") << "x";
  EXPECT_EQ(index.find(folder_, "1c.dat"), "1C.DAT") << "a file added at once is found";
  EXPECT_EQ(index.find(folder_ + "/missing", "x"), std::nullopt) << "a missing folder holds nothing";
}

}  // namespace
}  // namespace quorlen::backends
