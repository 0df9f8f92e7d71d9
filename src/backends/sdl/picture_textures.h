#pragma once
// The textures of decoded pictures on one renderer, by path, the most
// recently used ones kept up to a number of bytes; of those the last
// drawing did not use, only a few bytes' worth (the frames seen just
// before, for a quick way back). A picture without
// transparent pixels becomes a texture in the pixel format of the window it
// is drawn on (with the software renderer) and is drawn without blending,
// so that drawing it is a plain copy or stretch.

#include <cstddef>
#include <cstdint>
#include <list>
#include <string>
#include <unordered_map>

#include "backends/sdl/sdl_handles.h"

namespace quorlen::sdl {

class PictureTextures {
 public:
  static constexpr std::size_t kKeptBytes = std::size_t{128} << 20;
  static constexpr std::size_t kSpareBytes = std::size_t{2} << 20;

  explicit PictureTextures(SDL_Renderer& renderer, std::size_t keptBytes = kKeptBytes,
                           std::size_t spareBytes = kSpareBytes);
  PictureTextures(const PictureTextures&) = delete;
  PictureTextures& operator=(const PictureTextures&) = delete;

  // The kept texture of a path, now the most recently used; null when none
  // is kept. `known` tells whether the path is kept at all (a picture that
  // could not be decoded is kept as null).
  [[nodiscard]] SDL_Texture* find(const std::string& path, bool& known);
  // Makes the texture of a decoded picture, RGBA or RGB (null: nothing to
  // draw) and
  // keeps it under the path; older ones are forgotten past the byte budget,
  // never this one.
  SDL_Texture* add(const std::string& path, const SDL_Surface* picture, SDL_ScaleMode scaleMode);
  void setScaleMode(SDL_ScaleMode mode);
  // A whole drawing of the window is done: the textures it did not use are
  // forgotten, least recently used first, past the spare bytes.
  void finishDrawing();
  [[nodiscard]] std::size_t keptBytes() const { return bytes_; }
  [[nodiscard]] std::size_t size() const { return entries_.size(); }

  // Whether every pixel of a picture is opaque (one decoded as RGB, or an
  // RGBA one without a transparent pixel).
  [[nodiscard]] static bool opaque(const SDL_Surface& picture);

 private:
  [[nodiscard]] TexturePtr make(const SDL_Surface& picture, SDL_ScaleMode scaleMode) const;

  struct Entry {
    TexturePtr texture;
    std::size_t bytes = 0;
    std::list<std::string>::iterator use;
    std::uint64_t drawing = 0;  // the drawing that used it last
  };
  void forget(std::unordered_map<std::string, Entry>::iterator it);

  SDL_Renderer& renderer_;
  std::size_t budget_;
  std::size_t spare_;
  std::size_t bytes_ = 0;
  std::uint64_t drawing_ = 0;    // the drawing under way
  std::size_t drawnBytes_ = 0;  // of the textures it used
  bool software_ = false;
  Uint32 opaqueFormat_ = SDL_PIXELFORMAT_RGBA32;  // of pictures without transparency
  std::list<std::string> uses_;                   // most recently used first
  std::unordered_map<std::string, Entry> entries_;
};

}  // namespace quorlen::sdl
