#include "backends/sdl/design_art.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "backends/shared/pictures/design_pictures.h"

namespace quorlen::sdl {

namespace {
struct Rgb {
  double r, g, b;
};

Rgb mix(Rgb a, Rgb b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

class Painter {
 public:
  explicit Painter(SDL_Surface& s) : s_(s) {}

  void put(int x, int y, Rgb c, double alpha = 1.0) {
    if (x < 0 || y < 0 || x >= s_.w || y >= s_.h) return;
    auto* p = static_cast<Uint8*>(s_.pixels) + y * s_.pitch + x * 4;
    alpha = std::clamp(alpha, 0.0, 1.0);
    const double keep = p[3] == 0 ? 0.0 : 1.0 - alpha;
    p[0] = static_cast<Uint8>(p[0] * keep + std::clamp(c.r, 0.0, 255.0) * (1.0 - keep));
    p[1] = static_cast<Uint8>(p[1] * keep + std::clamp(c.g, 0.0, 255.0) * (1.0 - keep));
    p[2] = static_cast<Uint8>(p[2] * keep + std::clamp(c.b, 0.0, 255.0) * (1.0 - keep));
    p[3] = static_cast<Uint8>(std::max<double>(p[3], alpha * 255.0));
  }

  // A rounded rectangle with a vertical gradient and a darker rim.
  void roundedBox(int x0, int y0, int w, int h, double radius, Rgb top, Rgb bottom, Rgb rim) {
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        const double dx = std::max({radius - x - 0.5, x + 0.5 - (w - radius), 0.0});
        const double dy = std::max({radius - y - 0.5, y + 0.5 - (h - radius), 0.0});
        const double d = std::sqrt(dx * dx + dy * dy);
        if (d > radius + 0.5) continue;
        const double edge = std::clamp(radius + 0.5 - d, 0.0, 1.0);
        const bool onRim = d > radius - 1.5 || (dx == 0.0 && dy == 0.0 && (x < 1 || y < 1 || x >= w - 1 || y >= h - 1));
        Rgb c = mix(top, bottom, static_cast<double>(y) / std::max(1, h - 1));
        if (y < h / 2) c = mix(c, Rgb{255, 255, 255}, 0.18 * (1.0 - 2.0 * y / std::max(1, h)));
        put(x0 + x, y0 + y, onRim ? rim : c, edge);
      }
    }
  }

  void text(TextRenderer& renderer, const ui::Font& font, const std::string& caption, ui::Color color, int cx,
            int cy, bool centred = true) {
    SurfacePtr line = renderer.render(font, caption, color, 1.0);
    if (!line) return;
    SDL_Rect to{centred ? cx - line->w / 2 : cx, cy - line->h / 2, line->w, line->h};
    SDL_SetSurfaceBlendMode(line.get(), SDL_BLENDMODE_BLEND);
    SDL_BlitSurface(line.get(), nullptr, &s_, &to);
  }

 private:
  SDL_Surface& s_;
};

// A seamless soft texture: two gentle waves whose periods divide the size.
void drawTexture(Painter& p, int w, int h) {
  constexpr double pi = std::numbers::pi;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const double a = std::sin(2 * pi * x / w * 2 + 2 * pi * y / h) * 0.5 + 0.5;
      const double b = std::cos(2 * pi * y / h * 3 - 2 * pi * x / w) * 0.5 + 0.5;
      const Rgb c = mix(Rgb{252, 249, 240}, Rgb{236, 230, 214}, 0.55 * a * b + 0.15 * b);
      p.put(x, y, c);
    }
  }
}

void drawTitle(Painter& p, TextRenderer& text, int w, int h) {
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const double t = static_cast<double>(y) / h;
      Rgb c = mix(Rgb{32, 58, 112}, Rgb{250, 246, 234}, std::pow(t, 0.8) * 1.15);
      const double wave = std::sin(x / 23.0) * 4.0 + 44.0;
      if (std::abs(y - wave) < 1.2) c = mix(c, Rgb{214, 170, 72}, 0.8);
      // fades into the window's background on the right
      p.put(x, y, mix(c, Rgb{255, 255, 255}, std::max(0.0, (x - w * 0.7) / (w * 0.3)) * 0.6));
    }
  }
  const ui::Font font{"DejaVu Serif", 18.0, true, true, false, false};
  p.text(text, font, "Welcome", ui::rgb(250, 236, 190), 14, 22, false);
}

void drawButton(Painter& p, TextRenderer& text, int w, int h, const std::string& caption, Rgb top, Rgb bottom) {
  p.roundedBox(10, 6, w - 20, h - 12, 10.0, top, bottom, Rgb{60, 44, 28});
  const ui::Font font{"Arial", 12.0, true, false, false, false};
  p.text(text, font, caption, ui::rgb(255, 255, 255), w / 2, h / 2);
}

// The panel lies 8 pixels into the welcome window, whose inside is 335
// pixels wide: only this much of it shows.
constexpr int kPanelShown = 327;

void drawPanel(Painter& p, TextRenderer& text, int width, int h) {
  const int w = std::min(width, kPanelShown);
  p.roundedBox(0, 0, w, h, 8.0, Rgb{255, 251, 236}, Rgb{238, 226, 196}, Rgb{120, 92, 48});
  const ui::Font heading{"Arial", 11.0, true, false, false, false};
  const ui::Font body{"Arial", 8.25, false, false, false, false};
  p.text(text, heading, "Quorlen adventure player", ui::rgb(32, 58, 112), w / 2, 13);
  p.text(text, body, "This game was made with the Quorlen editor:", ui::rgb(40, 40, 40), w / 2, 31);
  p.text(text, body, "frames, areas, variables and an inventory", ui::rgb(40, 40, 40), w / 2, 45);
  p.text(text, body, "make a point-and-click adventure.", ui::rgb(40, 40, 40), w / 2, 59);
  p.roundedBox(8, 72, 73, 27, 6.0, Rgb{150, 150, 150}, Rgb{96, 96, 96}, Rgb{50, 50, 50});
  p.text(text, heading, "Close", ui::rgb(255, 255, 255), 8 + 73 / 2, 72 + 27 / 2);
  p.roundedBox(104, 72, 209, 27, 6.0, Rgb{70, 120, 196}, Rgb{32, 64, 140}, Rgb{20, 36, 80});
  p.text(text, heading, "Visit the web site", ui::rgb(255, 255, 255), 104 + 209 / 2, 72 + 27 / 2);
}
}  // namespace

SurfacePtr drawDesignPicture(std::string_view path, TextRenderer& text) {
  const auto size = backends::designPictureSize(path);
  if (!size) return nullptr;
  SurfacePtr surface = makeRgbaSurface(size->width, size->height);
  if (!surface) return nullptr;
  const std::string_view name = path.substr(backends::kBuiltinPrefix.size());
  // Buttons and the panel have see-through corners; the rest is opaque.
  const bool opaque = name == "welcome/texture" || name == "welcome/title";
  SDL_FillRect(surface.get(), nullptr, SDL_MapRGBA(surface->format, 255, 255, 255, opaque ? 255 : 0));
  Painter p(*surface);
  const int w = size->width;
  const int h = size->height;
  if (name == "welcome/texture") drawTexture(p, w, h);
  if (name == "welcome/title") drawTitle(p, text, w, h);
  if (name == "welcome/new") drawButton(p, text, w, h, "New game", Rgb{92, 168, 84}, Rgb{40, 104, 44});
  if (name == "welcome/load") drawButton(p, text, w, h, "Load game", Rgb{84, 136, 204}, Rgb{36, 72, 144});
  if (name == "welcome/leave") drawButton(p, text, w, h, "Leave", Rgb{212, 96, 80}, Rgb{144, 40, 32});
  if (name == "welcome/info") drawButton(p, text, w, h, "About", Rgb{220, 172, 72}, Rgb{156, 108, 24});
  if (name == "welcome/panel") drawPanel(p, text, w, h);
  return surface;
}

}  // namespace quorlen::sdl
