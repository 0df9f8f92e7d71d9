#include "backends/shared/files/disk_file_system.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "common/result_testing.h"
#include "support/temp_folder.h"

namespace quorlen::backends {
namespace {
namespace fs = std::filesystem;

// Each test gets a fresh folder of its own, removed afterwards, and runs in
// it: paths the program builds are relative to the folder it runs in.
class DiskFileSystemTest : public ::testing::Test {
 protected:
  DiskFileSystemTest() { fs::current_path(root_); }
  ~DiskFileSystemTest() override { fs::current_path(previous_); }

  void put(const std::string& relative, const std::string& bytes) const { folder_.put(relative, bytes); }
  std::string contents(const std::string& relative) const { return folder_.read(relative); }

  fs::path previous_ = fs::current_path();
  testing::TempFolder folder_{"quorlen-files"};
  fs::path root_ = folder_.path();
};

TEST_F(DiskFileSystemTest, ReadsFilesWhateverTheSeparatorsAndLetterCase) {
  put("Data/Rooms/room1.txt", "\"Hall\"\r\n");
  DiskFileSystem files(root_.string());
  EXPECT_EQ(got(files.readFile("Data/Rooms/room1.txt")), "\"Hall\"\r\n") << "the exact path";
  EXPECT_EQ(got(files.readFile(root_.string() + "\\DATA\\rooms\\ROOM1.TXT")), "\"Hall\"\r\n")
      << "backslashes and wrong case at every level";
  EXPECT_EQ(got(files.readFile("data\\Rooms/Room1.txt")), "\"Hall\"\r\n") << "relative to the program folder";
  EXPECT_EQ(files.resolve("DATA/ROOMS/ROOM1.TXT"), "Data/Rooms/room1.txt") << "resolve names the file on disk";
  EXPECT_EQ(files.resolve("./DATA/rooms/../ROOMS//ROOM1.TXT"), "./Data/Rooms/../Rooms/room1.txt")
      << "'.' and '..' are passed through; the names around them are still resolved";
  EXPECT_EQ(files.resolve(""), "") << "an empty path stays empty";
  EXPECT_EQ(files.resolve("\\"), "/") << "the root";
}

TEST_F(DiskFileSystemTest, PrefersTheExactNameOverACaseFoldedOne) {
  put("Save/game.sav", "upper");
  put("save/game.sav", "lower");
  DiskFileSystem files(root_.string());
  EXPECT_EQ(got(files.readFile("save/game.sav")), "lower") << "the exact folder is taken";
  EXPECT_EQ(got(files.readFile("Save/GAME.sav")), "upper") << "the exact folder, then the folded file";
  EXPECT_EQ(got(files.readFile("SAVE/game.sav")), "upper") << "no exact match: the first in byte order";
}

TEST_F(DiskFileSystemTest, MissingAndUnreadableFiles) {
  put("Data/room1.txt", "1");
  DiskFileSystem files(root_.string());
  const Result<std::string> missing = files.readFile("DATA/room2.txt");
  ASSERT_FALSE(missing.ok());
  EXPECT_EQ(missing.error().kind, ErrorKind::NotFound) << "a missing file in a folder of another case";
  EXPECT_EQ(errorOf(files.readFile("Nowhere/room1.txt")), ErrorKind::NotFound) << "a missing folder";
  EXPECT_EQ(errorOf(files.readFile("data")), ErrorKind::Unreadable) << "a folder cannot be read as a file";
  EXPECT_EQ(files.resolve("data/MISSING/x.TXT"), "Data/MISSING/x.TXT") << "the missing rest is kept as written";
}

TEST_F(DiskFileSystemTest, WritesExactBytesAndReplacesOldContent) {
  fs::create_directories(root_ / "saves");
  DiskFileSystem files(root_.string());
  const std::string bytes("\"a\"\r\n\0\xFF", 7);
  ASSERT_TRUE(files.writeFile("game.sav", bytes).ok()) << "a new file is written";
  EXPECT_EQ(contents("game.sav"), bytes) << "every byte as given, line ends untouched";
  ASSERT_TRUE(files.writeFile("GAME.SAV", "short").ok()) << "an existing file in another case is truncated";
  EXPECT_EQ(contents("game.sav"), "short") << "the existing file was written, not a second one";
  EXPECT_FALSE(fs::exists(root_ / "GAME.SAV")) << "no file of the other case was created";
  ASSERT_TRUE(files.writeFile("empty.sav", "").ok()) << "an empty file";
  EXPECT_TRUE(fs::exists(root_ / "empty.sav"));
  EXPECT_EQ(errorOf(files.writeFile("no/such/folder/x.sav", "x")), ErrorKind::WriteFailed)
      << "a file in a missing folder cannot be created";
  EXPECT_EQ(errorOf(files.writeFile("Saves", "x")), ErrorKind::WriteFailed) << "a folder is not a file";
}

TEST_F(DiskFileSystemTest, AFullDiskIsAWriteFailure) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full on this system";
  DiskFileSystem files("/dev");
  const Result<void> written = files.writeFile("/dev/full", std::string(100000, 'x'));
  ASSERT_FALSE(written.ok()) << "a write that finds no room must fail";
  EXPECT_EQ(written.error().kind, ErrorKind::WriteFailed);
  const Result<void> small = files.writeFile("/dev/full", "x");
  ASSERT_FALSE(small.ok()) << "also when the bytes only reach the disk at the flush";
  EXPECT_EQ(small.error().kind, ErrorKind::WriteFailed);
}

TEST_F(DiskFileSystemTest, ReplaceFilePutsTheNewFileInPlace) {
  put("game.sav", "old");
  put("game.tmp", "new");
  DiskFileSystem files(root_.string());
  ASSERT_TRUE(files.replaceFile("GAME.TMP", "Game.Sav").ok()) << "replace over an existing file";
  EXPECT_EQ(contents("game.sav"), "new") << "the target holds the new content";
  EXPECT_FALSE(fs::exists(root_ / "game.tmp")) << "the source is gone";
  ASSERT_TRUE(files.replaceFile("game.sav", "other.sav").ok()) << "replace to a new name";
  EXPECT_EQ(contents("other.sav"), "new");
  EXPECT_EQ(errorOf(files.replaceFile("gone.tmp", "other.sav")), ErrorKind::NotFound) << "a missing source";
  EXPECT_EQ(contents("other.sav"), "new") << "a failed replace leaves the target alone";
}

TEST_F(DiskFileSystemTest, RemoveAndExists) {
  put("Saves/slot1.sav", "x");
  DiskFileSystem files(root_.string());
  EXPECT_TRUE(files.fileExists("saves\\SLOT1.SAV")) << "found whatever the case";
  EXPECT_FALSE(files.fileExists("saves")) << "a folder is not a file";
  EXPECT_FALSE(files.fileExists("saves/slot2.sav")) << "a missing file";
  ASSERT_TRUE(files.removeFile("SAVES/Slot1.sav").ok()) << "removed through a path of another case";
  EXPECT_FALSE(fs::exists(root_ / "Saves/slot1.sav")) << "the file is gone";
  EXPECT_EQ(errorOf(files.removeFile("saves/slot1.sav")), ErrorKind::NotFound) << "removing it again";
  EXPECT_FALSE(files.removeFile("Saves").ok()) << "a folder is not removed as a file";
  EXPECT_TRUE(fs::exists(root_ / "Saves")) << "the folder is still there";
}

TEST_F(DiskFileSystemTest, ListFilesMatchesPlainFilesSortedByName) {
  put("Saves/b.SAV", "");
  put("Saves/a.sav", "");
  put("Saves/C.Sav", "");
  put("Saves/notes.txt", "");
  put("Saves/old.sav.bak", "");
  fs::create_directories(root_ / "Saves" / "folder.sav");
  DiskFileSystem files(root_.string());
  const std::vector<std::string> expected = {"C.Sav", "a.sav", "b.SAV"};
  EXPECT_EQ(files.listFiles("saves", "*.sav"), expected)
      << "names only, case ignored in the pattern, folders left out, byte order (capitals first)";
  EXPECT_EQ(files.listFiles("SAVES", "*.txt;*.bak"), (std::vector<std::string>{"notes.txt", "old.sav.bak"}))
      << "several patterns";
  EXPECT_TRUE(files.listFiles("missing", "*.sav").empty()) << "a missing folder lists nothing";
}

}  // namespace
}  // namespace quorlen::backends
