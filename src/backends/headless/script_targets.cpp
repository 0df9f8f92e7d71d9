#include "backends/headless/script_targets.h"

#include "platform/window.h"

namespace quorlen::headless {

std::optional<ScriptTarget> reachTarget(ui::WindowManager& windows, const ControlName& name) {
  ui::Window* window = windows.findWindow(name.window);
  if (window == nullptr || !windows.reachable(*window)) return std::nullopt;
  if (name.control.empty()) return ScriptTarget{window, nullptr};
  ui::Control* control = name.index ? window->element(name.control, *name.index) : window->find(name.control);
  if (control == nullptr || !windows.reachable(*control)) return std::nullopt;
  return ScriptTarget{window, control};
}

bool simulateFileFault(HeadlessFileSystem& files, const ScriptCommand& c) {
  using K = ScriptCommand::Kind;
  switch (c.kind) {
    case K::Delete: files.deleteNow(*c.text); return true;
    case K::FailWrites:
      files.failWrites(c.off ? std::nullopt : std::optional<std::size_t>(static_cast<std::size_t>(c.number)));
      return true;
    case K::FailRemoves: files.failRemoves(*c.text); return true;
    default: return false;
  }
}

}  // namespace quorlen::headless
