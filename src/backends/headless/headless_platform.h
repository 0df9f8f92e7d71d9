#pragma once
// Everything the runner's simulated machine is made of, put together.

#include <istream>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "backends/headless/headless_file_system.h"
#include "backends/headless/headless_services.h"
#include "backends/headless/headless_ui.h"
#include "backends/headless/logging_media_control.h"
#include "backends/headless/media/headless_media_devices.h"
#include "backends/headless/script.h"
#include "backends/headless/transcript.h"
#include "backends/headless/virtual_clock.h"
#include "backends/shared/files/disk_file_system.h"
#include "backends/shared/media/media_command_interpreter.h"
#include "platform/platform.h"

namespace quorlen::headless {

struct MachineOptions {
  std::string gameFolder;
  int displayWidth = 1024;
  int displayHeight = 768;
  int fontHeight = 16;
  std::optional<std::string> settingsFile;
  int clockSeconds = 12 * 3600;
  bool refuseDisplayChange = false;
};

class HeadlessPlatform {
 public:
  HeadlessPlatform(const MachineOptions& options, std::istream& script, std::ostream& transcript);
  HeadlessPlatform(const HeadlessPlatform&) = delete;
  HeadlessPlatform& operator=(const HeadlessPlatform&) = delete;

  [[nodiscard]] platform::Platform& platform() { return platform_; }
  [[nodiscard]] HeadlessUi& ui() { return ui_; }
  [[nodiscard]] backends::MediaCommandInterpreter& media() { return interpreter_; }
  [[nodiscard]] Transcript& transcript() { return transcript_; }

  // `media-end [ALIAS|audio|video]`.
  void endMedia(const std::optional<std::string>& word);

 private:
  Transcript transcript_;
  Script script_;
  VirtualClock clock_;
  backends::DiskFileSystem disk_;
  HeadlessFileSystem files_;
  backends::HeadlessMediaDeviceFactory devices_;
  backends::MediaCommandInterpreter interpreter_;
  LoggingMediaControl media_;
  HeadlessDisplay display_;
  LoggingSettingsStore settings_;
  HeadlessShell shell_;
  HeadlessUi ui_;
  platform::Platform platform_;
};

}  // namespace quorlen::headless
