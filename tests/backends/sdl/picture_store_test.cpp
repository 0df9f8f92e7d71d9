#include "backends/sdl/picture_store.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "backends/headless/headless_ui.h"
#include "backends/shared/files/disk_file_system.h"
#include "common/memory_file_system.h"
#include "sdl_test_session.h"

namespace quorlen::sdl {
namespace {

class Pictures : public testing::OffscreenSuite {
 protected:
  TextRenderer text;
};

// An 8-bit BMP of 2 x 2 pixels with a palette of black, red and blue.
const std::string kPaletteBmp(
    "BM\x4a\0\0\0\0\0\0\0\x42\0\0\0"  // 74 bytes, the pixels from 66 on
    "\x28\0\0\0\x02\0\0\0\x02\0\0\0\x01\0\x08\0\0\0\0\0\x08\0\0\0\x13\x0b\0\0\x13\x0b\0\0\x03\0\0\0\0\0\0\0"
    "\0\0\0\0\0\0\xff\0\xff\0\0\0"  // black, red, blue
    "\x01\x02\0\0\x02\x01\0\0",     // bottom row first: red, blue; then blue, red
    74);

TEST_F(Pictures, MalformedFilesFailAsOnTheHeadlessBackend) {
  const std::string folder = std::string(QUORLEN_TEST_DATA) + "/malformed/pictures";
  backends::DiskFileSystem disk(folder);
  headless::HeadlessFileSystem files(disk);
  std::istringstream noScript;
  headless::Script script(noScript);
  std::ostringstream out;
  headless::Transcript transcript(out);
  headless::VirtualClock clock(0);
  headless::HeadlessUi reference(transcript, clock, files, script);
  PictureStore store(files, text);
  int checked = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (name == "README.md") continue;
    const std::string path = folder + "/" + name;
    auto expected = reference.loadPicture(path);
    auto actual = store.loadPicture(path);
    ASSERT_FALSE(expected) << name << " is malformed";
    ASSERT_FALSE(actual) << name << " must not load as a picture";
    EXPECT_EQ(actual.error().kind, expected.error().kind) << name << ": the same failure as headless";
    EXPECT_EQ(store.surface(path), nullptr) << name << " draws nothing";
    auto expectedCursor = reference.loadCursor(path);
    auto actualCursor = store.loadCursor(path);
    EXPECT_EQ(actualCursor.ok(), expectedCursor.ok()) << name << " as a cursor";
    ++checked;
  }
  EXPECT_GE(checked, 12) << "every malformed file was tried";
  auto missing = store.loadPicture(folder + "/missing.bmp");
  ASSERT_FALSE(missing);
  EXPECT_EQ(missing.error().kind, ErrorKind::NotFound) << "a missing picture is reported as missing";
}

TEST_F(Pictures, TheLeastRecentlyUsedPicturesGoWhenTheBytesRunOut) {
  fakes::MemoryFileSystem files;
  for (const char* name : {"/game/a.bmp", "/game/b.bmp", "/game/c.bmp"}) files.files[name] = kPaletteBmp;
  // Room for two decoded 2 x 2 pictures with their bookkeeping, not three.
  PictureStore store(files, text, 2 * (16 + 11 + 256) + 100);
  ASSERT_NE(store.surface("/game/a.bmp"), nullptr);
  ASSERT_NE(store.surface("/game/b.bmp"), nullptr);
  ASSERT_NE(store.surface("/game/a.bmp"), nullptr) << "a is now the most recently used";
  files.files.clear();  // from now on only kept pictures can be drawn
  files.files["/game/c.bmp"] = kPaletteBmp;
  ASSERT_NE(store.surface("/game/c.bmp"), nullptr) << "the picture asked for is kept even when the budget is full";
  EXPECT_NE(store.surface("/game/a.bmp"), nullptr) << "a recently used picture stays decoded";
  EXPECT_EQ(store.surface("/game/b.bmp"), nullptr) << "the least recently used picture was forgotten";
  EXPECT_LE(store.keptBytes(), std::size_t{2 * (16 + 11 + 256) + 100}) << "the kept pictures stay within the budget";

  PictureStore tiny(files, text, 1);
  EXPECT_NE(tiny.surface("/game/c.bmp"), nullptr) << "a picture larger than the whole budget is still drawn";
}

// The design pictures of the welcome window at their sizes: the welcome
// screenshots.

}  // namespace
}  // namespace quorlen::sdl
