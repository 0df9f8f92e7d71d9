// The operating system's mouse and window events turned into the model's
// input events (the keyboard is in sdl_keyboard.cpp).
#include <algorithm>

#include "backends/sdl/look.h"
#include "backends/sdl/sdl_ui.h"

namespace quorlen::sdl {

namespace {
std::optional<ui::MouseButton> buttonOf(Uint8 button) {
  switch (button) {
    case SDL_BUTTON_LEFT: return ui::MouseButton::Left;
    case SDL_BUTTON_RIGHT: return ui::MouseButton::Right;
    case SDL_BUTTON_MIDDLE: return ui::MouseButton::Middle;
    default: return std::nullopt;
  }
}

}  // namespace

void SdlUi::post(ui::InputEvent event) {
  manager_.post(std::move(event));
  manager_.dispatchPending();
}

void SdlUi::handleEvent(const SDL_Event& e) {
  if (e.type == markerEvent_) {
    if (observer_ != nullptr) observer_->markerReached();
    return;
  }
  switch (e.type) {
    case SDL_QUIT: endProgram();
    case SDL_MOUSEBUTTONDOWN: mouseButton(e.button, true); return;
    case SDL_MOUSEBUTTONUP: mouseButton(e.button, false); return;
    case SDL_MOUSEMOTION: mouseMotion(e.motion); return;
    case SDL_MOUSEWHEEL: mouseWheel(e.wheel); return;
    case SDL_KEYDOWN: keyDown(e.key); return;
    case SDL_KEYUP: keyUp(e.key); return;
    case SDL_TEXTINPUT: textInput(e.text); return;
    case SDL_WINDOWEVENT:
      switch (e.window.event) {
        case SDL_WINDOWEVENT_CLOSE:
          if (!boxes_.empty()) {
            for (Box* b : boxes_) {
              if (b->own && b->own->id() == e.window.windowID) {
                if (auto a = escapeAnswer(b->buttons)) b->answer = a;
              }
            }
            return;
          }
          if (Host* h = hostBySdlId(e.window.windowID)) post(ui::CloseRequest{h->window->handle()});
          return;
        case SDL_WINDOWEVENT_SIZE_CHANGED:
          rememberWindowSize(e.window.windowID);
          [[fallthrough]];
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_RESTORED:
          if (Host* h = hostBySdlId(e.window.windowID)) {
            dirty_.insert(h->window);
          }
          boxesDirty_ = true;
          return;
        case SDL_WINDOWEVENT_LEAVE:
          pendingTip_.reset();
          if (shownTip_) {
            dirty_.insert(shownTip_->window);
            shownTip_.reset();
          }
          hovered_ = 0;
          return;
        default: return;
      }
    default: return;
  }
}

void SdlUi::boxMouse(Box& box, double x, double y, bool down) {
  std::optional<std::size_t> on;
  for (std::size_t i = 0; i < box.layout.buttons.size(); ++i) {
    const Rect& r = box.layout.buttons[i].rect;
    if (x >= r.x && y >= r.y && x < r.x + r.w && y < r.y + r.h) on = i;
  }
  if (down) {
    box.pressed = on;
    if (on) box.focused = *on;
  } else {
    if (box.pressed && on && *box.pressed == *on) box.answer = box.layout.buttons[*on].answer;
    box.pressed.reset();
  }
  boxesDirty_ = true;
}

void SdlUi::mouseButton(const SDL_MouseButtonEvent& e, bool down) {
  const auto button = buttonOf(e.button);
  if (!button) return;
  const Hit hit = hitAt(e.windowID, e.x, e.y);
  if (!down && menuPressed_ && *button != ui::MouseButton::Left) return;
  if (down && *button == ui::MouseButton::Left) menuPressed_.reset();
  if (!boxes_.empty()) {
    if (hit.box == boxes_.back()) {
      if (*button == ui::MouseButton::Left) boxMouse(*hit.box, hit.boxX, hit.boxY, down);
      return;
    }
    // under a message box only a release reaches the windows
    if (down || hit.window == nullptr) return;
  }
  if (hit.window == nullptr) return;
  ui::Window& window = *hit.window;
  const ui::Handle handle = window.handle();

  if (!down) {
    if (menuPressed_ && *button == ui::MouseButton::Left) {
      // an entry is chosen when the left button goes up on it
      const ui::Handle entry = *menuPressed_;
      menuPressed_.reset();
      for (const MenuSlot& slot : menuLayout(window, text_)) {
        if (hit.bar && slot.entry->handle() == entry && hit.barX >= slot.rect.x && hit.barX < slot.rect.x + slot.rect.w) {
          menuSelected_.reset();
          post(ui::MenuChoose{entry});
        }
      }
      return;
    }
    if (barButton_ == *button) {
      barButton_.reset();
      post(ui::PointerUp{handle, hit.x, hit.y, *button, handle});
      return;
    }
    if (view_.pressedButton != 0) {
      dirty_.insert(&window);
      view_.pressedButton = 0;
    }
    post(ui::PointerUp{handle, hit.x, hit.y, *button, std::nullopt});
    if (ui::Window* w = manager_.findWindow(handle)) updatePointer(w, w->hitTest(hit.x, hit.y).control);
    return;
  }

  if (!manager_.reachable(window)) return;
  if (hit.bar) {
    barPress(window, hit, *button, e.clicks);
    return;
  }
  if (menuSelected_) {
    menuSelected_.reset();
    dirty_.insert(&window);
  }
  const ui::HitResult target = window.hitTest(hit.x, hit.y);
  pendingTip_.reset();
  if (shownTip_) {
    dirty_.insert(shownTip_->window);
    shownTip_.reset();
  }
  ui::Control* control = target.control;
  if (control != nullptr && control->kind() == ui::ControlKind::ListBox && *button == ui::MouseButton::Left) {
    const ui::Handle list = control->handle();
    const double lx = px(target.x);
    const double ly = px(target.y);
    if (onScrollBar(*control, lx)) {
      const int rows = visibleRows(*control);
      const int top = firstRow(view_, *control);
      view_.listTop[list] = ly < px(control->height()) / 2 ? top - rows : top + rows;
      dirty_.insert(&window);
      return;
    }
    const auto row = rowAt(view_, *control, lx, ly);
    if (e.clicks < 2) post(ui::PointerDown{handle, std::nullopt, hit.x, hit.y, *button});
    if (row && manager_.findControl(list) != nullptr) post(ui::ListSelect{list, *row, e.clicks >= 2});
    return;
  }
  if (control != nullptr && control->kind() == ui::ControlKind::Button) {
    view_.pressedButton = control->handle();
    view_.pressedInside = true;
    dirty_.insert(&window);
  }
  if (e.clicks >= 2 && *button == ui::MouseButton::Left) {
    post(ui::DoubleClick{handle, std::nullopt, hit.x, hit.y});
  } else {
    post(ui::PointerDown{handle, std::nullopt, hit.x, hit.y, *button});
  }
  if (ui::Window* w = manager_.findWindow(handle); w != nullptr && w->dragSource() != nullptr) {
    updatePointer(w, w->dragSource());
  }
}

void SdlUi::barPress(ui::Window& window, const Hit& hit, ui::MouseButton button, int clicks) {
  if (button == ui::MouseButton::Left) {
    for (const MenuSlot& slot : menuLayout(window, text_)) {
      if (hit.barX >= slot.rect.x && hit.barX < slot.rect.x + slot.rect.w) {
        menuPressed_ = slot.entry->handle();
        return;
      }
    }
  }
  // the right and middle buttons, and the bar's empty part, act as on the
  // window itself (the right button hides the bar again)
  if (menuSelected_) {
    menuSelected_.reset();
    dirty_.insert(&window);
  }
  barButton_ = button;
  const ui::Handle handle = window.handle();
  if (clicks >= 2 && button == ui::MouseButton::Left) {
    post(ui::DoubleClick{handle, handle, hit.x, hit.y});
  } else {
    post(ui::PointerDown{handle, handle, hit.x, hit.y, button});
  }
}

void SdlUi::mouseMotion(const SDL_MouseMotionEvent& e) {
  if (!boxes_.empty()) {
    (void)pointerCursors_.show(nullptr, 0);
    SDL_SetCursor(arrow_.get());
    currentCursor_ = arrow_.get();
    return;
  }
  const Hit hit = hitAt(e.windowID, e.x, e.y);
  if (hit.window == nullptr || !manager_.reachable(*hit.window)) {
    updatePointer(nullptr, nullptr);
    return;
  }
  ui::Window& window = *hit.window;
  ui::Control* over = hit.bar ? nullptr : window.hitTest(hit.x, hit.y).control;
  if (view_.pressedButton != 0) {
    const bool inside = over != nullptr && over->handle() == view_.pressedButton;
    if (inside != view_.pressedInside) {
      view_.pressedInside = inside;
      dirty_.insert(&window);
    }
  }
  updatePointer(&window, over);
  const ui::Handle overHandle = over != nullptr ? over->handle() : 0;
  if (overHandle != hovered_) {
    hovered_ = overHandle;
    hoverSince_ = static_cast<std::int64_t>(SDL_GetTicks64());
    if (shownTip_) {
      dirty_.insert(shownTip_->window);
      shownTip_.reset();
    }
    pendingTip_.reset();
    if (over != nullptr && !over->toolTip().empty() && window.dragSource() == nullptr) {
      pendingTip_ = ToolTip{&window, over->toolTip(), hit.x, hit.y};
    }
  }
  showDueTip();
}

void SdlUi::showDueTip() {
  if (!pendingTip_ || static_cast<std::int64_t>(SDL_GetTicks64()) - hoverSince_ < look::kToolTipDelayMs) return;
  if (pendingTip_->window->state() != ui::Window::State::Shown) {
    pendingTip_.reset();
    return;
  }
  shownTip_ = pendingTip_;
  pendingTip_.reset();
  dirty_.insert(shownTip_->window);
}

void SdlUi::mouseWheel(const SDL_MouseWheelEvent& e) {
  if (!boxes_.empty()) return;
  int x = 0;
  int y = 0;
  SDL_GetMouseState(&x, &y);
  const Hit hit = hitAt(e.windowID, x, y);
  if (hit.window == nullptr || !manager_.reachable(*hit.window)) return;
  ui::Control* c = hit.window->hitTest(hit.x, hit.y).control;
  if (c == nullptr || c->kind() != ui::ControlKind::ListBox) return;
  view_.listTop[c->handle()] = firstRow(view_, *c) - e.y * 3;
  dirty_.insert(hit.window);
}

void SdlUi::updatePointer(ui::Window* window, ui::Control* over) {
  SDL_Cursor* cursor = arrow_.get();
  ui::Pointer pointer;
  std::optional<ui::Picture> dragIcon;
  if (window != nullptr && window->dragSource() != nullptr) {
    dragIcon = window->dragSource()->dragIcon();
  } else if (over != nullptr) {
    pointer = over->pointer();
  } else if (window != nullptr) {
    pointer = window->pointer();
  }
  if (dragIcon) {
    auto& made = cursors_["drag:" + dragIcon->path];
    if (!made) {
      if (SDL_Surface* s = pictures_.surface(dragIcon->path)) made.reset(SDL_CreateColorCursor(s, s->w / 2, s->h / 2));
    }
    if (made) cursor = made.get();
  } else if (pointer.kind == ui::Pointer::Kind::Hand) {
    cursor = hand_.get();
  }
  const PointerImages* fromFile = nullptr;
  if (!dragIcon && pointer.kind == ui::Pointer::Kind::Custom) fromFile = pointerCursors_.find(pointer.path);
  if (SDL_Cursor* animated = pointerCursors_.show(fromFile, static_cast<std::int64_t>(SDL_GetTicks64()))) {
    cursor = animated;
  }
  if (cursor != nullptr && cursor != currentCursor_) {
    SDL_SetCursor(cursor);
    currentCursor_ = cursor;
  }
}

}  // namespace quorlen::sdl
