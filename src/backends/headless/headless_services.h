#pragma once
// The runner's display, settings store and shell: each does what it is
// asked and says so in the transcript.

#include <optional>

#include "backends/headless/transcript.h"
#include "backends/shared/settings/ini_settings_store.h"
#include "platform/display.h"
#include "platform/settings_store.h"
#include "platform/shell.h"

namespace quorlen::headless {

class HeadlessDisplay final : public platform::Display {
 public:
  HeadlessDisplay(Transcript& transcript, int width, int height, int fontHeight, bool refuseChanges)
      : transcript_(transcript), width_(width), height_(height), fontHeight_(fontHeight), refuse_(refuseChanges) {}

  [[nodiscard]] int width() const override { return width_; }
  [[nodiscard]] int height() const override { return height_; }
  [[nodiscard]] std::optional<int> systemFontCellHeight() const override { return fontHeight_; }
  int changeMode(int width, int height) override;

 private:
  Transcript& transcript_;
  int width_;
  int height_;
  int fontHeight_;
  bool refuse_;
};

class LoggingSettingsStore final : public platform::SettingsStore {
 public:
  LoggingSettingsStore(Transcript& transcript, std::optional<std::string> path)
      : transcript_(transcript), store_(std::move(path)) {}

  [[nodiscard]] std::optional<std::string> read(const std::string& application, const std::string& section,
                                                const std::string& key) override;
  [[nodiscard]] Result<void> write(const std::string& application, const std::string& section,
                                   const std::string& key, const std::string& value) override;

 private:
  Transcript& transcript_;
  backends::IniSettingsStore store_;
};

class HeadlessShell final : public platform::Shell {
 public:
  explicit HeadlessShell(Transcript& transcript) : transcript_(transcript) {}
  int open(const std::string& address) override;

 private:
  Transcript& transcript_;
};

}  // namespace quorlen::headless
