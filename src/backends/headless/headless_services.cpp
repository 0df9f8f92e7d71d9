#include "backends/headless/headless_services.h"

namespace quorlen::headless {

namespace {
constexpr int kModeRefused = -2;  // the display's answer for a mode it cannot show
constexpr int kShellSuccess = 42;
}  // namespace

int HeadlessDisplay::changeMode(int width, int height) {
  const int result = refuse_ ? kModeRefused : 0;
  if (result == 0) {
    width_ = width;
    height_ = height;
  }
  transcript_.line("display change " + std::to_string(width) + "x" + std::to_string(height) + " -> " +
                   std::to_string(result));
  return result;
}

std::optional<std::string> LoggingSettingsStore::read(const std::string& application, const std::string& section,
                                                      const std::string& key) {
  auto value = store_.read(application, section, key);
  transcript_.line("setting read " + quoted(application) + " " + quoted(section) + " " + quoted(key) + " -> " +
                   (value ? quoted(*value) : std::string("none")));
  return value;
}

Result<void> LoggingSettingsStore::write(const std::string& application, const std::string& section,
                                         const std::string& key, const std::string& value) {
  transcript_.line("setting write " + quoted(application) + " " + quoted(section) + " " + quoted(key) + " " +
                   quoted(value));
  return store_.write(application, section, key, value);
}

int HeadlessShell::open(const std::string& address) {
  transcript_.line("shell open " + quoted(address));
  return kShellSuccess;
}

}  // namespace quorlen::headless
