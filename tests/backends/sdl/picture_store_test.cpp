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

// An 8-bit BMP of 2 x 2 pixels; `rle` stores it run-length encoded.
std::string paletteBmp(bool rle) {
  // bottom row first: red, blue; then blue, red
  const std::string pixels = rle ? std::string("\x01\x01\x01\x02\x00\x00\x01\x02\x01\x01\x00\x01", 12)
                                 : std::string("\x01\x02\x00\x00\x02\x01\x00\x00", 8);
  const std::uint32_t offset = 14 + 40 + 3 * 4;
  std::string b = "BM";
  auto u32 = [&](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b += static_cast<char>((v >> (8 * i)) & 0xFF);
  };
  auto u16 = [&](std::uint16_t v) {
    b += static_cast<char>(v & 0xFF);
    b += static_cast<char>(v >> 8);
  };
  u32(offset + static_cast<std::uint32_t>(pixels.size()));
  u32(0);
  u32(offset);
  u32(40);
  u32(2);
  u32(2);
  u16(1);
  u16(8);
  u32(rle ? 1 : 0);
  u32(static_cast<std::uint32_t>(pixels.size()));
  u32(2835);
  u32(2835);
  u32(3);
  u32(0);
  u32(0x00000000);  // black
  u32(0x00FF0000);  // red (B G R 0 order: 00 00 FF 00)
  u32(0x000000FF);  // blue
  return b + pixels;
}

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
  for (const char* name : {"/game/a.bmp", "/game/b.bmp", "/game/c.bmp"}) files.files[name] = paletteBmp(false);
  // Room for two decoded 2 x 2 pictures with their bookkeeping, not three.
  PictureStore store(files, text, 2 * (16 + 11 + 256) + 100);
  ASSERT_NE(store.surface("/game/a.bmp"), nullptr);
  ASSERT_NE(store.surface("/game/b.bmp"), nullptr);
  ASSERT_NE(store.surface("/game/a.bmp"), nullptr) << "a is now the most recently used";
  files.files.clear();  // from now on only kept pictures can be drawn
  files.files["/game/c.bmp"] = paletteBmp(false);
  ASSERT_NE(store.surface("/game/c.bmp"), nullptr) << "the picture asked for is kept even when the budget is full";
  EXPECT_NE(store.surface("/game/a.bmp"), nullptr) << "a recently used picture stays decoded";
  EXPECT_EQ(store.surface("/game/b.bmp"), nullptr) << "the least recently used picture was forgotten";
  EXPECT_LE(store.keptBytes(), std::size_t{2 * (16 + 11 + 256) + 100}) << "the kept pictures stay within the budget";

  PictureStore tiny(files, text, 1);
  EXPECT_NE(tiny.surface("/game/c.bmp"), nullptr) << "a picture larger than the whole budget is still drawn";
}

TEST_F(Pictures, DesignPicturesAreDrawnAtTheirSizes) {
  fakes::MemoryFileSystem files;
  PictureStore store(files, text);
  auto button = store.loadPicture("builtin:welcome/new");
  ASSERT_TRUE(button);
  EXPECT_EQ(button.value().width, 166);
  EXPECT_EQ(button.value().height, 49);
  SDL_Surface* s = store.surface("builtin:welcome/new");
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(s->w, 166) << "drawn at the design size";
  EXPECT_FALSE(store.loadPicture("builtin:welcome/nothing")) << "an unknown design picture is missing";
}

}  // namespace
}  // namespace quorlen::sdl
