#include "backends/sdl/window_painter.h"

#include <algorithm>
#include <utility>

#include "backends/sdl/look.h"

namespace quorlen::sdl {

namespace {
Rect controlRect(const ui::Control& c, double originX, double originY) {
  return Rect{originX + px(c.left()), originY + px(c.top()), px(c.width()), px(c.height())};
}

Rect intersection(const Rect& a, const Rect& b) {
  const double left = std::max(a.x, b.x);
  const double top = std::max(a.y, b.y);
  const double right = std::min(a.x + a.w, b.x + b.w);
  const double bottom = std::min(a.y + a.h, b.y + b.h);
  return Rect{left, top, std::max(0.0, right - left), std::max(0.0, bottom - top)};
}
}  // namespace

void drawEdge(Canvas& canvas, const Rect& r, bool sunken) {
  const ui::Color light = ui::rgb(255, 255, 255);
  const ui::Color dark = look::kEdge;
  const ui::Color topLeft = sunken ? dark : light;
  const ui::Color bottomRight = sunken ? light : dark;
  canvas.fill(Rect{r.x, r.y, r.w, 1}, topLeft);
  canvas.fill(Rect{r.x, r.y, 1, r.h}, topLeft);
  canvas.fill(Rect{r.x, r.y + r.h - 1, r.w, 1}, bottomRight);
  canvas.fill(Rect{r.x + r.w - 1, r.y, 1, r.h}, bottomRight);
}

WindowPainter::WindowPainter(Canvas& canvas, const ViewState& view, const std::vector<VideoPicture>& videos)
    : canvas_(canvas), view_(view) {
  for (const VideoPicture& v : videos) videos_[v.parentWindow].push_back(&v);
}

void WindowPainter::paintFramed(const ui::Window& window, double x, double y) {
  const Rect outer{x, y, px(window.width()), px(window.height())};
  canvas_.fill(outer, look::kFace);
  drawEdge(canvas_, outer, false);
  canvas_.fill(Rect{x + look::kBorder, y + look::kBorder, outer.w - 2 * look::kBorder,
                    static_cast<double>(look::kTitleBarHeight - look::kBorder - 1)},
               look::kTitleBar);
  canvas_.pushClip(Rect{x + look::kBorder, y, outer.w - 2 * look::kBorder, static_cast<double>(look::kTitleBarHeight)});
  canvas_.text(look::kTitleFont, window.title(), look::kTitleText, x + look::kBorder + 6,
               y + look::kBorder + (look::kTitleBarHeight - look::kBorder - 1 - canvas_.lineHeight(look::kTitleFont)) / 2);
  canvas_.popClip();
  paintInside(window, x + look::kBorder, y + look::kTitleBarHeight);
}

void WindowPainter::paintInside(const ui::Window& window, double x, double y) {
  focus_ = window.focus();
  const Rect inside{x, y, px(window.innerWidth()), px(window.innerHeight())};
  canvas_.pushClip(inside);
  visible_ = canvas_.clipRect();
  const ui::Control* hiding = hidingChild(window.children(), x, y);
  if (hiding == nullptr) {
    canvas_.fill(inside, window.backColor());
    for (const ui::DrawnPicture& d : window.drawing()) canvas_.pictureAt(d.picture.path, x + px(d.x), y + px(d.y));
  }
  paintChildren(window.children(), x, y, hiding);
  canvas_.popClip();
}

bool WindowPainter::videoHides(const ui::Control& c, const Rect& r, const Rect& area) const {
  if (!c.visible()) return false;
  const auto it = videos_.find(c.handle());
  if (it == videos_.end()) return false;
  for (const VideoPicture* v : it->second) {
    // the video shows inside its control only, from the control's corner
    const double right = std::min(r.x + r.w, r.x + v->width);
    const double bottom = std::min(r.y + r.h, r.y + v->height);
    if (r.x <= area.x && r.y <= area.y && right >= area.x + area.w && bottom >= area.y + area.h) return true;
  }
  return false;
}

const ui::Control* WindowPainter::hidingChild(const ui::ControlStack& children, double originX,
                                              double originY) const {
  if (videos_.empty()) return nullptr;
  const ui::Control* hiding = nullptr;
  for (const ui::Control* c : children) {
    if (videoHides(*c, controlRect(*c, originX, originY), visible_)) hiding = c;
  }
  return hiding;
}

void WindowPainter::paintChildren(const ui::ControlStack& children, double originX, double originY,
                                  const ui::Control* hiding) {
  // what lies below a video that fills the whole area is not drawn at all
  bool hidden = hiding != nullptr;
  for (const ui::Control* c : children) {
    if (c == hiding) {
      hidden = false;
      paintVideos(*c, controlRect(*c, originX, originY));
    } else if (!hidden) {
      paintControl(*c, originX, originY);
    }
  }
}

void WindowPainter::paintChildrenInside(const ui::Control& c, const Rect& r, const Rect& shown) {
  const Rect outer = std::exchange(visible_, shown);
  paintChildren(c.children(), r.x, r.y, hidingChild(c.children(), r.x, r.y));
  visible_ = outer;
}

void WindowPainter::paintControl(const ui::Control& c, double originX, double originY) {
  if (!c.visible()) return;
  const Rect r = controlRect(c, originX, originY);
  const Rect shown = intersection(r, visible_);
  if (videoHides(c, r, shown)) {
    paintVideos(c, r);
    return;
  }
  switch (c.kind()) {
    case ui::ControlKind::Image:
      if (c.picture()) {
        if (c.stretch()) {
          canvas_.picture(c.picture()->path, r);
        } else {
          canvas_.pushClip(r);
          canvas_.pictureAt(c.picture()->path, r.x, r.y);
          canvas_.popClip();
        }
      }
      break;
    case ui::ControlKind::Label: paintLabel(c, r); break;
    case ui::ControlKind::PictureBox: {
      canvas_.pushClip(r);
      const Rect outer = std::exchange(visible_, shown);
      const ui::Control* hiding = hidingChild(c.children(), r.x, r.y);
      if (hiding == nullptr) {
        canvas_.fill(r, c.backColor());
        if (c.picture()) canvas_.pictureAt(c.picture()->path, r.x, r.y);
        for (const ui::DrawnPicture& d : c.drawing()) canvas_.pictureAt(d.picture.path, r.x + px(d.x), r.y + px(d.y));
      }
      paintChildren(c.children(), r.x, r.y, hiding);
      visible_ = outer;
      paintVideos(c, r);
      canvas_.popClip();
      return;
    }
    case ui::ControlKind::CheckBox: paintCheckBox(c, r); break;
    case ui::ControlKind::TextBox: paintTextBox(c, r); break;
    case ui::ControlKind::ListBox: paintListBox(c, r); break;
    case ui::ControlKind::Button: paintButton(c, r); break;
    case ui::ControlKind::MenuEntry:
    case ui::ControlKind::FileList:
    case ui::ControlKind::Timer: return;
  }
  if (!c.children().empty()) {
    canvas_.pushClip(r);
    paintChildrenInside(c, r, shown);
    canvas_.popClip();
  }
  paintVideos(c, r);
}

void WindowPainter::paintVideos(const ui::Control& c, const Rect& r) {
  auto it = videos_.find(c.handle());
  if (it == videos_.end()) return;
  canvas_.pushClip(r);
  for (const VideoPicture* v : it->second) {
    canvas_.pixels(c.handle(), v->width, v->height, v->rgba, v->frameSerial,
                   Rect{r.x, r.y, static_cast<double>(v->width), static_cast<double>(v->height)});
  }
  canvas_.popClip();
}

void WindowPainter::paintLabel(const ui::Control& c, const Rect& r) {
  canvas_.pushClip(r);
  if (!c.backTransparent()) canvas_.fill(r, c.backColor());
  const ui::Font& font = c.font();
  const double lineHeight = canvas_.lineHeight(font);
  // only the lines that can show inside the label are laid out
  const auto shown = static_cast<std::size_t>(std::clamp(r.h / std::max(1.0, lineHeight) + 1, 1.0, 100000.0));
  auto lines = c.autoSize() ? splitLines(c.caption())
                            : canvas_.textRenderer().wrap(font, c.caption(), static_cast<int>(r.w), 1.0, shown);
  if (lines.size() > shown) lines.resize(shown);
  double y = r.y;
  for (const std::string& line : lines) {
    const double w = canvas_.textWidth(font, line);
    double x = r.x;
    if (c.alignment() == ui::Alignment::Center) x = r.x + (r.w - w) / 2;
    if (c.alignment() == ui::Alignment::Right) x = r.x + r.w - w;
    canvas_.text(font, line, c.foreColor(), x, y);
    y += lineHeight;
  }
  canvas_.popClip();
}

void WindowPainter::paintCheckBox(const ui::Control& c, const Rect& r) {
  canvas_.fill(r, c.backColor());
  const double side = std::min({13.0, r.w, r.h});
  const Rect box{r.x, r.y + (r.h - side) / 2, side, side};
  canvas_.fill(box, c.enabled() ? ui::kWhite : look::kFace);
  canvas_.outline(box, look::kEdge);
  if (c.value() != 0) {
    // a tick of two strokes
    const double s = side / 13.0;
    for (int i = 0; i < 3; ++i) {
      canvas_.fill(Rect{box.x + (3 + i) * s, box.y + (6 + i) * s, 1.5 * s, 2 * s}, look::kText);
    }
    for (int i = 0; i < 5; ++i) {
      canvas_.fill(Rect{box.x + (6 + i) * s, box.y + (7 - i) * s, 1.5 * s, 2 * s}, look::kText);
    }
  }
  if (!c.caption().empty()) {
    canvas_.pushClip(r);
    canvas_.text(c.font(), c.caption(), c.foreColor(), box.x + side + 4, r.y + (r.h - canvas_.lineHeight(c.font())) / 2);
    canvas_.popClip();
  }
}

void WindowPainter::paintTextBox(const ui::Control& c, const Rect& r) {
  canvas_.fill(r, ui::kWhite);
  // a border all round: a sunken edge's light half vanishes on a white window
  canvas_.outline(r, look::kEdge);
  const ui::Font& font = c.font();
  const double lineHeight = canvas_.lineHeight(font);
  const Rect inner{r.x + 2, r.y + 2, r.w - 4, r.h - 4};
  canvas_.pushClip(inner);
  const double width = canvas_.textWidth(font, c.text());
  // the end of a long text stays in sight, with the caret after it
  const double shift = std::max(0.0, width + 2 * look::kTextPadding - inner.w);
  const double y = r.y + (r.h - lineHeight) / 2;
  canvas_.text(font, c.text(), look::kText, inner.x + look::kTextPadding - shift, y);
  if (focus_ == &c) {
    canvas_.fill(Rect{inner.x + look::kTextPadding - shift + width, y, 1, lineHeight}, look::kText);
  }
  canvas_.popClip();
}

void WindowPainter::paintListBox(const ui::Control& c, const Rect& r) {
  canvas_.fill(r, ui::kWhite);
  canvas_.outline(r, look::kEdge);
  const bool bar = needsScrollBar(c);
  const double textWidth = r.w - 4 - (bar ? look::kScrollBarWidth : 0);
  const int top = firstRow(view_, c);
  const int rows = visibleRows(c);
  const auto& items = c.items();
  canvas_.pushClip(Rect{r.x + 2, r.y + 2, textWidth, r.h - 4});
  for (int i = 0; i < rows && top + i < static_cast<int>(items.size()); ++i) {
    const int index = top + i;
    const Rect row{r.x + 2, r.y + 2 + i * look::kListRowHeight, textWidth, static_cast<double>(look::kListRowHeight)};
    const bool selected = index == c.listIndex();
    if (selected) canvas_.fill(row, look::kSelection);
    const double y = row.y + (row.h - canvas_.lineHeight(c.font())) / 2;
    canvas_.text(c.font(), items[static_cast<std::size_t>(index)], selected ? look::kSelectedText : look::kText,
                 row.x + 2, y);
    if (selected && focus_ == &c) canvas_.outline(row, look::kSelectedText);
  }
  canvas_.popClip();
  if (!bar) return;
  const Rect track{r.x + r.w - 2 - look::kScrollBarWidth, r.y + 2, static_cast<double>(look::kScrollBarWidth), r.h - 4};
  canvas_.fill(track, ui::rgb(240, 240, 240));
  const double total = static_cast<double>(items.size());
  const double thumbH = std::max(12.0, track.h * rows / total);
  const double span = track.h - thumbH;
  const double maxTop = std::max(1.0, total - rows);
  const Rect thumb{track.x + 2, track.y + span * top / maxTop, track.w - 4, thumbH};
  canvas_.fill(thumb, look::kFaceDark);
}

void WindowPainter::paintButton(const ui::Control& c, const Rect& r) {
  const bool down = view_.pressedButton == c.handle() && view_.pressedInside;
  canvas_.fill(r, look::kFace);
  if (c.isDefault() || focus_ == &c) {
    canvas_.outline(r, look::kDefaultEdge, 2);
    drawEdge(canvas_, Rect{r.x + 2, r.y + 2, r.w - 4, r.h - 4}, down);
  } else {
    drawEdge(canvas_, r, down);
  }
  canvas_.pushClip(r);
  const double w = canvas_.textWidth(c.font(), c.caption());
  const double h = canvas_.lineHeight(c.font());
  const double offset = down ? 1 : 0;
  canvas_.text(c.font(), c.caption(), c.enabled() ? look::kText : look::kFaceDark, r.x + (r.w - w) / 2 + offset,
               r.y + (r.h - h) / 2 + offset);
  canvas_.popClip();
}

void WindowPainter::paintMenuBar(const ui::Window& window, double x, double y, std::optional<ui::Handle> selected) {
  const Rect bar{x, y, px(window.innerWidth()), static_cast<double>(look::kMenuBarHeight)};
  canvas_.pushClip(bar);
  canvas_.fill(bar, look::kMenuBack);
  canvas_.fill(Rect{x, y + look::kMenuBarHeight - 1, bar.w, 1}, look::kFaceDark);
  const double h = canvas_.lineHeight(look::kMenuFont);
  for (const MenuSlot& slot : menuLayout(window, canvas_.textRenderer())) {
    const bool marked = selected == slot.entry->handle();
    if (marked) canvas_.fill(Rect{x + slot.rect.x, y + 1, slot.rect.w, slot.rect.h - 3}, look::kSelection);
    canvas_.text(look::kMenuFont, slot.entry->caption(), marked ? look::kSelectedText : look::kText,
                 x + slot.rect.x + look::kMenuEntryPadding, y + (look::kMenuBarHeight - h) / 2);
  }
  canvas_.popClip();
}

}  // namespace quorlen::sdl
