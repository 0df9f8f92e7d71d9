#pragma once
// A machine for unit tests of the game's procedures: an in-memory file
// system, and a window system, media, display, settings, shell and clock
// that record what they are asked and answer as the test says.

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "common/memory_file_system.h"
#include "platform/platform.h"
#include "platform/window.h"
#include "platform/window_manager.h"

namespace quorlen::fakes {

struct ShownMessage {
  std::string text;
  ui::MsgBoxButtons buttons;
  ui::MsgBoxIcon icon;
  std::string title;
};

class RecordingUi final : public ui::UserInterface, public ui::WindowHost {
 public:
  RecordingUi() : manager_(*this) {}

  std::vector<ShownMessage> messages;  // each answered with the box's default
  int waitedMilliseconds = 0;
  // Runs inside every message box before it is answered, as the window
  // system lets the frame timer fire then.
  std::function<void()> whileMessageShows;

  ui::WindowManager& windows() override { return manager_; }
  void runMainLoop() override {}
  ui::MsgBoxResult messageBox(const std::string& text, ui::MsgBoxButtons buttons, ui::MsgBoxIcon icon,
                              const std::string& title) override {
    if (whileMessageShows) whileMessageShows();
    messages.push_back({text, buttons, icon, title});
    return ui::defaultAnswer(buttons);
  }
  void doEvents() override { manager_.dispatchPending(); }
  void waitEvents(int) override { manager_.dispatchPending(); }
  void waitElapsed(int milliseconds) override { waitedMilliseconds += milliseconds; }
  [[noreturn]] void endProgram() override { throw ui::ProgramEnded{}; }
  Result<ui::Picture> loadPicture(const std::string& path) override {
    if (!pictures.count(path)) return makeError(ErrorKind::NotFound, path);
    return pictures.at(path);
  }
  Result<ui::Pointer> loadCursor(const std::string& path) override {
    return ui::Pointer{ui::Pointer::Kind::Custom, path, 0, 0};
  }
  std::map<std::string, ui::Picture> pictures;

  void windowShown(ui::Window&, bool) override {}
  void windowHidden(ui::Window&) override {}
  void windowUnloaded(ui::Window&) override {}
  void windowChanged(ui::Window&) override {}
  void timerChanged(ui::Control&) override {}
  void runModalLoop(ui::Window&) override {}
  ui::Twips frameAllowance() const override { return 405; }
  ui::Twips frameWidthAllowance() const override { return 120; }
  std::pair<int, int> measureText(const ui::Font&, const std::string& text) const override {
    return {static_cast<int>(text.size()) * 8, 16};
  }

 private:
  ui::WindowManager manager_;
};

class RecordingMedia final : public platform::MediaControl {
 public:
  std::vector<std::string> commands;
  std::map<std::string, platform::MediaReply> replies;  // by exact command
  platform::MediaReply sendString(std::string_view command, std::size_t) override {
    commands.emplace_back(command);
    auto it = replies.find(std::string(command));
    return it == replies.end() ? platform::MediaReply{} : it->second;
  }
};

class FakeDisplay final : public platform::Display {
 public:
  int w = 1024, h = 768;
  std::optional<int> cell = 16;
  std::vector<std::pair<int, int>> changes;  // every mode asked for, each accepted
  int width() const override { return w; }
  int height() const override { return h; }
  std::optional<int> systemFontCellHeight() const override { return cell; }
  int changeMode(int width, int height) override {
    changes.emplace_back(width, height);
    w = width;
    h = height;
    return 0;
  }
};

class MemorySettings final : public platform::SettingsStore {
 public:
  std::map<std::string, std::string> values;  // "APP/SECTION/KEY"
  std::optional<std::string> read(const std::string& a, const std::string& s, const std::string& k) override {
    auto it = values.find(a + "/" + s + "/" + k);
    if (it == values.end()) return std::nullopt;
    return it->second;
  }
  Result<void> write(const std::string& a, const std::string& s, const std::string& k,
                     const std::string& v) override {
    values[a + "/" + s + "/" + k] = v;
    return {};
  }
};

class FixedShell final : public platform::Shell {
 public:
  int open(const std::string&) override { return 42; }
};

class FixedClock final : public platform::Clock {
 public:
  int minute = 7;
  double seconds = 12 * 3600.0;
  int minuteOfHour() const override { return minute; }
  double secondsSinceMidnight() const override { return seconds; }
  std::int64_t elapsedMilliseconds() const override { return 0; }
};

struct FakePlatform {
  RecordingUi ui;
  RecordingMedia media;
  FakeDisplay display;
  MemorySettings settings;
  FixedShell shell;
  MemoryFileSystem files;
  FixedClock clock;
  platform::Platform platform{ui, media, display, settings, shell, files, clock};
};

}  // namespace quorlen::fakes
