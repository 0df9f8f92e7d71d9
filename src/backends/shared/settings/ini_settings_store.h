#pragma once
// The per-user settings kept in an INI file: a section [APPLICATION/SECTION]
// for each application and section, then KEY=VALUE lines. The file is read
// when the store is made and written back at every change.
//
// Sections are named by games (the game key), so every name is written
// encoded: '%' and the bytes that would end a name or start another line
// ('/' between application and section, '[', ']', '=', control characters,
// blanks at either end, ';' and '#' in front) become %XX. No game can so
// reach another game's section, every name and value reads back as it was
// written, and plain names are written as they always were.

#include <map>
#include <optional>
#include <string>
#include <utility>

#include "platform/settings_store.h"

namespace quorlen::backends {

class IniSettingsStore final : public platform::SettingsStore {
 public:
  // Without a path the store is empty and kept in memory only.
  explicit IniSettingsStore(std::optional<std::string> path);

  [[nodiscard]] std::optional<std::string> read(const std::string& application, const std::string& section,
                                                const std::string& key) override;
  [[nodiscard]] Result<void> write(const std::string& application, const std::string& section,
                                   const std::string& key, const std::string& value) override;

  // The INI text of the store as it would be written.
  [[nodiscard]] std::string text() const;
  // Parses INI text; lines that are neither a section nor KEY=VALUE are
  // skipped.
  void parse(const std::string& text);

 private:
  std::optional<std::string> path_;
  // (application, section) -> key -> value, all as given (decoded).
  std::map<std::pair<std::string, std::string>, std::map<std::string, std::string>> sections_;
};

}  // namespace quorlen::backends
