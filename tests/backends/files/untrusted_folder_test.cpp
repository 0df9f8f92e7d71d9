// A game folder from the internet, made by an attacker or a careless author:
// FIFOs, devices and links where game files should be, files too large for
// any game, and pending files of a save that lead elsewhere.

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <algorithm>
#include <string>

#include "backends/shared/files/disk_file_system.h"
#include "common/field_reader.h"
#include "common/result_testing.h"
#include "support/temp_folder.h"

namespace quorlen::backends {
namespace {
namespace fs = std::filesystem;

class UntrustedFolderTest : public ::testing::Test {
 protected:
  UntrustedFolderTest() {
    fs::create_directories(game_ / "Frames");
    fs::create_directories(game_ / "Config");
    folder_.put("outside.txt", "the user's own file");
  }

  std::string in(const std::string& relative) const { return (game_ / relative).string(); }
  std::string outside() const { return folder_.read("outside.txt"); }

  testing::TempFolder folder_{"quorlen-untrusted"};
  fs::path root_ = folder_.path();
  fs::path game_ = root_ / "game";
};

TEST_F(UntrustedFolderTest, OnlyPlainFilesAreRead) {
  ASSERT_EQ(mkfifo(in("Frames/Hall.fme").c_str(), 0644), 0) << "a FIFO in place of a frame file";
  fs::create_symlink("/dev/zero", game_ / "Config/General");
  fs::create_symlink("/dev/null", game_ / "Config/Variables");
  DiskFileSystem files(game_.string());
  // Without a writer, opening the FIFO would wait for ever: this returns.
  EXPECT_EQ(errorOf(files.readFile(in("Frames/Hall.fme"))), ErrorKind::NotFound) << "a FIFO is no game file";
  EXPECT_EQ(errorOf(FieldReader::open(files, in("Config/General"))), ErrorKind::NotFound)
      << "a link to an endless device reads nothing, and fails as a missing file";
  EXPECT_EQ(errorOf(files.readFile(in("Config/Variables"))), ErrorKind::NotFound) << "nor a link to an empty device";
  EXPECT_EQ(errorOf(files.readFile(in("..\\..\\..\\..\\..\\..\\..\\..\\dev\\zero"))), ErrorKind::NotFound)
      << "a data file's name leading to /dev/zero";
  EXPECT_FALSE(files.fileExists(in("Frames/Hall.fme"))) << "a FIFO is not a file that exists for the game";
  EXPECT_FALSE(files.fileExists(in("Config/General"))) << "nor a device";
}

TEST_F(UntrustedFolderTest, FilesOverTheLimitFailAsMissingOnes) {
  // Sparse files: their size costs no disk and, unread, no memory.
  const fs::path data = game_ / "Config/General";
  folder_.put("game/Config/General", "");
  fs::resize_file(data, platform::kDataFileLimit + 1);
  const fs::path picture = game_ / "Frames/Hall.bmp";
  folder_.put("game/Frames/Hall.bmp", "");
  fs::resize_file(picture, platform::kMediaFileLimit + 1);
  DiskFileSystem files(game_.string());
  EXPECT_EQ(errorOf(FieldReader::open(files, in("config/general"))), ErrorKind::NotFound)
      << "a data file over its limit is not read at all";
  EXPECT_EQ(errorOf(files.readFile(in("Frames/Hall.bmp"))), ErrorKind::NotFound)
      << "a picture over its limit neither";
  fs::resize_file(data, platform::kDataFileLimit);
  const Result<std::string> atLimit = files.readFileUpTo(in("Config/General"), platform::kDataFileLimit);
  ASSERT_TRUE(atLimit.ok()) << "a file of exactly the limit is read";
  EXPECT_EQ(atLimit.value().size(), platform::kDataFileLimit) << "whole, in a buffer of its size";
}

TEST_F(UntrustedFolderTest, ReadingMayLeaveTheGameFolder) {
  DiskFileSystem files(game_.string());
  EXPECT_EQ(got(files.readFile(in("Frames\\..\\..\\OUTSIDE.TXT"))), "the user's own file")
      << "a plain file that '..' leads to is read, letter case resolved as anywhere";
  EXPECT_EQ(got(files.readFile((root_ / "outside.txt").string())), "the user's own file") << "an absolute name too";
}

TEST_F(UntrustedFolderTest, SavingNeverFollowsALink) {
  const fs::path target = root_ / "outside.txt";
  fs::create_symlink(target, game_ / "Slot.sav.new");
  fs::create_symlink(target, game_ / "Other.sav.new-abc123");
  DiskFileSystem files(game_.string());
  ASSERT_TRUE(files.replaceContent(in("Slot.sav"), "saved").ok()) << "a pending link does not stop the save";
  EXPECT_EQ(outside(), "the user's own file") << "the link's target is untouched";
  EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(game_ / "Slot.sav"))) << "the saved game is a plain file";
  EXPECT_EQ(folder_.read("game/Slot.sav"), "saved");
  EXPECT_FALSE(fs::exists(fs::symlink_status(game_ / "Slot.sav.new"))) << "the leftover link is gone";

  ASSERT_TRUE(files.replaceContent(in("Other.sav"), "other").ok());
  EXPECT_EQ(outside(), "the user's own file") << "nor followed under a unique pending name";
  EXPECT_FALSE(fs::exists(fs::symlink_status(game_ / "Other.sav.new-abc123"))) << "that leftover is gone too";

  fs::create_symlink(target, game_ / "Linked.sav");
  EXPECT_EQ(errorOf(files.replaceContent(in("Linked.sav"), "saved")), ErrorKind::Refused)
      << "a saved game that is a link is never replaced";
  EXPECT_TRUE(fs::is_symlink(game_ / "Linked.sav")) << "the link stays as it was";
  EXPECT_EQ(outside(), "the user's own file") << "and its target untouched";
  EXPECT_FALSE(files.writeFile(in("Linked.sav"), "x").ok()) << "a plain write never goes through a link either";
  EXPECT_EQ(outside(), "the user's own file");
}

TEST_F(UntrustedFolderTest, AFailedSaveLeavesTheOldFileAndNoPendingOne) {
  fs::create_directories(game_ / "Folder.sav");
  folder_.put("game/Slot.sav", "old");
  folder_.put("game/Slot.sav.new-XyZ789", "left by a killed player");
  DiskFileSystem files(game_.string());
  EXPECT_EQ(files.listFiles(game_.string(), "*.*"), (std::vector<std::string>{"Slot.sav"}))
      << "a pending file is never listed";
  EXPECT_EQ(errorOf(files.replaceContent(in("Folder.sav"), "x")), ErrorKind::Refused) << "a folder is not replaced";
  EXPECT_EQ(errorOf(files.replaceContent(in("Missing/Slot.sav"), "x")), ErrorKind::WriteFailed)
      << "no folder to write in";
  ASSERT_TRUE(files.replaceContent(in("SLOT.SAV"), "new").ok()) << "the saved game found whatever its case";
  EXPECT_EQ(folder_.read("game/Slot.sav"), "new");
  std::vector<std::string> left;
  for (const auto& entry : fs::directory_iterator(game_)) left.push_back(entry.path().filename().string());
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left, (std::vector<std::string>{"Config", "Folder.sav", "Frames", "Slot.sav"}))
      << "no pending file stays, the old leftover included";
}

}  // namespace
}  // namespace quorlen::backends
