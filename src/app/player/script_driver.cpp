#include "app/player/script_driver.h"

#include <algorithm>

#include "backends/sdl/key_codes.h"

namespace quorlen::player {

namespace {
using K = headless::ScriptCommand::Kind;

Uint8 sdlButton(ui::MouseButton b) {
  switch (b) {
    case ui::MouseButton::Right: return SDL_BUTTON_RIGHT;
    case ui::MouseButton::Middle: return SDL_BUTTON_MIDDLE;
    case ui::MouseButton::Left: break;
  }
  return SDL_BUTTON_LEFT;
}

int entryIndex(const ui::Control& list, const std::string& entry) {
  const auto& items = list.items();
  auto it = std::find(items.begin(), items.end(), entry);
  return it == items.end() ? -1 : static_cast<int>(it - items.begin());
}

std::size_t utf8Length(const std::string& text) {
  std::size_t n = 0;
  for (unsigned char c : text) n += (c & 0xC0) != 0x80 ? 1 : 0;
  return n;
}
}  // namespace

ScriptDriver::ScriptDriver(sdl::SdlUi& ui, headless::Script& script, headless::Transcript& transcript,
                           headless::HeadlessFileSystem& files, Hooks hooks)
    : ui_(ui), script_(script), transcript_(transcript), files_(files), hooks_(std::move(hooks)) {}

void ScriptDriver::windowShown(const ui::Window& window, bool modal) {
  transcript_.line("window show " + window.name() + (modal ? " modal" : ""));
}
void ScriptDriver::windowHidden(const ui::Window& window) { transcript_.line("window hide " + window.name()); }
void ScriptDriver::windowUnloaded(const ui::Window& window) { transcript_.line("window unload " + window.name()); }
void ScriptDriver::programEnded() { transcript_.line("end program"); }

void ScriptDriver::messageBoxClosed(const std::string& text, ui::MsgBoxButtons buttons, ui::MsgBoxIcon icon,
                                    const std::string& title, ui::MsgBoxResult answer) {
  transcript_.line(std::string("msgbox ") + ui::toString(icon) + " " + ui::toString(buttons) + " " +
                   headless::quoted(title) + " " + headless::quoted(text) + " -> " + ui::toString(answer) +
                   (defaulted_ ? " (default)" : ""));
  defaulted_ = false;
}

void ScriptDriver::notAvailable(const std::string& what) { transcript_.line("not available: " + what); }

void ScriptDriver::stopAtEnd() {
  if (const auto& error = script_.error()) {
    transcript_.line("error " + std::to_string(error->line) + ": " + error->why);
    throw ScriptStopped{};
  }
  transcript_.line("end of script");
  throw ui::ProgramEnded{};
}

bool ScriptDriver::idle(sdl::IdlePoint point) {
  if (awaiting_) return false;
  if (point == sdl::IdlePoint::MessageBox && ui_.messageBoxShowing()) return answerStep();
  const std::optional<headless::ScriptCommand> command = script_.peek();
  if (!command) stopAtEnd();
  script_.take();
  execute(*command);
  return true;
}

bool ScriptDriver::answerStep() {
  const ui::MsgBoxButtons buttons = *ui_.messageBoxButtonsShowing();
  for (;;) {
    const std::optional<headless::ScriptCommand> command = script_.peek();
    if (!command && script_.error()) stopAtEnd();
    if (command && headless::simulateFileFault(files_, *command)) {
      script_.take();
      continue;
    }
    std::optional<ui::MsgBoxResult> chosen;
    if (!command || command->kind != K::Answer) {
      chosen = ui::defaultAnswer(buttons);
      defaulted_ = true;
    } else {
      script_.take();
      for (ui::MsgBoxResult answer : {ui::MsgBoxResult::Ok, ui::MsgBoxResult::Cancel, ui::MsgBoxResult::Abort,
                                      ui::MsgBoxResult::Retry, ui::MsgBoxResult::Ignore, ui::MsgBoxResult::Yes,
                                      ui::MsgBoxResult::No}) {
        if (command->answer == ui::toString(answer) && ui::offers(buttons, answer)) chosen = answer;
      }
      if (!chosen) {
        notAvailable("answer");
        continue;
      }
    }
    if (auto p = ui_.pointOfAnswer(*chosen)) {
      pushButton(*p, ui::MouseButton::Left, true, 1);
      pushButton(*p, ui::MouseButton::Left, false, 1);
    }
    sent();
    return true;
  }
}

// --- synthetic input ------------------------------------------------------

void ScriptDriver::sent() {
  ui_.pushMarker();
  awaiting_ = true;
}

void ScriptDriver::pushButton(const sdl::ScreenPoint& p, ui::MouseButton button, bool down, int clicks) {
  SDL_Event e{};
  e.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
  e.button.windowID = p.windowId;
  e.button.button = sdlButton(button);
  e.button.state = down ? SDL_PRESSED : SDL_RELEASED;
  e.button.clicks = static_cast<Uint8>(clicks);
  e.button.x = p.x;
  e.button.y = p.y;
  SDL_PushEvent(&e);
}

void ScriptDriver::pushMotion(const sdl::ScreenPoint& p) {
  SDL_Event e{};
  e.type = SDL_MOUSEMOTION;
  e.motion.windowID = p.windowId;
  e.motion.x = p.x;
  e.motion.y = p.y;
  SDL_PushEvent(&e);
}

void ScriptDriver::pushKey(int code) {
  const auto key = sdl::sdlKeyFor(code);
  if (!key) return;
  for (bool down : {true, false}) {
    SDL_Event e{};
    e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.sym = *key;
    e.key.keysym.scancode = SDL_GetScancodeFromKey(*key);
    SDL_PushEvent(&e);
  }
}

void ScriptDriver::pushText(const std::string& text) {
  std::size_t pos = 0;
  while (pos < text.size()) {
    // a text input event holds up to 31 bytes; cut between characters
    std::size_t end = std::min(text.size(), pos + 31);
    while (end < text.size() && end > pos && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    SDL_Event e{};
    e.type = SDL_TEXTINPUT;
    text.copy(e.text.text, end - pos, pos);
    SDL_PushEvent(&e);
    pos = end;
  }
}

std::optional<sdl::ScreenPoint> ScriptDriver::pointOf(const Target& t) {
  if (t.control != nullptr) return ui_.pointOfControl(*t.control);
  // the window itself: a point where no control lies
  const ui::Window& w = *t.window;
  for (int i = 0; i <= 16; ++i) {
    for (int j = 0; j <= 16; ++j) {
      const ui::Twips x = w.innerWidth() / 2 + (i % 2 == 0 ? 1 : -1) * (w.innerWidth() / 2 - 1) * (i / 2) / 8;
      const ui::Twips y = w.innerHeight() / 2 + (j % 2 == 0 ? 1 : -1) * (w.innerHeight() / 2 - 1) * (j / 2) / 8;
      if (w.hitTest(x, y).control == nullptr && y / ui::kTwipsPerPixel >= 24) return ui_.pointOfWindow(w, x, y);
    }
  }
  return std::nullopt;
}

void ScriptDriver::click(const Target& t, ui::MouseButton button, int clicks) {
  auto p = pointOf(t);
  ui::WindowManager& manager = ui_.windows();
  if (!p) {
    // covered everywhere on screen: the control gets the press as the user
    // would reach it by the keyboard, straight through the model
    const ui::Handle on = t.control ? t.control->handle() : t.window->handle();
    auto [x, y] = t.control ? t.window->originOf(*t.control) : std::pair<ui::Twips, ui::Twips>{0, 0};
    manager.post(ui::PointerDown{t.window->handle(), on, x, y, button});
    manager.post(ui::PointerUp{t.window->handle(), x, y, button, on});
    if (clicks > 1) manager.post(ui::DoubleClick{t.window->handle(), on, x, y});
    manager.dispatchPending();
    return;
  }
  for (int i = 1; i <= clicks; ++i) {
    pushButton(*p, button, true, i);
    pushButton(*p, button, false, i);
  }
  sent();
}

void ScriptDriver::execute(const headless::ScriptCommand& c) {
  if (headless::simulateFileFault(files_, c)) return;
  switch (c.kind) {
    case K::Click: {
      auto t = reach(c.target);
      if (!t) return notAvailable(c.target.text);
      if (t->control && t->control->kind() == ui::ControlKind::MenuEntry) {
        auto p = ui_.pointOfMenuEntry(*t->control);
        if (!p) return notAvailable(c.target.text);
        pushButton(*p, ui::MouseButton::Left, true, 1);
        pushButton(*p, ui::MouseButton::Left, false, 1);
        return sent();
      }
      return click(*t, c.button);
    }
    case K::ClickAt: {
      auto t = reach(c.target);
      if (!t || t->control) return notAvailable(c.target.text);
      auto p = ui_.pointOfWindow(*t->window, ui::twipsOfPixels(c.x), ui::twipsOfPixels(c.y));
      if (!p) return notAvailable(c.target.text);
      pushButton(*p, c.button, true, 1);
      pushButton(*p, c.button, false, 1);
      return sent();
    }
    case K::DblClick: {
      auto t = reach(c.target);
      if (!t) return notAvailable(c.target.text);
      if (c.text) {
        if (!t->control) return notAvailable(c.target.text);
        const int index = entryIndex(*t->control, *c.text);
        auto p = index < 0 ? std::nullopt : ui_.pointOfListRow(*t->control, index);
        if (!p) return notAvailable(c.target.text);
        ui_.settle();
        for (int i = 1; i <= 2; ++i) {
          pushButton(*p, ui::MouseButton::Left, true, i);
          pushButton(*p, ui::MouseButton::Left, false, i);
        }
        return sent();
      }
      return click(*t, ui::MouseButton::Left, 2);
    }
    case K::Select: {
      auto t = reach(c.target);
      if (!t || !t->control) return notAvailable(c.target.text);
      const int index = entryIndex(*t->control, *c.text);
      auto p = index < 0 ? std::nullopt : ui_.pointOfListRow(*t->control, index);
      if (!p) return notAvailable(c.target.text);
      ui_.settle();
      pushButton(*p, ui::MouseButton::Left, true, 1);
      pushButton(*p, ui::MouseButton::Left, false, 1);
      return sent();
    }
    case K::Type: {
      auto t = reach(c.target);
      if (!t || !t->control || t->control->kind() != ui::ControlKind::TextBox) return notAvailable(c.target.text);
      t->window->setFocus(t->control);
      for (std::size_t i = utf8Length(t->control->text()); i > 0; --i) pushKey(8);
      pushText(*c.text);
      return sent();
    }
    case K::Key: {
      auto t = reach(c.target);
      if (!t) return notAvailable(c.target.text);
      if (t->control) t->window->setFocus(t->control);
      if (!sdl::sdlKeyFor(c.number)) {
        std::optional<ui::Handle> on;
        if (t->control) on = t->control->handle();
        ui_.windows().post(ui::KeyPress{t->window->handle(), on, c.number, 0});
        ui_.windows().dispatchPending();
        return;
      }
      pushKey(c.number);
      return sent();
    }
    case K::Drag: {
      auto source = reach(c.target);
      if (!source || !source->control) return notAvailable(c.target.text);
      if (ui_.windows().findWindow(c.other.window) != source->window) return notAvailable(c.other.text);
      auto target = reach(c.other);
      if (!target) return notAvailable(c.other.text);
      auto from = pointOf(*source);
      auto to = pointOf(*target);
      if (!from || !to) return notAvailable(c.target.text);
      pushButton(*from, ui::MouseButton::Left, true, 1);
      pushMotion(*to);
      pushButton(*to, ui::MouseButton::Left, false, 1);
      return sent();
    }
    case K::Menu: {
      auto t = reach(c.target);
      if (!t || !t->control || t->control->kind() != ui::ControlKind::MenuEntry) return notAvailable(c.target.text);
      auto p = ui_.pointOfMenuEntry(*t->control);
      if (!p) return notAvailable(c.target.text);
      pushButton(*p, ui::MouseButton::Left, true, 1);
      pushButton(*p, ui::MouseButton::Left, false, 1);
      return sent();
    }
    case K::Answer: return notAvailable("answer");
    case K::MediaEnd:
      if (hooks_.mediaEnd) hooks_.mediaEnd(c.text);
      return;
    case K::Wait: return ui_.advanceTime(c.number);
    case K::Dump:
      ui_.settle();
      transcript_.line("dump " + (hooks_.dump ? hooks_.dump() : std::string("{}")));
      return;
    default: return;
  }
}

}  // namespace quorlen::player
