#pragma once
// The machine the checker plays the game on: the headless backend's files,
// media devices, display and clock, with a window system that needs no
// script. It answers every message box with its first button, ends every
// video the game waits for, and writes down each of these as the
// quorlen-run script line that does the same, with the message shown.

#include <cstdint>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <unordered_map>
#include <vector>

#include "backends/headless/headless_file_system.h"
#include "backends/headless/headless_services.h"
#include "backends/headless/media/headless_media_devices.h"
#include "backends/headless/transcript.h"
#include "backends/headless/virtual_clock.h"
#include "backends/shared/files/disk_file_system.h"
#include "backends/shared/media/media_command_interpreter.h"
#include "platform/platform.h"
#include "platform/user_interface.h"
#include "platform/window_host.h"
#include "platform/window_manager.h"

namespace quorlen::checker {

// A message box the game showed.
struct ShownMessage {
  std::string title;
  std::string text;
  std::string icon;
  std::string file;  // the data file read last before it showed
};

// What happened while the machine was being watched: the script lines that
// answer it, in order, and the messages.
struct Happenings {
  std::vector<std::string> scriptLines;
  std::vector<ShownMessage> messages;
};

// Every file the game reads goes through here, so that a message can be
// put down to the data file read last before it.
class WatchedFileSystem final : public platform::FileSystem {
 public:
  explicit WatchedFileSystem(platform::FileSystem& files) : files_(files) {}
  [[nodiscard]] std::string programFolder() const override { return files_.programFolder(); }
  [[nodiscard]] Result<std::string> readFile(const std::string& path) override {
    lastRead_ = path;
    return files_.readFile(path);
  }
  [[nodiscard]] Result<void> writeFile(const std::string& path, std::string_view bytes) override {
    return files_.writeFile(path, bytes);
  }
  [[nodiscard]] Result<void> replaceFile(const std::string& from, const std::string& to) override {
    return files_.replaceFile(from, to);
  }
  [[nodiscard]] Result<void> removeFile(const std::string& path) override { return files_.removeFile(path); }
  [[nodiscard]] bool fileExists(const std::string& path) override { return files_.fileExists(path); }
  [[nodiscard]] std::vector<std::string> listFiles(const std::string& folder, std::string_view pattern) override {
    return files_.listFiles(folder, pattern);
  }
  [[nodiscard]] std::string resolve(const std::string& path) override { return files_.resolve(path); }
  [[nodiscard]] const std::string& lastRead() const { return lastRead_; }

 private:
  platform::FileSystem& files_;
  std::string lastRead_;
};

// The game folder does not change while it is checked: each file is read
// from the disk once (up to a bound on what is kept), and each question of
// existence or listing is answered once.
class CachedFileSystem final : public platform::FileSystem {
 public:
  explicit CachedFileSystem(platform::FileSystem& files) : files_(files) {}
  [[nodiscard]] std::string programFolder() const override { return files_.programFolder(); }
  [[nodiscard]] Result<std::string> readFile(const std::string& path) override;
  [[nodiscard]] Result<void> writeFile(const std::string& path, std::string_view bytes) override {
    return files_.writeFile(path, bytes);
  }
  [[nodiscard]] Result<void> replaceFile(const std::string& from, const std::string& to) override {
    return files_.replaceFile(from, to);
  }
  [[nodiscard]] Result<void> removeFile(const std::string& path) override { return files_.removeFile(path); }
  [[nodiscard]] bool fileExists(const std::string& path) override;
  [[nodiscard]] std::vector<std::string> listFiles(const std::string& folder, std::string_view pattern) override;
  [[nodiscard]] std::string resolve(const std::string& path) override;

 private:
  static constexpr std::size_t kMostBytesKept = 256u << 20;
  platform::FileSystem& files_;
  std::unordered_map<std::string, Result<std::string>> read_;
  std::size_t bytesKept_ = 0;
  std::unordered_map<std::string, bool> exists_;
  std::unordered_map<std::string, std::vector<std::string>> lists_;
  std::unordered_map<std::string, std::string> resolved_;
};

// The headless media devices, each file read once for its header and
// length: the search opens the same music and videos again and again.
class CheckerMediaDevices final : public backends::MediaDeviceFactory {
 public:
  explicit CheckerMediaDevices(platform::FileSystem& files) : files_(files) {}
  [[nodiscard]] backends::MediaResult<std::unique_ptr<backends::MediaDevice>> open(
      backends::MediaDeviceType type, const std::string& path, std::optional<std::uint64_t> parentWindow) override;

 private:
  platform::FileSystem& files_;
  std::unordered_map<std::string, backends::MediaResult<std::uint64_t>> lengths_;
};

class CheckerMachine final : public ui::UserInterface, public ui::WindowHost {
 public:
  explicit CheckerMachine(const std::string& gameFolder);
  CheckerMachine(const CheckerMachine&) = delete;
  CheckerMachine& operator=(const CheckerMachine&) = delete;

  [[nodiscard]] platform::Platform& platform() { return platform_; }
  [[nodiscard]] platform::FileSystem& files() { return watched_; }

  // From now on what happens is written down; taken() hands it over and
  // stops writing.
  void watch() {
    watching_ = true;
    happened_ = {};
  }
  [[nodiscard]] Happenings taken() {
    watching_ = false;
    return std::move(happened_);
  }
  // Posts input as the runner posts it for a script line, writes the line
  // down, and lets the handlers run.
  void post(const std::string& scriptLine, const std::vector<ui::InputEvent>& events);

  // UserInterface.
  [[nodiscard]] ui::WindowManager& windows() override { return manager_; }
  void runMainLoop() override;
  ui::MsgBoxResult messageBox(const std::string& text, ui::MsgBoxButtons buttons, ui::MsgBoxIcon icon,
                              const std::string& title) override;
  void doEvents() override { manager_.dispatchPending(); }
  void waitEvents(int timeoutMilliseconds) override;
  void waitElapsed(int milliseconds) override { clock_.advanceTo(clock_.elapsedMilliseconds() + milliseconds); }
  [[noreturn]] void endProgram() override { throw ui::ProgramEnded{}; }
  [[nodiscard]] Result<ui::Picture> loadPicture(const std::string& path) override;
  [[nodiscard]] Result<ui::Pointer> loadCursor(const std::string& path) override;

  // WindowHost.
  void windowShown(ui::Window& /*window*/, bool /*modal*/) override {}
  void windowHidden(ui::Window& /*window*/) override {}
  void windowUnloaded(ui::Window& /*window*/) override {}
  void windowChanged(ui::Window& /*window*/) override {}
  void timerChanged(ui::Control& /*timer*/) override {}
  void runModalLoop(ui::Window& window) override;
  [[nodiscard]] ui::Twips frameAllowance() const override;
  [[nodiscard]] ui::Twips frameWidthAllowance() const override;
  [[nodiscard]] std::pair<int, int> measureText(const ui::Font& font, const std::string& text) const override;

 private:
  void note(const std::string& scriptLine) {
    if (watching_) happened_.scriptLines.push_back(scriptLine);
  }

  std::ostringstream silent_;
  headless::Transcript transcript_;
  headless::VirtualClock clock_;
  backends::DiskFileSystem disk_;
  headless::HeadlessFileSystem diskFiles_;
  CachedFileSystem files_;
  WatchedFileSystem watched_;
  CheckerMediaDevices devices_;
  backends::MediaCommandInterpreter media_;
  headless::HeadlessDisplay display_;
  headless::LoggingSettingsStore settings_;
  headless::HeadlessShell shell_;
  ui::WindowManager manager_;
  platform::Platform platform_;
  std::unordered_map<std::string, Result<ui::Picture>> pictures_;
  std::unordered_map<std::string, Result<ui::Pointer>> cursors_;
  bool watching_ = false;
  Happenings happened_;
  int stuckWaits_ = 0;
};

}  // namespace quorlen::checker
