#pragma once
// SDL started on its offscreen driver with the software renderer, for
// tests that need fonts, pictures or windows but no display.

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "backends/sdl/sdl_handles.h"

namespace quorlen::sdl::testing {

inline void useOffscreenDriver() {
  setenv("SDL_VIDEODRIVER", "offscreen", 1);
  setenv("SDL_RENDER_DRIVER", "software", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
}

// A test suite that shares one SDL session on the offscreen driver.
class OffscreenSuite : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    useOffscreenDriver();
    session_ = std::make_unique<SdlSession>();
  }
  static void TearDownTestSuite() { session_.reset(); }

 private:
  static inline std::unique_ptr<SdlSession> session_;
};

}  // namespace quorlen::sdl::testing
