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
