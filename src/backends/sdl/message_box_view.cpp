#include "backends/sdl/message_box_view.h"

#include <algorithm>
#include <cmath>

#include "backends/sdl/look.h"
#include "backends/sdl/window_painter.h"

namespace quorlen::sdl {

namespace {
constexpr std::size_t kMaxMessageLines = 200;  // a message of a megabyte stays a box on screen
using R = ui::MsgBoxResult;
constexpr double kMargin = 14;
constexpr double kIconSize = 32;
constexpr double kButtonWidth = 80;
constexpr double kButtonHeight = 26;
constexpr double kButtonGap = 8;

const char* captionOf(R answer) {
  switch (answer) {
    case R::Ok: return "OK";
    case R::Cancel: return "Cancel";
    case R::Abort: return "Abort";
    case R::Retry: return "Retry";
    case R::Ignore: return "Ignore";
    case R::Yes: return "Yes";
    case R::No: return "No";
  }
  return "OK";
}

std::vector<R> answersOf(ui::MsgBoxButtons buttons) {
  switch (buttons) {
    case ui::MsgBoxButtons::Ok: return {R::Ok};
    case ui::MsgBoxButtons::OkCancel: return {R::Ok, R::Cancel};
    case ui::MsgBoxButtons::AbortRetryIgnore: return {R::Abort, R::Retry, R::Ignore};
    case ui::MsgBoxButtons::YesNoCancel: return {R::Yes, R::No, R::Cancel};
    case ui::MsgBoxButtons::YesNo: return {R::Yes, R::No};
    case ui::MsgBoxButtons::RetryCancel: return {R::Retry, R::Cancel};
  }
  return {R::Ok};
}

void paintIcon(Canvas& canvas, ui::MsgBoxIcon icon, const Rect& r) {
  ui::Color back = look::kSelection;
  const char* mark = "i";
  switch (icon) {
    case ui::MsgBoxIcon::None: return;
    case ui::MsgBoxIcon::Critical: back = ui::rgb(200, 30, 30); mark = "X"; break;
    case ui::MsgBoxIcon::Question: back = ui::rgb(30, 90, 190); mark = "?"; break;
    case ui::MsgBoxIcon::Exclamation: back = ui::rgb(230, 170, 0); mark = "!"; break;
    case ui::MsgBoxIcon::Information: back = ui::rgb(30, 90, 190); mark = "i"; break;
  }
  // a disc drawn as thin rows
  const double radius = r.w / 2;
  for (int i = 0; i < static_cast<int>(r.h); ++i) {
    const double dy = i + 0.5 - radius;
    const double half = std::sqrt(std::max(0.0, radius * radius - dy * dy));
    canvas.fill(Rect{r.x + radius - half, r.y + i, 2 * half, 1}, back);
  }
  const ui::Font font{"Arial", 15.0, true, false, false, false};
  const double w = canvas.textWidth(font, mark);
  const double h = canvas.lineHeight(font);
  canvas.text(font, mark, ui::kWhite, r.x + (r.w - w) / 2, r.y + (r.h - h) / 2);
}
}  // namespace

std::vector<MessageBoxButton> messageBoxButtons(ui::MsgBoxButtons buttons) {
  std::vector<MessageBoxButton> out;
  for (R answer : answersOf(buttons)) out.push_back(MessageBoxButton{answer, captionOf(answer), {}});
  return out;
}

std::optional<ui::MsgBoxResult> escapeAnswer(ui::MsgBoxButtons buttons) {
  if (ui::offers(buttons, R::Cancel)) return R::Cancel;
  if (buttons == ui::MsgBoxButtons::Ok) return R::Ok;
  return std::nullopt;
}

MessageBoxLayout layoutMessageBox(const std::string& text, ui::MsgBoxButtons buttons, ui::MsgBoxIcon icon,
                                  const std::string& title, TextRenderer& renderer, double maxTextWidth) {
  MessageBoxLayout l;
  l.buttons = messageBoxButtons(buttons);
  l.lines = renderer.wrap(look::kMessageFont, text, static_cast<int>(maxTextWidth), 1.0, kMaxMessageLines);
  double textWidth = 0;
  for (const auto& line : l.lines) textWidth = std::max(textWidth, static_cast<double>(renderer.lineWidth(look::kMessageFont, line, 1.0)));
  const double lineHeight = renderer.lineHeight(look::kMessageFont, 1.0);
  const double textHeight = lineHeight * static_cast<double>(l.lines.size());
  const bool hasIcon = icon != ui::MsgBoxIcon::None;
  const double textLeft = kMargin + (hasIcon ? kIconSize + kMargin : 0);
  const double buttonsWidth = static_cast<double>(l.buttons.size()) * (kButtonWidth + kButtonGap) - kButtonGap;
  const double titleWidth = renderer.lineWidth(look::kTitleFont, title, 1.0) + 40.0;
  l.width = std::max({textLeft + textWidth + kMargin, buttonsWidth + 2 * kMargin, titleWidth, 200.0});
  const double bodyTop = look::kTitleBarHeight + kMargin;
  const double bodyHeight = std::max(textHeight, hasIcon ? kIconSize : 0.0);
  if (hasIcon) l.icon = Rect{kMargin, bodyTop, kIconSize, kIconSize};
  l.text = Rect{textLeft, bodyTop + (bodyHeight - textHeight) / 2, textWidth, textHeight};
  const double buttonsTop = bodyTop + bodyHeight + kMargin + 4;
  double x = (l.width - buttonsWidth) / 2;
  for (auto& b : l.buttons) {
    b.rect = Rect{x, buttonsTop, kButtonWidth, kButtonHeight};
    x += kButtonWidth + kButtonGap;
  }
  l.height = buttonsTop + kButtonHeight + kMargin;
  l.width = std::ceil(l.width);
  l.height = std::ceil(l.height);
  return l;
}

void paintMessageBox(Canvas& canvas, const MessageBoxLayout& l, ui::MsgBoxIcon icon, const std::string& title,
                     double x, double y, std::size_t focused, std::optional<std::size_t> pressed) {
  const Rect outer{x, y, l.width, l.height};
  canvas.fill(outer, ui::kWhite);
  canvas.outline(outer, look::kEdge);
  canvas.fill(Rect{x + 1, y + 1, l.width - 2, static_cast<double>(look::kTitleBarHeight - 1)}, look::kTitleBar);
  canvas.text(look::kTitleFont, title, look::kTitleText, x + 10,
              y + (look::kTitleBarHeight - canvas.lineHeight(look::kTitleFont)) / 2);
  canvas.fill(Rect{x + 1, l.buttons.front().rect.y + y - 10, l.width - 2, l.height - l.buttons.front().rect.y + 9},
              ui::rgb(240, 240, 240));
  if (icon != ui::MsgBoxIcon::None) paintIcon(canvas, icon, Rect{x + l.icon.x, y + l.icon.y, l.icon.w, l.icon.h});
  const double lineHeight = canvas.lineHeight(look::kMessageFont);
  for (std::size_t i = 0; i < l.lines.size(); ++i) {
    canvas.text(look::kMessageFont, l.lines[i], look::kText, x + l.text.x, y + l.text.y + lineHeight * static_cast<double>(i));
  }
  for (std::size_t i = 0; i < l.buttons.size(); ++i) {
    const MessageBoxButton& b = l.buttons[i];
    const Rect r{x + b.rect.x, y + b.rect.y, b.rect.w, b.rect.h};
    const bool down = pressed && *pressed == i;
    canvas.fill(r, look::kFace);
    if (i == focused) {
      canvas.outline(r, look::kDefaultEdge, 2);
      drawEdge(canvas, Rect{r.x + 2, r.y + 2, r.w - 4, r.h - 4}, down);
    } else {
      drawEdge(canvas, r, down);
    }
    const double w = canvas.textWidth(look::kControlFont, b.caption);
    const double h = canvas.lineHeight(look::kControlFont);
    canvas.text(look::kControlFont, b.caption, look::kText, r.x + (r.w - w) / 2, r.y + (r.h - h) / 2);
  }
}

}  // namespace quorlen::sdl
