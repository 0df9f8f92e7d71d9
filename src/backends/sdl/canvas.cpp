#include "backends/sdl/canvas.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>

namespace quorlen::sdl {

namespace {
constexpr std::size_t kKeptTexts = 512;
constexpr std::size_t kKeptScaledPictures = 16;
constexpr std::size_t kKeptTextBytes = 64u << 20;  // rendered texts kept for reuse
constexpr std::size_t kMaxTextBytes = 16u << 20;   // the most one line may cost

void setColor(SDL_Renderer& r, ui::Color c, Uint8 alpha) {
  SDL_SetRenderDrawColor(&r, static_cast<Uint8>(c & 0xFF), static_cast<Uint8>((c >> 8) & 0xFF),
                         static_cast<Uint8>((c >> 16) & 0xFF), alpha);
}

SDL_ScaleMode scaleMode(Filter f) { return f == Filter::Linear ? SDL_ScaleModeLinear : SDL_ScaleModeNearest; }
}  // namespace

Canvas::Canvas(SDL_Renderer& renderer, PictureStore& pictures, TextRenderer& text, Filter filter)
    : renderer_(renderer), pictures_(pictures), text_(text), filter_(filter), pictureTextures_(renderer) {
  SDL_SetRenderDrawBlendMode(&renderer_, SDL_BLENDMODE_BLEND);
}

void Canvas::setTransform(double scale, int x, int y) {
  if (scale != scale_) {
    texts_.clear();
    textBytes_ = 0;
  }
  scale_ = scale > 0 ? scale : 1.0;
  originX_ = x;
  originY_ = y;
}

void Canvas::setFilter(Filter filter) {
  filter_ = filter;
  pictureTextures_.setScaleMode(scaleMode(filter));
}

SDL_FRect Canvas::toOutput(const Rect& r) const {
  const double x0 = std::round(originX_ + r.x * scale_);
  const double y0 = std::round(originY_ + r.y * scale_);
  const double x1 = std::round(originX_ + (r.x + r.w) * scale_);
  const double y1 = std::round(originY_ + (r.y + r.h) * scale_);
  return SDL_FRect{static_cast<float>(x0), static_cast<float>(y0), static_cast<float>(x1 - x0),
                   static_cast<float>(y1 - y0)};
}

void Canvas::clear(ui::Color color) {
  SDL_RenderSetClipRect(&renderer_, nullptr);
  setColor(renderer_, color, 255);
  SDL_RenderClear(&renderer_);
  applyClip();
}

void Canvas::fill(const Rect& r, ui::Color color, Uint8 alpha) {
  const SDL_FRect out = toOutput(r);
  setColor(renderer_, color, alpha);
  // an opaque colour covers what is under it: no blending to do
  SDL_SetRenderDrawBlendMode(&renderer_, alpha == 255 ? SDL_BLENDMODE_NONE : SDL_BLENDMODE_BLEND);
  SDL_RenderFillRectF(&renderer_, &out);
}

void Canvas::outline(const Rect& r, ui::Color color, double thickness) {
  const double t = thickness;
  fill(Rect{r.x, r.y, r.w, t}, color);
  fill(Rect{r.x, r.y + r.h - t, r.w, t}, color);
  fill(Rect{r.x, r.y, t, r.h}, color);
  fill(Rect{r.x + r.w - t, r.y, t, r.h}, color);
}

SDL_Texture* Canvas::pictureTexture(const std::string& path) {
  bool known = false;
  if (SDL_Texture* kept = pictureTextures_.find(path, known); known) return kept;
  // the decoded pixels pass to the texture: they are not held twice
  SurfacePtr surface = pictures_.take(path);
  return pictureTextures_.add(path, surface.get(), scaleMode(filter_));
}

SDL_Texture* Canvas::scaledTexture(const std::string& path, int width, int height) {
  const std::string key = path + "@" + std::to_string(width) + "x" + std::to_string(height);
  auto it = scaledTextures_.find(key);
  if (it != scaledTextures_.end()) return it->second.get();
  if (scaledTextures_.size() >= kKeptScaledPictures) scaledTextures_.clear();
  SurfacePtr surface = pictures_.render(path, width, height);
  TexturePtr texture(surface ? SDL_CreateTextureFromSurface(&renderer_, surface.get()) : nullptr);
  if (texture) SDL_SetTextureBlendMode(texture.get(), SDL_BLENDMODE_BLEND);
  SDL_Texture* raw = texture.get();
  scaledTextures_.emplace(key, std::move(texture));
  return raw;
}

void Canvas::picture(const std::string& path, const Rect& to) {
  const SDL_FRect out = toOutput(to);
  SDL_Texture* texture = nullptr;
  // A metafile is drawn at the size it is shown at, not stretched.
  if (pictures_.scalable(path) && out.w >= 1 && out.h >= 1) {
    texture = scaledTexture(path, static_cast<int>(out.w), static_cast<int>(out.h));
  }
  if (texture == nullptr) texture = pictureTexture(path);
  if (texture == nullptr) return;
  SDL_RenderCopyF(&renderer_, texture, nullptr, &out);
}

void Canvas::pictureAt(const std::string& path, double x, double y) {
  SDL_Texture* texture = pictureTexture(path);
  if (texture == nullptr) return;
  int w = 0;
  int h = 0;
  SDL_QueryTexture(texture, nullptr, nullptr, &w, &h);
  picture(path, Rect{x, y, static_cast<double>(w), static_cast<double>(h)});
}

void Canvas::text(const ui::Font& font, const std::string& whole, ui::Color color, double x, double y) {
  if (whole.empty()) return;
  const std::string line = drawnPart(whole);
  const double height = lineHeight(font);
  // the part between the clipping rectangle's edges, in logical pixels
  double left = -originX_ / scale_;
  double right = left + 1e9;
  if (!clips_.empty()) {
    const SDL_Rect& c = clips_.back();
    left = (c.x - originX_) / scale_;
    right = (c.x + c.w - originX_) / scale_;
    const double top = (c.y - originY_) / scale_;
    const double bottom = (c.y + c.h - originY_) / scale_;
    if (c.w <= 0 || c.h <= 0 || y >= bottom || y + height <= top || x >= right) return;
  }
  std::size_t from = 0;
  std::size_t to = line.size();
  const double width = textWidth(font, line);
  if (x + width <= left) return;
  if (x < left - 1 || x + width > right + 1) {
    // far beyond any line's width, and inside an int whatever the place
    constexpr double kFar = 1e8;
    std::tie(from, to) = visibleBytes(text_.font(font, 1.0), line,
                                      static_cast<int>(std::clamp(std::floor(left - x), 0.0, kFar)),
                                      static_cast<int>(std::clamp(std::ceil(right - x), 0.0, kFar)));
  }
  const std::string piece = line.substr(from, to - from);
  if (piece.empty()) return;
  const double pieceX = x + (from == 0 ? 0.0 : textWidth(font, line.substr(0, from)));
  const auto key = std::make_tuple(font.name, piece, font.size, font.bold, font.italic, font.underline,
                                   font.strikethrough, color);
  auto it = texts_.find(key);
  if (it == texts_.end()) {
    if (texts_.size() >= kKeptTexts || textBytes_ > kKeptTextBytes) {
      texts_.clear();
      textBytes_ = 0;
    }
    TextPiece made;
    made.width = textWidth(font, piece);
    // a line is never rendered much wider than it shows
    const double outputWidth = made.width * scale_;
    if (outputWidth * height * scale_ * 4 <= static_cast<double>(kMaxTextBytes)) {
      SurfacePtr surface = text_.render(font, piece, color, scale_);
      if (surface) {
        made.texture.reset(SDL_CreateTextureFromSurface(&renderer_, surface.get()));
        textBytes_ += static_cast<std::size_t>(surface->pitch) * static_cast<std::size_t>(surface->h);
      }
    }
    if (made.texture) SDL_SetTextureBlendMode(made.texture.get(), SDL_BLENDMODE_BLEND);
    it = texts_.emplace(key, std::move(made)).first;
  }
  if (!it->second.texture) return;
  // as wide and high as at scale 1, times the scale
  const SDL_FRect out = toOutput(Rect{pieceX, y, it->second.width, height});
  SDL_RenderCopyF(&renderer_, it->second.texture.get(), nullptr, &out);
}

double Canvas::textWidth(const ui::Font& font, const std::string& line) {
  return text_.lineWidth(font, drawnPart(line), 1.0);
}

double Canvas::lineHeight(const ui::Font& font) { return text_.lineHeight(font, 1.0); }

void Canvas::pixels(std::uint64_t key, int width, int height, const std::uint8_t* rgba, std::uint64_t serial,
                    const Rect& to) {
  if (width <= 0 || height <= 0 || rgba == nullptr) return;
  Video& v = videos_[key];
  if (!v.texture || v.width != width || v.height != height) {
    v.texture.reset(SDL_CreateTexture(&renderer_, SDL_PIXELFORMAT_RGBA32, SDL_TEXTUREACCESS_STREAMING, width, height));
    if (!v.texture) return;
    SDL_SetTextureScaleMode(v.texture.get(), scaleMode(filter_));
    // a video is opaque: it covers what lies below it
    SDL_SetTextureBlendMode(v.texture.get(), SDL_BLENDMODE_NONE);
    v.width = width;
    v.height = height;
    v.serial = serial + 1;
  }
  if (v.serial != serial) {
    SDL_UpdateTexture(v.texture.get(), nullptr, rgba, width * 4);
    v.serial = serial;
  }
  const SDL_FRect out = toOutput(to);
  SDL_RenderCopyF(&renderer_, v.texture.get(), nullptr, &out);
}

void Canvas::pushClip(const Rect& r) {
  const SDL_FRect f = toOutput(r);
  SDL_Rect clip{static_cast<int>(f.x), static_cast<int>(f.y), static_cast<int>(f.w), static_cast<int>(f.h)};
  if (!clips_.empty()) {
    SDL_Rect both{};
    if (SDL_IntersectRect(&clips_.back(), &clip, &both) == SDL_FALSE) both = SDL_Rect{clip.x, clip.y, 0, 0};
    clip = both;
  }
  clips_.push_back(clip);
  applyClip();
}

Rect Canvas::clipRect() const {
  if (clips_.empty()) return Rect{-1e9, -1e9, 2e9, 2e9};
  const SDL_Rect& c = clips_.back();
  return Rect{(c.x - originX_) / scale_, (c.y - originY_) / scale_, c.w / scale_, c.h / scale_};
}

void Canvas::popClip() {
  if (!clips_.empty()) clips_.pop_back();
  applyClip();
}

void Canvas::applyClip() {
  if (clips_.empty()) {
    SDL_RenderSetClipRect(&renderer_, nullptr);
    return;
  }
  const SDL_Rect& c = clips_.back();
  if (c.w <= 0 || c.h <= 0) {
    // An empty clip: SDL takes a zero-size rectangle as "no clipping".
    const SDL_Rect nowhere{-2, -2, 1, 1};
    SDL_RenderSetClipRect(&renderer_, &nowhere);
    return;
  }
  SDL_RenderSetClipRect(&renderer_, &c);
}

}  // namespace quorlen::sdl
