#include "screenshot_check.h"

#include <SDL_image.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace quorlen::sdl::testing {

namespace {
const std::string kReferences = std::string(QUORLEN_TEST_DATA) + "/screenshots/";

// The share of pixels whose colour differs by more than a shade.
double differingShare(SDL_Surface& a, SDL_Surface& b) {
  SurfacePtr ca(SDL_ConvertSurfaceFormat(&a, SDL_PIXELFORMAT_RGBA32, 0));
  SurfacePtr cb(SDL_ConvertSurfaceFormat(&b, SDL_PIXELFORMAT_RGBA32, 0));
  long differing = 0;
  for (int y = 0; y < ca->h; ++y) {
    const auto* ra = static_cast<const Uint8*>(ca->pixels) + y * ca->pitch;
    const auto* rb = static_cast<const Uint8*>(cb->pixels) + y * cb->pitch;
    for (int x = 0; x < ca->w * 4; x += 4) {
      int worst = 0;
      for (int c = 0; c < 3; ++c) worst = std::max(worst, std::abs(ra[x + c] - rb[x + c]));
      if (worst > 40) ++differing;
    }
  }
  return static_cast<double>(differing) / (ca->w * ca->h);
}

}  // namespace

SurfacePtr halve(SDL_Surface& s, const SDL_Rect& area) {
  SurfacePtr out = makeRgbaSurface(area.w / 2, area.h / 2);
  SDL_Rect from = area;
  SDL_BlitScaled(&s, &from, out.get(), nullptr);
  return out;
}

SurfacePtr crop(SDL_Surface& s, const SDL_Rect& area) {
  SurfacePtr out = makeRgbaSurface(area.w, area.h);
  SDL_Rect from = area;
  SDL_BlitSurface(&s, &from, out.get(), nullptr);
  return out;
}

void expectLooksLike(SDL_Surface* shot, const std::string& name) {
  ASSERT_NE(shot, nullptr) << name << ": nothing was drawn";
  const std::string reference = kReferences + name + ".png";
  if (const char* update = std::getenv("QUORLEN_UPDATE_SCREENSHOTS"); update != nullptr && *update == '1') {
    std::filesystem::create_directories(kReferences);
    IMG_SavePNG(shot, reference.c_str());
    return;
  }
  SurfacePtr expected(IMG_Load(reference.c_str()));
  ASSERT_TRUE(expected) << "no reference picture " << reference;
  ASSERT_EQ(expected->w, shot->w) << name << ": width";
  ASSERT_EQ(expected->h, shot->h) << name << ": height";
  const double share = differingShare(*expected, *shot);
  if (share > 0.01) IMG_SavePNG(shot, (std::filesystem::temp_directory_path() / (name + ".actual.png")).c_str());
  EXPECT_LE(share, 0.01) << name << " differs from its reference in " << share * 100 << " % of its pixels";
}

void docsPicture(SDL_Surface* shot, const std::string& name) {
  const char* folder = std::getenv("QUORLEN_DOCS_SCREENSHOTS");
  if (folder == nullptr || shot == nullptr) return;
  IMG_SavePNG(shot, (std::string(folder) + "/" + name + ".png").c_str());
}

}  // namespace quorlen::sdl::testing
