#pragma once
// Replays a script of the runner's language on the desktop: each command
// becomes SDL mouse and key events pushed at the places of the controls on
// screen (and clicks on the message box's buttons), which then take the
// real input path. It writes the same transcript as quorlen-run.

#include <functional>
#include <optional>
#include <string>

#include "backends/headless/headless_file_system.h"
#include "backends/headless/script.h"
#include "backends/headless/script_targets.h"
#include "backends/headless/transcript.h"
#include "backends/sdl/sdl_ui.h"

namespace quorlen::player {

// Thrown when a script line cannot be understood (exit status 2).
struct ScriptStopped {};

class ScriptDriver final : public sdl::UiObserver {
 public:
  struct Hooks {
    std::function<void(const std::optional<std::string>&)> mediaEnd;
    std::function<std::string()> dump;
  };

  ScriptDriver(sdl::SdlUi& ui, headless::Script& script, headless::Transcript& transcript,
               headless::HeadlessFileSystem& files, Hooks hooks);

  void windowShown(const ui::Window& window, bool modal) override;
  void windowHidden(const ui::Window& window) override;
  void windowUnloaded(const ui::Window& window) override;
  void messageBoxClosed(const std::string& text, ui::MsgBoxButtons buttons, ui::MsgBoxIcon icon,
                        const std::string& title, ui::MsgBoxResult answer) override;
  void programEnded() override;
  void frameOpening(const std::string& name) override { transcript_.line("open frame " + headless::quoted(name)); }
  bool idle(sdl::IdlePoint point) override;
  void markerReached() override { awaiting_ = false; }

 private:
  using Target = headless::ScriptTarget;
  [[noreturn]] void stopAtEnd();
  bool answerStep();
  void execute(const headless::ScriptCommand& c);
  [[nodiscard]] std::optional<Target> reach(const headless::ControlName& name) {
    return headless::reachTarget(ui_.windows(), name);
  }
  void notAvailable(const std::string& what);

  // synthetic input
  [[nodiscard]] std::optional<sdl::ScreenPoint> pointOf(const Target& t);
  void click(const Target& t, ui::MouseButton button, int clicks = 1);
  void pushButton(const sdl::ScreenPoint& p, ui::MouseButton button, bool down, int clicks);
  void pushMotion(const sdl::ScreenPoint& p);
  void pushKey(int code);
  void pushText(const std::string& text);
  void sent();

  sdl::SdlUi& ui_;
  headless::Script& script_;
  headless::Transcript& transcript_;
  headless::HeadlessFileSystem& files_;
  Hooks hooks_;
  bool awaiting_ = false;
  bool defaulted_ = false;
};

}  // namespace quorlen::player
