#include "backends/sdl/pointer_cursors.h"

#include <algorithm>

#include "backends/sdl/picture_decoder.h"

namespace quorlen::sdl {

CursorPtr makeCursor(const backends::IconImage& image) {
  const int hotX = std::clamp(image.hotX, 0, std::max(0, image.width - 1));
  const int hotY = std::clamp(image.hotY, 0, std::max(0, image.height - 1));
  if (image.png.empty() && image.monochrome && image.width % 8 == 0) {
    // SDL: data 1 mask 1 black, data 0 mask 1 white, data 0 mask 0
    // transparent, data 1 mask 0 inverted.
    const std::size_t rowBytes = static_cast<std::size_t>(image.width) / 8;
    std::vector<Uint8> data(rowBytes * static_cast<std::size_t>(image.height), 0);
    std::vector<Uint8> mask(data.size(), 0);
    for (int y = 0; y < image.height; ++y) {
      for (int x = 0; x < image.width; ++x) {
        const std::size_t i = static_cast<std::size_t>(y) * image.width + x;
        const Uint8* px = &image.rgba[i * 4];
        const bool inverting = image.inverting[i] != 0;
        const bool opaque = px[3] != 0 && !inverting;
        const bool black = opaque && px[0] == 0;
        const std::size_t at = static_cast<std::size_t>(y) * rowBytes + static_cast<std::size_t>(x) / 8;
        const auto bit = static_cast<Uint8>(0x80 >> (x % 8));
        if (black || inverting) data[at] |= bit;
        if (opaque) mask[at] |= bit;
      }
    }
    return CursorPtr(SDL_CreateCursor(data.data(), mask.data(), image.width, image.height, hotX, hotY));
  }
  SurfacePtr surface = iconSurface(image);
  if (!surface) return nullptr;
  return CursorPtr(SDL_CreateColorCursor(surface.get(), hotX, hotY));
}

const PointerImages* PointerCursors::find(const std::string& path) {
  auto it = made_.find(path);
  if (it != made_.end()) return it->second.get();
  std::unique_ptr<PointerImages> made;
  if (auto bytes = files_.readFile(path)) {
    if (auto animation = backends::decodeCursorAnimation(bytes.value())) {
      made = std::make_unique<PointerImages>();
      for (const backends::IconImage& frame : animation.value().frames) {
        made->frames.push_back(makeCursor(frame));
        if (!made->frames.back()) {
          made.reset();
          break;
        }
      }
      if (made) made->steps = animation.value().steps;
    }
  }
  return made_.emplace(path, std::move(made)).first->second.get();
}

SDL_Cursor* PointerCursors::show(const PointerImages* images, std::int64_t now) {
  if (images != shown_) {
    shown_ = images;
    step_ = 0;
    stepStart_ = now;
  }
  if (shown_ == nullptr) return nullptr;
  return shown_->frames[shown_->steps[step_].frame].get();
}

std::optional<std::int64_t> PointerCursors::untilNextStep(std::int64_t now) const {
  if (shown_ == nullptr || shown_->steps.size() < 2) return std::nullopt;
  return std::max<std::int64_t>(0, stepStart_ + shown_->steps[step_].milliseconds - now);
}

SDL_Cursor* PointerCursors::advance(std::int64_t now) {
  if (shown_ == nullptr || shown_->steps.size() < 2) return nullptr;
  const std::size_t before = step_;
  while (now - stepStart_ >= shown_->steps[step_].milliseconds) {
    stepStart_ += shown_->steps[step_].milliseconds;
    step_ = (step_ + 1) % shown_->steps.size();
    // after a long pause (the loop asleep), start again from now
    if (now - stepStart_ > 10000) stepStart_ = now;
  }
  if (step_ == before) return nullptr;
  return shown_->frames[shown_->steps[step_].frame].get();
}

}  // namespace quorlen::sdl
