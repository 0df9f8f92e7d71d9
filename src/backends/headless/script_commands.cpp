// What each script command does to the window model.
#include <algorithm>
#include <cstdint>

#include "backends/headless/headless_ui.h"

namespace quorlen::headless {

namespace {
using K = ScriptCommand::Kind;

int entryIndex(const ui::Control& list, const std::string& entry) {
  const auto& items = list.items();
  auto it = std::find(items.begin(), items.end(), entry);
  return it == items.end() ? -1 : static_cast<int>(it - items.begin());
}
}  // namespace

void HeadlessUi::notAvailable(const std::string& what) { transcript_.line("not available: " + what); }

std::pair<ui::Twips, ui::Twips> HeadlessUi::middleOf(const Target& target) const {
  if (target.control == nullptr) return {target.window->innerWidth() / 2, target.window->innerHeight() / 2};
  auto [x, y] = target.window->originOf(*target.control);
  return {ui::clampTwips(std::int64_t{x} + target.control->width() / 2),
          ui::clampTwips(std::int64_t{y} + target.control->height() / 2)};
}

void HeadlessUi::click(const Target& target, ui::MouseButton button) {
  const auto [x, y] = middleOf(target);
  const ui::Handle on = target.control ? target.control->handle() : target.window->handle();
  manager_.post(ui::PointerDown{target.window->handle(), on, x, y, button});
  manager_.post(ui::PointerUp{target.window->handle(), x, y, button, on});
}

void HeadlessUi::execute(const ScriptCommand& c) {
  if (simulateFileFault(files_, c)) return;
  switch (c.kind) {
    case K::Click: {
      auto target = reach(c.target);
      if (!target) return notAvailable(c.target.text);
      if (target->control && target->control->kind() == ui::ControlKind::MenuEntry) {
        manager_.post(ui::MenuChoose{target->control->handle()});
        return;
      }
      return click(*target, c.button);
    }
    case K::ClickAt: {
      auto target = reach(c.target);
      if (!target || target->control) return notAvailable(c.target.text);
      const ui::Twips x = ui::twipsOfPixels(c.x);
      const ui::Twips y = ui::twipsOfPixels(c.y);
      const ui::Handle window = target->window->handle();
      manager_.post(ui::PointerDown{window, std::nullopt, x, y, c.button});
      manager_.post(ui::PointerUp{window, x, y, c.button, std::nullopt});
      return;
    }
    case K::DblClick: {
      auto target = reach(c.target);
      if (!target) return notAvailable(c.target.text);
      if (c.text) {
        if (!target->control) return notAvailable(c.target.text);
        const int index = entryIndex(*target->control, *c.text);
        if (index < 0) return notAvailable(c.target.text);
        manager_.post(ui::ListSelect{target->control->handle(), index, true});
        return;
      }
      click(*target, ui::MouseButton::Left);
      const auto [x, y] = middleOf(*target);
      const ui::Handle on = target->control ? target->control->handle() : target->window->handle();
      manager_.post(ui::DoubleClick{target->window->handle(), on, x, y});
      return;
    }
    case K::Select: {
      auto target = reach(c.target);
      if (!target || !target->control) return notAvailable(c.target.text);
      const int index = entryIndex(*target->control, *c.text);
      if (index < 0) return notAvailable(c.target.text);
      manager_.post(ui::ListSelect{target->control->handle(), index, false});
      return;
    }
    case K::Type: {
      auto target = reach(c.target);
      if (!target || !target->control || target->control->kind() != ui::ControlKind::TextBox) {
        return notAvailable(c.target.text);
      }
      manager_.post(ui::TextReplace{target->control->handle(), *c.text});
      return;
    }
    case K::Key: {
      auto target = reach(c.target);
      if (!target) return notAvailable(c.target.text);
      std::optional<ui::Handle> on;
      if (target->control) on = target->control->handle();
      manager_.post(ui::KeyPress{target->window->handle(), on, c.number, 0});
      return;
    }
    case K::Drag: {
      auto source = reach(c.target);
      if (!source || !source->control) return notAvailable(c.target.text);
      ui::Window* window = manager_.findWindow(c.other.window);
      if (window != source->window) return notAvailable(c.other.text);
      auto target = reach(c.other);
      if (!target) return notAvailable(c.other.text);
      const auto [sx, sy] = middleOf(*source);
      const auto [tx, ty] = middleOf(*target);
      const ui::Handle over = target->control ? target->control->handle() : target->window->handle();
      manager_.post(ui::PointerDown{source->window->handle(), source->control->handle(), sx, sy,
                                    ui::MouseButton::Left});
      manager_.post(ui::PointerUp{source->window->handle(), tx, ty, ui::MouseButton::Left, over});
      return;
    }
    case K::Menu: {
      auto target = reach(c.target);
      if (!target || !target->control || target->control->kind() != ui::ControlKind::MenuEntry) {
        return notAvailable(c.target.text);
      }
      manager_.post(ui::MenuChoose{target->control->handle()});
      return;
    }
    case K::Answer: return notAvailable("answer");
    case K::MediaEnd:
      if (hooks_.mediaEnd) hooks_.mediaEnd(c.text);
      return;
    case K::Wait: return advanceClock(c.number);
    case K::Dump:
      manager_.dispatchPending();
      paintChanged();
      transcript_.line("dump " + (hooks_.dump ? hooks_.dump() : std::string("{}")));
      return;
    default: return;
  }
}

}  // namespace quorlen::headless
