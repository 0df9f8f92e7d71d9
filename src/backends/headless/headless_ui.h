#pragma once
// The runner's window system: the shared window model driven by a script.
// The idle points (the main loop, modal windows, message boxes and waits for
// events) take the next script command; time passes only when the script
// or the program says so.

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "backends/headless/headless_file_system.h"
#include "backends/headless/script.h"
#include "backends/headless/script_targets.h"
#include "backends/headless/transcript.h"
#include "backends/headless/virtual_clock.h"
#include "backends/shared/timers/timer_schedule.h"
#include "platform/user_interface.h"
#include "platform/window.h"
#include "platform/window_host.h"
#include "platform/window_manager.h"

namespace quorlen::headless {

// Thrown when a script line cannot be understood; the runner exits with 2.
struct ScriptFailed {};

class HeadlessUi final : public ui::UserInterface, public ui::WindowHost {
 public:
  struct Hooks {
    // `media-end [WORD]`: the word (an alias, "audio", "video") or nothing.
    std::function<void(const std::optional<std::string>&)> mediaEnd;
    // `dump`: the JSON text of the state.
    std::function<std::string()> dump;
  };

  HeadlessUi(Transcript& transcript, VirtualClock& clock, HeadlessFileSystem& files, Script& script);

  void setHooks(Hooks hooks) { hooks_ = std::move(hooks); }

  // UserInterface.
  [[nodiscard]] ui::WindowManager& windows() override { return manager_; }
  void runMainLoop() override;
  ui::MsgBoxResult messageBox(const std::string& text, ui::MsgBoxButtons buttons, ui::MsgBoxIcon icon,
                              const std::string& title) override;
  void doEvents() override;
  void waitEvents(int timeoutMilliseconds) override;
  void waitElapsed(int milliseconds) override;
  [[noreturn]] void endProgram() override;
  [[nodiscard]] Result<ui::Picture> loadPicture(const std::string& path) override;
  [[nodiscard]] Result<ui::Pointer> loadCursor(const std::string& path) override;
  void frameOpening(const std::string& name) override { transcript_.line("open frame " + headless::quoted(name)); }

  // WindowHost.
  void windowShown(ui::Window& window, bool modal) override;
  void windowHidden(ui::Window& window) override;
  void windowUnloaded(ui::Window& window) override;
  void windowChanged(ui::Window& window) override {
    // A window changes many times in a row: noted once.
    if (lastChanged_ == &window) return;
    changed_.insert(&window);
    lastChanged_ = &window;
  }
  void timerChanged(ui::Control& timer) override;
  void runModalLoop(ui::Window& window) override;
  [[nodiscard]] ui::Twips frameAllowance() const override;
  [[nodiscard]] ui::Twips frameWidthAllowance() const override;
  [[nodiscard]] std::pair<int, int> measureText(const ui::Font& font, const std::string& text) const override;

 private:
  // One pass of an idle point: run what is pending, then one script command.
  void idle(bool outermost);
  void paintChanged();
  [[noreturn]] void stopAtEnd();
  void execute(const ScriptCommand& command);
  void advanceClock(std::int64_t milliseconds);
  void notAvailable(const std::string& what);

  // Script targets.
  using Target = ScriptTarget;
  [[nodiscard]] std::optional<Target> reach(const ControlName& name) { return reachTarget(manager_, name); }
  [[nodiscard]] std::pair<ui::Twips, ui::Twips> middleOf(const Target& target) const;
  void click(const Target& target, ui::MouseButton button);

  Transcript& transcript_;
  VirtualClock& clock_;
  HeadlessFileSystem& files_;
  Script& script_;
  Hooks hooks_;
  ui::WindowManager manager_;
  std::set<ui::Window*> changed_;
  ui::Window* lastChanged_ = nullptr;  // in changed_ while not nullptr
  backends::TimerSchedule timers_;
};

}  // namespace quorlen::headless
