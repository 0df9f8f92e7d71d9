#pragma once
// Drawing on one SDL renderer in logical pixels: a scale and an origin map
// them to the output's pixels, so that the same drawing fits a window on a
// high-density display or the game's virtual screen letterboxed on the real
// one. Textures of pictures and captions are kept per renderer.

#include <cstdint>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "backends/sdl/picture_store.h"
#include "backends/sdl/picture_textures.h"
#include "backends/sdl/sdl_handles.h"
#include "backends/sdl/text_renderer.h"
#include "platform/ui_types.h"

namespace quorlen::sdl {

struct Rect {
  double x = 0;
  double y = 0;
  double w = 0;
  double h = 0;
};

enum class Filter { Nearest, Linear };

class Canvas {
 public:
  Canvas(SDL_Renderer& renderer, PictureStore& pictures, TextRenderer& text, Filter filter);
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  // Logical (0, 0) lands on output pixel (x, y); one logical pixel is
  // `scale` output pixels.
  void setTransform(double scale, int x, int y);
  [[nodiscard]] double scale() const { return scale_; }
  void setFilter(Filter filter);

  void clear(ui::Color color);
  void fill(const Rect& r, ui::Color color, Uint8 alpha = 255);
  void outline(const Rect& r, ui::Color color, double thickness = 1.0);
  // A picture by path, stretched into `to`.
  void picture(const std::string& path, const Rect& to);
  // A picture at its own size with its top-left corner at (x, y).
  void pictureAt(const std::string& path, double x, double y);
  // One line of text with its top-left corner at (x, y), rendered at the
  // output's own resolution and as wide as the line is at scale 1 times
  // the scale, so that a caption laid out at scale 1 shows whole at every
  // scale. Only the part inside the clipping rectangle is rendered.
  void text(const ui::Font& font, const std::string& line, ui::Color color, double x, double y);
  // Measures at scale 1, in logical pixels.
  [[nodiscard]] double textWidth(const ui::Font& font, const std::string& line);
  [[nodiscard]] double lineHeight(const ui::Font& font);
  // Bytes of pixels held by the rendered texts kept for reuse.
  [[nodiscard]] std::size_t textBytes() const { return textBytes_; }
  // RGBA pixels (a video frame) kept under `key`, uploaded again only when
  // `serial` changes.
  void pixels(std::uint64_t key, int width, int height, const std::uint8_t* rgba, std::uint64_t serial,
              const Rect& to);
  void forgetPixels(std::uint64_t key) { videos_.erase(key); }

  // Nested clipping in logical pixels; drawing outside the innermost
  // rectangle is cut off.
  void pushClip(const Rect& r);
  void popClip();
  // The innermost clipping rectangle in logical pixels (all of the plane
  // when there is none).
  [[nodiscard]] Rect clipRect() const;

  [[nodiscard]] TextRenderer& textRenderer() { return text_; }
  // A whole drawing of the output is done (see PictureTextures).
  void finishDrawing() { pictureTextures_.finishDrawing(); }
  // The textures of the pictures drawn, kept for the next drawing.
  [[nodiscard]] const PictureTextures& pictureTextures() const { return pictureTextures_; }

 private:
  [[nodiscard]] SDL_FRect toOutput(const Rect& r) const;
  [[nodiscard]] SDL_Texture* pictureTexture(const std::string& path);
  [[nodiscard]] SDL_Texture* scaledTexture(const std::string& path, int width, int height);
  void applyClip();

  SDL_Renderer& renderer_;
  PictureStore& pictures_;
  TextRenderer& text_;
  Filter filter_;
  double scale_ = 1.0;
  int originX_ = 0;
  int originY_ = 0;
  std::vector<SDL_Rect> clips_;
  PictureTextures pictureTextures_;
  std::map<std::string, TexturePtr> scaledTextures_;  // metafiles, by path and output size
  struct TextPiece {
    TexturePtr texture;
    double width = 0;  // logical, at scale 1
  };
  std::map<std::tuple<std::string, std::string, double, bool, bool, bool, bool, ui::Color>, TextPiece> texts_;
  std::size_t textBytes_ = 0;
  struct Video {
    TexturePtr texture;
    int width = 0;
    int height = 0;
    std::uint64_t serial = 0;
  };
  std::map<std::uint64_t, Video> videos_;
};

}  // namespace quorlen::sdl
