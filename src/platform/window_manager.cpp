#include "platform/window_manager.h"

#include <algorithm>

#include "platform/window.h"

namespace quorlen::ui {

namespace {
template <class... Ts>
struct Overloaded : Ts... {
  using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

bool takesFocus(ControlKind kind) {
  switch (kind) {
    case ControlKind::PictureBox:
    case ControlKind::CheckBox:
    case ControlKind::TextBox:
    case ControlKind::ListBox:
    case ControlKind::Button: return true;
    default: return false;
  }
}
}  // namespace

WindowManager::WindowManager(WindowHost& host) : host_(host) {}

Handle WindowManager::registerWindow(Window& window) {
  windows_.push_back(&window);
  return newHandle();
}

void WindowManager::unregisterWindow(Window& window) {
  windows_.erase(std::remove(windows_.begin(), windows_.end(), &window), windows_.end());
  modal_.erase(std::remove(modal_.begin(), modal_.end(), &window), modal_.end());
  if (active_ == &window) active_ = nullptr;
}

Window* WindowManager::findWindow(const std::string& name) const {
  for (Window* w : windows_) {
    if (w->name() == name) return w;
  }
  return nullptr;
}

Window* WindowManager::findWindow(Handle handle) const {
  for (Window* w : windows_) {
    if (w->handle() == handle) return w;
  }
  return nullptr;
}

Control* WindowManager::findControl(Handle handle) const {
  for (Window* w : windows_) {
    if (Control* c = w->findByHandle(handle)) return c;
  }
  return nullptr;
}

bool WindowManager::reachable(const Window& window) const {
  if (window.state() != Window::State::Shown) return false;
  const Window* modal = topModal();
  return modal == nullptr || modal == &window;
}

bool WindowManager::reachable(const Control& control) const {
  return reachable(control.window()) && control.shownOnScreen() && control.enabled();
}

void WindowManager::post(InputEvent event) { queue_.push_back(std::move(event)); }

int WindowManager::dispatchPending() {
  int count = 0;
  while (!queue_.empty()) {
    InputEvent event = std::move(queue_.front());
    queue_.pop_front();
    dispatch(event);
    ++count;
  }
  return count;
}

void WindowManager::dispatch(const InputEvent& event) {
  std::visit([this](const auto& e) { handle(e); }, event);
}

Window* WindowManager::inputWindow(Handle handle) const {
  Window* window = findWindow(handle);
  return window != nullptr && reachable(*window) ? window : nullptr;
}

void WindowManager::handle(const PointerDown& event) {
  Window* window = inputWindow(event.window);
  if (window == nullptr) return;
  Control* target = nullptr;
  Twips x = event.x;
  Twips y = event.y;
  if (event.target && *event.target != window->handle()) {
    target = window->findByHandle(*event.target);
    if (target == nullptr || !reachable(*target)) return;
    auto [ox, oy] = window->originOf(*target);
    x = clampTwips(std::int64_t{x} - ox);
    y = clampTwips(std::int64_t{y} - oy);
  } else if (!event.target) {
    HitResult hit = window->hitTest(event.x, event.y);
    target = hit.control;
    x = hit.x;
    y = hit.y;
  }
  const MouseArgs args{event.button, 0, x, y};
  if (target == nullptr) {
    pressed_[event.button] = window->handle();
    if (window->onMouseDown) window->onMouseDown(args);
    return;
  }
  pressed_[event.button] = target->handle();
  if (takesFocus(target->kind())) window->setFocus(target);
  if (target->onMouseDown) target->onMouseDown(*target, args);
}

void WindowManager::handle(const PointerUp& event) {
  Window* window = findWindow(event.window);
  if (window == nullptr || !window->loaded()) return;
  auto pressedIt = pressed_.find(event.button);
  const std::optional<Handle> pressedHandle =
      pressedIt == pressed_.end() ? std::nullopt : std::optional<Handle>(pressedIt->second);
  if (pressedIt != pressed_.end()) pressed_.erase(pressedIt);

  HitResult under{nullptr, event.x, event.y};
  if (event.over) {
    if (Control* over = window->findByHandle(*event.over)) {
      auto [ox, oy] = window->originOf(*over);
      under = HitResult{over, clampTwips(std::int64_t{event.x} - ox), clampTwips(std::int64_t{event.y} - oy)};
    }
  } else {
    under = window->hitTest(event.x, event.y);
  }

  if (Control* source = window->dragSource()) {
    window->endDrag();
    if (!reachable(*window)) return;
    if (under.control != nullptr) {
      if (under.control->onDragDrop) under.control->onDragDrop(*under.control, *source, under.x, under.y);
    } else if (window->onDragDrop) {
      window->onDragDrop(*source, under.x, under.y);
    }
    return;
  }

  if (!pressedHandle || *pressedHandle == window->handle()) return;
  Control* pressed = window->findByHandle(*pressedHandle);
  if (pressed == nullptr) return;
  auto [ox, oy] = window->originOf(*pressed);
  const MouseArgs args{event.button, 0, clampTwips(std::int64_t{event.x} - ox), clampTwips(std::int64_t{event.y} - oy)};
  if (pressed->onMouseUp) pressed->onMouseUp(*pressed, args);
  pressed = window->findByHandle(*pressedHandle);
  if (pressed == nullptr || under.control != pressed || event.button != MouseButton::Left) return;
  if (!reachable(*pressed)) return;
  if (pressed->kind() == ControlKind::CheckBox) pressed->setValue(pressed->value() == 0 ? 1 : 0);
  if (pressed->onClick) pressed->onClick(*pressed);
}

void WindowManager::handle(const DoubleClick& event) {
  Window* window = inputWindow(event.window);
  if (window == nullptr) return;
  if (event.target && *event.target == window->handle()) return;
  Control* target = event.target ? window->findByHandle(*event.target) : window->hitTest(event.x, event.y).control;
  if (target == nullptr || !reachable(*target)) return;
  if (target->onDblClick) target->onDblClick(*target);
}

void WindowManager::handle(const KeyPress& event) {
  Window* window = inputWindow(event.window);
  if (window == nullptr) return;
  Control* target = event.target ? window->findByHandle(*event.target) : window->focus();
  if (target != nullptr && !reachable(*target)) return;
  if (event.keyCode == kKeyEnter || event.keyCode == kKeyEscape) {
    for (Control* c : window->allControls()) {
      if (c->kind() != ControlKind::Button || !reachable(*c)) continue;
      const bool presses = event.keyCode == kKeyEnter ? (c->isDefault() || c == target) : c->isCancel();
      if (presses) {
        if (c->onClick) c->onClick(*c);
        return;
      }
    }
  }
  if (target != nullptr) {
    if (target->onKeyDown) target->onKeyDown(*target, event.keyCode, event.shift);
    return;
  }
  if (window->onKeyDown) window->onKeyDown(event.keyCode, event.shift);
}

void WindowManager::handle(const MenuChoose& event) {
  Control* entry = findControl(event.entry);
  if (entry == nullptr || !reachable(*entry)) return;
  if (entry->onClick) entry->onClick(*entry);
}

void WindowManager::handle(const TimerDue& event) {
  Control* timer = findControl(event.timer);
  if (timer == nullptr || !timer->timerEnabled() || timer->interval() <= 0) return;
  if (timer->onTimer) timer->onTimer(*timer);
}

void WindowManager::handle(const CloseRequest& event) {
  Window* window = inputWindow(event.window);
  if (window != nullptr) window->unload();
}

void WindowManager::handle(const TextReplace& event) {
  Control* control = findControl(event.control);
  if (control == nullptr || !reachable(*control)) return;
  control->setText(event.text);
}

void WindowManager::handle(const ListSelect& event) {
  Control* control = findControl(event.control);
  if (control == nullptr || !reachable(*control)) return;
  const Handle handle = control->handle();
  control->setListIndex(event.index);
  if (control->onClick) control->onClick(*control);
  if (!event.doubleClick) return;
  control = findControl(handle);
  if (control != nullptr && control->onDblClick) control->onDblClick(*control);
}

void WindowManager::handle(const Repaint& event) {
  if (Window* window = findWindow(event.window)) paint(*window);
}

void WindowManager::paint(Window& window) {
  if (window.state() != Window::State::Shown || painting_) return;
  painting_ = true;
  window.clearDrawing();
  for (Control* c : window.allControls()) {
    if (c->kind() == ControlKind::PictureBox) c->clearDrawing();
  }
  if (window.onPaint) window.onPaint();
  for (Control* c : window.allControls()) {
    if (c->kind() == ControlKind::PictureBox && c->onPaint && c->shownOnScreen()) c->onPaint(*c);
  }
  painting_ = false;
}

void WindowManager::bury(std::unique_ptr<Control> control) { graveyard_.push_back(std::move(control)); }

void WindowManager::collectGarbage() { graveyard_.clear(); }

void WindowManager::windowShown(Window& window, bool modal) {
  windows_.erase(std::remove(windows_.begin(), windows_.end(), &window), windows_.end());
  windows_.push_back(&window);
  if (modal) modal_.push_back(&window);
  host_.windowShown(window, modal);
  updateActive();
}

void WindowManager::windowHidden(Window& window) {
  modal_.erase(std::remove(modal_.begin(), modal_.end(), &window), modal_.end());
  host_.windowHidden(window);
  updateActive();
}

void WindowManager::windowUnloaded(Window& window) {
  modal_.erase(std::remove(modal_.begin(), modal_.end(), &window), modal_.end());
  host_.windowUnloaded(window);
  updateActive();
}

void WindowManager::updateActive() {
  Window* next = topModal();
  if (next == nullptr) {
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
      if ((*it)->state() == Window::State::Shown) {
        next = *it;
        break;
      }
    }
  }
  if (next == active_) return;
  active_ = next;
  if (next != nullptr && next->onActivate) next->onActivate();
}

}  // namespace quorlen::ui
