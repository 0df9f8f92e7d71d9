#pragma once
// The per-user settings store: texts by application, section and key.

#include <optional>
#include <string>

#include "common/result.h"

namespace quorlen::platform {

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  [[nodiscard]] virtual std::optional<std::string> read(const std::string& application, const std::string& section,
                                                        const std::string& key) = 0;
  [[nodiscard]] virtual Result<void> write(const std::string& application, const std::string& section,
                                           const std::string& key, const std::string& value) = 0;
};

}  // namespace quorlen::platform
