// What a person sees of the pictures and cursors of the era on the desktop:
// each test picture decoded against the colours it was made with, the size
// the headless backend reports for it, metafiles drawn at the size they are
// shown at, and a picture read once per load. (Cursors need a display:
// cursor_test.cpp.)
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <set>
#include <sstream>

#include "backends/headless/headless_ui.h"
#include "backends/sdl/metafile_renderer.h"
#include "backends/sdl/picture_store.h"
#include "backends/sdl/surface.h"
#include "backends/shared/files/disk_file_system.h"
#include "common/memory_file_system.h"
#include "pictures/picture_manifest.h"
#include "sdl_test_session.h"

namespace quorlen::sdl {
namespace {

using quorlen::testing::fileBytes;
using quorlen::testing::testPicture;

// Files in memory that count their reads.
class CountingFiles final : public fakes::MemoryFileSystem {
 public:
  Result<std::string> readFile(const std::string& path) override {
    ++reads;
    return MemoryFileSystem::readFile(path);
  }
  int reads = 0;
};

class PictureFormats : public testing::OffscreenSuite {
 protected:
  PictureFormats() : disk(QUORLEN_TEST_PICTURES), files(disk), reference(transcript, clock, files, script) {}

  TextRenderer text;
  backends::DiskFileSystem disk;
  headless::HeadlessFileSystem files;
  std::istringstream noScript;
  headless::Script script{noScript};
  std::ostringstream out;
  headless::Transcript transcript{out};
  headless::VirtualClock clock{0};
  headless::HeadlessUi reference;
};

TEST_F(PictureFormats, EachPictureShowsItsColoursAtTheSizeBothBackendsReport) {
  PictureStore store(files, text);
  std::set<std::string> seen;
  for (const auto& p : quorlen::testing::picturePoints()) {
    const std::string path = testPicture(p.name);
    auto desktop = store.loadPicture(path);
    auto headless = reference.loadPicture(path);
    ASSERT_TRUE(desktop) << p.name << " loads on the desktop";
    ASSERT_TRUE(headless) << p.name << " loads headless";
    EXPECT_EQ(desktop.value(), headless.value()) << p.name << ": both backends report the same picture";
    EXPECT_EQ(desktop.value().width, p.width) << p.name;
    SDL_Surface* s = store.surface(path);
    ASSERT_NE(s, nullptr) << p.name << " decodes";
    ASSERT_EQ(s->w, p.width) << p.name << ": pixels of the reported size";
    ASSERT_EQ(s->h, p.height) << p.name << ": pixels of the reported size";
    const Uint8* px = static_cast<const Uint8*>(s->pixels) + p.y * s->pitch + p.x * 4;
    for (int c = 0; c < 4; ++c) {
      if (p.rgba[c] < 0) continue;
      EXPECT_NEAR(px[c], p.rgba[c], p.tolerance)
          << p.name << " at " << p.x << "," << p.y << " channel " << "RGBA"[c] << ": the colour it was made with";
    }
    seen.insert(p.name);
  }
  EXPECT_GE(seen.size(), 22u) << "every picture format was checked";
}

TEST_F(PictureFormats, MetafilesAreDrawnAtTheSizeTheyAreShownAt) {
  PictureStore store(files, text);
  for (const char* name : {"quadrants.wmf", "quadrants.emf"}) {
    const std::string path = testPicture(name);
    ASSERT_TRUE(store.loadPicture(path)) << name;
    EXPECT_TRUE(store.scalable(path)) << name << " is drawn anew at each size";
    SurfacePtr big = store.render(path, 96, 64);
    ASSERT_TRUE(big) << name << " draws at 96 x 64";
    EXPECT_EQ(big->w, 96) << name;
    const auto at = [&](int x, int y) { return static_cast<const Uint8*>(big->pixels) + y * big->pitch + x * 4; };
    EXPECT_GE(at(24, 16)[0], 240) << name << ": red top left, stretched";
    EXPECT_LE(at(24, 16)[2], 15) << name;
    EXPECT_GE(at(72, 48)[2], 240) << name << ": white bottom right, stretched";
    EXPECT_GE(at(24, 48)[2], 240) << name << ": blue bottom left";
    EXPECT_LE(at(24, 48)[0], 15) << name;
  }
}

TEST_F(PictureFormats, AStretchedMetafileIsDrawnSharpAtTheControlsSize) {
  PictureStore store(files, text);
  WindowPlacement place;
  place.width = 96;
  place.height = 64;
  RendererChoice choice;
  Surface window(place, choice, store, text, Filter::Linear);
  for (const char* name : {"quadrants.wmf", "quadrants.emf", "bmp24.bmp"}) {
    const std::string path = testPicture(name);
    ASSERT_TRUE(store.loadPicture(path)) << name;
    window.canvas().clear(0x808080);
    window.canvas().picture(path, Rect{0, 0, 96, 64});
    SurfacePtr shot = window.readPixels();
    ASSERT_TRUE(shot) << "the window's pixels are read";
    const auto at = [&](int x, int y) { return static_cast<const Uint8*>(shot->pixels) + y * shot->pitch + x * 4; };
    const bool vector = std::string(name) != "bmp24.bmp";
    // across the border of the red and green quadrants, three times wider
    // than the picture's own 32 pixels: a picture drawn at the control's
    // size blends at most the one pixel its edge cuts, a stretched one more
    int blended = 0;
    for (int x = 36; x < 60; ++x) {
      const Uint8* p = at(x, 16);
      const bool red = p[0] >= 230 && p[1] <= 25;
      const bool green = p[1] >= 230 && p[0] <= 25;
      if (!red && !green) ++blended;
    }
    if (vector) {
      EXPECT_LE(blended, 1) << name << ": drawn at the control's size, its edges sharp";
    } else {
      EXPECT_GE(blended, 2) << name << ": a bitmap is stretched, its edges soft (the check can tell)";
    }
  }
}

TEST_F(PictureFormats, AMetafilesTextIsDrawnWithItsFont) {
  PictureStore store(files, text);
  const std::string path = testPicture("text.wmf");
  auto picture = store.loadPicture(path);
  ASSERT_TRUE(picture) << "a metafile with text loads";
  EXPECT_EQ(picture.value().width, 64) << "its placeable box at 96 pixels an inch";
  SDL_Surface* s = store.surface(path);
  ASSERT_NE(s, nullptr) << "it draws";
  int dark = 0;
  int light = 0;
  for (int y = 0; y < s->h; ++y) {
    for (int x = 0; x < s->w; ++x) {
      const Uint8* px = static_cast<const Uint8*>(s->pixels) + y * s->pitch + x * 4;
      (px[0] < 64 && px[3] == 255 ? dark : light) += 1;
    }
  }
  EXPECT_GT(dark, 40) << "the letters are drawn in black";
  EXPECT_GT(light, dark) << "on the white ground";
}

TEST_F(PictureFormats, MetafilesAreDrawnByTheirModuleOrNotAtAll) {
  const std::string wmf = fileBytes(testPicture("text.wmf"));
  const std::optional<MetafileModule> module = MetafileModule::load(moduleFolders());
  ASSERT_TRUE(module) << "the metafile module beside the test program loads";
  EXPECT_TRUE(module->drawWmf(wmf, 64, 32)) << "it draws a metafile";
  EXPECT_FALSE(module->drawWmf(wmf, 0, 32)) << "it refuses an empty size";
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(MetafileModule::load({std::filesystem::path(testPicture("text.wmf")).parent_path() / "nowhere"}))
      << "a module that is not there is not loaded";
  const std::string said = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(said.find(kMetafileModuleFile), std::string::npos) << "one line names what is missing: " << said;
}

TEST_F(PictureFormats, ALoadedPictureIsReadOnceAndDrawnFromThatRead) {
  CountingFiles counting;
  counting.files["/game/a.bmp"] = fileBytes(testPicture("bmp24.bmp"));
  counting.files["/game/huge.bmp"] = std::string("BM") + std::string(56, '\xFF');
  PictureStore store(counting, text);
  ASSERT_TRUE(store.loadPicture("/game/a.bmp"));
  EXPECT_NE(store.surface("/game/a.bmp"), nullptr) << "the loaded picture draws";
  EXPECT_EQ(counting.reads, 1) << "one read for both its size and its pixels";
  EXPECT_FALSE(store.loadPicture("/game/huge.bmp")) << "a header claiming an absurd size is unreadable";
}

}  // namespace
}  // namespace quorlen::sdl
