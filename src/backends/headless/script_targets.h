#pragma once
// What both script players (the runner and the scripted desktop player)
// make of a script line before they act on it: the window or control a
// name reaches, and the simulated file-system faults.

#include <optional>

#include "backends/headless/headless_file_system.h"
#include "backends/headless/script.h"
#include "platform/window_manager.h"

namespace quorlen::headless {

struct ScriptTarget {
  ui::Window* window = nullptr;
  ui::Control* control = nullptr;  // nullptr: the window itself
};

// The named window or control when the user could reach it now (loaded,
// and in a window that takes input); nothing otherwise.
[[nodiscard]] std::optional<ScriptTarget> reachTarget(ui::WindowManager& windows, const ControlName& name);

// Carries out `delete`, `fail-writes` and `fail-removes`; false for any
// other command.
[[nodiscard]] bool simulateFileFault(HeadlessFileSystem& files, const ScriptCommand& command);

}  // namespace quorlen::headless
