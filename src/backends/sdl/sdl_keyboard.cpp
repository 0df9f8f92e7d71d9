// The keyboard: the player's own keys, the menu bar's keys, message boxes,
// lists, text boxes and the keys the game is given.
#include <algorithm>

#include "backends/sdl/key_codes.h"
#include "backends/sdl/sdl_ui.h"

namespace quorlen::sdl {

namespace {
bool takesKeyboard(const ui::Control& c) {
  switch (c.kind()) {
    case ui::ControlKind::TextBox:
    case ui::ControlKind::ListBox:
    case ui::ControlKind::Button:
    case ui::ControlKind::CheckBox: return true;
    default: return false;
  }
}

// Drops the last character of a UTF-8 text.
std::string withoutLastCharacter(std::string text) {
  if (text.empty()) return text;
  std::size_t end = text.size() - 1;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  text.erase(end);
  return text;
}
}  // namespace

void SdlUi::boxKey(Box& box, SDL_Keycode key) {
  const std::size_t count = box.layout.buttons.size();
  switch (key) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
    case SDLK_SPACE: box.answer = box.layout.buttons[box.focused].answer; break;
    case SDLK_ESCAPE:
      if (auto a = escapeAnswer(box.buttons)) box.answer = a;
      break;
    case SDLK_LEFT: box.focused = (box.focused + count - 1) % count; break;
    case SDLK_RIGHT:
    case SDLK_TAB: box.focused = (box.focused + 1) % count; break;
    default: break;
  }
  boxesDirty_ = true;
}

bool SdlUi::playerKey(const SDL_KeyboardEvent& e) {
  const SDL_Keycode key = e.keysym.sym;
  const bool alt = (e.keysym.mod & KMOD_ALT) != 0;
  DesktopPreferences& p = options_.preferences;
  const auto step = [](int& volume, int by) { volume = std::clamp(volume + by, 0, 100); };
  switch (key) {
    case SDLK_F5:
      if (e.repeat == 0) p.mute = !p.mute;
      break;
    case SDLK_F6: step(p.musicVolume, -kVolumeStep); break;
    case SDLK_F7: step(p.musicVolume, kVolumeStep); break;
    case SDLK_F8: step(p.soundVolume, -kVolumeStep); break;
    case SDLK_F9: step(p.soundVolume, kVolumeStep); break;
    default:
      if (key != SDLK_F11 && !(alt && (key == SDLK_RETURN || key == SDLK_KP_ENTER))) return false;
      altAlone_ = false;
      if (e.repeat != 0) return true;
      if (Host* h = hostBySdlId(e.windowID); h != nullptr && h->screen) {
        const bool full = !h->surface->fullscreen();
        h->surface->setFullscreen(full);
        if (!full) {
          const auto [w, hgt] = windowedSize(*h);
          h->surface->resize(w, hgt);
          SDL_SetWindowPosition(h->surface->window(), static_cast<int>(SDL_WINDOWPOS_CENTERED),
                                static_cast<int>(SDL_WINDOWPOS_CENTERED));
        }
        p.fullscreen = full;
        dirty_.insert(h->window);
      }
      break;
  }
  preferencesChanged();
  return true;
}

void SdlUi::preferencesChanged() {
  if (options_.preferencesChanged) options_.preferencesChanged(options_.preferences);
}

void SdlUi::keyDown(const SDL_KeyboardEvent& e) {
  const SDL_Keycode key = e.keysym.sym;
  if (playerKey(e)) return;
  if (!boxes_.empty()) {
    if (e.repeat == 0) boxKey(*boxes_.back(), key);
    return;
  }
  ui::Window* window = manager_.activeWindow();
  if (window == nullptr) return;
  if (menuKey(*window, e)) return;
  ui::Control* focus = window->focus();
  if (focus != nullptr && !manager_.reachable(*focus)) focus = nullptr;
  if (key == SDLK_TAB) {
    moveFocus(*window);
    return;
  }
  if (focus != nullptr && focus->kind() == ui::ControlKind::TextBox) {
    if (key == SDLK_BACKSPACE) {
      post(ui::TextReplace{focus->handle(), withoutLastCharacter(focus->text())});
      return;
    }
    if (key != SDLK_RETURN && key != SDLK_KP_ENTER && key != SDLK_ESCAPE) return;
  }
  if (focus != nullptr && focus->kind() == ui::ControlKind::ListBox) {
    switch (key) {
      case SDLK_UP:
      case SDLK_DOWN:
      case SDLK_HOME:
      case SDLK_END:
      case SDLK_PAGEUP:
      case SDLK_PAGEDOWN: listKey(*focus, key); return;
      default: break;
    }
  }
  if (e.repeat != 0) return;
  auto code = gameKeyCode(key);
  if (!code) return;
  if (focus != nullptr && focus->kind() == ui::ControlKind::Button && key == SDLK_SPACE) code = ui::kKeyEnter;
  post(ui::KeyPress{window->handle(), std::nullopt, *code, gameShiftState(e.keysym.mod)});
}

bool SdlUi::menuKey(ui::Window& window, const SDL_KeyboardEvent& e) {
  const SDL_Keycode key = e.keysym.sym;
  const bool bar = hasMenuBar(window);
  if (key == SDLK_LALT || key == SDLK_RALT) {
    if (e.repeat == 0) altAlone_ = true;
    return bar;
  }
  altAlone_ = false;
  if (!bar) {
    menuSelected_.reset();
    return false;
  }
  const auto slots = menuLayout(window, text_);
  if (slots.empty()) return false;
  if (key == SDLK_F10) {
    // F10 (or Alt alone) goes to the bar's first entry, or leaves the bar
    if (e.repeat == 0) menuSelected_ = menuSelected_ ? std::nullopt : std::optional<std::size_t>(0);
    dirty_.insert(&window);
    return true;
  }
  if (!menuSelected_) return false;
  const std::size_t count = slots.size();
  const std::size_t at = std::min(*menuSelected_, count - 1);
  switch (key) {
    case SDLK_LEFT: menuSelected_ = (at + count - 1) % count; break;
    case SDLK_RIGHT: menuSelected_ = (at + 1) % count; break;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
      menuSelected_.reset();
      if (e.repeat == 0) post(ui::MenuChoose{slots[at].entry->handle()});
      break;
    case SDLK_ESCAPE: menuSelected_.reset(); break;
    default: break;  // the bar holds the keyboard while an entry is selected
  }
  dirty_.insert(&window);
  return true;
}

void SdlUi::keyUp(const SDL_KeyboardEvent& e) {
  const SDL_Keycode key = e.keysym.sym;
  if ((key != SDLK_LALT && key != SDLK_RALT) || !altAlone_) return;
  altAlone_ = false;
  if (!boxes_.empty()) return;
  ui::Window* window = manager_.activeWindow();
  if (window == nullptr || !hasMenuBar(*window)) return;
  menuSelected_ = menuSelected_ ? std::nullopt : std::optional<std::size_t>(0);
  dirty_.insert(window);
}

void SdlUi::listKey(ui::Control& list, SDL_Keycode key) {
  const int count = static_cast<int>(list.items().size());
  if (count == 0) return;
  const int rows = visibleRows(list);
  int index = list.listIndex();
  switch (key) {
    case SDLK_UP: index = index < 0 ? 0 : index - 1; break;
    case SDLK_DOWN: index = index + 1; break;
    case SDLK_HOME: index = 0; break;
    case SDLK_END: index = count - 1; break;
    case SDLK_PAGEUP: index = index - rows; break;
    case SDLK_PAGEDOWN: index = index < 0 ? rows - 1 : index + rows; break;
    default: return;
  }
  index = std::clamp(index, 0, count - 1);
  view_.listTop[list.handle()] = scrollToShow(list, firstRow(view_, list), index);
  dirty_.insert(&list.window());
  if (index != list.listIndex()) post(ui::ListSelect{list.handle(), index, false});
}

void SdlUi::moveFocus(ui::Window& window) {
  std::vector<ui::Control*> order;
  for (ui::Control* c : window.allControls()) {
    if (takesKeyboard(*c) && manager_.reachable(*c)) order.push_back(c);
  }
  if (order.empty()) return;
  auto it = std::find(order.begin(), order.end(), window.focus());
  window.setFocus(it == order.end() || it + 1 == order.end() ? order.front() : *(it + 1));
  dirty_.insert(&window);
}

void SdlUi::textInput(const SDL_TextInputEvent& e) {
  if (!boxes_.empty()) return;
  ui::Window* window = manager_.activeWindow();
  if (window == nullptr) return;
  ui::Control* focus = window->focus();
  if (focus == nullptr || focus->kind() != ui::ControlKind::TextBox || !manager_.reachable(*focus)) return;
  post(ui::TextReplace{focus->handle(), focus->text() + e.text});
}

}  // namespace quorlen::sdl
