#include "backends/sdl/picture_textures.h"

#include "backends/sdl/picture_decoder.h"

namespace quorlen::sdl {

namespace {
// What an entry costs besides its pixels.
constexpr std::size_t kEntryBytes = 256;

// The pixel format the software renderer draws into: that of the window's
// surface, when textures can have it. A texture of that format is copied
// or stretched onto the window without any conversion.
bool isSoftware(SDL_Renderer& renderer) {
  SDL_RendererInfo info{};
  return SDL_GetRendererInfo(&renderer, &info) == 0 && (info.flags & SDL_RENDERER_SOFTWARE) != 0;
}

Uint32 softwareTargetFormat(SDL_Renderer& renderer) {
  SDL_RendererInfo info{};
  if (SDL_GetRendererInfo(&renderer, &info) != 0) return SDL_PIXELFORMAT_UNKNOWN;
  SDL_Window* window = SDL_RenderGetWindow(&renderer);
  SDL_Surface* target = window != nullptr ? SDL_GetWindowSurface(window) : nullptr;
  if (target == nullptr || target->format->BytesPerPixel != 4 || target->format->Amask != 0) {
    return SDL_PIXELFORMAT_UNKNOWN;
  }
  for (Uint32 i = 0; i < info.num_texture_formats; ++i) {
    if (info.texture_formats[i] == target->format->format) return target->format->format;
  }
  return SDL_PIXELFORMAT_UNKNOWN;
}
}  // namespace

PictureTextures::PictureTextures(SDL_Renderer& renderer, std::size_t keptBytes, std::size_t spareBytes)
    : renderer_(renderer), budget_(keptBytes), spare_(spareBytes), software_(isSoftware(renderer)) {
  if (!software_) return;
  if (const Uint32 target = softwareTargetFormat(renderer); target != SDL_PIXELFORMAT_UNKNOWN) opaqueFormat_ = target;
}

bool PictureTextures::opaque(const SDL_Surface& rgba) {
  if (opaqueFormat(rgba)) return true;
  if (rgba.format->format != SDL_PIXELFORMAT_RGBA32) return false;
  for (int y = 0; y < rgba.h; ++y) {
    const auto* row = static_cast<const Uint8*>(rgba.pixels) + static_cast<std::ptrdiff_t>(y) * rgba.pitch;
    Uint8 all = 0xFF;
    for (int x = 0; x < rgba.w; ++x) all &= row[4 * x + 3];
    if (all != 0xFF) return false;
  }
  return true;
}

TexturePtr PictureTextures::make(const SDL_Surface& picture, SDL_ScaleMode scaleMode) const {
  const bool solid = opaque(picture);
  // a picture that is not RGBA has no transparency
  const Uint32 format = solid ? opaqueFormat_ : static_cast<Uint32>(SDL_PIXELFORMAT_RGBA32);
  TexturePtr texture;
  if (format == picture.format->format) {
    texture.reset(SDL_CreateTexture(&renderer_, format, SDL_TEXTUREACCESS_STATIC, picture.w, picture.h));
    if (texture && SDL_UpdateTexture(texture.get(), nullptr, picture.pixels, picture.pitch) != 0) texture.reset();
  } else if (software_) {
    // converted once, straight into the texture's own pixels (a software
    // renderer's streaming texture has no pixels besides them)
    texture.reset(SDL_CreateTexture(&renderer_, format, SDL_TEXTUREACCESS_STREAMING, picture.w, picture.h));
    void* pixels = nullptr;
    int pitch = 0;
    if (texture && SDL_LockTexture(texture.get(), nullptr, &pixels, &pitch) == 0) {
      const int converted = SDL_ConvertPixels(picture.w, picture.h, picture.format->format, picture.pixels,
                                              picture.pitch, format, pixels, pitch);
      SDL_UnlockTexture(texture.get());
      if (converted != 0) texture.reset();
    } else {
      texture.reset();
    }
  } else {
    const SurfacePtr converted(SDL_ConvertSurfaceFormat(const_cast<SDL_Surface*>(&picture), format, 0));
    if (converted) {
      texture.reset(SDL_CreateTexture(&renderer_, format, SDL_TEXTUREACCESS_STATIC, picture.w, picture.h));
      if (texture && SDL_UpdateTexture(texture.get(), nullptr, converted->pixels, converted->pitch) != 0) {
        texture.reset();
      }
    }
  }
  if (!texture) {
    // what every renderer takes
    texture.reset(SDL_CreateTextureFromSurface(&renderer_, const_cast<SDL_Surface*>(&picture)));
    if (!texture) return nullptr;
    SDL_SetTextureBlendMode(texture.get(), SDL_BLENDMODE_BLEND);
  } else {
    SDL_SetTextureBlendMode(texture.get(), solid ? SDL_BLENDMODE_NONE : SDL_BLENDMODE_BLEND);
  }
  SDL_SetTextureScaleMode(texture.get(), scaleMode);
  return texture;
}

SDL_Texture* PictureTextures::find(const std::string& path, bool& known) {
  auto it = entries_.find(path);
  known = it != entries_.end();
  if (!known) return nullptr;
  uses_.splice(uses_.begin(), uses_, it->second.use);
  if (it->second.drawing != drawing_) {
    it->second.drawing = drawing_;
    drawnBytes_ += it->second.bytes;
  }
  return it->second.texture.get();
}

SDL_Texture* PictureTextures::add(const std::string& path, const SDL_Surface* picture, SDL_ScaleMode scaleMode) {
  TexturePtr texture = picture != nullptr ? make(*picture, scaleMode) : nullptr;
  const std::size_t pixels =
      texture ? static_cast<std::size_t>(picture->w) * static_cast<std::size_t>(picture->h) * 4 : 0;
  if (auto old = entries_.find(path); old != entries_.end()) forget(old);
  uses_.push_front(path);
  auto it = entries_
                .emplace(path, Entry{std::move(texture), pixels + path.size() + kEntryBytes, uses_.begin(), drawing_})
                .first;
  bytes_ += it->second.bytes;
  drawnBytes_ += it->second.bytes;
  while (bytes_ > budget_ && uses_.size() > 1) forget(entries_.find(uses_.back()));
  return it->second.texture.get();
}

void PictureTextures::forget(std::unordered_map<std::string, Entry>::iterator it) {
  bytes_ -= it->second.bytes;
  if (it->second.drawing == drawing_) drawnBytes_ -= it->second.bytes;
  uses_.erase(it->second.use);
  entries_.erase(it);
}

void PictureTextures::finishDrawing() {
  // the textures the drawing used are the most recently used ones
  while (!uses_.empty() && bytes_ - drawnBytes_ > spare_) {
    auto oldest = entries_.find(uses_.back());
    if (oldest->second.drawing == drawing_) break;
    forget(oldest);
  }
  ++drawing_;
  drawnBytes_ = 0;
}

void PictureTextures::setScaleMode(SDL_ScaleMode mode) {
  for (auto& [path, entry] : entries_) {
    if (entry.texture) SDL_SetTextureScaleMode(entry.texture.get(), mode);
  }
}

}  // namespace quorlen::sdl
