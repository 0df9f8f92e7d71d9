#include "backends/sdl/text_renderer.h"

#include <algorithm>
#include <cmath>

namespace quorlen::sdl {

std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string current;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(current);
      current.clear();
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      continue;
    }
    current += c;
  }
  lines.push_back(current);
  return lines;
}

std::string drawnPart(const std::string& line) {
  if (line.size() <= kMaxDrawnLineBytes) return line;
  std::size_t end = kMaxDrawnLineBytes;
  while (end > 0 && (static_cast<unsigned char>(line[end]) & 0xC0) == 0x80) --end;
  return line.substr(0, end);
}

namespace {
// The byte offset after `characters` UTF-8 characters from `start`.
std::size_t advanceCharacters(const std::string& text, std::size_t start, int characters) {
  std::size_t at = start;
  for (int n = 0; n < characters && at < text.size(); ++n) {
    ++at;
    while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80) ++at;
  }
  return at;
}
}  // namespace

std::pair<std::size_t, std::size_t> visibleBytes(TTF_Font* font, const std::string& line, int from, int to) {
  if (font == nullptr || line.empty()) return {0, line.size()};
  int extent = 0;
  int count = 0;
  std::size_t start = 0;
  if (from > 0 && TTF_MeasureUTF8(font, line.c_str(), from, &extent, &count) == 0) {
    start = advanceCharacters(line, 0, std::max(0, count - 1));  // one character early: kerning
  }
  const std::string rest = line.substr(start);
  std::size_t end = line.size();
  if (to - from >= 0 && TTF_MeasureUTF8(font, rest.c_str(), to - std::max(0, from) + 1, &extent, &count) == 0) {
    end = advanceCharacters(line, start, count + 2);
  }
  return {start, std::max(start, end)};
}

int TextRenderer::pixelSize(const ui::Font& font, double scale) {
  return std::max(1, static_cast<int>(std::lround(font.size * 96.0 / 72.0 * scale)));
}

TTF_Font* TextRenderer::font(const ui::Font& f, double scale) {
  auto face = resolver_.resolve(f.name, f.bold, f.italic);
  if (!face) return nullptr;
  int style = TTF_STYLE_NORMAL;
  if (f.bold && !face->bold) style |= TTF_STYLE_BOLD;
  if (f.italic && !face->italic) style |= TTF_STYLE_ITALIC;
  if (f.underline) style |= TTF_STYLE_UNDERLINE;
  if (f.strikethrough) style |= TTF_STYLE_STRIKETHROUGH;
  const int size = pixelSize(f, scale);
  const auto key = std::make_tuple(face->file, face->faceIndex, size, style);
  auto it = fonts_.find(key);
  if (it != fonts_.end()) return it->second.get();
  FontPtr opened(TTF_OpenFontIndex(face->file.c_str(), size, face->faceIndex));
  if (opened) TTF_SetFontStyle(opened.get(), style);
  TTF_Font* raw = opened.get();
  fonts_.emplace(key, std::move(opened));
  return raw;
}

int TextRenderer::lineHeight(const ui::Font& f, double scale) {
  TTF_Font* ttf = font(f, scale);
  if (ttf == nullptr) return static_cast<int>(std::lround(pixelSize(f, scale) * 1.15));
  return TTF_FontHeight(ttf);
}

int TextRenderer::lineWidth(const ui::Font& f, const std::string& line, double scale) {
  if (line.empty()) return 0;
  TTF_Font* ttf = font(f, scale);
  if (ttf == nullptr) return static_cast<int>(std::lround(static_cast<double>(line.size()) * pixelSize(f, scale) * 0.55));
  WidthKey key{ttf, line};
  if (auto it = widths_.find(key); it != widths_.end()) return it->second;
  int w = 0;
  int h = 0;
  if (TTF_SizeUTF8(ttf, line.c_str(), &w, &h) != 0) return 0;
  // a bounded memory of widths: forgotten all at once when full
  constexpr std::size_t kKeptWidthBytes = std::size_t{4} << 20;
  if (widthBytes_ + line.size() > kKeptWidthBytes) {
    widths_.clear();
    widthBytes_ = 0;
  }
  widthBytes_ += line.size() + sizeof(WidthKey);
  widths_.emplace(std::move(key), w);
  return w;
}

std::pair<int, int> TextRenderer::measure(const ui::Font& f, const std::string& text, double scale) {
  const auto lines = splitLines(text);
  int width = 0;
  for (const auto& line : lines) width = std::max(width, lineWidth(f, line, scale));
  return {width, lineHeight(f, scale) * static_cast<int>(lines.size())};
}

std::vector<std::string> TextRenderer::wrap(const ui::Font& f, const std::string& text, int width, double scale,
                                            std::size_t maxLines) {
  std::vector<std::string> out;
  for (const auto& paragraph : splitLines(text)) {
    if (out.size() >= maxLines) break;
    std::string line;
    std::size_t pos = 0;
    bool any = false;
    while (pos <= paragraph.size()) {
      std::size_t end = paragraph.find(' ', pos);
      if (end == std::string::npos) end = paragraph.size();
      const std::string word = paragraph.substr(pos, end - pos);
      const std::string candidate = line.empty() && !any ? word : line + " " + word;
      if (any && lineWidth(f, drawnPart(candidate), scale) > width) {
        out.push_back(line);
        if (out.size() >= maxLines) return out;
        line = word;
      } else {
        line = candidate;
      }
      any = true;
      pos = end + 1;
    }
    out.push_back(line);
  }
  return out;
}

SurfacePtr TextRenderer::render(const ui::Font& f, const std::string& line, ui::Color color, double scale) {
  if (line.empty()) return nullptr;
  TTF_Font* ttf = font(f, scale);
  if (ttf == nullptr) return nullptr;
  const SDL_Color c{static_cast<Uint8>(color & 0xFF), static_cast<Uint8>((color >> 8) & 0xFF),
                    static_cast<Uint8>((color >> 16) & 0xFF), 255};
  return SurfacePtr(TTF_RenderUTF8_Blended(ttf, line.c_str(), c));
}

}  // namespace quorlen::sdl
