#pragma once
// The two machines quorlen-player runs on: the desktop as it is, and the
// desktop driven by a script, with the runner's virtual clock, silent media
// devices and a transcript of what the program asks of the machine.

#include <functional>
#include <istream>
#include <memory>
#include <ostream>
#include <string>

#include "app/player/player_options.h"
#include "app/player/script_driver.h"
#include "backends/headless/headless_file_system.h"
#include "backends/headless/headless_services.h"
#include "backends/headless/logging_media_control.h"
#include "backends/headless/media/headless_media_devices.h"
#include "backends/headless/script.h"
#include "backends/headless/transcript.h"
#include "backends/headless/virtual_clock.h"
#include "backends/sdl/desktop_media.h"
#include "backends/sdl/sdl_display.h"
#include "backends/sdl/sdl_services.h"
#include "backends/sdl/sdl_ui.h"
#include "backends/shared/files/disk_file_system.h"
#include "backends/shared/media/media_command_interpreter.h"
#include "backends/shared/settings/ini_settings_store.h"
#include "platform/platform.h"

namespace quorlen::player {

[[nodiscard]] sdl::UiOptions uiOptions(const PlayerOptions& options);
// The desktop's options: the remembered loudness and window, overridden by
// the command line, with every later change written back to `settings`.
// `applyLoudness` is given the loudness now and at every change.
[[nodiscard]] sdl::UiOptions desktopOptions(
    const PlayerOptions& options, platform::SettingsStore& settings,
    std::function<void(const sdl::DesktopPreferences&)> applyLoudness = {});

// The media devices of the desktop and the pump that draws their videos.
struct DesktopMedia {
  std::unique_ptr<backends::MediaDeviceFactory> factory;
  sdl::MediaPump* pump = nullptr;
  sdl::DesktopMediaDevices* devices = nullptr;  // null when built without them
};
[[nodiscard]] DesktopMedia makeDesktopMedia(platform::FileSystem& files);

class DesktopMachine {
 public:
  DesktopMachine(const std::string& gameFolder, const PlayerOptions& options);
  [[nodiscard]] platform::Platform& platform() { return platform_; }

 private:
  backends::DiskFileSystem files_;
  backends::IniSettingsStore settings_;
  sdl::SdlShell shell_;
  sdl::SdlClock clock_;
  sdl::SdlDisplay display_;
  int musicGain_ = 128;  // the loudness, kept for the media devices
  int soundGain_ = 128;
  sdl::DesktopMediaDevices* loudnessTarget_ = nullptr;  // the devices, once made
  sdl::SdlUi ui_;
  DesktopMedia media_;
  backends::MediaCommandInterpreter interpreter_;
  platform::Platform platform_;
};

// The display of the scripted player: the desktop's, with its mode changes
// in the transcript.
class TranscribedDisplay final : public platform::Display {
 public:
  TranscribedDisplay(headless::Transcript& transcript, platform::Display& display)
      : transcript_(transcript), display_(display) {}
  [[nodiscard]] int width() const override { return display_.width(); }
  [[nodiscard]] int height() const override { return display_.height(); }
  [[nodiscard]] std::optional<int> systemFontCellHeight() const override { return display_.systemFontCellHeight(); }
  int changeMode(int width, int height) override;

 private:
  headless::Transcript& transcript_;
  platform::Display& display_;
};

class ScriptedMachine {
 public:
  ScriptedMachine(const std::string& gameFolder, const PlayerOptions& options, std::istream& script,
                  std::ostream& transcript);
  [[nodiscard]] platform::Platform& platform() { return platform_; }
  [[nodiscard]] sdl::SdlUi& ui() { return ui_; }
  // Connects the script to the program it drives.
  void drive(ScriptDriver::Hooks hooks);
  void endMedia(const std::optional<std::string>& word);

 private:
  headless::Transcript transcript_;
  headless::Script script_;
  headless::VirtualClock clock_;
  backends::DiskFileSystem disk_;
  headless::HeadlessFileSystem files_;
  backends::HeadlessMediaDeviceFactory devices_;
  backends::MediaCommandInterpreter interpreter_;
  headless::LoggingMediaControl media_;
  sdl::SdlDisplay sdlDisplay_;
  TranscribedDisplay display_;
  headless::LoggingSettingsStore settings_;
  headless::HeadlessShell shell_;
  sdl::SdlUi ui_;
  std::unique_ptr<ScriptDriver> driver_;
  platform::Platform platform_;
};

}  // namespace quorlen::player
