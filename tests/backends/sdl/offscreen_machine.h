#pragma once
// The desktop backend on SDL's offscreen driver: a real SdlUi drawing with
// the software renderer, silent media, settings kept in memory, a shell
// that only counts, and a hook that runs at every idle point.

#include <functional>
#include <string>

#include "backends/headless/media/headless_media_devices.h"
#include "backends/sdl/sdl_display.h"
#include "backends/sdl/sdl_services.h"
#include "backends/sdl/sdl_ui.h"
#include "backends/shared/files/disk_file_system.h"
#include "backends/shared/media/media_command_interpreter.h"
#include "backends/shared/settings/ini_settings_store.h"
#include "platform/platform.h"
#include "startup/program.h"

namespace quorlen::sdl::testing {

class CountingShell final : public platform::Shell {
 public:
  int open(const std::string&) override { return ++opened; }
  int opened = 0;
};

class IdleHook final : public UiObserver {
 public:
  std::function<bool(IdlePoint)> onIdle;
  void windowShown(const ui::Window&, bool) override {}
  void windowHidden(const ui::Window&) override {}
  void windowUnloaded(const ui::Window&) override {}
  void messageBoxClosed(const std::string&, ui::MsgBoxButtons, ui::MsgBoxIcon, const std::string&,
                        ui::MsgBoxResult) override {}
  void programEnded() override {}
  void frameOpening(const std::string&) override {}
  bool idle(IdlePoint point) override { return onIdle ? onIdle(point) : false; }
  void markerReached() override {}
};

class OffscreenMachine {
 public:
  explicit OffscreenMachine(const std::string& gameFolder);
  [[nodiscard]] platform::Platform& platform() { return platform_; }
  [[nodiscard]] SdlUi& ui() { return ui_; }
  IdleHook hook;
  CountingShell shell;

 private:
  backends::DiskFileSystem files_;
  backends::IniSettingsStore settings_{std::nullopt};
  SdlClock clock_;
  SdlDisplay display_;
  SdlUi ui_;
  backends::HeadlessMediaDeviceFactory devices_;
  backends::MediaCommandInterpreter interpreter_;
  platform::Platform platform_;
};

// Pushes a key press into SDL's queue, as the keyboard would.
void pushKey(SDL_Keycode key);
// Pushes a press or a release of a mouse button there, as the mouse would.
void pushButton(const ScreenPoint& at, ui::MouseButton button, bool down);
// Presses and releases `button` in the middle of `control`, as the window
// manager hears a click.
void press(SdlUi& ui, ui::Control& control, ui::MouseButton button = ui::MouseButton::Left);
// Presses "New game" on the welcome window, without the display change.
void startNewGame(Program& program, SdlUi& ui);

}  // namespace quorlen::sdl::testing
