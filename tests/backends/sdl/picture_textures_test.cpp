// Pictures as textures: drawn exactly as their RGBA pixels drew when
// blended, whatever format the texture has, and again the same after the
// texture was forgotten and the picture decoded anew.
#include "backends/sdl/picture_textures.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>

#include "backends/sdl/picture_store.h"
#include "backends/sdl/surface.h"
#include "backends/shared/files/disk_file_system.h"
#include "pictures/picture_manifest.h"
#include "sdl_test_session.h"

namespace quorlen::sdl {
namespace {

using quorlen::testing::testPicture;

class PictureTexturesTest : public testing::OffscreenSuite {
 protected:
  PictureTexturesTest() : disk(QUORLEN_TEST_PICTURES), reference(disk, text), drawing(disk, text) {
    WindowPlacement place;
    place.width = 80;
    place.height = 48;
    window = std::make_unique<Surface>(place, choice, reference, text, Filter::Linear);
  }

  // The texture drawn on a brown ground at its own size and stretched.
  SurfacePtr drawn(SDL_Texture* texture) {
    SDL_Renderer* r = window->renderer();
    SDL_RenderSetClipRect(r, nullptr);
    SDL_SetRenderDrawColor(r, 128, 64, 32, 255);
    SDL_RenderClear(r);
    int w = 0;
    int h = 0;
    SDL_QueryTexture(texture, nullptr, nullptr, &w, &h);
    const SDL_FRect own{0, 0, static_cast<float>(w), static_cast<float>(h)};
    const SDL_FRect stretched{33, 1, 45.0F, 45.0F};
    SDL_RenderCopyF(r, texture, nullptr, &own);
    SDL_RenderCopyF(r, texture, nullptr, &stretched);
    return window->readPixels();
  }

  static bool same(const SDL_Surface& a, const SDL_Surface& b) {
    if (a.w != b.w || a.h != b.h) return false;
    for (int y = 0; y < a.h; ++y) {
      if (std::memcmp(static_cast<const Uint8*>(a.pixels) + y * a.pitch, static_cast<const Uint8*>(b.pixels) + y * b.pitch,
                      static_cast<std::size_t>(a.w) * 4) != 0) {
        return false;
      }
    }
    return true;
  }

  TextRenderer text;
  backends::DiskFileSystem disk;
  PictureStore reference;
  PictureStore drawing;
  RendererChoice choice;
  std::unique_ptr<Surface> window;
};

TEST_F(PictureTexturesTest, EveryPictureDrawsAsItsBlendedRgbaPixels) {
  std::set<std::string> names;
  for (const auto& p : quorlen::testing::picturePoints()) names.insert(p.name);
  PictureTextures textures(*window->renderer());
  int opaque = 0;
  for (const std::string& name : names) {
    const std::string path = testPicture(name);
    ASSERT_TRUE(reference.loadPicture(path)) << name;
    ASSERT_TRUE(drawing.loadPicture(path)) << name;
    TexturePtr blended(SDL_CreateTextureFromSurface(window->renderer(), reference.surface(path)));
    ASSERT_TRUE(blended) << name;
    SDL_SetTextureBlendMode(blended.get(), SDL_BLENDMODE_BLEND);
    SDL_SetTextureScaleMode(blended.get(), SDL_ScaleModeLinear);
    SurfacePtr expected = drawn(blended.get());
    SurfacePtr taken = drawing.take(path);
    ASSERT_TRUE(taken) << name << " decodes for drawing";
    opaque += PictureTextures::opaque(*taken) ? 1 : 0;
    SDL_Texture* texture = textures.add(path, taken.get(), SDL_ScaleModeLinear);
    ASSERT_NE(texture, nullptr) << name;
    SurfacePtr actual = drawn(texture);
    ASSERT_TRUE(expected && actual);
    EXPECT_TRUE(same(*expected, *actual)) << name << ": the same pixels as the RGBA picture blended";
    EXPECT_EQ(drawing.keptBytes(), 0u) << name << ": the decoded pixels went to the texture, not kept twice";
  }
  EXPECT_GE(names.size(), 20u) << "every picture format was drawn";
  EXPECT_GE(opaque, 10) << "most pictures are drawn as opaque ones";
  EXPECT_LT(opaque, static_cast<int>(names.size())) << "pictures with transparency are still blended";
}

TEST_F(PictureTexturesTest, APictureForgottenThenShownAgainDrawsTheSame) {
  const std::string jpeg = testPicture("baseline.jpg");
  const std::string gif = testPicture("transparent.gif");
  // room for one 32 x 32 picture, not two
  PictureTextures textures(*window->renderer(), 32 * 32 * 4 + 1000);
  ASSERT_TRUE(drawing.loadPicture(jpeg));
  SurfacePtr first = drawn(textures.add(jpeg, drawing.take(jpeg).get(), SDL_ScaleModeLinear));
  SDL_Texture* other = textures.add(gif, drawing.take(gif).get(), SDL_ScaleModeLinear);
  ASSERT_NE(other, nullptr) << "the picture just added is kept even when the budget is full";
  bool known = true;
  EXPECT_EQ(textures.find(jpeg, known), nullptr);
  EXPECT_FALSE(known) << "the least recently used texture was forgotten";
  EXPECT_LE(textures.keptBytes(), std::size_t{32 * 32 * 4 + 1000}) << "the textures stay within the budget";
  SurfacePtr again = drawn(textures.add(jpeg, drawing.take(jpeg).get(), SDL_ScaleModeLinear));
  ASSERT_TRUE(first && again);
  EXPECT_TRUE(same(*first, *again)) << "decoded again from its file, the picture draws the same";
  EXPECT_TRUE(textures.find(jpeg, known) != nullptr && known) << "and is kept again";

  // without spare bytes, only what the last drawing used is kept after it
  PictureTextures current(*window->renderer(), PictureTextures::kKeptBytes, 0);
  (void)current.add(jpeg, drawing.take(jpeg).get(), SDL_ScaleModeLinear);
  current.finishDrawing();
  EXPECT_EQ(current.size(), 1u) << "a picture the drawing used stays";
  (void)current.add(gif, drawing.take(gif).get(), SDL_ScaleModeLinear);
  current.finishDrawing();
  EXPECT_EQ(current.size(), 1u) << "a picture the last drawing did not use is forgotten";
  EXPECT_TRUE(current.find(gif, known) != nullptr && known) << "the one it used is kept";
}

}  // namespace
}  // namespace quorlen::sdl
